// Pictures of a drawing from the surface's context menu: the clipboard, the
// picture files, and the whole window.
#include <sys/resource.h>

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <csignal>

#include "application/picturemenu.hpp"
#include "drawing/pictures.hpp"
#include "support/testing.hpp"

namespace fv {
namespace {

using testing::click;
using testing::countOps;
using testing::Program;

QAction* action(QMenu* m, const QString& text) {
  for (QAction* a : m->actions())
    if (a->text() == text) return a;
  return nullptr;
}

// Saves through the menu's dialog, as a user would: a name typed, then Save.
void saveAs(Form& f, QMenu* menu, const QString& path) {
  action(menu, f.tx("picture.save"))->trigger();
  auto* dialog = f.findChild<QFileDialog*>("pictureDialog");
  ASSERT_NE(dialog, nullptr);
  dialog->setOption(QFileDialog::DontConfirmOverwrite);  // no question to answer
  dialog->selectFile(path);
  static_cast<QDialog*>(dialog)->accept();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Pictures, FileNamesAndFormats) {
  EXPECT_EQ(pictureFileName("Geração", "Picture(1)", QDate(2026, 12, 8)), "Geracao-Picture1-2026-12-08.png");
  const struct {
    const char *name, *path, *format;
  } cases[] = {{"a.png", "a.png", "png"},      {"a.JPG", "a.JPG", "jpg"}, {"a.svg", "a.svg", "svg"},
               {"a.bmp", "a.bmp", "bmp"},      {"a", "a.png", "png"},     {"a.doc", "a.doc.png", "png"},
               {"v1.2/a", "v1.2/a.png", "png"}};
  for (const auto& c : cases) {
    EXPECT_EQ(pictureFile(c.name).path, c.path);
    EXPECT_EQ(pictureFile(c.name).format, c.format) << c.name;
  }
}

TEST(Pictures, CopyAndSaveADrawingFromItsMenu) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    Form& f = p.open("Senoide");
    click(f, "Fundamental");
    Surface& s = f.surface("Picture1");
    QMenu* menu = pictureMenu(p.app, f, s);
    action(menu, f.tx("picture.copy"))->trigger();
    // Twice the screen's resolution, with the scale marks at its left.
    const QRect frame = pictureFrame(s).rect;
    EXPECT_EQ(QApplication::clipboard()->image().size(), frame.size() * 2);
    EXPECT_GT(frame.width(), s.width());
    action(menu, f.tx("picture.window"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), f.size());

    QTemporaryDir dir;
    for (const char* name : {"fundamental.svg", "fundamental.jpg", "fundamental"}) saveAs(f, menu, dir.filePath(name));
    const QString svg = QString::fromUtf8(bytes(dir.filePath("fundamental.svg")));
    EXPECT_EQ(svg.count("<line "), countOps(s, SurfaceOp::Line));
    EXPECT_TRUE(bytes(dir.filePath("fundamental.jpg")).startsWith("\xFF\xD8\xFF")) << "JPEG data";
    EXPECT_EQ(QImage(dir.filePath("fundamental.png"), "PNG").size(), frame.size() * 2);
    EXPECT_TRUE(f.lastMessage().isEmpty());
    delete menu;
  }
}

TEST(Pictures, TheGenerationWindowsPictureHasItsDegreeScale) {
  Program p(Edition::ES);
  Form& f = p.open("Geração");
  click(f, "go");
  Surface& s = f.surface("Picture1");
  const PictureFrame frame = pictureFrame(s);
  const QRect scale = f.control("Text12").geometry().translated(-frame.rect.topLeft());
  const QImage img = surfacePicture(s, 2.0);
  const QRgb ground = img.pixel(scale.left() * 2, scale.top() * 2);
  int ink = 0;
  for (int y = scale.top() * 2; y < scale.bottom() * 2; ++y)
    for (int x = scale.left() * 2; x < scale.right() * 2; ++x) ink += img.pixel(x, y) != ground;
  EXPECT_GT(ink, 200) << "the numbers of the scale";
  QBuffer svg;
  svg.open(QIODevice::WriteOnly);
  ASSERT_TRUE(writeSvg(s, svg));
  EXPECT_TRUE(svg.data().contains(">grados</text>"));
  EXPECT_TRUE(svg.data().contains(">180</text>"));
}

TEST(Pictures, AFailedSaveIsToldAndKeepsTheOldFile) {
  Program p(Edition::PT);
  Form& f = p.open("Senoide");
  click(f, "Fundamental");
  QMenu* menu = pictureMenu(p.app, f, f.surface("Picture1"));
  QTemporaryDir dir;
  for (const char* name : {"old.svg", "old.png"}) {
    const QString path = dir.filePath(name);
    QFile old(path);
    old.open(QIODevice::WriteOnly);
    old.write("the old picture");
    old.close();
    // Files may not grow beyond 4 KiB: the disk fills up under the save.
    rlimit was{}, small{};
    getrlimit(RLIMIT_FSIZE, &was);
    small = was;
    small.rlim_cur = 4096;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    saveAs(f, menu, path);
    setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(bytes(path), "the old picture") << bytes(path).size();
    EXPECT_EQ(f.lastMessage(),
              "Não foi possível gravar a figura em " + path + ": o arquivo passa do tamanho permitido.");
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no half-written file left";
  saveAs(f, menu, dir.filePath("none/new.png"));
  EXPECT_TRUE(f.lastMessage().endsWith(": a pasta não existe.")) << f.lastMessage().toStdString();
  delete menu;
}

// Counts what the writer is given at a time.
class Pieces : public QIODevice {
 public:
  qint64 largest = 0;
  QByteArray all;
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* d, qint64 n) override {
    largest = std::max(largest, n);
    all.append(d, n);
    return n;
  }
};

TEST(Pictures, ALongDrawingIsWrittenInPiecesWithItsRunsOfPointsMerged) {
  Surface s;
  s.resize(400, 300);
  for (int x : {0, 15, 30}) s.pset(x, 0, pal::blue);  // one run of three pixels
  s.pset(45, 0, pal::red);
  s.pset(60, 0, pal::blue);
  // Up and down 50 columns, about 11 strokes each: a stroke becomes one rectangle.
  for (int i = 0; i < 600000; ++i) s.pset(15 * (i / 12000), 2100 * (1 + std::sin(i * 0.003)), pal::green);
  for (int i = 0; i < 20000; ++i) s.pset(i % 6000, 15 * (i / 6000), i % 2 ? pal::red : pal::blue);
  const std::size_t held = s.memoryBytes();
  Pieces out;
  out.open(QIODevice::WriteOnly);
  ASSERT_TRUE(writeSvg(s, out));
  EXPECT_LE(out.largest, kSvgPiece);
  EXPECT_GT(out.all.size(), 8 * kSvgPiece);
  EXPECT_LT(s.memoryBytes(), held + 4096) << "the list is read, not held decoded";
  EXPECT_TRUE(
      out.all.contains("<rect x=\"0\" y=\"0\" width=\"3\" height=\"1\" fill=\"#0000ff\"/>\n"
                       "<rect x=\"3\" y=\"0\" width=\"1\" height=\"1\" fill=\"#ff0000\"/>\n"
                       "<rect x=\"4\" y=\"0\" width=\"1\" height=\"1\" fill=\"#0000ff\"/>"));
  EXPECT_LT(out.all.count(QByteArray("fill=\"") + toQColor(pal::green).name().toLatin1()), 50 * 13);
}

// The older part of a drawing that outgrew its list is in the picture too.
TEST(Pictures, AFoldedDrawingIsWhole) {
  Surface s;
  s.setListLimit(64 * 1024);
  s.resize(200, 150);
  s.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
  for (int y = 0; y < 2250; y += 15) s.pset(150, y, pal::red);
  for (int i = 0; i < 200000; ++i) {
    s.pset(600 + i % 2400, 15 * ((i * 7919) % 150), pal::green);
    if (i % 1000 == 0) QCoreApplication::processEvents();
  }
  ASSERT_FALSE(s.base().isNull());
  const QColor c = surfacePicture(s, 2.0).pixelColor(21, 100);  // scaled smoothly from the base
  EXPECT_TRUE(c.red() == 255 && c.green() < 128) << c.name().toStdString();
  QBuffer svg;
  svg.open(QIODevice::WriteOnly);
  ASSERT_TRUE(writeSvg(s, svg));
  EXPECT_TRUE(svg.data().contains("<image x=\"0\" y=\"0\" width=\"200\" height=\"150\""));
}

}  // namespace
}  // namespace fv

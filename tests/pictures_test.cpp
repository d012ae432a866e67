// Pictures of a drawing from the surface's context menu: the clipboard, the
// PNG and SVG files, and the whole window.
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QTemporaryDir>

#include "shell/pictures.hpp"
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

TEST(Pictures, FileNamesArePlain) {
  EXPECT_EQ(pictureFileName("Geração", "Picture(1)", QDate(2026, 12, 8)), "Geracao-Picture1-2026-12-08.png");
}

TEST(Pictures, CopyAndSaveADrawingFromItsMenu) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    Form& f = p.open("Senoide");
    click(f, "Fundamental");
    Surface& s = f.surface("Picture1");
    QMenu* menu = pictureMenu(f, s);
    const bool pt = e == Edition::PT;
    ASSERT_NE(action(menu, pt ? "Copiar a figura" : "Copiar la figura"), nullptr);
    ASSERT_NE(action(menu, pt ? "Copiar a janela inteira" : "Copiar la ventana entera"), nullptr);

    action(menu, pt ? "Copiar a figura" : "Copiar la figura")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), s.size() * 2) << "twice the screen's resolution";
    action(menu, pt ? "Copiar a janela inteira" : "Copiar la ventana entera")->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), f.size());

    // The dialog, driven as a user would: a name typed, then Save.
    QTemporaryDir dir;
    for (const char* name : {"fundamental.svg", "fundamental.png"}) {
      action(menu, pt ? "Salvar a figura..." : "Guardar la figura...")->trigger();
      auto* dialog = f.findChild<QFileDialog*>("pictureDialog");
      ASSERT_NE(dialog, nullptr);
      dialog->selectFile(dir.filePath(name));
      static_cast<QDialog*>(dialog)->accept();  // Save
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QFile svg(dir.filePath("fundamental.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_EQ(text.count("<line "), countOps(s, SurfaceOp::Line));
    EXPECT_EQ(text.count("<rect x"), countOps(s, SurfaceOp::Point));
    EXPECT_GT(countOps(s, SurfaceOp::Point), 600);
    EXPECT_EQ(QImage(dir.filePath("fundamental.png")).size(), s.size() * 2);
    delete menu;
  }
}

}  // namespace
}  // namespace fv

// Every window realises its layout table, in both editions and at any zoom;
// every text the windows show fits its box; the degree scale of the
// generation window stands on its grid.
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include "menu/menu.hpp"
#include "support/testing.hpp"
#ifdef FERVANO_WITH_SENOIDE
#include "senoide/senoide.hpp"
#endif
#ifdef FERVANO_WITH_SENOIDET
#include "senoidet/senoidet.hpp"
#endif
#ifdef FERVANO_WITH_PULSOS
#include "pulsos/pulsos.hpp"
#endif
#ifdef FERVANO_WITH_GERACAO
#include "geracao/geracao.hpp"
#endif
#ifdef FERVANO_WITH_SIMULA1
#include "simula1/simula1.hpp"
#endif
#ifdef FERVANO_WITH_SIMULA2
#include "simula2/simula2.hpp"
#endif

using namespace fv;
using fv::testing::Program;

namespace {

struct Table {
  const char* window;
  const std::vector<Ctl>& (*layout)();
};

// The menu and every work window of this build, with their tables.
std::vector<Table> tables() {
  std::vector<Table> t = {{"analise", menuLayout}};
#ifdef FERVANO_WITH_SENOIDE
  t.push_back({"Senoide", senoideLayout});
#endif
#ifdef FERVANO_WITH_SENOIDET
  t.push_back({"SenoideT", SenoideT::layout});
#endif
#ifdef FERVANO_WITH_PULSOS
  t.push_back({"HarmonicasPulsos", pulsosLayout});
#endif
#ifdef FERVANO_WITH_GERACAO
  t.push_back({"Geração", geracaoLayout});
#endif
#ifdef FERVANO_WITH_SIMULA1
  t.push_back({"simula1", simula1Layout});
#endif
#ifdef FERVANO_WITH_SIMULA2
  t.push_back({"simula2", simula2Layout});
#endif
  return t;
}

// A twip rectangle in pixels at a zoom: each edge is rounded on its own, so
// that neighbours stay flush.
QRect pixels(Rect r, double z) {
  auto px = [z](int v) { return int(std::lround(v * z / 15.0)); };
  return QRect(px(r.l), px(r.t), px(r.l + r.w) - px(r.l), px(r.t + r.h) - px(r.t));
}

QString shownText(QWidget& w) {
  if (auto* t = qobject_cast<TextField*>(&w)) return t->text();
  if (auto* b = qobject_cast<QAbstractButton*>(&w)) return b->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
  if (auto* g = qobject_cast<QGroupBox*>(&w)) return g->title();
  if (auto* l = qobject_cast<QLabel*>(&w)) return l->text();
  return {};
}

Color colorOf(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

// How a built control departs from its table entry at the window's present
// zoom: "" when it does not.
std::string mismatch(Form& f, const Ctl& c) {
  const bool es = f.es();
  QWidget& w = f.control(c.name);
  std::string out;
  auto note = [&out](const std::string& what) { out += (out.empty() ? "" : ", ") + what; };

  if (w.parentWidget() != (c.parent ? &f.control(c.parent) : &f)) note("parent");
  const QRect want = pixels(es && c.rEs ? *c.rEs : c.r, f.zoom());
  if (w.geometry() != want) {
    const QRect g = w.geometry();
    note(QString("at %1,%2 %3x%4, not %5,%6 %7x%8")
             .arg(g.x())
             .arg(g.y())
             .arg(g.width())
             .arg(g.height())
             .arg(want.x())
             .arg(want.y())
             .arg(want.width())
             .arg(want.height())
             .toStdString());
  }
  const QString text = f.tx(f.objectName() + QLatin1Char('.') + QString::fromUtf8(c.name));
  if (!text.isEmpty() && shownText(w) != text) note("text \"" + shownText(w).toStdString() + "\"");

  const FontSpec& font = es && c.fontEs ? *c.fontEs : c.font;
  if (auto* s = qobject_cast<Surface*>(&w)) {
    const FontSpec& has = s->fontSpec();
    if (QByteArray(has.family) != font.family || has.pt != font.pt || has.bold != font.bold ||
        has.italic != font.italic)
      note("font");
  } else if (c.kind != Kind::HScroll && c.kind != Kind::VScroll) {
    // Buttons and labels narrow a text too wide for them, down to 80 % of the size.
    const QFont q = w.font();
    const int size = pixelSize(font.pt, f.zoom());
    if (q.family() != installedFamily(font.family) || q.bold() != font.bold || q.italic() != font.italic ||
        q.pixelSize() > size || q.pixelSize() < std::lround(size * 0.8))
      note("font " + q.family().toStdString() + " " + std::to_string(q.pixelSize()) + " px");
  }

  const bool white = c.kind == Kind::Text || c.kind == Kind::MultiText || c.kind == Kind::Surface;
  const Color back = (es && c.backEs ? c.backEs : c.back).value_or(white ? pal::white : pal::grey);
  std::optional<Color> fore = es && c.foreEs ? c.foreEs : c.fore;
  if (!fore && (white || c.kind == Kind::Label)) fore = pal::black;
  Color hasBack = 0, hasFore = 0;
  if (auto* t = qobject_cast<TextField*>(&w)) {
    hasBack = t->backColor();
    hasFore = t->foreColor();
  } else if (auto* s = qobject_cast<Surface*>(&w)) {
    hasBack = s->backColor();
    hasFore = s->foreColor();
  } else {
    hasBack = colorOf(w.palette().color(QPalette::Window));
    hasFore = colorOf(w.palette().color(QPalette::WindowText));
  }
  if (auto* bar = qobject_cast<ScrollBar*>(&w)) {
    if (bar->min() != c.min || bar->max() != c.max) note("range");
  } else {
    if (hasBack != back) note("background");
    if (fore && hasFore != *fore) note("colour");
  }
  return out;
}

}  // namespace

// Every control of every table, menu and work windows, in both editions: in
// its parent, at its twips in pixels, with its text, font and colours, at the
// first size and zoomed.
TEST(Layout, EveryWindowStandsAsItsTableSays) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    for (const Table& t : tables()) {
      Form& f = QByteArray(t.window) == "analise" ? p.app.menu() : p.open(QString::fromUtf8(t.window));
      EXPECT_EQ(f.windowTitle(), f.tx(f.objectName() + ".caption")) << t.window;
      for (double zoom : {1.0, 1.37}) {
        f.resize((QSizeF(f.initialSize()) * zoom).toSize());
        for (const Ctl& c : t.layout()) {
          if (!f.has(c.name)) {
            ADD_FAILURE() << t.window << "." << c.name << " was not built";
            continue;
          }
          EXPECT_EQ(mismatch(f, c), "") << (e == Edition::PT ? "pt " : "es ") << t.window << "." << c.name
                                        << " at zoom " << f.zoom();
        }
      }
    }
  }
}

namespace {

// How much of a text does not fit: the widest line against the room inside the box.
int overflow(const QString& text, const QFont& font, int room) {
  QFontMetrics fm(font);
  int widest = 0;
  for (const QString& line : text.split(QRegularExpression("\r?\n")))
    widest = std::max(widest, fm.horizontalAdvance(line));
  return widest - room;
}

}  // namespace

namespace {

// What does not fit in a control at the window's present zoom: "" when all does.
std::string misfit(QWidget* w) {
  auto over = [](const QString& text, const QFont& font, int room) { return overflow(text, font, room) > 0; };
  if (auto* b = qobject_cast<QPushButton*>(w)) {
    const QFontMetrics fm(b->font());
    const int lines = int(b->text().count(QLatin1Char('\n'))) + 1;
    if (!b->text().isEmpty() && (over(b->text(), b->font(), b->width() - 6) || lines * fm.height() > b->height()))
      return "button";
  } else if (auto* t = qobject_cast<TextField*>(w)) {
    QString text = t->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (!text.trimmed().isEmpty() && over(text, t->editor()->font(), t->textRoom())) return "field";
  } else if (auto* o = qobject_cast<QRadioButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(o);
    opt.text = o->text();
    const QRect text = o->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, o);
    if (over(o->text(), o->font(), text.width())) return "option";
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    if (!l->wordWrap() && over(l->text(), l->font(), l->contentsRect().width())) return "label";
    if (l->wordWrap() && l->heightForWidth(l->width()) > l->height()) return "wrapped label";
  }
  return {};
}

}  // namespace

// At every zoom from 0.75 to 2.5 every caption, label and field text of every
// window fits its box, in both editions.
TEST(Layout, TextsFitTheirBoxesAtEveryZoom) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    for (const char* name : {"Senoide", "SenoideT", "HarmonicasPulsos", "Geração", "simula1", "simula2"})
      if (p.app.knows(name)) p.open(name);
    for (double zoom = 0.75; zoom <= 2.5; zoom += 0.05) {
      for (Form* f : p.app.windows()) {
        f->resize((QSizeF(f->initialSize()) * zoom).toSize());
        for (auto* w : f->findChildren<QWidget*>()) {
          if (w->objectName().isEmpty() || !w->isVisibleTo(f)) continue;
          const std::string what = misfit(w);
          EXPECT_EQ(what, "") << (e == Edition::PT ? "pt " : "es ") << f->objectName().toStdString() << "."
                              << w->objectName().toStdString() << " at zoom " << zoom;
        }
      }
    }
  }
}

namespace {

// The horizontal centres of the runs of dark columns in a widget's picture,
// runs closer than `gap` pixels counting as one.
std::vector<double> inkCentres(QWidget& w, int gap) {
  const QImage img = w.grab().toImage();
  std::vector<double> centres;
  int first = -1, last = -gap - 1;
  for (int x = 0; x < img.width(); ++x) {
    bool ink = false;
    for (int y = 0; y < img.height() && !ink; ++y) ink = qGray(img.pixel(x, y)) < 128;
    if (!ink) continue;
    if (x - last > gap) {
      if (first >= 0) centres.push_back((first + last + 1) / 2.0);
      first = x;
    }
    last = x;
  }
  if (first >= 0) centres.push_back((first + last + 1) / 2.0);
  return centres;
}

}  // namespace

// Each label of the generation window's degree scale ("0", "45", ... "360")
// is centred on its grid line of the waveform surface, at every zoom.
TEST(Layout, TheDegreeScaleStandsOnItsGrid) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    Form& f = p.open("Geração");
    fv::testing::click(f, "go");
    fv::testing::click(f, "geração");  // draws the grid
    Surface& pic = f.surface("Picture1");
    std::vector<float> grid;
    for (const SurfaceOp& op : pic.ops())
      if (op.kind == SurfaceOp::Line && op.x1 == op.x2) grid.push_back(op.x1);
    ASSERT_EQ(grid.size(), 9u);
    for (double zoom = 0.75; zoom < 2.51; zoom += 0.05) {
      f.resize((QSizeF(f.initialSize()) * zoom).toSize());
      QCoreApplication::processEvents();
      const double z = f.zoom();
      TextField& scale = f.text("Text12");
      const std::vector<double> labels = inkCentres(scale, int(4 * z));
      ASSERT_GE(labels.size(), 9u) << z;
      const int pen = std::max(1, int(std::lround(z)));
      double worst = 0;
      std::string offsets;
      for (size_t k = 0; k < 9; ++k) {
        const double line = pic.mapTo(&f, QPoint(0, 0)).x() + std::floor(grid[k] * z / 15) + pen / 2.0;
        const double label = scale.mapTo(&f, QPoint(0, 0)).x() + labels[k];
        worst = std::max(worst, std::fabs(label - line));
        offsets += " " + QString::number(label - line, 'f', 1).toStdString();
      }
      // 3 pixels at zoom 1, as many zoomed elsewhere and one more for the
      // snapping of lines and boxes to whole pixels.
      const double allowed = std::fabs(z - 1) < 1e-9 ? 3 : 3 * std::max(1.0, z) + 1;
      EXPECT_LE(worst, allowed) << (e == Edition::PT ? "pt" : "es") << " zoom " << z
                                << ", label minus line:" << offsets;
    }
  }
}

// The main menu of both editions.
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QPushButton>

#include "forms/errors.hpp"
#include "support/testing.hpp"

using namespace fv;
using fv::testing::Program;

namespace {

QRect twips(int l, int t, int w, int h) {
  auto p = [](int v) { return int(std::lround(v / 15.0)); };
  return QRect(p(l), p(t), p(l + w) - p(l), p(t + h) - p(t));
}

}  // namespace

TEST(Menu, ControlsAndTextsOfThePortugueseEdition) {
  Program p(Edition::PT);
  Form& m = p.app.menu();
  EXPECT_EQ(m.windowTitle(), "FERVANO");
  EXPECT_EQ(m.size(), QSize(918, 734));
  EXPECT_EQ(m.button("geracao").text(), "Geração");
  EXPECT_EQ(m.button("Command1").text(), "Senoides Monofasica");
  EXPECT_EQ(m.button("Command2").text(), "Senoides Trifasicas");
  EXPECT_EQ(m.button("ensaio1").text(), "Simulação 1");
  EXPECT_EQ(m.button("ensaio2").text(), "Simulação 2");
  EXPECT_EQ(m.button("Command3").text(), "Tipos de perturbações");
  EXPECT_EQ(m.button("Command4").text(), "Sair");
  EXPECT_EQ(m.text("Text1").text(), " FERVANO");
  EXPECT_EQ(m.text("Text3").text(), "NOVEMBRO-2018");
  EXPECT_EQ(m.text("Text5").text(), " versão VR4178");
  EXPECT_EQ(m.control("Text3").geometry(), twips(360, 10320, 2532, 495));
  EXPECT_EQ(m.control("Text6").geometry(), twips(4440, 7680, 5295, 375));
  EXPECT_EQ(m.control("Command4").geometry(), twips(10800, 7800, 2895, 615));
  EXPECT_EQ(m.text("Text1").backColor(), RGB(255, 255, 0));
  EXPECT_EQ(m.text("Text1").foreColor(), RGB(0, 0, 255));
  EXPECT_EQ(m.text("Text2").backColor(), RGB(255, 255, 128));
  EXPECT_TRUE(m.text("Text2").multiline());
  EXPECT_TRUE(m.text("Text2").text().endsWith("\r\n"));
  EXPECT_EQ(m.text("Text2").text().count("\r\n"), 2);
  EXPECT_EQ(m.control("Text1").font().family(), "Nimbus Sans Narrow");
  EXPECT_TRUE(m.control("Text1").font().italic());
  EXPECT_EQ(m.control("Text1").font().pixelSize(), 48);
  EXPECT_EQ(m.control("Text4").font().family(), "URW Gothic");
  EXPECT_EQ(m.control("Text3").font().family(), "Liberation Serif");
  EXPECT_EQ(m.control("Text2").font().family(), "Liberation Mono");
}

TEST(Menu, TheSpanishEditionDiffersInTextsAndPositions) {
  Program p(Edition::ES);
  Form& m = p.app.menu();
  EXPECT_EQ(m.windowTitle(), "FERVANO");
  EXPECT_EQ(m.button("geracao").text(), "GENERACION");
  EXPECT_EQ(m.button("ensaio1").text(), "Simulacion 1");
  EXPECT_EQ(m.button("Command3").text(), "Tipos de perturbaciones");
  EXPECT_EQ(m.control("Command3").geometry(), twips(10800, 4080, 2895, 735));
  EXPECT_EQ(m.button("Command4").text(), "Salir");
  EXPECT_EQ(m.text("Text1").text(), "FERVANO");
  EXPECT_EQ(m.text("Text3").text(), "Junho/2006");
  EXPECT_EQ(m.control("Text3").geometry(), twips(360, 10320, 1815, 495));
  EXPECT_EQ(m.control("Text6").geometry(), twips(4080, 7680, 5895, 375));
}

TEST(Menu, TabOrderStartsAtSairWhichHasTheFocus) {
  Program p(Edition::PT);
  Form& m = p.app.menu();
  QApplication::setActiveWindow(&m);
  QWidget* w = &m.control("Command4");
  EXPECT_EQ(m.focusWidget(), w);
  const QStringList order = {"geracao", "Command1", "Command2", "Text2",   "Text3",   "Text1",
                             "Text4",   "Text5",    "Text6",    "ensaio2", "ensaio1", "Command3"};
  for (const QString& next : order) {
    w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&m) ||
           (w->focusProxy() == nullptr && !qobject_cast<QAbstractButton*>(w) && w->objectName().isEmpty()))
      w = w->nextInFocusChain();
    // Fields hand the focus to their editor: compare the control that owns it.
    QWidget* owner = w;
    while (owner && owner->objectName().isEmpty()) owner = owner->parentWidget();
    if (owner && owner->objectName() != next && owner->parentWidget() && owner->parentWidget()->objectName() == next)
      owner = owner->parentWidget();
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->objectName(), next);
  }
}

TEST(Menu, EditingTheCreditTurnsItIntoTodaysDate) {
  Program p(Edition::PT);
  Form& m = p.app.menu();
  fv::testing::type(m, "Text2", "x");
  EXPECT_EQ(m.text("Text2").text(), App::today());
  EXPECT_FALSE(App::today().isEmpty());
  EXPECT_TRUE(m.lastMessage().isEmpty());
}

TEST(Menu, SairEndsTheProgramAtOnce) {
  Program p(Edition::PT);
  fv::testing::click(p.app.menu(), "Command4");
  EXPECT_TRUE(p.quitCalled);
  EXPECT_TRUE(p.app.quitting());
  EXPECT_FALSE(p.app.menu().isVisible());
  EXPECT_EQ(p.app.show("Senoide"), nullptr);  // nothing opens any more
}

TEST(Menu, ClosingTheMenuEndsTheProgramLikeSair) {
  Program p(Edition::ES);
  p.app.menu().close();
  EXPECT_TRUE(p.quitCalled);
}

TEST(Menu, EachButtonShowsOneInstanceOfItsWindow) {
  Program p(Edition::PT);
  Form& m = p.app.menu();
  const std::pair<const char*, const char*> buttons[] = {{"Command1", "Senoide"}, {"Command2", "SenoideT"},
                                                         {"geracao", "Geração"},  {"ensaio1", "simula1"},
                                                         {"ensaio2", "simula2"},  {"Command3", "HarmonicasPulsos"}};
  for (auto [button, window] : buttons) {
    if (!p.app.knows(window)) continue;  // a build with fewer windows
    fv::testing::click(m, button);
    Form* first = p.app.window(window);
    if (!first) continue;  // a window not built yet: the button does nothing
    EXPECT_TRUE(first->isVisible()) << window;
    first->hide();
    fv::testing::click(m, button);
    EXPECT_EQ(p.app.window(window), first) << window;
    EXPECT_TRUE(first->isVisible());
    int count = 0;
    for (Form* f : p.app.windows()) count += f->objectName() == window;
    EXPECT_EQ(count, 1) << window;
  }
}

TEST(Menu, LabelsAndButtonsFitTheirBoxes) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    Form& m = p.app.menu();
    for (auto* b : m.findChildren<QPushButton*>()) {
      QFontMetrics fm(b->font());
      EXPECT_LE(fm.horizontalAdvance(b->text()), b->width()) << b->objectName().toStdString();
      EXPECT_LE(fm.height(), b->height()) << b->objectName().toStdString();
    }
  }
}

// The main menu of both editions.
#include <QApplication>
#include <QCloseEvent>

#include "forms/errors.hpp"
#include "support/testing.hpp"

using namespace fv;
using fv::testing::Program;

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

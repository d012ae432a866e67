// Input as a desktop user makes it: drags and keys on a scroll bar whose
// change animates, clicks and keys made while an animation runs, Enter on a
// button, the focus after a button hides itself, and the messages.
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTimer>
#include <array>
#include <map>

#include "support/testing.hpp"

namespace fv {
namespace {

using testing::click;
using testing::Program;
using testing::type;

// The generation window with its phase-angle bar shown, counting the bar's
// changes and those that came while a run was going on.
struct Angle {
  explicit Angle(Edition e = Edition::PT) : p(e), f(p.open(QStringLiteral("Geração"))) {
    click(f, "go");
    click(f, "geração");
    bar = f.scroll("HScroll1").bar();
    QObject::connect(&f.scroll("HScroll1"), &ScrollBar::changed, [this] {
      ++changes;
      overlapping += f.running() ? 1 : 0;
    });
  }
  QPoint inWindow(QPoint p) const { return bar->mapTo(&f, p); }
  QPoint thumb() const {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar).center();
  }
  Program p;
  Form& f;
  QScrollBar* bar;
  int changes = 0, overlapping = 0;
};

TEST(Input, DraggingTheAngleRaisesOneChangeAtRelease) {
  Angle a;
  QWindow* win = a.f.windowHandle();
  const QPoint from = a.thumb();
  QTest::mousePress(win, Qt::LeftButton, {}, a.inWindow(from));
  for (int dx = 10; dx <= 120; dx += 10) QTest::mouseMove(win, a.inWindow(from + QPoint(dx, 0)));
  EXPECT_EQ(a.changes, 0) << "a drag runs nothing before the thumb is released";
  EXPECT_GT(a.bar->sliderPosition(), 0);
  QTest::mouseRelease(win, Qt::LeftButton, {}, a.inWindow(from + QPoint(120, 0)));
  EXPECT_EQ(a.changes, 1);
  EXPECT_EQ(a.f.scroll("HScroll1").value(), a.bar->sliderPosition());
  EXPECT_EQ(fv::testing::pacer().totalCount() % (631LL * 10000), 0);
}

// Keys pressed while a run goes on each make one step and one run
// afterwards, in order, but a held key's repeats only one; the focus stays on the bar.
TEST(Input, KeysDuringARunAreHandledAfterwardsInOrder) {
  Angle a;
  a.bar->setFocus();
  QWindow* win = a.f.windowHandle();
  fv::testing::pacer().setInstant(false);
  QTimer::singleShot(100, [&] {
    for (int i = 0; i < 3; ++i) QTest::keyClick(win, Qt::Key_Left);
    for (int i = 0; i < 40; ++i) QTest::simulateEvent(win, i % 2 == 0, Qt::Key_Left, {}, {}, true);
  });
  QTest::keyClick(win, Qt::Key_End);
  for (int i = 0; i < 500 && a.changes < 5; ++i) QTest::qWait(20);
  fv::testing::pacer().setInstant(true);
  QTest::qWait(100);
  EXPECT_EQ(a.f.scroll("HScroll1").value(), 96);
  EXPECT_EQ(a.overlapping, 0);
  EXPECT_EQ(a.f.focusWidget(), a.bar);
}

// A click made during Fase 1 where Fase 2 appears only at its end does not
// run Fase 2.
TEST(Input, AClickDuringARunReachesOnlyWhatWasThere) {
  Program p(Edition::PT);
  Form& f = p.open("simula1");
  QWidget& fase2 = f.control("Command2");
  const QPoint spot = fase2.mapTo(&f, fase2.rect().center());
  fv::testing::pacer().setInstant(false);
  QTimer::singleShot(200, [&] { QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, spot); });
  click(f, "fase01");
  QTest::qWait(300);
  fv::testing::pacer().setInstant(true);
  EXPECT_TRUE(fase2.isVisible());
  EXPECT_EQ(fv::testing::pacer().totalCount(), 138 * 200000) << "only Fase 1 ran";
}

// The single-phase window's runs counted; Fundamental runs at its pace, started by a real click.
struct Runs {
  Runs() : p(Edition::PT), f(p.open("Senoide")) {
    for (const char* b : {"Fundamental", "terceira", "inter"})
      QObject::connect(&f.button(b), &QPushButton::clicked, [this, b] { ++count[b]; });
  }
  void press(const char* b) {
    QWidget& w = f.button(b);
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, w.mapTo(&f, w.rect().center()));
  }
  // 100 ms into the run of a button
  void during(const std::function<void()>& meanwhile, const char* run = "Fundamental") {
    fv::testing::pacer().setInstant(false);
    QTimer::singleShot(100, meanwhile);
    press(run);
    fv::testing::pacer().setInstant(true);
    QTest::qWait(50);  // what waited is delivered
  }
  Program p;
  Form& f;
  std::map<std::string, int> count;
};

// A burst of clicks leaves one run waiting a button, none for the running
// one; Esc drops the runs waiting, not a value typed meanwhile; closing the
// window finishes its run and drops what waited for it.
TEST(Input, ClicksDuringARunWaitBounded) {
  Runs r;
  r.during([&] {
    for (int i = 0; i < 32; ++i) r.press(std::array{"Fundamental", "terceira", "Fundamental", "inter"}[i % 4]);
    fv::testing::pacer().finishNow();
  });
  EXPECT_EQ(r.count, (std::map<std::string, int>{{"Fundamental", 1}, {"inter", 1}, {"terceira", 1}}));
  r.during([&] {
    r.press("terceira");
    r.f.text("Text8").setFocus();
    for (auto k : {Qt::Key_End, Qt::Key_5, Qt::Key_Escape}) QTest::keyClick(r.f.windowHandle(), k);
  });
  EXPECT_TRUE(r.f.text("Text8").text().endsWith('5'));
  r.f.setFullScreen(true);  // where Esc is also the window's shortcut
  r.during([&] {
    r.press("terceira");
    QTest::keyClick(r.f.windowHandle(), Qt::Key_Escape);
  });
  EXPECT_TRUE(r.f.isFullScreen());
  r.f.setFullScreen(false);
  const auto frames = fv::testing::pacer().frames();
  r.during([&] {
    r.press("inter");
    QCloseEvent close;  // the window sends it on as the window system's
    QCoreApplication::sendEvent(r.f.windowHandle(), &close);
  });
  EXPECT_EQ(r.count, (std::map<std::string, int>{{"Fundamental", 4}, {"inter", 1}, {"terceira", 1}}));
  EXPECT_LT(fv::testing::pacer().frames() - frames, 100) << "the run was not finished at once";
}

// The resultant ends by hiding the drawing buttons: a click that waited on
// one of them meanwhile is dropped, not delivered to the hidden button.
TEST(Input, AClickOnAControlTheRunThenHidesIsDropped) {
  Runs r;
  r.during(
      [&] {
        r.press("Fundamental");
        fv::testing::pacer().finishNow();
      },
      "resultante1");
  EXPECT_FALSE(r.f.button("Fundamental").isVisible());
  EXPECT_EQ(r.count["Fundamental"], 0);
}

TEST(Input, EnterAndSpacePressTheFocusedButton) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    EXPECT_EQ(p.app.menu().focusWidget(), &p.app.menu().control("Command4"));
    Form& f = p.open("Senoide");
    Button& fundamental = f.button("Fundamental");
    fundamental.setFocus();
    QTest::keyClick(&fundamental, Qt::Key_Return);
    EXPECT_EQ(fv::testing::pacer().totalCount(), 629LL * (200000 + 11000));
    QTest::keyClick(&fundamental, Qt::Key_Space);
    QTest::keyClick(&fundamental, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(fv::testing::pacer().totalCount(), 3 * 629LL * (200000 + 11000));
  }
}

TEST(Input, FocusAfterResetGoesToTheFirstDrawingButton) {
  Program p(Edition::PT);
  Form& f = p.open("Senoide");
  QApplication::setActiveWindow(&f);
  click(f, "Fundamental");
  click(f, "resultante1");
  f.button("reset").setFocus();
  click(f, "reset");
  EXPECT_EQ(f.focusWidget(), &f.button("Fundamental"));
  for (QLineEdit* e : f.findChildren<QLineEdit*>())
    EXPECT_FALSE(e->hasSelectedText()) << e->parent()->objectName().toStdString();
}

// A refused field: the message stands beside it and goes once a run goes
// through; a value kept from an earlier text is not used while the field
// cannot be read.
TEST(Input, MessagesBesideTheFieldAndStaleValuesRefused) {
  Program p(Edition::ES);
  Form& f = p.open("Senoide");
  type(f, "Text8", "abc");
  click(f, "Fundamental");
  QMessageBox* box = f.messageBox();
  ASSERT_NE(box, nullptr);
  const QWidget& field = f.text("Text8");
  EXPECT_FALSE(box->frameGeometry().intersects(QRect(field.mapToGlobal(QPoint(0, 0)), field.size())));
  type(f, "Text8", "abd");
  click(f, "Fundamental");
  EXPECT_EQ(f.findChildren<QMessageBox*>().size(), 1) << "one box per window";
  type(f, "Text8", "30");
  click(f, "Fundamental");
  EXPECT_EQ(f.messageBox(), nullptr);

  type(f, "Text20", "90");
  type(f, "Text20", "abc");
  const auto before = f.surface("Picture1").ops().size();
  click(f, "terceira");
  EXPECT_TRUE(f.text("Text20").highlighted());
  EXPECT_NE(f.messageBox(), nullptr);
  EXPECT_EQ(f.surface("Picture1").ops().size(), before) << "nothing drawn with the stale 90";
  type(f, "Text20", "45");
  click(f, "terceira");
  EXPECT_GT(f.surface("Picture1").ops().size(), before);
}

// Esc during the fundamental's 2.5 s finishes it at once, with the drawing
// and read-outs of a run at its pace; F11 goes full screen and back.
TEST(Input, EscapeFinishesNowAndF11TogglesFullScreen) {
  Program paced(Edition::PT);
  Form& f = paced.open("Senoide");
  fv::testing::pacer().setInstant(false);
  QTimer::singleShot(200, [&] { QTest::keyClick(f.windowHandle(), Qt::Key_Escape); });
  const auto frames = fv::testing::pacer().frames();
  click(f, "Fundamental");
  fv::testing::pacer().setInstant(true);
  // About 170 frames at its pace; Esc came after a dozen.
  EXPECT_LT(fv::testing::pacer().frames() - frames, 100) << "the animation was not finished at once";

  Program instant(Edition::PT);
  Form& g = instant.open("Senoide");
  click(g, "Fundamental");
  EXPECT_EQ(f.text("Text15").text(), g.text("Text15").text());
  for (const char* s : {"Picture1", "Picture2"}) {
    const auto &a = f.surface(s).ops(), &b = g.surface(s).ops();
    ASSERT_EQ(a.size(), b.size()) << s;
    for (size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i].y1, b[i].y1) << s << " op " << i;
  }

  QApplication::setActiveWindow(&g);
  QTest::keyClick(g.windowHandle(), Qt::Key_F11);
  EXPECT_TRUE(g.isFullScreen());
  QTest::keyClick(g.windowHandle(), Qt::Key_Escape);
  EXPECT_FALSE(g.isFullScreen());
}

}  // namespace
}  // namespace fv

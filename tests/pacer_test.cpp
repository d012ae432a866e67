// The pacer: counts become time, and input waits for the handler.
#include <QElapsedTimer>
#include <QTimer>

#include "forms/errors.hpp"
#include "support/testing.hpp"

using namespace fv;

TEST(Pacer, InstantModeOnlyAddsUpTheCounts) {
  Pacer pacer;
  pacer.setInstant(true);
  pacer.pause(200000);
  pacer.pause(0);
  pacer.pause(-5);
  pacer.pause(11000);
  EXPECT_EQ(pacer.totalCount(), 211000);
  pacer.resetTotal();
  EXPECT_EQ(pacer.totalCount(), 0);
}

TEST(Pacer, ACountLastsSeventyFiveNanoseconds) { EXPECT_EQ(Pacer::kCountDuration.count(), 75); }

TEST(Pacer, RealModeTakesAboutTheNominalTime) {
  Pacer pacer;
  // Behaviour, not a timing target: the pacer neither returns at once nor
  // waits for a second when asked for 20 ms (the benchmark measures precision).
  pacer.setInstant(false);
  QElapsedTimer t;
  t.start();
  pacer.beginHandler();
  for (int i = 0; i < 4; ++i) pacer.pause(66667);  // 4 x 5 ms
  pacer.endHandler();
  EXPECT_GE(t.elapsed(), 15);
  EXPECT_LT(t.elapsed(), 1000);
}

// The menu's exit button reaches the program during a pause: the handler
// that paused ends at its next pause, quietly, and runs no more.
TEST(Pacer, QuittingEndsARunningHandler) {
  fv::testing::Program p(Edition::PT);
  Form& menu = p.app.menu();
  int pauses = 0;
  menu.run([&] {
    for (; pauses < 10; ++pauses) {
      menu.pause(1);
      if (pauses == 3) p.app.quit();
    }
  });
  EXPECT_EQ(pauses, 4);
  EXPECT_TRUE(menu.lastMessage().isEmpty());
  EXPECT_FALSE(menu.running());
  EXPECT_FALSE(p.app.pacer().busy());
}

TEST(Pacer, TimersAndPaintingRunDuringAPauseButNotUserInput) {
  Pacer pacer;
  pacer.setInstant(false);
  bool timerRan = false;
  QTimer::singleShot(0, [&] { timerRan = true; });
  pacer.beginHandler();
  pacer.pause(400000);  // 30 ms: the pacer lets the event loop run once
  pacer.endHandler();
  EXPECT_TRUE(timerRan);
}

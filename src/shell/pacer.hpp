// Pacing of the animations. A drawing handler pauses after each point by a
// count; the pacer turns the counts into a virtual clock (kCountDuration per
// count) and lets the screen catch up once the clock runs a frame ahead:
// it paints what was drawn, then sleeps until real time reaches the clock.
// Clicks and keys made meanwhile are held (InputHold) and delivered after the handler.
#pragma once

#include <chrono>
#include <cstdint>

namespace fv {

class Pacer {
 public:
  // The duration of one count of a pause: a 200000-count pause is 15 ms.
  static constexpr std::chrono::nanoseconds kCountDuration{75};

  // Pause for `counts` counts (nothing when counts <= 0). Throws Cancelled
  // when the program is quitting.
  static void pause(std::int64_t counts);

  // Instant mode (tests): pauses only add to the total.
  static void setInstant(bool instant);
  static bool instant();

  // Sum of all counts asked for since the last reset.
  static std::int64_t totalCount();
  static void resetTotal();

  // The outermost handler starts and ends: the clock starts from now, and at
  // the end the last part of the pause is waited for and shown.
  static void beginHandler();
  static void endHandler();
  // A handler is running.
  static bool busy();

  // Finish now: the running handler goes on to its end without pausing (its
  // drawing and read-outs are those of a paced run). Nothing when none runs.
  static void finishNow();
  static bool finishing();

  // The program is quitting: the next pause throws Cancelled.
  static void cancel();
  static bool cancelled();
  static void clearCancel();

  // How many times the pacer let the screen paint (for the benchmarks).
  static std::int64_t frames();

 private:
  static void catchUp(bool final);
  static void showFrame();
};

}  // namespace fv

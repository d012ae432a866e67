// Pacing of the animations. A drawing handler pauses after each point by a
// count; the pacer turns the counts into a virtual clock (kCountDuration per
// count) and lets the screen catch up once the clock runs a frame ahead:
// it paints what was drawn, then sleeps until real time reaches the clock.
// Clicks and keys made meanwhile are held (InputHold) and delivered after the
// handler. The program (App) owns one pacer.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace fv {

class Pacer {
 public:
  // The duration of one count of a pause: a 200000-count pause is 15 ms.
  static constexpr std::chrono::nanoseconds kCountDuration{75};

  // Paints what the surfaces drew since the last frame (set by the program).
  std::function<void()> onFrame;
  // The outermost handler has ended: held input may be delivered.
  std::function<void()> onHandlerEnd;

  // Pause for `counts` counts (nothing when counts <= 0). Throws Cancelled
  // when the program is quitting.
  void pause(std::int64_t counts);

  // Instant mode (tests): pauses only add to the total.
  void setInstant(bool instant) { instant_ = instant; }

  // Sum of all counts asked for since the last reset.
  std::int64_t totalCount() const { return total_; }
  void resetTotal() { total_ = 0; }

  // The outermost handler starts and ends: the clock starts from now, and at
  // the end the last part of the pause is waited for and shown.
  void beginHandler();
  void endHandler();
  // A handler is running.
  bool busy() const { return depth_ > 0; }

  // Finish now: the running handler goes on to its end without pausing (its
  // drawing and read-outs are those of a paced run). Nothing when none runs.
  void finishNow();

  // The program is quitting: the next pause throws Cancelled.
  void cancel() { cancelled_ = true; }

  // How many times the pacer let the screen paint (for the benchmarks).
  std::int64_t frames() const { return frames_; }

 private:
  using Clock = std::chrono::steady_clock;
  void catchUp(bool final);
  void showFrame();

  bool instant_ = false;
  bool cancelled_ = false;
  int depth_ = 0;
  std::int64_t total_ = 0;
  std::int64_t frames_ = 0;
  Clock::time_point clock_{};
  Clock::time_point lastFrame_{};
  bool clockSet_ = false;
  bool finishing_ = false;  // the running handler skips its pauses
};

}  // namespace fv

#include "application/pacer.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <thread>

#include "forms/errors.hpp"

namespace fv {

namespace {

// The pacer sleeps once the clock is this far ahead of real time...
constexpr auto kSlice = std::chrono::milliseconds(8);
// ...and lets the screen paint before it sleeps when the last frame is at
// least this old: about sixty frames a second.
constexpr auto kFrame = std::chrono::microseconds(14500);
// When the clock has fallen this far behind (no handler ran), it starts anew.
constexpr auto kStale = std::chrono::milliseconds(250);
// A handler slower than its pauses never gets ahead of real time: the screen
// still shows its progress at least this often.
constexpr auto kLongestWithoutFrame = std::chrono::milliseconds(40);

}  // namespace

void Pacer::finishNow() {
  if (depth_ > 0) finishing_ = true;
}

void Pacer::beginHandler() {
  if (depth_++ == 0) {
    clock_ = Clock::now();
    clockSet_ = true;
  }
}

void Pacer::endHandler() {
  if (depth_ <= 0) return;
  // The last part of the pause is still part of the handler: input made
  // meanwhile (an arrow's repeat, say) waits like the rest.
  if (depth_ == 1 && !instant_ && !cancelled_ && !finishing_ && clockSet_) catchUp(true);
  if (--depth_ == 0) {
    clockSet_ = false;
    finishing_ = false;
    // Clicks and keys made during the handler are delivered now, in order.
    if (onHandlerEnd) onHandlerEnd();
  }
}

void Pacer::pause(std::int64_t counts) {
  if (cancelled_) throw Cancelled{};
  if (counts < 0) counts = 0;
  total_ += counts;
  if (instant_) return;
  const auto now = Clock::now();
  if (finishing_) {
    if (now - lastFrame_ >= kLongestWithoutFrame) showFrame();
    return;
  }
  if (!clockSet_ || clock_ < now - kStale) {
    clock_ = now;
    clockSet_ = true;
  }
  clock_ += std::chrono::duration_cast<Clock::duration>(kCountDuration * counts);
  if (clock_ - now >= kSlice)
    catchUp(false);
  else if (now - lastFrame_ >= kLongestWithoutFrame)
    showFrame();
  if (cancelled_) throw Cancelled{};
}

void Pacer::catchUp(bool final) {
  // Let the screen show what was drawn; user input waits for the handler.
  if (final || Clock::now() - lastFrame_ >= kFrame) {
    showFrame();
    if (cancelled_ || finishing_) return;
  }
  // Sleep in frame-sized slices so that a very long pause still checks for
  // a quit request from time to time.
  for (;;) {
    const auto now = Clock::now();
    if (now >= clock_) break;
    auto left = clock_ - now;
    std::this_thread::sleep_for(std::min<Clock::duration>(left, std::chrono::milliseconds(50)));
    if (left > std::chrono::milliseconds(50) && QCoreApplication::instance()) {
      QCoreApplication::processEvents();
      if (cancelled_ || finishing_) return;
    }
  }
  if (final && QCoreApplication::instance()) QCoreApplication::processEvents();
}

void Pacer::showFrame() {
  // Input is delivered to the input hold, which keeps it for after the handler.
  lastFrame_ = Clock::now();
  if (onFrame) onFrame();
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
  ++frames_;
}

}  // namespace fv

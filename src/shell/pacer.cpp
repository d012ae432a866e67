#include "shell/pacer.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <thread>

#include "shell/errors.hpp"
#include "shell/input.hpp"
#include "shell/surface.hpp"

namespace fv {

namespace {

using Clock = std::chrono::steady_clock;

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

struct State {
  bool instant = false;
  bool cancelled = false;
  int depth = 0;
  std::int64_t total = 0;
  std::int64_t frames = 0;
  Clock::time_point clock{};
  Clock::time_point lastFrame{};
  bool clockSet = false;
  bool finishing = false;  // the running handler skips its pauses
} g;

}  // namespace

void Pacer::setInstant(bool instant) { g.instant = instant; }
bool Pacer::instant() { return g.instant; }
std::int64_t Pacer::totalCount() { return g.total; }
void Pacer::resetTotal() { g.total = 0; }
void Pacer::cancel() { g.cancelled = true; }
bool Pacer::cancelled() { return g.cancelled; }
void Pacer::clearCancel() { g.cancelled = false; }
std::int64_t Pacer::frames() { return g.frames; }

bool Pacer::busy() { return g.depth > 0; }
void Pacer::finishNow() {
  if (g.depth > 0) g.finishing = true;
}
bool Pacer::finishing() { return g.finishing; }

void Pacer::beginHandler() {
  if (g.depth++ == 0) {
    g.clock = Clock::now();
    g.clockSet = true;
  }
}

void Pacer::endHandler() {
  if (g.depth <= 0) return;
  // The last part of the pause is still part of the handler: input made
  // meanwhile (an arrow's repeat, say) waits like the rest.
  if (g.depth == 1 && !g.instant && !g.cancelled && !g.finishing && g.clockSet) catchUp(true);
  if (--g.depth == 0) {
    g.clockSet = false;
    g.finishing = false;
    // Clicks and keys made during the handler are delivered now, in order.
    if (auto* hold = InputHold::current()) hold->handlerEnded();
  }
}

void Pacer::pause(std::int64_t counts) {
  if (g.cancelled) throw Cancelled{};
  if (counts < 0) counts = 0;
  g.total += counts;
  if (g.instant) return;
  const auto now = Clock::now();
  if (g.finishing) {
    if (now - g.lastFrame >= kLongestWithoutFrame) showFrame();
    return;
  }
  if (!g.clockSet || g.clock < now - kStale) {
    g.clock = now;
    g.clockSet = true;
  }
  g.clock += std::chrono::duration_cast<Clock::duration>(kCountDuration * counts);
  if (g.clock - now >= kSlice)
    catchUp(false);
  else if (now - g.lastFrame >= kLongestWithoutFrame)
    showFrame();
  if (g.cancelled) throw Cancelled{};
}

void Pacer::catchUp(bool final) {
  // Let the screen show what was drawn; user input waits for the handler.
  if (final || Clock::now() - g.lastFrame >= kFrame) {
    showFrame();
    if (g.cancelled || g.finishing) return;
  }
  // Sleep in frame-sized slices so that a very long pause still checks for
  // a quit request from time to time.
  for (;;) {
    const auto now = Clock::now();
    if (now >= g.clock) break;
    auto left = g.clock - now;
    std::this_thread::sleep_for(std::min<Clock::duration>(left, std::chrono::milliseconds(50)));
    if (left > std::chrono::milliseconds(50) && QCoreApplication::instance()) {
      QCoreApplication::processEvents();
      if (g.cancelled || g.finishing) return;
    }
  }
  if (final && QCoreApplication::instance()) QCoreApplication::processEvents();
}

void Pacer::showFrame() {
  // Input is delivered to the input hold, which keeps it for after the handler.
  g.lastFrame = Clock::now();
  Surface::showAll();
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
  ++g.frames;
}

}  // namespace fv

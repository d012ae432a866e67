#include "analysis/analysis.hpp"

namespace fv {

const std::vector<Ctl>& analysisLayout() {
  using ctl::button, ctl::caption, ctl::field, ctl::surface;
  // clang-format off
  static const std::vector<Ctl> table = {
      caption("note", {120, 60, 12360, 300}).withFont(font::bold96),
      caption("problem", {120, 390, 12360, 300}).withFore(pal::red).withFont(font::bold96),
      // The pulse analysis's own fields, and the three-phase diagram's order.
      caption("amplitudeLabel", {120, 780, 1500, 300}).withFont(font::bold96).aligned(Align::Right),
      field("amplitude", {1680, 750, 780, 360}).withFont(font::bold96).aligned(Align::Right),
      caption("dutyLabel", {2520, 780, 2460, 300}).withFont(font::bold96).aligned(Align::Right),
      field("duty", {5040, 750, 660, 360}).withFont(font::bold96).aligned(Align::Right),
      caption("highestLabel", {5760, 780, 2700, 300}).withFont(font::bold96).aligned(Align::Right),
      field("highest", {8460, 750, 720, 360}).withFont(font::bold96).aligned(Align::Right),
      caption("orderLabel", {120, 780, 3600, 300}).withFont(font::bold96).aligned(Align::Right),
      field("order", {3780, 750, 720, 360}).withFont(font::bold96).aligned(Align::Right),
      surface("spectrum", {6360, 1260, 6120, 3660}, pal::white),
      surface("phasors", {6360, 5040, 6120, 3780}, pal::white),
      button("copy", {120, 9000, 2880, 480}, nullptr, font::bold96),
      button("csv", {3120, 9000, 2880, 480}, nullptr, font::bold96),
  };
  // clang-format on
  return table;
}

}  // namespace fv

// What a work window gives its analysis window: the components as typed in
// its fields (peak values, angles in degrees), and the field that could not
// be read, if any. The window fills it without changing anything it shows.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "core/harmonics.hpp"

namespace fv {

struct AnalysisInput {
  enum class Kind { SinglePhase, ThreePhase, Pulses };
  Kind kind = Kind::SinglePhase;
  std::vector<harmonics::Component> components;             // single-phase
  std::array<std::vector<harmonics::Component>, 3> phases;  // three-phase: R, S, T
  // The field that is not a number, named for the user; empty when all were read.
  QString badField;
};

}  // namespace fv

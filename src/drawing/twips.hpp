// The drawings' unit: layouts and surfaces measure in twips, 15 to a logical
// pixel at zoom 1.
#pragma once

namespace fv {

inline constexpr double kTwipsPerPixel = 15.0;

}  // namespace fv

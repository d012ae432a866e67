// Colours as 24-bit values r + 256 g + 65536 b.
#pragma once

#include <QColor>
#include <cstdint>

namespace fv {

using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b) {
  return static_cast<Color>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}

// The standard 16-colour text-mode palette.
constexpr Color QBColor(int i) {
  constexpr Color palette[16] = {RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
                                 RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
                                 RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
                                 RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255)};
  return palette[i & 15];
}

constexpr int red(Color c) { return static_cast<int>(c & 255); }
constexpr int green(Color c) { return static_cast<int>((c >> 8) & 255); }
constexpr int blue(Color c) { return static_cast<int>((c >> 16) & 255); }

inline QColor toQColor(Color c) { return QColor(red(c), green(c), blue(c)); }

// Fixed stand-ins for the system colours some windows name.
namespace sys {
constexpr Color ButtonFace = RGB(192, 192, 192);
constexpr Color WindowText = RGB(0, 0, 0);
constexpr Color ActiveBorder = RGB(192, 192, 192);
}  // namespace sys

}  // namespace fv

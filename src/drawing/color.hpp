// Colours as 24-bit values r + 256 g + 65536 b; the palette names them.
#pragma once

#include <QColor>
#include <cstdint>

namespace fv {

using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b) {
  return static_cast<Color>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}

constexpr int red(Color c) { return static_cast<int>(c & 255); }
constexpr int green(Color c) { return static_cast<int>((c >> 8) & 255); }
constexpr int blue(Color c) { return static_cast<int>((c >> 16) & 255); }

inline QColor toQColor(Color c) { return QColor(red(c), green(c), blue(c)); }

}  // namespace fv

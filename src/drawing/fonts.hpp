// Fonts named in the layouts, mapped to installed metric-compatible families.
#pragma once

#include <QFont>
#include <QSize>

namespace fv {

struct FontSpec {
  const char* family = "MS Sans Serif";
  double pt = 8.25;
  bool bold = false;
  bool italic = false;
  // When not 0, every digit advances this many twips (the advances of other
  // characters are scaled alike), so that a row of numbers keeps its
  // columns at any zoom.
  double digitAdvance = 0;
  // Twips added once to each run of blanks.
  double wordSpacing = 0;
};

// The fonts the windows are laid out with, one name each.
namespace font {
// clang-format off
constexpr FontSpec sans{};                                   // MS Sans Serif 8.25, the default
constexpr FontSpec small{"MS Sans Serif", 7.8};
constexpr FontSpec bold78{"MS Sans Serif", 7.8, true};
constexpr FontSpec bold96{"MS Sans Serif", 9.6, true};
constexpr FontSpec bold12{"MS Sans Serif", 12, true};
constexpr FontSpec plain138{"MS Sans Serif", 13.8};
constexpr FontSpec bold138{"MS Sans Serif", 13.8, true};
constexpr FontSpec arialBold96{"Arial", 9.6, true};
constexpr FontSpec arialBold12{"Arial", 12, true};
constexpr FontSpec narrowBold96{"Arial Narrow", 9.6, true};
constexpr FontSpec narrowItalic36{"Arial Narrow", 36, false, true};
constexpr FontSpec gothic24{"Century Gothic", 24};
constexpr FontSpec timesBold144{"Times New Roman", 14.4, true};
constexpr FontSpec courierBold96{"Courier New", 9.6, true};
// The generation window's degree scale: digits of fixed advance, blanks
// widened so that each number's ink sits on its grid line.
constexpr FontSpec scale{.family = "Arial Narrow", .pt = 8.25, .digitAdvance = 70, .wordSpacing = 112};
// clang-format on
}  // namespace font

// The installed family that stands in for a layout's font name.
QString installedFamily(const char* family);

// Pixel size of a point size at 96 dpi, scaled by the window's zoom.
int pixelSize(double pt, double zoom);

QFont makeFont(const FontSpec& layout, double zoom);

// The font narrowed just enough (down to 75 % of its width) for the widest
// line of `text` to fit `room` pixels, and made smaller (down to 80 % of its
// size) when even that is too wide. The layouts were drawn for fonts a little narrower than the installed
// ones, and pixel sizes grow in whole steps as the window zooms; this keeps
// every letter in view.
QFont fitFont(QFont font, const QString& text, int room);
// The same for a text broken into lines at its blanks to fit `box`.
QFont fitWrapped(QFont font, const QString& text, QSize box);

}  // namespace fv

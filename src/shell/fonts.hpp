// Fonts named in the layouts, mapped to installed metric-compatible families.
#pragma once

#include <QFont>

namespace fv {

struct FontSpec {
  const char* family = "MS Sans Serif";
  double pt = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// The installed family that stands in for a layout's font name.
QString installedFamily(const char* family);

// Pixel size of a point size at 96 dpi, scaled by the window's zoom.
int pixelSize(double pt, double zoom);

QFont makeFont(const FontSpec& layout, double zoom);

// The font narrowed just enough (down to 75 % of its width) for the widest
// line of `text` to fit `room` pixels. The layouts were drawn for fonts a
// little narrower than the installed ones; this keeps every letter in view.
QFont fitFont(QFont font, const QString& text, int room);

}  // namespace fv

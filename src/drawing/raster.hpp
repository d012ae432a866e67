// The pixel rules of the drawings, for the screen and for pictures at any
// scale: a pen of p pixels (the zoom in device pixels, rounded) makes a point
// a p x p block whose top-left corner is the point's pixel, lines walks of
// such blocks and circles rings p pixels wide; texts are drawn by Qt.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <limits>
#include <optional>

#include "drawing/fonts.hpp"
#include "drawing/replay.hpp"

namespace fv {

// Paints into an RGB32 image at `zoom` (logical pixels per pixel of zoom 1;
// the image's device pixel ratio multiplies it), texts in `font`.
class Raster : public OpSink {
 public:
  Raster(QImage& img, double zoom, const FontSpec& font);

  // What the operations drawn so far touched, in device pixels.
  QRect touched() const { return x0_ > x1_ ? QRect() : QRect(QPoint(x0_, y0_), QPoint(x1_, y1_)); }

  void point(float x, float y, Color c) override;
  void line(float x1, float y1, float x2, float y2, Color c) override;
  void circle(float x, float y, float r, Color c) override;
  void text(float x, float y, const QString& t, Color c) override;

 private:
  uchar* bits();
  void add(int x0, int y0, int x1, int y1);  // what an operation touched

  QImage& img_;
  // Taken at the first point, line or circle: an image that shares its
  // pixels (a cache that is also the folded base) is copied only when drawn into.
  uchar* bits_ = nullptr;
  qsizetype bpl_;
  int w_, h_;
  double zoom_, scale_;  // scale_: device pixels per twip
  int pen_;
  FontSpec fontSpec_;
  std::optional<QFont> font_;
  int x0_ = std::numeric_limits<int>::max(), y0_ = std::numeric_limits<int>::max(), x1_ = -1, y1_ = -1;
};

// Fills `img` with the background and draws `base` (what was folded out of a
// long display list, when not null) over it, scaled to the image.
void paintBase(QImage& img, Color back, const QImage& base);

}  // namespace fv

#include "drawing/raster.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "drawing/twips.hpp"

namespace fv {

namespace {

inline QRgb argb(Color c) { return qRgb(red(c), green(c), blue(c)); }

// Device pixel of a twip coordinate; far-off values are pinned so that the
// integer arithmetic stays defined. False for a coordinate that is not a number.
inline bool devicePixel(float twips, double scale, std::int64_t& out) {
  const double p = std::floor(double(twips) * scale);
  if (std::isnan(p)) return false;
  out = static_cast<std::int64_t>(std::clamp(p, -1.0e8, 1.0e8));
  return true;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

}  // namespace

Raster::Raster(QImage& img, double zoom, const FontSpec& font)
    : img_(img),
      bpl_(img.bytesPerLine()),
      w_(img.width()),
      h_(img.height()),
      zoom_(zoom),
      scale_(zoom / kTwipsPerPixel * img.devicePixelRatio()),
      pen_(std::max(1, int(std::lround(scale_ * kTwipsPerPixel)))),
      fontSpec_(font) {}

uchar* Raster::bits() {
  if (!bits_) bits_ = img_.bits();
  return bits_;
}

void Raster::add(int x0, int y0, int x1, int y1) {
  x0_ = std::min(x0_, x0), x1_ = std::max(x1_, x1);
  y0_ = std::min(y0_, y0), y1_ = std::max(y1_, y1);
}

namespace {

// The pixels of one operation, with what it touched. Held in a local of
// the operation, so that the pixels written cannot be taken to overwrite
// its fields and they stay in registers.
struct Pen {
  uchar* bits;
  qsizetype bpl;
  int w, h, size;
  QRgb c;
  int x0 = std::numeric_limits<int>::max(), y0 = std::numeric_limits<int>::max(), x1 = -1, y1 = -1;

  void run(std::int64_t y, std::int64_t from, std::int64_t to) {
    if (y < 0 || y >= h) return;
    from = std::max<std::int64_t>(from, 0);
    to = std::min<std::int64_t>(to, w - 1);
    if (from > to) return;
    auto* row = reinterpret_cast<QRgb*>(bits + y * bpl);
    std::fill(row + from, row + to + 1, c);
    x0 = std::min(x0, int(from)), x1 = std::max(x1, int(to));
    y0 = std::min(y0, int(y)), y1 = std::max(y1, int(y));
  }

  void block(std::int64_t x, std::int64_t y) {
    for (int dy = 0; dy < size; ++dy) run(y + dy, x, x + size - 1);
  }
};

}  // namespace

void Raster::point(float x, float y, Color c) {
  std::int64_t px, py;
  if (!devicePixel(x, scale_, px) || !devicePixel(y, scale_, py)) return;
  Pen p{bits(), bpl_, w_, h_, pen_, argb(c)};
  p.block(px, py);
  add(p.x0, p.y0, p.x1, p.y1);
}

// The pixels from the start towards the end, the end left out: one a
// step along the major axis, the other coordinate rounded half up. Only
// the steps whose block can touch the image are walked.
void Raster::line(float fx1, float fy1, float fx2, float fy2, Color c) {
  Pen p{bits(), bpl_, w_, h_, pen_, argb(c)};
  std::int64_t x0, y0, x1, y1;
  if (!devicePixel(fx1, scale_, x0) || !devicePixel(fy1, scale_, y0) || !devicePixel(fx2, scale_, x1) ||
      !devicePixel(fy2, scale_, y1))
    return;
  const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
  // Walk along u (the major axis) and v (the minor one).
  const std::int64_t u0 = xMajor ? x0 : y0, v0 = xMajor ? y0 : x0;
  const std::int64_t du = std::abs(xMajor ? x1 - x0 : y1 - y0), dv = std::abs(xMajor ? y1 - y0 : x1 - x0);
  const int su = (xMajor ? x1 >= x0 : y1 >= y0) ? 1 : -1, sv = (xMajor ? y1 >= y0 : x1 >= x0) ? 1 : -1;
  if (du == 0) return;
  const std::int64_t uLimit = xMajor ? w_ : h_, vLimit = xMajor ? h_ : w_;
  // Steps i in [0, du) with the block over the image along u...
  std::int64_t lo = 0, hi = du - 1;
  const std::int64_t a = -(pen_ - 1) - u0, b = uLimit - 1 - u0;  // su * i must lie in [a, b]
  if (su > 0)
    lo = std::max(lo, a), hi = std::min(hi, b);
  else
    lo = std::max(lo, -b), hi = std::min(hi, -a);
  // ...and along v, where the offset f(i) = floor((2 i dv + du) / (2 du)) grows with i.
  const std::int64_t va = -(pen_ - 1) - v0, vb = vLimit - 1 - v0;  // sv * f(i) must lie in [va, vb]
  const std::int64_t fLo = sv > 0 ? va : -vb, fHi = sv > 0 ? vb : -va;
  if (dv == 0) {
    if (fLo > 0 || fHi < 0) return;
  } else {
    lo = std::max(lo, ceilDiv(2 * du * fLo - du, 2 * dv));
    hi = std::min(hi, ceilDiv(2 * du * (fHi + 1) - du, 2 * dv) - 1);
  }
  for (std::int64_t i = lo; i <= hi; ++i) {
    const std::int64_t u = u0 + su * i, v = v0 + sv * floorDiv(2 * i * dv + du, 2 * du);
    if (xMajor)
      p.block(u, v);
    else
      p.block(v, u);
  }
  add(p.x0, p.y0, p.x1, p.y1);
}

// Every pixel whose centre lies at a distance d from the centre with
// r - p/2 <= d < r + p/2, so that circles whose radii differ by at most a
// pen width leave no pixel between them uncovered; a circle smaller than
// the pen has no hole.
void Raster::circle(float x, float y, float radius, Color c) {
  Pen p{bits(), bpl_, w_, h_, pen_, argb(c)};
  std::int64_t px, py;
  if (!devicePixel(x, scale_, px) || !devicePixel(y, scale_, py)) return;
  const double r = std::min(std::fabs(double(radius)) * scale_, 1.0e9);
  if (std::isnan(r)) return;
  const double half = pen_ / 2.0;
  const double cx = double(px) + half, cy = double(py) + half;
  const double inner = r < pen_ ? 0.0 : r - half, outer = r + half;
  const double outer2 = outer * outer, inner2 = inner > 0 ? inner * inner : -1.0;
  // Nothing to paint when the ring misses the image: the image's pixel
  // centres all lie beyond it, or all inside its hole.
  auto sq = [](double v) { return v * v; };
  const double left = 0.5, right = w_ - 0.5, top = 0.5, bottom = h_ - 0.5;
  const double nearX = std::max({left - cx, 0.0, cx - right}), nearY = std::max({top - cy, 0.0, cy - bottom});
  if (sq(nearX) + sq(nearY) >= outer2) return;
  const double farX = std::max(std::fabs(cx - left), std::fabs(cx - right));
  const double farY = std::max(std::fabs(cy - top), std::fabs(cy - bottom));
  if (sq(farX) + sq(farY) < inner2) return;

  const auto rowLo = std::int64_t(std::max(0.0, std::floor(cy - outer - 0.5)));
  const auto rowHi = std::int64_t(std::min(double(h_ - 1), std::ceil(cy + outer - 0.5)));
  for (std::int64_t j = rowLo; j <= rowHi; ++j) {
    const double dy2 = sq(double(j) + 0.5 - cy);
    if (dy2 >= outer2) continue;
    auto d2 = [&](std::int64_t i) { return sq(double(i) + 0.5 - cx) + dy2; };
    // The run of pixels inside the outer edge: d2 < outer2...
    const double a = std::sqrt(outer2 - dy2);
    std::int64_t lo = std::int64_t(std::floor(cx - 0.5 - a)), hi = std::int64_t(std::ceil(cx - 0.5 + a));
    while (lo <= hi && !(d2(lo) < outer2)) ++lo;
    while (hi >= lo && !(d2(hi) < outer2)) --hi;
    if (lo > hi) continue;
    // ...less the hole: d2 < inner2.
    if (inner2 > dy2) {
      const double b = std::sqrt(inner2 - dy2);
      std::int64_t hlo = std::int64_t(std::ceil(cx - 0.5 - b)), hhi = std::int64_t(std::floor(cx - 0.5 + b));
      while (hlo <= hhi && !(d2(hlo) < inner2)) ++hlo;
      while (hhi >= hlo && !(d2(hhi) < inner2)) --hhi;
      while (hlo > lo && d2(hlo - 1) < inner2) --hlo;
      while (hhi < hi && d2(hhi + 1) < inner2) ++hhi;
      if (hlo <= hhi) {
        p.run(j, lo, hlo - 1);
        p.run(j, hhi + 1, hi);
        continue;
      }
    }
    p.run(j, lo, hi);
  }
  add(p.x0, p.y0, p.x1, p.y1);
}

void Raster::text(float x, float y, const QString& t, Color c) {
  if (!font_) font_ = makeFont(fontSpec_, zoom_);
  const double k = scale_ / img_.devicePixelRatio();  // logical pixels per twip
  QPainter p(&img_);
  p.setFont(*font_);
  p.setPen(toQColor(c));
  QFontMetricsF fm(p.font());
  p.drawText(QPointF(x * k, y * k + fm.ascent()), t);
  x0_ = y0_ = 0;
  x1_ = w_ - 1;
  y1_ = h_ - 1;
}

void paintBase(QImage& img, Color back, const QImage& base) {
  img.fill(argb(back));
  if (base.isNull()) return;
  QPainter p(&img);
  if (base.size() == img.size()) {
    p.drawImage(0, 0, base);
  } else {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), img.deviceIndependentSize()), base);
  }
}

}  // namespace fv

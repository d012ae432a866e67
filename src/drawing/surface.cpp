#include "drawing/surface.hpp"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

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

// Paints points, lines and circles into an RGB32 image at `scale` device
// pixels per twip. A pen of p pixels (p = zoom, rounded) makes a point a
// p x p block whose top-left corner is the point's pixel; lines are walks of
// such blocks and circles rings p pixels wide.
class Raster {
 public:
  Raster(QImage& img, double scale)
      : w_(img.width()), h_(img.height()), scale_(scale), pen_(std::max(1, int(std::lround(scale * 15.0)))) {
    bits_ = img.bits();
    bpl_ = img.bytesPerLine();
  }

  // What the operations drawn so far touched, in device pixels.
  QRect touched() const { return x0_ > x1_ ? QRect() : QRect(QPoint(x0_, y0_), QPoint(x1_, y1_)); }

  void draw(const SurfaceOp& op) {
    c_ = argb(op.color);
    switch (op.kind) {
      case SurfaceOp::Point: {
        std::int64_t x, y;
        if (devicePixel(op.x1, scale_, x) && devicePixel(op.y1, scale_, y)) block(x, y);
        break;
      }
      case SurfaceOp::Line:
        line(op);
        break;
      case SurfaceOp::Circle:
        circle(op);
        break;
      case SurfaceOp::Text:
        break;
    }
  }

 private:
  void run(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    if (y < 0 || y >= h_) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, w_ - 1);
    if (x0 > x1) return;
    auto* row = reinterpret_cast<QRgb*>(bits_ + y * bpl_);
    std::fill(row + x0, row + x1 + 1, c_);
    x0_ = std::min(x0_, int(x0)), x1_ = std::max(x1_, int(x1));
    y0_ = std::min(y0_, int(y)), y1_ = std::max(y1_, int(y));
  }

  void block(std::int64_t x, std::int64_t y) {
    for (int dy = 0; dy < pen_; ++dy) run(y + dy, x, x + pen_ - 1);
  }

  // The pixels from the start towards the end, the end left out: one a
  // step along the major axis, the other coordinate rounded half up. Only
  // the steps whose block can touch the image are walked.
  void line(const SurfaceOp& op) {
    std::int64_t x0, y0, x1, y1;
    if (!devicePixel(op.x1, scale_, x0) || !devicePixel(op.y1, scale_, y0) || !devicePixel(op.x2, scale_, x1) ||
        !devicePixel(op.y2, scale_, y1))
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
        block(u, v);
      else
        block(v, u);
    }
  }

  // Every pixel whose centre lies at a distance d from the centre with
  // r - p/2 <= d < r + p/2, so that circles whose radii differ by at most a
  // pen width leave no pixel between them uncovered; a circle smaller than
  // the pen has no hole.
  void circle(const SurfaceOp& op) {
    std::int64_t px, py;
    if (!devicePixel(op.x1, scale_, px) || !devicePixel(op.y1, scale_, py)) return;
    const double r = std::min(std::fabs(double(op.x2)) * scale_, 1.0e9);
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
          run(j, lo, hlo - 1);
          run(j, hhi + 1, hi);
          continue;
        }
      }
      run(j, lo, hi);
    }
  }

  uchar* bits_;
  qsizetype bpl_;
  int w_, h_;
  double scale_;
  int pen_;
  QRgb c_ = 0;
  int x0_ = std::numeric_limits<int>::max(), y0_ = std::numeric_limits<int>::max(), x1_ = -1, y1_ = -1;
};

}  // namespace

Surface::Surface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

bool Surface::cacheStale() const {
  const QSize dev = size() * devicePixelRatioF();
  return cache_.isNull() || cache_.size() != dev;
}

void Surface::timerEvent(QTimerEvent* e) {
  if (e->timerId() != idleTimer_.timerId()) return QWidget::timerEvent(e);
  idleTimer_.stop();
  // Whatever waits to be painted or shown keeps the cache until it is.
  if (flushPosted_ || !dirty_.isEmpty() || list_.bytes() > kDropListBytes) return;
  cache_ = QImage();
}

void Surface::cls() {
  list_.clear();
  pending_ = DisplayList::Reader(list_);
  std::vector<QString>().swap(texts_);
  std::vector<SurfaceOp>().swap(decoded_);
  decodedValid_ = false;
  base_ = QImage();
  dirty_ = QRect();
  curX_ = curY_ = 0;
  ++clsCount_;
  if (!cache_.isNull()) cache_.fill(argb(back_));
  update();
}

void Surface::add(const SurfaceOp& op) {
  if (decodedValid_) {
    std::vector<SurfaceOp>().swap(decoded_);
    decodedValid_ = false;
  }
  list_.push(op);
  if (list_.bytes() > listLimit_) fold();
  // The new operations are painted into the cache in one batch when the
  // event loop next runs (in a pause of an animation, or after the handler),
  // and only the part of the surface they touch is shown anew.
  if (!flushPosted_) {
    flushPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(flushEvent()));
  }
  if (!waiting_ && frames_) {
    waiting_ = true;
    frames_->waiting_.push_back(this);
  }
}

void Surface::fold() {
  // Everything drawn so far goes into the cache, and what it touched is
  // still shown at the next frame.
  if (cacheStale())
    renderAll();
  else
    renderPending();
  // The base keeps the drawing at the largest size it has been rendered at,
  // so that a fold while the window is tiny, or has no area, loses no point
  // once it is large again. A surface never rendered with an area has no
  // size to fold at, so its list goes on.
  if (largest_.size.isEmpty()) return;
  if (!cache_.isNull() && cache_.size() == largest_.size && cache_.devicePixelRatio() == largest_.dpr &&
      zoom_ == largest_.zoom) {
    base_ = cache_;
  } else {
    QImage base(largest_.size, QImage::Format_RGB32);
    base.setDevicePixelRatio(largest_.dpr);
    drawBase(base);
    DisplayList::Reader all(list_);
    paintOps(base, all, largest_.zoom);
    base_ = std::move(base);
  }
  list_.clear();
  pending_ = DisplayList::Reader(list_);
  std::vector<QString>().swap(texts_);
}

QRect Surface::takeDirty() {
  if (dirty_.isEmpty()) return {};
  const double dpr = cache_.isNull() ? 1.0 : cache_.devicePixelRatio();
  const QRect r = QRectF(dirty_.left() / dpr, dirty_.top() / dpr, dirty_.width() / dpr, dirty_.height() / dpr)
                      .toAlignedRect()
                      .intersected(rect());
  dirty_ = QRect();
  return r;
}

void Surface::flush(bool now) {
  if (!flushPosted_ && dirty_.isEmpty()) return;
  flushPosted_ = false;
  if (cacheStale()) {
    update();
    return;
  }
  renderPending();
  const QRect dirty = takeDirty();
  if (dirty.isEmpty()) return;
  if (now && isVisible())
    repaint(dirty);
  else
    update(dirty);
}

void FrameList::showAll() {
  std::vector<QPointer<Surface>> surfaces;
  surfaces.swap(waiting_);
  for (auto& s : surfaces) {
    if (!s) continue;
    s->waiting_ = false;
    s->flush(true);
  }
}

// A number of its own, given by Qt, so that no other event is taken for it.
QEvent::Type Surface::flushEvent() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}

bool Surface::event(QEvent* e) {
  if (e->type() == flushEvent()) {
    flush(false);
    return true;
  }
  return QWidget::event(e);
}

void Surface::line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, fore_); }
void Surface::line(double x1, double y1, double x2, double y2, Color c) {
  add({SurfaceOp::Line, float(x1), float(y1), float(x2), float(y2), c});
  curX_ = float(x2);
  curY_ = float(y2);
}
void Surface::lineTo(double x2, double y2) { line(curX_, curY_, x2, y2, fore_); }
void Surface::lineTo(double x2, double y2, Color c) { line(curX_, curY_, x2, y2, c); }

void Surface::pset(double x, double y) { pset(x, y, fore_); }
void Surface::pset(double x, double y, Color c) {
  add({SurfaceOp::Point, float(x), float(y), 0, 0, c});
  curX_ = float(x);
  curY_ = float(y);
}

void Surface::circle(double x, double y, double r) { circle(x, y, r, fore_); }
void Surface::circle(double x, double y, double r, Color c) {
  add({SurfaceOp::Circle, float(x), float(y), float(r), 0, c});
  curX_ = float(x);
  curY_ = float(y);
}

void Surface::print(const QString& text) {
  texts_.push_back(text);
  add({SurfaceOp::Text, curX_, curY_, 0, 0, fore_, int32_t(texts_.size() - 1)});
  curX_ = 0;
  curY_ = float(curY_ + lineHeight());
}

void Surface::setCurrent(double x, double y) {
  curX_ = float(x);
  curY_ = float(y);
}

const std::vector<SurfaceOp>& Surface::ops() const {
  if (!decodedValid_) {
    decoded_.clear();
    decoded_.reserve(list_.size());
    DisplayList::Reader r(list_);
    SurfaceOp op;
    while (r.next(op)) decoded_.push_back(op);
    decodedValid_ = true;
  }
  return decoded_;
}

QString Surface::opText(const SurfaceOp& op) const {
  if (op.kind != SurfaceOp::Text || op.text < 0 || size_t(op.text) >= texts_.size()) return {};
  return texts_[size_t(op.text)];
}

std::size_t Surface::listBytes() const {
  std::size_t n = list_.bytes() + texts_.capacity() * sizeof(QString);
  for (const QString& t : texts_) n += size_t(t.capacity()) * sizeof(QChar);
  return n;
}

std::size_t Surface::memoryBytes() const {
  auto bytes = [](const QImage& img) { return img.isNull() ? 0 : std::size_t(img.sizeInBytes()); };
  // A base that still shares its pixels with the cache costs nothing more.
  const bool shared = !base_.isNull() && base_.constBits() == cache_.constBits();
  return listBytes() + bytes(cache_) + (shared ? 0 : bytes(base_)) + decoded_.capacity() * sizeof(SurfaceOp);
}

void Surface::setBackColor(Color c) {
  back_ = c;
  renderAll();
  update();
}

void Surface::setFontSpec(const FontSpec& f) { fontSpec_ = f; }

double Surface::lineHeight() const {
  QFontMetricsF fm(makeFont(fontSpec_, 1.0));
  return std::ceil(fm.height()) * 15.0;
}

void Surface::setZoom(double zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  dropCache();
}

void Surface::dropCache() {
  // The drawing is rendered anew at the next paint, once for a resize and a
  // zoom together, and the old raster is gone before the new one is made.
  cache_ = QImage();
  dirty_ = QRect();
  update();
}

QImage Surface::image() {
  if (cacheStale()) renderAll();
  renderPending();
  return cache_;
}

void Surface::renderAll() {
  const QSize dev = size() * devicePixelRatioF();
  pending_ = DisplayList::Reader(list_);
  dirty_ = QRect();
  if (dev.isEmpty()) {
    cache_ = QImage();
    return;
  }
  cache_ = QImage();  // before the new one is made
  cache_ = QImage(dev, QImage::Format_RGB32);
  cache_.setDevicePixelRatio(devicePixelRatioF());
  if (qint64(dev.width()) * dev.height() >= qint64(largest_.size.width()) * largest_.size.height())
    largest_ = {dev, devicePixelRatioF(), zoom_};
  drawBase(cache_);
  renderPending();
  dirty_ = cache_.rect();
}

void Surface::drawBase(QImage& img) const {
  img.fill(argb(back_));
  if (base_.isNull()) return;
  QPainter p(&img);
  if (base_.size() == img.size()) {
    p.drawImage(0, 0, base_);
  } else {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), img.deviceIndependentSize()), base_);
  }
}

void Surface::renderPending() {
  if (cache_.isNull()) return;
  idleTimer_.start(kIdleDelayMs, this);
  dirty_ |= paintOps(cache_, pending_, zoom_);
}

QRect Surface::paintOps(QImage& img, DisplayList::Reader& ops, double zoom) const {
  const double dpr = img.devicePixelRatio(), s = zoom / 15.0 * dpr;
  std::optional<Raster> raster;
  QRect touched;
  SurfaceOp op;
  while (ops.next(op)) {
    if (op.kind == SurfaceOp::Text) {
      QPainter p(&img);
      p.setFont(makeFont(fontSpec_, zoom));
      p.setPen(toQColor(op.color));
      QFontMetricsF fm(p.font());
      p.drawText(QPointF(op.x1 * s / dpr, op.y1 * s / dpr + fm.ascent()), opText(op));
      touched = img.rect();
      continue;
    }
    if (!raster) raster.emplace(img, s);
    raster->draw(op);
  }
  if (raster) touched |= raster->touched();
  return touched;
}

void Surface::paintEvent(QPaintEvent* e) {
  if (cacheStale()) renderAll();
  renderPending();
  if (cache_.isNull()) return;
  QPainter p(this);
  const QRect r = e->rect();
  const double dpr = cache_.devicePixelRatio();
  p.drawImage(r, cache_, QRectF(r.left() * dpr, r.top() * dpr, r.width() * dpr, r.height() * dpr));
  // What was painted into the cache outside this region is shown next.
  const QRect rest = takeDirty();
  if (!rest.isEmpty() && !r.contains(rest)) update(rest);
}

void Surface::resizeEvent(QResizeEvent*) { dropCache(); }

void Surface::mousePressEvent(QMouseEvent* e) { pressed_ = e->button() == Qt::LeftButton; }

void Surface::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click && onClick) onClick();
}

}  // namespace fv

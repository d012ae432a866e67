#include "shell/surface.hpp"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace fv {

namespace {

// A display list longer than this is folded into a raster base, so that a
// surface that is drawn on for hours without being cleared stays small.
constexpr size_t kFoldAt = 400000;

inline QRgb argb(Color c) { return qRgb(red(c), green(c), blue(c)); }

// Device pixel of a twip coordinate; far-off values are pinned so that the
// integer conversion stays defined.
inline int devicePixel(double twips, double scale) {
  double p = std::floor(twips * scale);
  return static_cast<int>(std::clamp(p, -1.0e8, 1.0e8));
}

}  // namespace

Surface::Surface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

double Surface::deviceScale() const { return zoom_ / 15.0 * devicePixelRatioF(); }

void Surface::cls() {
  ops_.clear();
  ops_.shrink_to_fit();
  texts_.clear();
  base_ = QImage();
  rendered_ = 0;
  curX_ = curY_ = 0;
  ++clsCount_;
  if (!cache_.isNull()) cache_.fill(argb(back_));
  update();
}

void Surface::add(const SurfaceOp& op) {
  if (ops_.size() >= kFoldAt) {
    renderPending();
    base_ = cache_;
    ops_.clear();
    texts_.clear();
    rendered_ = 0;
  }
  ops_.push_back(op);
  // The new operations are painted into the cache in one batch when the
  // event loop next runs (in a pause of an animation, or after the handler),
  // and only the part of the surface they touch is shown anew.
  if (!flushPosted_) {
    flushPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kFlushEvent));
  }
  if (!waiting_) {
    waiting_ = true;
    waiting().push_back(this);
  }
}

std::vector<QPointer<Surface>>& Surface::waiting() {
  static std::vector<QPointer<Surface>> surfaces;
  return surfaces;
}

void Surface::flush(bool now) {
  if (!flushPosted_) return;
  flushPosted_ = false;
  if (cache_.isNull() || cache_.size() != size() * devicePixelRatioF()) {
    update();
    return;
  }
  const QRect dirty = renderPending();
  if (dirty.isEmpty()) return;
  if (now && isVisible())
    repaint(dirty);
  else
    update(dirty);
}

void Surface::showAll() {
  std::vector<QPointer<Surface>> surfaces;
  surfaces.swap(waiting());
  for (auto& s : surfaces) {
    if (!s) continue;
    s->waiting_ = false;
    s->flush(true);
  }
}

bool Surface::event(QEvent* e) {
  if (e->type() == kFlushEvent) {
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

QString Surface::opText(const SurfaceOp& op) const {
  if (op.kind != SurfaceOp::Text || op.text < 0 || size_t(op.text) >= texts_.size()) return {};
  return texts_[size_t(op.text)];
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
  renderAll();
  update();
}

QImage Surface::image() {
  if (cache_.isNull() || cache_.size() != size() * devicePixelRatioF()) renderAll();
  renderPending();
  return cache_;
}

void Surface::renderAll() {
  const QSize dev = size() * devicePixelRatioF();
  if (dev.isEmpty()) {
    cache_ = QImage();
    rendered_ = 0;
    return;
  }
  cache_ = QImage(dev, QImage::Format_RGB32);
  cache_.setDevicePixelRatio(devicePixelRatioF());
  cache_.fill(argb(back_));
  if (!base_.isNull()) {
    QPainter p(&cache_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(size())), base_);
  }
  rendered_ = 0;
  renderPending();
}

QRect Surface::renderPending() {
  if (cache_.isNull()) return {};
  const double s = deviceScale();
  QRect dirty;
  for (; rendered_ < ops_.size(); ++rendered_) dirty |= renderOp(cache_, ops_[rendered_], s);
  if (dirty.isEmpty()) return {};
  // Device pixels to logical ones, rounded outwards.
  const double dpr = cache_.devicePixelRatio();
  return QRectF(dirty.left() / dpr, dirty.top() / dpr, dirty.width() / dpr, dirty.height() / dpr)
      .toAlignedRect()
      .adjusted(-1, -1, 1, 1)
      .intersected(rect());
}

QRect Surface::renderOp(QImage& img, const SurfaceOp& op, double s) {
  const int w = img.width(), h = img.height();
  const QRect all(0, 0, w, h);
  const int pen = std::max(1, int(std::lround(s * 15.0)));
  const QRgb c = argb(op.color);
  auto plot = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < w && y < h) reinterpret_cast<QRgb*>(img.scanLine(y))[x] = c;
  };
  switch (op.kind) {
    case SurfaceOp::Point: {
      const int x = devicePixel(op.x1, s), y = devicePixel(op.y1, s);
      if (pen == 1) {
        plot(x, y);
      } else {
        for (int dy = 0; dy < pen; ++dy)
          for (int dx = 0; dx < pen; ++dx) plot(x + dx, y + dy);
      }
      return QRect(x, y, pen, pen).intersected(all);
    }
    case SurfaceOp::Line: {
      int x0 = devicePixel(op.x1, s), y0 = devicePixel(op.y1, s);
      const int x1 = devicePixel(op.x2, s), y1 = devicePixel(op.y2, s);
      const QRect box = QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1)))
                            .adjusted(-pen, -pen, pen, pen)
                            .intersected(all);
      if (pen == 1 && std::abs(x1 - x0) < 1000000 && std::abs(y1 - y0) < 1000000) {
        // Bresenham, the end point left out; only the part over the image is walked.
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        if (dx == 0 && dy == 0) return {};  // only the end point, which is not painted
        if (dy == 0) {                      // horizontal: clip the run first
          if (y0 < 0 || y0 >= h) return box;
          int a = x0, b = x1 - sx;
          if (a > b) std::swap(a, b);
          if (x0 == x1) return box;
          a = std::max(a, 0);
          b = std::min(b, w - 1);
          auto* row = reinterpret_cast<QRgb*>(img.scanLine(y0));
          for (int x = a; x <= b; ++x) row[x] = c;
          return box;
        }
        if (dx == 0) {  // vertical
          if (x0 < 0 || x0 >= w) return box;
          int a = y0, b = y1 - sy;
          if (a > b) std::swap(a, b);
          a = std::max(a, 0);
          b = std::min(b, h - 1);
          for (int y = a; y <= b; ++y) reinterpret_cast<QRgb*>(img.scanLine(y))[x0] = c;
          return box;
        }
        while (x0 != x1 || y0 != y1) {
          plot(x0, y0);
          const int e2 = 2 * err;
          if (e2 >= dy) {
            err += dy;
            x0 += sx;
          }
          if (e2 <= dx) {
            err += dx;
            y0 += sy;
          }
        }
      } else {
        QPainter p(&img);
        p.setPen(QPen(toQColor(op.color), pen, Qt::SolidLine, Qt::FlatCap));
        const double r = img.devicePixelRatio();
        p.drawLine(QPointF(x0 / r, y0 / r), QPointF(x1 / r, y1 / r));
      }
      return box;
    }
    case SurfaceOp::Circle: {
      const double r = std::fabs(double(op.x2)) * s;
      const double cx = std::floor(op.x1 * s), cy = std::floor(op.y1 * s);
      // Nothing to paint when the ring lies wholly off the image.
      if (cx + r < -pen || cy + r < -pen || cx - r > w + pen || cy - r > h + pen) return {};
      if (r > 4.0 * (w + h) + 64) return {};  // the image lies inside the ring
      QPainter p(&img);
      p.setPen(QPen(toQColor(op.color), pen / img.devicePixelRatio()));
      const double dpr = img.devicePixelRatio();
      p.drawEllipse(QPointF(cx / dpr, cy / dpr), r / dpr, r / dpr);
      const int ri = int(std::ceil(r)) + pen + 1;
      return QRect(int(cx) - ri, int(cy) - ri, 2 * ri + 1, 2 * ri + 1).intersected(all);
    }
    case SurfaceOp::Text: {
      QPainter p(&img);
      p.setFont(makeFont(fontSpec_, zoom_));
      p.setPen(toQColor(op.color));
      const double dpr = img.devicePixelRatio();
      QFontMetricsF fm(p.font());
      p.drawText(QPointF(op.x1 * s / dpr, op.y1 * s / dpr + fm.ascent()), opText(op));
      return all;
    }
  }
  return {};
}

void Surface::paintEvent(QPaintEvent* e) {
  if (cache_.isNull() || cache_.size() != size() * devicePixelRatioF()) renderAll();
  renderPending();
  if (cache_.isNull()) return;
  QPainter p(this);
  const QRect r = e->rect();
  const double dpr = cache_.devicePixelRatio();
  p.drawImage(r, cache_, QRectF(r.left() * dpr, r.top() * dpr, r.width() * dpr, r.height() * dpr));
}

void Surface::resizeEvent(QResizeEvent*) { renderAll(); }

void Surface::mousePressEvent(QMouseEvent* e) { pressed_ = e->button() == Qt::LeftButton; }

void Surface::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click && onClick) onClick();
}

}  // namespace fv

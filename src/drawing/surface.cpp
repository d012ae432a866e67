#include "drawing/surface.hpp"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "drawing/raster.hpp"
#include "drawing/twips.hpp"

namespace fv {

namespace {

inline QRgb argb(Color c) { return qRgb(red(c), green(c), blue(c)); }

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
    paintBase(base, back_, base_);
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
  return std::ceil(fm.height()) * kTwipsPerPixel;
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
  paintBase(cache_, back_, base_);
  renderPending();
  dirty_ = cache_.rect();
}

void Surface::renderPending() {
  if (cache_.isNull()) return;
  idleTimer_.start(kIdleDelayMs, this);
  dirty_ |= paintOps(cache_, pending_, zoom_);
}

QRect Surface::paintOps(QImage& img, DisplayList::Reader& ops, double zoom) const {
  Raster raster(img, zoom, fontSpec_);
  replay(ops, texts_, raster);
  return raster.touched();
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

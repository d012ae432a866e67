#include "geracao/picture.hpp"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "drawing/palette.hpp"

namespace fv {

namespace {

// The sunken border of a picture box: two lines each side, 24 twips in all.
constexpr double kBorderTwips = 24;

}  // namespace

FixedPicture::FixedPicture(const QString& resource, int widthTwips, bool border, QWidget* parent)
    : QWidget(parent),
      resource_(resource),
      renderer_(new QSvgRenderer(resource, this)),
      widthTwips_(widthTwips),
      border_(border) {
  setAttribute(Qt::WA_OpaquePaintEvent, border);
}

bool FixedPicture::valid() const { return renderer_->isValid(); }

void FixedPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF inner = rect();
  if (border_) {
    const double pxPerTwip = widthTwips_ > 0 ? double(width()) / widthTwips_ : 1.0 / 15;
    const double b = std::max(1.0, std::round(kBorderTwips * pxPerTwip));
    const double half = std::max(1.0, std::round(b / 2));
    const QRectF r = rect();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Outer line: shadow top and left, light bottom and right; inner line
    // darker.
    p.fillRect(r, toQColor(pal::white));
    p.fillRect(QRectF(r.left(), r.top(), r.width() - half, half), toQColor(pal::darkGrey));
    p.fillRect(QRectF(r.left(), r.top(), half, r.height() - half), toQColor(pal::darkGrey));
    p.fillRect(QRectF(r.left() + half, r.top() + half, r.width() - 2 * half, b - half), toQColor(pal::shadow));
    p.fillRect(QRectF(r.left() + half, r.top() + half, b - half, r.height() - 2 * half), toQColor(pal::shadow));
    inner = r.adjusted(b, b, -b, -b);
    p.fillRect(inner, toQColor(pal::white));
    p.setRenderHint(QPainter::Antialiasing);
  }
  if (renderer_->isValid()) renderer_->render(&p, inner);
}

}  // namespace fv

#include "drawing/pictures.hpp"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <functional>
#include <optional>

#include "drawing/picturetext.hpp"
#include "drawing/raster.hpp"
#include "drawing/surface.hpp"

namespace fv {

namespace {

// A text this close to a side of a surface (logical pixels at zoom 1), and
// no longer than that side, labels it: a scale under a plot, marks beside it.
constexpr double kBeside = 8;

bool isText(const QWidget* w) { return dynamic_cast<const PictureText*>(w) != nullptr; }

// A text drawn on the window's own colour reads as part of the lettering
// around a figure (a coloured box beside it, a banner, is a thing apart).
bool onWindow(const QWidget* w, const QWidget* window) {
  return dynamic_cast<const PictureText*>(w)->standsOn(window->palette().color(QPalette::Window));
}

bool beside(const QRect& s, const QRect& w, int m) {
  const auto near = [m](int gap) { return gap >= 0 && gap <= m; };
  const bool alongX = w.left() >= s.left() && w.right() <= s.right();
  const bool alongY = w.top() >= s.top() && w.bottom() <= s.bottom();
  return (alongX && (near(w.top() - s.bottom() - 1) || near(s.top() - w.bottom() - 1))) ||
         (alongY && (near(w.left() - s.right() - 1) || near(s.left() - w.right() - 1)));
}

// Paints a widget as it is seen, `k` picture pixels to one of its pixels;
// texts stay sharp at any scale since the painter scales them.
void paintWidget(QPainter& p, QWidget* w, QPointF at, double k) {
  p.save();
  p.translate(at);
  p.scale(k, k);
  w->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  p.restore();
}

}  // namespace

PictureFrame pictureFrame(const Surface& s) {
  PictureFrame f;
  f.zoom = s.zoom();
  f.surface = f.rect = s.geometry();
  auto take = [&f](QWidget* w, QPoint at) {
    // A field shows what the program last wrote into it from the next
    // turn of the event loop on: the picture shows it already.
    QCoreApplication::sendPostedEvents(w);
    f.texts.push_back(w);
    f.at.push_back(at);
  };
  // The surface's own fields first, then the window's texts above it or beside it.
  for (QObject* o : s.children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && isText(w) && w->isVisibleTo(&s) && w->geometry().intersects(s.rect()))
      take(w, f.surface.topLeft() + w->pos());
  }
  QWidget* parent = s.parentWidget();
  if (!parent) return f;
  const int m = int(std::lround(kBeside * f.zoom));
  bool above = false;  // later siblings are stacked above the surface
  for (QObject* o : parent->children()) {
    if (o == &s) above = true;
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || !isText(w) || !w->isVisibleTo(parent)) continue;
    const QRect g = w->geometry();
    if ((above && g.intersects(f.surface)) || (beside(f.surface, g, m) && onWindow(w, parent))) {
      take(w, g.topLeft());
      f.rect |= g;
    }
  }
  return f;
}

QImage surfacePicture(const Surface& s, double scale) {
  const PictureFrame f = pictureFrame(s);
  const double k = scale / f.zoom;  // picture pixels per pixel of the window
  QImage img((QSizeF(f.rect.size()) * k).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  const QWidget* parent = s.parentWidget();
  img.fill(parent ? parent->palette().color(QPalette::Window) : toQColor(s.backColor()));
  const QPointF origin = QPointF(f.surface.topLeft() - f.rect.topLeft()) * k;
  const QSizeF size = QSizeF(f.surface.size()) * k;
  // The drawing is rendered as the screen renders it, at the picture's
  // scale, straight into its place in the picture.
  const QRect area = QRectF(origin, size).toRect().intersected(img.rect());
  if (!area.isEmpty()) {
    QImage drawing(img.bits() + area.top() * img.bytesPerLine() + area.left() * 4, area.width(), area.height(),
                   img.bytesPerLine(), QImage::Format_RGB32);
    paintBase(drawing, s.backColor(), s.base());
    DisplayList::Reader all(s.list());
    Raster raster(drawing, scale, s.fontSpec());
    replay(all, s.texts(), raster);
  }
  QPainter p(&img);
  for (std::size_t i = 0; i < f.texts.size(); ++i) {
    p.save();
    if (f.texts[i]->parentWidget() == &s) p.setClipRect(QRectF(origin, size));
    paintWidget(p, f.texts[i], QPointF(f.at[i] - f.rect.topLeft()) * k, k);
    p.restore();
  }
  return img;
}

QString pictureFileName(const QString& window, const QString& surface, const QDate& date) {
  QString name = window + QLatin1Char('-') + surface + QLatin1Char('-') + date.toString(Qt::ISODate);
  // Accents and brackets ("Geração", "Picture(1)") become plain characters.
  name = name.normalized(QString::NormalizationForm_D);
  name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")));
  return name + QStringLiteral(".png");
}

PictureFile pictureFile(const QString& name) {
  const QByteArray suffix = QFileInfo(name).suffix().toLower().toLatin1();
  if (suffix == "svg") return {name, suffix};
  if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix)) return {name, suffix};
  return {name + QStringLiteral(".png"), "png"};
}

namespace {

// Writes a file whole, or leaves any file of that name as it was: the new
// content goes to a file of its own, which replaces the old one only once it
// is complete. `write` fills it and returns why it failed, if it did.
SaveResult saveWhole(const QString& path, const std::function<std::optional<QString>(QSaveFile&)>& write) {
  SaveResult r;
  r.path = path;
  QSaveFile out(path);
  auto fail = [&r, &out](const QString& detail) {
    r.ok = false;
    r.error = errno;
    r.detail = detail;
    out.cancelWriting();
    return r;
  };
  errno = 0;
  if (!out.open(QIODevice::WriteOnly)) return fail(out.errorString());
  if (const std::optional<QString> failed = write(out)) return fail(*failed);
  // What is still buffered is written here: commit() would not notice if
  // that failed, and would put a truncated file in place.
  if (!out.flush() || out.error() != QFileDevice::NoError || !out.commit()) return fail(out.errorString());
  return r;
}

}  // namespace

SaveResult savePicture(const Surface& s, const QString& name) {
  const PictureFile file = pictureFile(name);
  return saveWhole(file.path, [&](QSaveFile& out) -> std::optional<QString> {
    if (file.format == "svg") {
      if (!writeSvg(s, out)) return out.errorString();
      return std::nullopt;
    }
    QImageWriter writer(&out, file.format);
    if (file.format == "jpg" || file.format == "jpeg") writer.setQuality(90);
    if (!writer.write(surfacePicture(s, 2.0)))
      return out.error() != QFileDevice::NoError ? out.errorString() : writer.errorString();
    return std::nullopt;
  });
}

SaveResult saveBytes(const QString& path, const QByteArray& data) {
  return saveWhole(path, [&](QSaveFile& out) -> std::optional<QString> {
    if (out.write(data) != data.size()) return out.errorString();
    return std::nullopt;
  });
}

}  // namespace fv

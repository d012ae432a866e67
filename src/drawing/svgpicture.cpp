// The SVG picture of a surface, written to its file as it is made: a drawing
// of millions of points never stands whole in memory.
#include <QBuffer>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>
#include <cmath>

#include "drawing/pictures.hpp"
#include "drawing/replay.hpp"
#include "drawing/surface.hpp"
#include "drawing/twips.hpp"

namespace fv {

namespace {

// Collects the output and hands it to the device a piece at a time.
class Out {
 public:
  explicit Out(QIODevice& device) : device_(device) { buf_.reserve(kSvgPiece + 4096); }
  Out& operator<<(const char* s) { return put(QByteArray(s)); }
  Out& operator<<(const QByteArray& s) { return put(s); }
  Out& operator<<(const QString& s) { return put(s.toUtf8()); }
  Out& operator<<(double v) { return put(QByteArray::number(v, 'g', 7)); }
  Out& operator<<(int v) { return put(QByteArray::number(v)); }
  bool flush() {
    if (ok_ && !buf_.isEmpty()) ok_ = device_.write(buf_) == buf_.size();
    buf_.clear();
    return ok_;
  }
  bool ok() const { return ok_; }

 private:
  Out& put(const QByteArray& s) {
    if (!ok_) return *this;  // the writing stopped at a failed write
    if (buf_.size() + s.size() > kSvgPiece) flush();
    buf_ += s;
    return *this;
  }
  QIODevice& device_;
  QByteArray buf_;
  bool ok_ = true;
};

QByteArray hex(const QColor& c) { return c.name(QColor::HexRgb).toLatin1(); }

// A text at a baseline, in a font of `px` pixels. Each run of letters is
// placed where the font puts it, and given the width it has there, so that
// runs of blanks, letter spacing and narrowed fonts keep every word in place
// whatever font the reader finds for the family.
void text(Out& o, QPointF at, const QString& t, const QFont& font, double px, double k, const QColor& c) {
  const QFontMetricsF fm(font);
  QByteArray style = " font-family=\"" + font.family().toHtmlEscaped().toUtf8() + "\" font-size=\"" +
                     QByteArray::number(px, 'g', 5) + "px\"";
  if (font.bold()) style += " font-weight=\"bold\"";
  if (font.italic()) style += " font-style=\"italic\"";
  if (font.underline()) style += " text-decoration=\"underline\"";
  style += " fill=\"" + hex(c) + "\"";
  for (qsizetype i = 0; i < t.size();) {
    if (t[i].isSpace()) {
      ++i;
      continue;
    }
    qsizetype j = i;
    while (j < t.size() && !t[j].isSpace()) ++j;
    const QString word = t.mid(i, j - i);
    const double x = at.x() + fm.horizontalAdvance(t.left(i)) * k;
    o << "<text x=\"" << x << "\" y=\"" << at.y() << "\" textLength=\"" << fm.horizontalAdvance(word) * k
      << "\" lengthAdjust=\"spacingAndGlyphs\"" << style << ">" << word.toHtmlEscaped() << "</text>\n";
    i = j;
  }
}

// Records what a widget paints that a picture keeps: the boxes filled in
// one opaque colour and the texts, with where they lie.
class Recorder : public QPaintDevice, public QPaintEngine {
 public:
  struct Item {
    bool isText;
    QRectF box;  // a box, or the baseline's start in topLeft
    QColor color;
    QString text;
    QFont font;
  };
  std::vector<Item> items;

  Recorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
  QPaintEngine* paintEngine() const override { return const_cast<Recorder*>(this); }
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState& s) override {
    if (s.state() & DirtyTransform) transform_ = s.transform();
    if (s.state() & DirtyPen) pen_ = s.pen();
    if (s.state() & DirtyBrush) brush_ = s.brush();
  }
  void drawRects(const QRectF* rects, int n) override {
    if (brush_.style() != Qt::SolidPattern || brush_.color().alpha() != 255) return;
    for (int i = 0; i < n; ++i) items.push_back({false, transform_.mapRect(rects[i]), brush_.color(), {}, {}});
  }
  void drawRects(const QRect* rects, int n) override {
    for (int i = 0; i < n; ++i) {
      const QRectF r(rects[i]);
      drawRects(&r, 1);
    }
  }
  void drawTextItem(const QPointF& p, const QTextItem& t) override {
    items.push_back({true, QRectF(transform_.map(p), QSizeF()), pen_.color(), t.text(), t.font()});
  }
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
      case PdmHeight:
        return 1 << 14;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDepth:
        return 32;
      case PdmNumColors:
        return INT_MAX;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
      default:
        return 0;
    }
  }

 private:
  QTransform transform_;
  QPen pen_;
  QBrush brush_;
};

// A window's text or field as it is seen, `k` picture pixels to one of its own.
void widget(Out& o, QWidget* w, QPointF at, double k) {
  Recorder rec;
  w->render(&rec, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  const Recorder::Item* last = nullptr;
  for (const Recorder::Item& i : rec.items) {
    // A field and its editor fill the same box alike: once is enough.
    const bool again = last && !i.isText && !last->isText && last->box == i.box && last->color == i.color;
    last = &i;
    if (again) continue;
    if (i.isText) {
      const double px = i.font.pixelSize() > 0 ? i.font.pixelSize() : i.font.pointSizeF() * 96 / 72;
      text(o, at + i.box.topLeft() * k, i.text, i.font, px * k, k, i.color);
    } else {
      const QRectF r(at + i.box.topLeft() * k, i.box.size() * k);
      o << "<rect x=\"" << r.x() << "\" y=\"" << r.y() << "\" width=\"" << r.width() << "\" height=\"" << r.height()
        << "\" fill=\"" << hex(i.color) << "\"/>\n";
    }
  }
}

// Consecutive points of one colour that make a row or a column of pixels
// become one rectangle: nothing is drawn between them, so the picture is
// the same, and a dense curve costs a fraction of its points.
class Points {
 public:
  explicit Points(Out& o) : o_(o) {}
  void add(int x, int y, Color c) {
    if (on_ && c == c_) {
      if (x0_ == x1_ && x == x0_ && y >= y0_ - 1 && y <= y1_ + 1) {
        y0_ = std::min(y0_, y), y1_ = std::max(y1_, y);
        return;
      }
      if (y0_ == y1_ && y == y0_ && x >= x0_ - 1 && x <= x1_ + 1) {
        x0_ = std::min(x0_, x), x1_ = std::max(x1_, x);
        return;
      }
    }
    end();
    on_ = true;
    x0_ = x1_ = x, y0_ = y1_ = y, c_ = c;
  }
  void end() {
    if (!on_) return;
    on_ = false;
    o_ << "<rect x=\"" << x0_ << "\" y=\"" << y0_ << "\" width=\"" << x1_ - x0_ + 1 << "\" height=\"" << y1_ - y0_ + 1
       << "\" fill=\"" << hex(toQColor(c_)) << "\"/>\n";
  }

 private:
  Out& o_;
  bool on_ = false;
  int x0_ = 0, x1_ = 0, y0_ = 0, y1_ = 0;
  Color c_ = 0;
};

// The drawing's operations as SVG elements, in logical pixels of zoom 1.
class SvgSink : public OpSink {
 public:
  SvgSink(Out& o, const FontSpec& font) : o_(o), points_(o), font_(makeFont(font, 1.0)) {
    ascent_ = QFontMetricsF(font_).ascent();
  }
  // What is left of a run of points.
  void end() { points_.end(); }

  void point(float x, float y, Color c) override { points_.add(int(std::floor(x * k_)), int(std::floor(y * k_)), c); }
  void line(float x1, float y1, float x2, float y2, Color c) override {
    points_.end();
    o_ << "<line x1=\"" << x1 * k_ << "\" y1=\"" << y1 * k_ << "\" x2=\"" << x2 * k_ << "\" y2=\"" << y2 * k_
       << "\" stroke=\"" << hex(toQColor(c)) << "\" stroke-width=\"1\"/>\n";
  }
  void circle(float x, float y, float r, Color c) override {
    points_.end();
    o_ << "<circle cx=\"" << x * k_ << "\" cy=\"" << y * k_ << "\" r=\"" << r * k_ << "\" fill=\"none\" stroke=\""
       << hex(toQColor(c)) << "\" stroke-width=\"1\"/>\n";
  }
  void text(float x, float y, const QString& t, Color c) override {
    points_.end();
    fv::text(o_, QPointF(x * k_, y * k_ + ascent_), t, font_, font_.pixelSize(), 1, toQColor(c));
  }

 private:
  static constexpr double k_ = 1 / kTwipsPerPixel;
  Out& o_;
  Points points_;
  QFont font_;
  double ascent_;
};

}  // namespace

bool writeSvg(const Surface& s, QIODevice& device) {
  const PictureFrame f = pictureFrame(s);
  const double z = 1 / f.zoom;  // picture pixels per pixel of the window
  const double w = f.rect.width() * z, h = f.rect.height() * z;
  const QPointF origin = QPointF(f.surface.topLeft() - f.rect.topLeft()) * z;
  const QWidget* parent = s.parentWidget();
  Out o(device);
  o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << w
    << "\" height=\"" << h << "\" viewBox=\"0 0 " << w << " " << h << "\">\n";
  o << "<rect class=\"background\" x=\"0\" y=\"0\" width=\"" << w << "\" height=\"" << h << "\" fill=\""
    << hex(parent ? parent->palette().color(QPalette::Window) : toQColor(s.backColor())) << "\"/>\n";
  // The drawing, and the surface's own fields, end at its edges.
  const double sw = f.surface.width() * z, sh = f.surface.height() * z;
  o << "<defs><clipPath id=\"surface\"><rect x=\"0\" y=\"0\" width=\"" << sw << "\" height=\"" << sh
    << "\"/></clipPath></defs>\n<g transform=\"translate(" << origin.x() << " " << origin.y()
    << ")\" clip-path=\"url(#surface)\">\n<rect x=\"0\" y=\"0\" width=\"" << sw << "\" height=\"" << sh << "\" fill=\""
    << hex(toQColor(s.backColor())) << "\"/>\n";
  if (!s.base().isNull()) {  // the older part of a very long drawing, as the screen shows it
    QByteArray png;
    QBuffer buffer(&png);
    s.base().save(&buffer, "PNG");
    o << "<image x=\"0\" y=\"0\" width=\"" << sw << "\" height=\"" << sh
      << "\" preserveAspectRatio=\"none\" href=\"data:image/png;base64," << png.toBase64() << "\"/>\n";
  }
  SvgSink sink(o, s.fontSpec());
  DisplayList::Reader r(s.list());
  replay(r, s.texts(), sink);
  sink.end();
  for (std::size_t i = 0; i < f.texts.size(); ++i)
    if (f.texts[i]->parentWidget() == &s) widget(o, f.texts[i], QPointF(f.at[i] - f.surface.topLeft()) * z, z);
  o << "</g>\n";
  for (std::size_t i = 0; i < f.texts.size(); ++i)
    if (f.texts[i]->parentWidget() != &s) widget(o, f.texts[i], QPointF(f.at[i] - f.rect.topLeft()) * z, z);
  o << "</svg>\n";
  return o.flush();
}

}  // namespace fv

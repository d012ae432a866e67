// A drawing surface. Coordinates are twips (15 to a logical pixel at zoom 1),
// origin top-left, y down. Every operation is kept in a compact display list
// (since the last cls) and painted into a raster cache at the current scale,
// so the drawing survives repaints and re-renders sharply when zoomed. A
// cache left alone for a moment is dropped when its list renders again in a
// few milliseconds.
#pragma once

#include <QBasicTimer>
#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "drawing/displaylist.hpp"
#include "drawing/fonts.hpp"
#include "drawing/palette.hpp"

namespace fv {

class Surface;

// The surfaces drawn into since the last frame of an animation. The program
// owns one and gives it to the surfaces of its windows; the pacer's frame
// shows them all at once.
class FrameList {
 public:
  // Paints at once what every listed surface was given since the last frame.
  void showAll();

 private:
  friend class Surface;
  std::vector<QPointer<Surface>> waiting_;
};

class Surface : public QWidget {
  Q_OBJECT
 public:
  explicit Surface(QWidget* parent = nullptr);

  // Fill with the background colour; the current point becomes (0, 0).
  void cls();
  // A line from (x1, y1) to (x2, y2); the end point is not painted and
  // becomes the current point.
  void line(double x1, double y1, double x2, double y2);
  void line(double x1, double y1, double x2, double y2, Color c);
  // A line from the current point.
  void lineTo(double x2, double y2);
  void lineTo(double x2, double y2, Color c);
  // One pixel at (x, y); it becomes the current point.
  void pset(double x, double y);
  void pset(double x, double y, Color c);
  // A circle outline of radius r around (x, y).
  void circle(double x, double y, double r);
  void circle(double x, double y, double r, Color c);
  // Writes text at the current point in the surface's font and foreground
  // colour; the current point moves to the left edge of the next line.
  void print(const QString& text);

  float currentX() const { return curX_; }
  float currentY() const { return curY_; }
  void setCurrent(double x, double y);

  Color foreColor() const { return fore_; }
  void setForeColor(Color c) { fore_ = c; }
  Color backColor() const { return back_; }
  void setBackColor(Color c);  // repaints the background under the drawing

  void setFontSpec(const FontSpec& f);
  const FontSpec& fontSpec() const { return fontSpec_; }
  // Height of one printed line, in twips.
  double lineHeight() const;

  // Twips per device pixel follow the window's zoom.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }

  // What was drawn since the last cls, read back from the display list
  // (for tests and inspection: the copy lasts until the next operation).
  const std::vector<SurfaceOp>& ops() const;
  std::size_t opCount() const { return list_.size(); }
  QString opText(const SurfaceOp& op) const;
  // The display list itself, for readers that go through it once in order
  // without holding it decoded (pictures of a long drawing).
  const DisplayList& list() const { return list_; }
  // The texts the list's Text operations refer to.
  const std::vector<QString>& texts() const { return texts_; }
  // What was folded out of the list, covering the whole surface (null when nothing was).
  const QImage& base() const { return base_; }
  std::int64_t clsCount() const { return clsCount_; }
  // The drawing as it stands, rendered at the current scale (tests, screenshots).
  QImage image();

  // Memory the drawing holds: the display list with its texts, and the rasters.
  std::size_t listBytes() const;
  std::size_t memoryBytes() const;
  // A display list that outgrows this many bytes (32 MiB unless set) is
  // folded into a raster base (which zooming then scales instead of
  // re-rendering). That is room for the longest drawing of any window twice
  // over (order 10922 of the single-phase window, 6.9 million points, takes
  // 13.3 MiB): only a surface drawn over and over without a cls gets there.
  static constexpr std::size_t kListLimit = 32u << 20;
  // A cache nothing has painted into or shown for this long is dropped, and
  // rendered anew at the next paint, when its list is at most kDropListBytes
  // long: every window's ordinary drawing (at most 0.7 MiB, 15 ms) is, the
  // 6.9 million points of order 10922 (about 0.2 s) are not.
  static constexpr int kIdleDelayMs = 300;
  static constexpr std::size_t kDropListBytes = 1u << 20;
  std::size_t listLimit() const { return listLimit_; }
  void setListLimit(std::size_t bytes) { listLimit_ = bytes; }

  // The list this surface joins when it is drawn into, so that the pacer's
  // next frame shows it (none: only the event loop shows it).
  void setFrames(FrameList* frames) { frames_ = frames; }

  // Runs when the user clicks the surface.
  std::function<void()> onClick;

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void timerEvent(QTimerEvent*) override;

 private:
  friend class FrameList;
  void add(const SurfaceOp& op);
  void fold();
  // Paints the operations not yet in the cache; what they touch is added to dirty_.
  void renderPending();
  // Paints what `ops` has left into `img` at `zoom`, and says what it touched.
  QRect paintOps(QImage& img, DisplayList::Reader& ops, double zoom) const;
  bool cacheStale() const;
  void dropCache();
  void flush(bool now);
  // dirty_ in logical pixels, and cleared.
  QRect takeDirty();
  void renderAll();
  static QEvent::Type flushEvent();

  DisplayList list_;
  DisplayList::Reader pending_{list_};  // the first operation not yet in the cache
  std::vector<QString> texts_;
  mutable std::vector<SurfaceOp> decoded_;
  mutable bool decodedValid_ = false;
  QImage cache_;
  QBasicTimer idleTimer_;
  QImage base_;               // what was folded out of the display list when it grew too long
  QRect dirty_;               // device pixels painted into the cache and not yet shown
  bool flushPosted_ = false;  // a batch waits to be painted
  FrameList* frames_ = nullptr;
  bool waiting_ = false;  // listed for the pacer's next frame
  bool pressed_ = false;
  float curX_ = 0, curY_ = 0;
  Color fore_ = pal::black;
  Color back_ = pal::white;
  FontSpec fontSpec_{};
  double zoom_ = 1.0;
  std::int64_t clsCount_ = 0;
  std::size_t listLimit_ = kListLimit;
  // The largest raster the drawing has been rendered at: a fold keeps the base at this size.
  struct Geometry {
    QSize size;
    double dpr = 1, zoom = 1;
  } largest_;
};

}  // namespace fv

// Pictures of the drawings, for slides and handouts: a surface rendered
// afresh from its display list with the texts around it, as an image or as
// SVG, and saved whole or not at all.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class QIODevice;
class QWidget;

namespace fv {

class Surface;

// What a picture of a surface shows, in the pixels of the surface's parent:
// the drawing, and the visible texts and fields of the window that lie over
// it or label it from just beside it (a scale, a caption), as they are seen.
struct PictureFrame {
  QRect rect;                   // the whole picture
  QRect surface;                // the drawing within it
  std::vector<QWidget*> texts;  // bottom to top, each with its position in `at`
  std::vector<QPoint> at;
  double zoom = 1;  // the window's: the picture is made at zoom 1
};
PictureFrame pictureFrame(const Surface& s);

// The picture rendered afresh from the display list, `scale` device pixels
// per logical pixel of zoom 1 (2: twice the screen's resolution).
QImage surfacePicture(const Surface& s, double scale);
// The picture as SVG in logical pixels of zoom 1, streamed to `out` in pieces
// of at most kSvgPiece bytes. Runs of points of one colour become one
// rectangle. False when a write failed (the writing stops there).
constexpr qint64 kSvgPiece = 64 << 10;
bool writeSvg(const Surface& s, QIODevice& out);

// "<window>-<surface>-<date>.png", made of characters any file system takes.
QString pictureFileName(const QString& window, const QString& surface, const QDate& date);

// The file a picture named `name` goes to and its format: "svg", or an image
// format Qt can write named by the suffix; any other name gets ".png".
struct PictureFile {
  QString path;
  QByteArray format;
};
PictureFile pictureFile(const QString& name);

// The outcome of a save: the errno of the step that failed (0 when unknown)
// and the system's own words for it.
struct SaveResult {
  bool ok = true;
  int error = 0;
  QString detail;
  QString path;  // where the picture went, or was to go
};
// Writes the picture whole, or leaves any file of that name as it was.
SaveResult savePicture(const Surface& s, const QString& name);
// Writes a file whole (a table, say), or leaves any file of that name as it was.
SaveResult saveBytes(const QString& path, const QByteArray& data);

}  // namespace fv

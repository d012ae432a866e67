// Pictures of the drawings, for slides and handouts: a right click on a
// drawing surface offers to copy its picture, save it as PNG or SVG, copy the
// whole window, or open the window's help page.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QString>

class QMenu;
class QPoint;

namespace fv {

class Form;
class Surface;

// The drawing rendered afresh from its display list, `scale` device pixels
// per logical pixel of zoom 1 (2: twice the screen's resolution).
QImage surfacePicture(const Surface& s, double scale);
// The drawing as SVG, one element per line, point, circle and text, in
// logical pixels of zoom 1.
QByteArray surfaceSvg(const Surface& s);
// "<window>-<surface>-<date>.png", made of characters any file system takes.
QString pictureFileName(const QString& window, const QString& surface, const QDate& date);
// Writes the picture: SVG when the name ends in .svg, else PNG at twice the
// screen's resolution. False when the file could not be written.
bool savePicture(const Surface& s, const QString& path);

// The menu of one surface (built on demand; tests use it).
QMenu* pictureMenu(Form& window, Surface& s);

}  // namespace fv

// A widget that a picture of a surface shows as lettering: a field or a label
// over the drawing or beside it. The controls that are text say so by being
// one, so that the pictures need not know the controls.
#pragma once

#include <QColor>

namespace fv {

class PictureText {
 public:
  virtual ~PictureText() = default;
  // The text stands on this colour (a text on the window's own colour reads
  // as part of the lettering around a figure; a coloured box is a thing apart).
  virtual bool standsOn(const QColor& ground) const = 0;
};

}  // namespace fv

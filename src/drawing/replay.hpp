// One reading of a display list for every renderer: the screen's raster, the
// pictures at any scale and the SVG all take the operations, in order, from
// replay(), so that they draw the same thing.
#pragma once

#include <QString>
#include <vector>

#include "drawing/displaylist.hpp"

namespace fv {

// What a renderer does with each operation; coordinates in twips.
class OpSink {
 public:
  virtual ~OpSink() = default;
  virtual void point(float x, float y, Color c) = 0;
  // From (x1, y1) towards (x2, y2), the end left out.
  virtual void line(float x1, float y1, float x2, float y2, Color c) = 0;
  virtual void circle(float x, float y, float r, Color c) = 0;
  // A line of text whose top left corner is (x, y).
  virtual void text(float x, float y, const QString& t, Color c) = 0;
};

// Hands what `ops` has left to `sink`, in order; `texts` are the texts the
// list's Text operations refer to.
void replay(DisplayList::Reader& ops, const std::vector<QString>& texts, OpSink& sink);

}  // namespace fv

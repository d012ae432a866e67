#include "drawing/replay.hpp"

namespace fv {

void replay(DisplayList::Reader& ops, const std::vector<QString>& texts, OpSink& sink) {
  SurfaceOp op;
  while (ops.next(op)) {
    switch (op.kind) {
      case SurfaceOp::Point:
        sink.point(op.x1, op.y1, op.color);
        break;
      case SurfaceOp::Line:
        sink.line(op.x1, op.y1, op.x2, op.y2, op.color);
        break;
      case SurfaceOp::Circle:
        sink.circle(op.x1, op.y1, op.x2, op.color);
        break;
      case SurfaceOp::Text: {
        const bool known = op.text >= 0 && std::size_t(op.text) < texts.size();
        sink.text(op.x1, op.y1, known ? texts[std::size_t(op.text)] : QString(), op.color);
        break;
      }
    }
  }
}

}  // namespace fv

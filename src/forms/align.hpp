// How a control's text lines up; a header of its own so that the layout
// tables, which name it, need no widget header.
#pragma once

namespace fv {

enum class Align { Left, Right, Center };

}  // namespace fv

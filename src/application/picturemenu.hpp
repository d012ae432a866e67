// The context menu of every drawing surface: copy the picture, save it as
// PNG, SVG or another image format, copy the whole window, or open the
// window's help page.
#pragma once

class QMenu;

namespace fv {

class App;
class Form;
class Surface;

// The menu of one surface of a window (built on demand; tests use it).
QMenu* pictureMenu(App& app, Form& window, Surface& s);

}  // namespace fv

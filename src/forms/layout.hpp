// The vocabulary of the layout tables: a control is one line of a table,
// made with a builder and, where it differs from the builder's default,
// a variation or two ("number(...).esAt({...})").
#pragma once

#include <optional>

#include "drawing/color.hpp"
#include "drawing/fonts.hpp"
#include "drawing/palette.hpp"
#include "forms/align.hpp"

namespace fv {

enum class Kind { Text, MultiText, HScroll, VScroll, Button, Option, Frame, Label, Surface };

struct Rect {
  int l = 0, t = 0, w = 0, h = 0;
};

// One control of a layout table. Positions are twips, relative to the parent
// (the window, a frame or a drawing surface). The control's text comes from
// the edition's text table under "<window>.<control>".
struct Ctl {
  Kind kind;
  const char* name;  // the control's name, "Text7(5)" for an element of an array
  Rect r;
  const char* parent = nullptr;    // null: the window itself
  std::optional<Rect> rEs = {};    // the ES position, when it differs
  std::optional<Color> back = {};  // background
  std::optional<Color> fore = {};  // text or drawing colour
  FontSpec font = {};
  Align align = Align::Left;
  bool border = true;  // text fields and labels
  bool visible = true;
  int min = 0, max = 32767, value = 0;  // scroll bars
  int smallChange = 1, largeChange = 1;
  std::optional<Color> backEs = {};  // ES background, when it differs
  std::optional<Color> foreEs = {};
  std::optional<FontSpec> fontEs = {};

  // Variations, each returning the changed control.
  // clang-format off
  Ctl esAt(Rect es) const { Ctl c = *this; c.rEs = es; return c; }
  Ctl withFont(FontSpec f) const { Ctl c = *this; c.font = f; return c; }
  Ctl withFontEs(FontSpec f) const { Ctl c = *this; c.fontEs = f; return c; }
  Ctl withBack(Color b) const { Ctl c = *this; c.back = b; return c; }
  Ctl withBackEs(Color b) const { Ctl c = *this; c.backEs = b; return c; }
  Ctl withFore(Color f) const { Ctl c = *this; c.fore = f; return c; }
  Ctl withForeEs(Color f) const { Ctl c = *this; c.foreEs = f; return c; }
  Ctl aligned(Align a) const { Ctl c = *this; c.align = a; return c; }
  Ctl borderless() const { Ctl c = *this; c.border = false; return c; }
  Ctl hidden() const { Ctl c = *this; c.visible = false; return c; }
  Ctl checked() const { Ctl c = *this; c.value = 1; return c; }
  // clang-format on
};

// The builders. `parent` null: the window itself.
namespace ctl {

// A text field with a border (white, black text, left-aligned).
inline Ctl field(const char* name, Rect r, const char* parent = nullptr) {
  return {.kind = Kind::Text, .name = name, .r = r, .parent = parent};
}
// A number field: a text field aligned right.
inline Ctl number(const char* name, Rect r, const char* parent = nullptr) {
  return field(name, r, parent).aligned(Align::Right);
}
// A text field of several lines.
inline Ctl multiline(const char* name, Rect r, const char* parent = nullptr) {
  return {.kind = Kind::MultiText, .name = name, .r = r, .parent = parent};
}
// A caption: a borderless text field on a background (the frames' grey by default).
inline Ctl caption(const char* name, Rect r, const char* parent = nullptr, Color back = pal::grey) {
  return {.kind = Kind::Text, .name = name, .r = r, .parent = parent, .back = back, .border = false};
}
// A static label.
inline Ctl label(const char* name, Rect r, const char* parent = nullptr, Color back = pal::grey) {
  return {.kind = Kind::Label, .name = name, .r = r, .parent = parent, .back = back};
}
inline Ctl button(const char* name, Rect r, const char* parent = nullptr, FontSpec font = font::sans) {
  return {.kind = Kind::Button, .name = name, .r = r, .parent = parent, .font = font};
}
inline Ctl option(const char* name, Rect r, const char* parent = nullptr, FontSpec font = font::sans) {
  return {.kind = Kind::Option, .name = name, .r = r, .parent = parent, .font = font};
}
// A scroll bar of either direction: its range, start value and steps.
inline Ctl scroll(Kind kind, const char* name, Rect r, const char* parent, int min, int max, int value, int small = 1,
                  int large = 1) {
  return {.kind = kind,
          .name = name,
          .r = r,
          .parent = parent,
          .min = min,
          .max = max,
          .value = value,
          .smallChange = small,
          .largeChange = large};
}
inline Ctl hscroll(const char* name, Rect r, const char* parent, int min, int max, int value, int small = 1,
                   int large = 1) {
  return scroll(Kind::HScroll, name, r, parent, min, max, value, small, large);
}
inline Ctl vscroll(const char* name, Rect r, const char* parent, int min, int max, int value, int small = 1,
                   int large = 1) {
  return scroll(Kind::VScroll, name, r, parent, min, max, value, small, large);
}
inline Ctl frame(const char* name, Rect r, const char* parent = nullptr, Color back = pal::grey) {
  return {.kind = Kind::Frame, .name = name, .r = r, .parent = parent, .back = back};
}
// A drawing surface.
inline Ctl surface(const char* name, Rect r, Color back, const char* parent = nullptr) {
  return {.kind = Kind::Surface, .name = name, .r = r, .parent = parent, .back = back};
}

}  // namespace ctl

}  // namespace fv

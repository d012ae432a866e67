#include "simula1/simula1.hpp"

namespace fv {

namespace {

// Label boxes are text fields without a border on the menu background colour.
constexpr Color kMenuBack = RGB(192, 192, 192);
constexpr FontSpec kBold78{"MS Sans Serif", 7.8, true};
constexpr FontSpec kBold12{"MS Sans Serif", 12, true};

Ctl labelBox(const char* name, Rect r, const char* parent, FontSpec font = {}) {
  return {.kind = Kind::Text, .name = name, .r = r, .parent = parent, .back = kMenuBack, .font = font, .border = false};
}

Ctl field(const char* name, Rect r, const char* parent) {
  return {.kind = Kind::Text, .name = name, .r = r, .parent = parent};
}

Ctl button(const char* name, Rect r) { return {.kind = Kind::Button, .name = name, .r = r, .font = kBold78}; }

}  // namespace

const std::vector<Ctl>& simula1Layout() {
  static const std::vector<Ctl> table = {
      {.kind = Kind::Surface, .name = "Picture1", .r = {360, 120, 14535, 5175}, .back = RGB(255, 255, 192)},
      field("Text3", {600, 600, 375, 285}, "Picture1"),
      labelBox("text1(0)", {1080, 600, 255, 285}, "Picture1"),
      {.kind = Kind::HScroll,
       .name = "HScroll2",
       .r = {5280, 240, 975, 255},
       .parent = "Picture1",
       .min = 0,
       .max = 380,
       .value = 220,
       .smallChange = 10},
      field("Text14", {5400, 600, 735, 285}, "Picture1"),
      labelBox("Text15", {6240, 600, 375, 285}, "Picture1"),
      {.kind = Kind::HScroll,
       .name = "HScroll1",
       .r = {6720, 240, 975, 255},
       .parent = "Picture1",
       .min = 0,
       .max = 100,
       .value = 10},
      field("Text6", {6960, 600, 495, 285}, "Picture1"),
      labelBox("Text5", {7560, 600, 255, 285}, "Picture1"),
      {.kind = Kind::Text,
       .name = "Text16",
       .r = {8160, 600, 1215, 255},
       .parent = "Picture1",
       .rEs = Rect{8160, 600, 1455, 255},
       .back = kMenuBack,
       .border = false},
      field("Text4", {12720, 600, 495, 285}, "Picture1"),
      labelBox("text2(1)", {13800, 600, 255, 285}, "Picture1"),
      labelBox("Text7", {5880, 3360, 1455, 255}, "Picture1", kBold78),
      field("Text17", {6360, 3600, 615, 285}, "Picture1"),
      labelBox("Text18", {6960, 3600, 375, 285}, "Picture1"),
      {.kind = Kind::HScroll,
       .name = "HScroll3",
       .r = {5880, 3960, 1455, 255},
       .parent = "Picture1",
       .min = 0,
       .max = 40,
       .value = 10},
      {.kind = Kind::Surface, .name = "Picture2", .r = {360, 5520, 14535, 4335}, .back = RGB(192, 255, 255)},
      labelBox("Text8", {240, 480, 1095, 495}, "Picture2"),
      field("Text10", {1920, 480, 615, 375}, "Picture2"),
      labelBox("Text11", {2880, 480, 390, 375}, "Picture2"),
      labelBox("Text9", {240, 1200, 1335, 615}, "Picture2"),
      field("Text12", {1920, 1200, 615, 375}, "Picture2"),
      labelBox("Text13", {2880, 1200, 255, 375}, "Picture2"),
      button("fase01", {480, 10320, 1455, 495}),
      button("Command2", {2040, 10320, 1455, 495}),
      button("Command3", {3600, 10320, 1455, 495}),
      button("Command1", {13440, 10320, 1455, 495}),
      {.kind = Kind::MultiText,
       .name = "Text21",
       .r = {5400, 10080, 7695, 855},
       .back = RGB(0, 0, 192),
       .fore = RGB(0, 255, 0),
       .font = kBold12,
       .backEs = RGB(0, 128, 0),
       .foreEs = RGB(128, 255, 128)},
  };
  return table;
}

}  // namespace fv

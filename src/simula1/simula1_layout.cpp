#include "simula1/simula1.hpp"

namespace fv {

// Captions are borderless text fields on the grey of the window.
const std::vector<Ctl>& simula1Layout() {
  using namespace ctl;
  // clang-format off
  static const std::vector<Ctl> table = {
      surface("Picture1", {360, 120, 14535, 5175}, pal::paleYellow),
      field("Text3", {600, 600, 375, 285}, "Picture1"),
      caption("text1(0)", {1080, 600, 255, 285}, "Picture1"),
      hscroll("HScroll2", {5280, 240, 975, 255}, "Picture1", 0, 380, 220, 10),
      field("Text14", {5400, 600, 735, 285}, "Picture1"),
      caption("Text15", {6240, 600, 375, 285}, "Picture1"),
      hscroll("HScroll1", {6720, 240, 975, 255}, "Picture1", 0, 100, 10),
      field("Text6", {6960, 600, 495, 285}, "Picture1"),
      caption("Text5", {7560, 600, 255, 285}, "Picture1"),
      caption("Text16", {8160, 600, 1215, 255}, "Picture1").esAt({8160, 600, 1455, 255}),
      field("Text4", {12720, 600, 495, 285}, "Picture1"),
      caption("text2(1)", {13800, 600, 255, 285}, "Picture1"),
      caption("Text7", {5880, 3360, 1455, 255}, "Picture1").withFont(font::bold78),
      field("Text17", {6360, 3600, 615, 285}, "Picture1"),
      caption("Text18", {6960, 3600, 375, 285}, "Picture1"),
      hscroll("HScroll3", {5880, 3960, 1455, 255}, "Picture1", 0, 40, 10),
      surface("Picture2", {360, 5520, 14535, 4335}, pal::paleCyan),
      caption("Text8", {240, 480, 1095, 495}, "Picture2"),
      field("Text10", {1920, 480, 615, 375}, "Picture2"),
      caption("Text11", {2880, 480, 390, 375}, "Picture2"),
      caption("Text9", {240, 1200, 1335, 615}, "Picture2"),
      field("Text12", {1920, 1200, 615, 375}, "Picture2"),
      caption("Text13", {2880, 1200, 255, 375}, "Picture2"),
      button("fase01", {480, 10320, 1455, 495}, nullptr, font::bold78),
      button("Command2", {2040, 10320, 1455, 495}, nullptr, font::bold78),
      button("Command3", {3600, 10320, 1455, 495}, nullptr, font::bold78),
      button("Command1", {13440, 10320, 1455, 495}, nullptr, font::bold78),
      multiline("Text21", {5400, 10080, 7695, 855}).withBack(pal::royalBlue).withFore(pal::green).withFont(font::bold12).withBackEs(pal::darkGreen).withForeEs(pal::lightGreen),
  };
  // clang-format on
  return table;
}

}  // namespace fv

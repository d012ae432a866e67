#include "simula2/simula2.hpp"

namespace fv {

// Captions are borderless text fields on the grey of the window.
const std::vector<Ctl>& simula2Layout() {
  using namespace ctl;
  // clang-format off
  static const std::vector<Ctl> table = {
      surface("Picture2", {120, 480, 14655, 9495}, pal::grey).withFore(pal::black),

      // Material.
      option("Option1", {360, 240, 1215, 375}, "Picture2").withBack(pal::darkYellow).checked(),
      option("Option2", {360, 600, 1815, 495}, "Picture2").withBack(pal::darkGrey),
      caption("Text19", {480, 960, 1575, 285}, "Picture2"),
      option("Option3", {360, 1320, 2415, 375}, "Picture2").withBack(pal::mediumGreen),
      caption("Text20", {480, 1680, 1575, 285}, "Picture2"),

      // Results.
      multiline("Text8", {120, 2040, 1095, 495}, "Picture2").withBack(pal::grey).borderless(),
      field("Text10", {1440, 2040, 855, 375}, "Picture2").withFont(font::bold96),
      caption("Text11", {2400, 2040, 390, 375}, "Picture2"),
      multiline("Text9", {120, 2640, 1335, 615}, "Picture2").withBack(pal::grey).borderless(),
      field("Text12", {1440, 2760, 855, 375}, "Picture2").withFont(font::bold96),
      caption("Text13", {2400, 2760, 255, 375}, "Picture2"),

      // Voltage and current.
      caption("Text1", {720, 3600, 615, 285}, "Picture2"),
      field("Text2", {1440, 3600, 855, 375}, "Picture2").withFont(font::bold12),
      caption("Text5", {2400, 3720, 255, 375}, "Picture2"),
      hscroll("HScroll4", {480, 4080, 1815, 255}, "Picture2", 1, 100, 40, 1, 10),
      caption("Text3", {720, 4560, 615, 285}, "Picture2"),
      field("Text4", {1440, 4560, 855, 375}, "Picture2").withFont(font::bold12),
      caption("Text6", {2400, 4560, 255, 375}, "Picture2"),
      hscroll("HScroll3", {480, 5040, 1815, 255}, "Picture2", 1, 100, 40),

      // The trough parameters frame is empty.
      frame("Frame4", {600, 6480, 3375, 2775}, "Picture2", pal::lightCyan).withFont(font::bold96),

      // Position of cable 1: both bars run backwards.
      frame("frame1", {4320, 6480, 2895, 2895}, "Picture2", pal::lightGreen).withFont(font::bold12),
      vscroll("VScroll3", {240, 480, 255, 2175}, "frame1", 100, 0, 50),
      hscroll("HScroll7", {720, 1440, 1935, 255}, "frame1", 100, 0, 50),

      // Trough dimensions.
      frame("Frame3", {7560, 6480, 3015, 2895}, "Picture2").withFont(font::bold96),
      field("Text23", {1440, 480, 615, 285}, "Frame3").withFont(font::bold96),
      caption("Text14", {2040, 480, 375, 285}, "Frame3"),
      vscroll("VScroll1", {2400, 360, 255, 1335}, "Frame3", 100, 0, 23),
      field("Text22", {360, 1560, 615, 285}, "Frame3").withFont(font::bold78),
      caption("Text7", {960, 1560, 375, 285}, "Frame3"),
      hscroll("HScroll1", {240, 2040, 2415, 255}, "Frame3", 5, 100, 29),

      // Position of cable 2: the height bar runs backwards.
      frame("Frame2", {10920, 6480, 3015, 2895}, "Picture2", pal::lightCyan).withFont(font::bold12),
      vscroll("VScroll4", {2400, 360, 255, 2295}, "Frame2", 100, 0, 50),
      hscroll("HScroll8", {120, 1440, 2055, 255}, "Frame2", 0, 100, 50),

      button("Command1", {480, 10200, 1815, 615}, nullptr, font::bold78),
      button("Command2", {2520, 10200, 1815, 615}, nullptr, font::bold78),
      button("Command3", {12960, 10200, 1815, 615}, nullptr, font::bold78).withFontEs(font::bold138),
      multiline("Text21", {4800, 10080, 7695, 855}).esAt({4800, 10080, 7935, 855}).withBack(pal::royalBlue).withFore(pal::green).withFont(font::bold12).withFontEs(font::bold96),
  };
  // clang-format on
  return table;
}

}  // namespace fv

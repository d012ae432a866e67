// The controls of the single-phase window. Positions are twips, relative to
// the window, a frame or a drawing surface.
#include "senoide/senoide.hpp"

namespace fv {

const std::vector<Ctl>& senoideLayout() {
  using namespace ctl;
  // clang-format off
  static const std::vector<Ctl> table = {
      // Drawing surfaces and the captions inside them.
      surface("Picture1", {1080, 0, 6015, 4335}, pal::paper),
      surface("Picture2", {8400, 0, 6015, 4335}, pal::paper),
      surface("Picture3", {1080, 4440, 6000, 6045}, pal::paper),
      caption("Text41(0)", {0, 0, 1575, 255}, "Picture1", pal::paper).withFore(pal::red).withFont(font::bold78),
      caption("Text40", {0, 0, 615, 270}, "Picture2", pal::paper).withFore(pal::red).withFont(font::bold96),
      caption("Text41(1)", {0, 0, 1095, 195}, "Picture3", pal::paper).withFore(pal::black).withFont(font::bold78).aligned(Align::Center),
      caption("Text42", {0, 240, 975, 285}, "Picture3", pal::paper).withFore(pal::blue).withFont(font::bold78).aligned(Align::Center),
      caption("Text43", {0, 480, 975, 285}, "Picture3", pal::paper).withFore(pal::red).withFont(font::bold78).aligned(Align::Center),

      // Scale marks of Picture1, one unit per 500 twips.
      caption("Text31", {720, 480, 360, 285}),
      caption("Text30", {720, 960, 360, 285}),
      caption("Text29", {720, 1440, 360, 285}),
      caption("Text28", {720, 1920, 360, 285}),
      caption("Text32", {600, 2400, 480, 285}),
      caption("Text33", {600, 2880, 480, 285}),
      caption("Text34", {600, 3360, 480, 285}),

      // Speed: top is fast, bottom slow.
      vscroll("VScroll1", {7080, 120, 255, 3735}, nullptr, 2000, 20000, 11000, 100, 1000),
      label("MAXIMO", {7440, 240, 735, 285}),
      caption("Text27", {7440, 3600, 735, 285}),

      // The fundamental.
      frame("Frame3", {8400, 4560, 2895, 1335}),
      caption("Text13", {480, 120, 1815, 285}, "Frame3"),
      caption("Text9", {1800, 120, 735, 285}, "Frame3"),
      number("Text11", {480, 480, 495, 285}, "Frame3"),
      number("Text8", {1200, 480, 495, 285}, "Frame3"),
      number("Text12", {1920, 480, 495, 285}, "Frame3"),
      vscroll("VScroll3", {120, 120, 255, 1215}, "Frame3", 400, 0, 150, 1, 10),
      vscroll("VScroll2", {2520, 120, 255, 1215}, "Frame3", 50, 0, 10, 1, 5),
      button("Fundamental", {480, 840, 1935, 375}, "Frame3"),

      // The second harmonic.
      frame("Frame2", {8400, 5880, 2895, 1935}),
      label("Label1", {120, 120, 735, 255}, "Frame2"),
      label("Label3", {1560, 120, 615, 255}, "Frame2"),
      label("Label2", {120, 1080, 855, 255}, "Frame2").esAt({0, 1080, 855, 255}),
      label("Label4", {1440, 1080, 735, 255}, "Frame2"),
      number("Text4", {960, 120, 495, 285}, "Frame2"),
      number("Text6", {2280, 120, 495, 285}, "Frame2"),
      number("Text5", {960, 1080, 495, 285}, "Frame2"),
      number("Text19", {2280, 1080, 495, 285}, "Frame2"),
      hscroll("HScroll1", {120, 480, 1335, 255}, "Frame2", 0, 200, 50, 1, 10),
      hscroll("HScroll2", {1560, 480, 1215, 255}, "Frame2", 0, 180, 0, 1, 10),
      hscroll("HScroll3", {120, 840, 1335, 255}, "Frame2", 0, 50, 5, 1, 5),
      hscroll("HScroll4", {1560, 840, 1215, 255}, "Frame2", 0, 180, 0, 1, 10),
      button("segundaH(1)", {0, 1440, 2655, 420}, "Frame2"),

      // The third harmonic.
      frame("Frame4", {11520, 5880, 2895, 1935}),
      caption("Label10", {480, 120, 1935, 255}, "Frame4"),
      caption("Label11", {480, 840, 1935, 255}, "Frame4"),
      number("Text14", {480, 480, 615, 285}, "Frame4"),
      number("Text20", {1800, 480, 495, 285}, "Frame4"),
      number("Text17", {480, 1080, 615, 285}, "Frame4"),
      number("Text21", {1800, 1080, 495, 285}, "Frame4"),
      button("terceira", {240, 1440, 2535, 375}, "Frame4"),

      // The inter-harmonic (order 1.5).
      frame("Frame6", {11520, 4560, 2895, 1335}),
      caption("Text7(5)", {240, 120, 2295, 255}, "Frame6"),
      number("Text22", {240, 480, 615, 285}, "Frame6"),
      number("Text23", {1080, 480, 495, 285}, "Frame6"),
      number("Text26", {1920, 480, 495, 285}, "Frame6"),
      button("inter", {240, 840, 2535, 375}, "Frame6"),

      // The harmonic of order n.
      frame("Frame1", {8400, 7800, 2895, 2055}),
      caption("Text2", {120, 240, 1215, 285}, "Frame1"),
      caption("Text18", {2160, 240, 495, 285}, "Frame1"),
      caption("Text7(1)", {240, 510, 2295, 255}, "Frame1"),
      number("numero", {1320, 240, 615, 285}, "Frame1"),
      number("tensao", {360, 840, 495, 285}, "Frame1"),
      number("Text1", {960, 840, 615, 285}, "Frame1"),
      number("Text3", {2040, 840, 615, 285}, "Frame1"),
      button("executar", {120, 1320, 2655, 375}, "Frame1"),

      // Active powers; the resultant's on orange.
      frame("Frame5", {11520, 7800, 2895, 2055}),
      label("Label5(0)", {120, 120, 1800, 255}, "Frame5"),
      number("Text15", {1920, 120, 855, 255}, "Frame5"),
      label("Label6", {120, 360, 1800, 255}, "Frame5"),
      number("Text16", {1920, 360, 855, 255}, "Frame5"),
      label("Label7(1)", {120, 600, 1800, 255}, "Frame5"),
      number("Text10", {1920, 600, 855, 255}, "Frame5"),
      label("Label7(0)", {120, 960, 1800, 255}, "Frame5"),
      number("Text37", {1920, 960, 855, 255}, "Frame5"),
      label("Label8", {120, 1320, 1800, 255}, "Frame5"),
      number("Text38", {1920, 1320, 855, 255}, "Frame5"),
      label("Label9", {120, 1680, 1800, 255}, "Frame5", pal::orange).aligned(Align::Center),
      number("Text39", {1920, 1680, 855, 255}, "Frame5").withBack(pal::orange),

      // Hint, banner and the buttons along the bottom.
      field("Text35", {8400, 9960, 6015, 285}).withBack(pal::lightGreen).withFont(font::bold78).aligned(Align::Center),
      field("Text36", {960, 10560, 6255, 375}).esAt({480, 10560, 7215, 375}).withBack(pal::green).withFore(pal::blue).withFont(font::bold96).aligned(Align::Center),
      button("reset", {8400, 10320, 1815, 495}, nullptr, font::bold12).withBack(pal::yellow).hidden(),
      button("resultante1", {10560, 10320, 1695, 495}, nullptr, font::bold12),
      button("fim", {12600, 10320, 1815, 495}, nullptr, font::bold12),
  };
  // clang-format on
  return table;
}

}  // namespace fv

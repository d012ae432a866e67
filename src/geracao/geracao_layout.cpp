#include "geracao/geracao.hpp"

namespace fv {

namespace {

// The fields of the power triangle panel: white on its black.
Ctl triangleText(const char* name, Rect r) {
  return ctl::caption(name, r, "Picture3", pal::black).withFore(pal::white);
}

// The powers row: names on the frame's yellow, figures on grey.
Ctl powerName(const char* name, Rect r) {
  return ctl::caption(name, r, "Frame2", pal::lightYellow).withFont(font::bold96);
}
Ctl powerFigure(const char* name, Rect r) { return ctl::caption(name, r, "Frame2").withFont(font::bold96); }

}  // namespace

const std::vector<Ctl>& geracaoLayout() {
  using ctl::button, ctl::caption, ctl::field, ctl::frame, ctl::hscroll, ctl::surface;
  // clang-format off
  static const std::vector<Ctl> table = {
      // Buttons; the first four are graphical, with their own background.
      // The longer Spanish text of "go" fits its button in a narrow font.
      button("go", {720, 960, 3015, 495}, nullptr, font::bold96).withBack(pal::grey).withFontEs(font::narrowBold96),
      button("geração", {720, 1560, 3015, 495}, nullptr, font::bold12).withBack(pal::grey),
      button("pulso", {720, 2160, 3015, 495}, nullptr, font::bold12).withBack(pal::grey),
      button("volta", {720, 2760, 3015, 495}, nullptr, font::bold12).withBack(pal::grey),
      button("CAPACITOR", {720, 4080, 1575, 375}),
      button("indutor", {720, 4560, 1575, 375}),
      button("Command1", {720, 5040, 1575, 375}),

      // The waveform surface and the generator surface with its name.
      surface("Picture1", {4440, 480, 6375, 4215}, pal::paper),
      surface("Picture2", {10920, 480, 3975, 4215}, pal::paper),
      caption("Text9", {120, 3720, 3615, 375}, "Picture2", pal::paper).withFont(font::bold12).aligned(Align::Center),

      // The degree scale under the waveform surface and the two explanations.
      caption("Text12", {4491, 4800, 5724, 285}).withFont(font::scale),
      field("Text10", {360, 5520, 3735, 495}).withBack(pal::yellow).withFont(font::plain138).aligned(Align::Center),
      field("Text11", {360, 6120, 3735, 495}).withBack(pal::yellow).withFont(font::plain138).aligned(Align::Center),

      // The power triangle panel; its fields start empty. The angle stands
      // out in yellow on teal in the Portuguese edition.
      surface("Picture3", {360, 6840, 4455, 4095}, pal::black),
      triangleText("Text16", {0, 480, 1335, 255}),
      triangleText("Text17", {240, 720, 615, 255}),
      triangleText("Text14", {2280, 600, 1335, 285}),
      triangleText("Text15", {2400, 840, 1215, 285}),
      caption("Text18", {1080, 2160, 615, 285}, "Picture3", pal::teal).withFore(pal::yellow).aligned(Align::Center).withBackEs(pal::black).withForeEs(pal::white),
      caption("Text13", {120, 2520, 1935, 285}, "Picture3", pal::teal).withFore(pal::grey),

      // The phase angle.
      frame("Frame1", {4920, 7440, 6375, 735}, nullptr, pal::peach).withFont(font::bold96),
      caption("Text1", {240, 240, 615, 285}, "Frame1", pal::peach),
      hscroll("HScroll1", {840, 360, 3735, 255}, "Frame1", 0, 100, 0),
      caption("Text2", {4680, 240, 615, 285}, "Frame1", pal::peach),
      field("Text3", {5520, 240, 735, 285}, "Frame1").aligned(Align::Center),

      // The powers.
      frame("Frame2", {4920, 8280, 6375, 735}, nullptr, pal::lightYellow).withFont(font::bold96),
      powerName("Text6", {120, 240, 615, 285}).aligned(Align::Center),
      powerFigure("Text8", {720, 240, 495, 285}),
      powerName("Text19", {1320, 240, 975, 285}),
      powerFigure("Text5", {2280, 240, 735, 315}).aligned(Align::Right),
      powerName("Text7", {3240, 240, 615, 255}),
      powerFigure("Text4", {3840, 240, 735, 285}).aligned(Align::Right),
      powerName("Text20", {4680, 240, 855, 285}),
      powerFigure("Text21", {5520, 240, 735, 255}).aligned(Align::Right),
  };
  // clang-format on
  return table;
}

const std::vector<PictureBox>& geracaoPictures() {
  // clang-format off
  static const std::vector<PictureBox> pictures = {
      {"Picture4", ":/geracao/gerador.svg",   {12120, 4800, 2244, 2532}},
      {"Picture5", ":/geracao/eletroima.svg", {3600, 6120, 6180, 3132}},
      {"Picture6", ":/geracao/maquina.svg",   {11400, 8040, 2808, 2448}},
  };
  // clang-format on
  return pictures;
}

}  // namespace fv

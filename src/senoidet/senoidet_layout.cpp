// The controls of the three-phase window.
#include <iterator>
#include <string_view>

#include "senoidet/senoidet.hpp"

namespace fv {

using namespace senoidet;

namespace {

// One of the five input frames, a component's: a header row, then three phase
// rows of a label box and the component's voltage, current and angle fields.
struct InputFrame {
  const char* frame;
  Rect r;
  bool fundamental;      // Frame2: wider labels and headers, greener row S
  const char* head[3];   // voltage, current, angle headers
  const char* label[3];  // phase label boxes R, S, T
};

// One per component, in the order of ComponentId.
// clang-format off
constexpr InputFrame kFrames[] = {
    {"Frame2",    {7440, 0,    4815, 2175}, true,  {"TitV",  "TitA",  "TitG"},  {"FaseR",  "FaseS",  "FaseT"}},
    {"Frame3(0)", {7440, 2160, 4815, 2175}, false, {"TitV2", "TitA2", "TitG2"}, {"FaseR2", "FaseS2", "FaseT2"}},
    {"Frame4(1)", {7440, 4320, 4815, 2175}, false, {"TitV3", "TitA3", "TitG3"}, {"FaseR3", "FaseS3", "FaseT3"}},
    {"Frame4(0)", {7440, 6480, 4815, 2175}, false, {"TitVI", "TitAI", "TitGI"}, {"FaseRI", "FaseSI", "FaseTI"}},
    {"Frame4(2)", {7440, 8640, 4815, 2175}, false, {"TitVN", "TitAN", "TitGN"}, {"FaseRN", "FaseSN", "FaseTN"}},
};
// clang-format on

// A box of an input frame: a small-type text field on the colour of its row.
Ctl box(const char* name, Rect r, const char* parent, Color back, Align align) {
  return ctl::field(name, r, parent).withBack(back).withFont(font::small).aligned(align);
}

void addFrame(std::vector<Ctl>& t, const InputFrame& f, const SenoideT::Component& c) {
  t.push_back(ctl::frame(f.frame, f.r).withFont(font::bold78));
  const Rect heads[2][3] = {{{1200, 240, 855, 285}, {2280, 240, 1095, 285}, {3480, 240, 1095, 285}},
                            {{1200, 240, 975, 285}, {2400, 240, 1095, 285}, {3600, 240, 975, 285}}};
  for (int k = 0; k < 3; ++k) t.push_back(box(f.head[k], heads[f.fundamental][k], f.frame, pal::grey, Align::Center));
  // Rows R, S and T.
  const Color rows[3] = {pal::paleCyan, f.fundamental ? pal::paleGreen : pal::paleYellow, pal::palePink};
  const int tops[3] = {600, 960, 1320};
  const int fieldLeft[3] = {1320, 2760, 3960}, fieldWidth[3] = {735, 495, 615};
  for (Phase p : {R, S, T}) {
    t.push_back(box(f.label[p], {240, tops[p], f.fundamental ? 855 : 735, 285}, f.frame, rows[p], Align::Left));
    const char* fields[3] = {c.volts[p], c.amps[p], c.degrees[p]};
    for (int k = 0; k < 3; ++k) {
      // The angle field of phase T of the second harmonic stands a little higher.
      const bool fgt2 = std::string_view(fields[k]) == "FGT2";
      t.push_back(
          box(fields[k], {fieldLeft[k], fgt2 ? 1440 : tops[p], fieldWidth[k], 285}, f.frame, rows[p], Align::Right));
    }
  }
}

std::vector<Ctl> makeLayout() {
  // clang-format off
  std::vector<Ctl> t = {
      ctl::surface("Picture1", {1080, 0, 6135, 4095}, pal::paper).withFont(font::bold78),
      ctl::caption("Text1", {120, 0, 1575, 255}, "Picture1", pal::paper).withFore(pal::red).withFont(font::bold78).aligned(Align::Center),
      ctl::surface("Picture3", {1080, 4200, 6135, 6495}, pal::paper).withFont(font::bold78),
      ctl::caption("Text2", {0, 0, 1575, 285}, "Picture3", pal::paper).withFore(pal::red).withFont(font::bold78).aligned(Align::Center),
  };
  // clang-format on
  for (int k = Fundamental; k <= Nth; ++k) addFrame(t, kFrames[k], SenoideT::kComponents[k]);

  // clang-format off
  const Ctl rest[] = {
      // The buttons of the input frames.
      ctl::button("FUNDAMENTAL", {240, 1680, 1935, 375}, "Frame2", font::bold96).withBack(pal::grey),
      ctl::button("corrente", {2280, 1680, 1575, 375}, "Frame2", font::bold96).esAt({2280, 1680, 1455, 375}).withBack(pal::grey),
      ctl::button("reset_corr", {3960, 1680, 735, 375}, "Frame2", font::bold78).esAt({3840, 1680, 855, 375}).withBack(pal::cyan),
      ctl::button("SEGUNDA", {240, 1680, 4335, 375}, "Frame3(0)", font::bold12).withBack(pal::grey),
      ctl::button("TERCEIRA", {240, 1680, 4335, 375}, "Frame4(1)", font::bold12).withBack(pal::grey),
      ctl::button("inter", {240, 1680, 4335, 375}, "Frame4(0)", font::bold12).withBack(pal::grey),
      ctl::button("NHARMO", {240, 1680, 4335, 375}, "Frame4(2)", font::bold12).withBack(pal::grey),
      // The order field lies over the blank stretch of the NHARMO caption.
      ctl::field("varIn", {2640, 1680, 495, 375}, "Frame4(2)").withBack(pal::yellow).withFore(pal::red).withFont(font::small).aligned(Align::Center),

      // Banners, results panels and the buttons of the right-hand column.
      ctl::field("Text38", {12360, 120, 2775, 615}).withBack(pal::lightYellow).withFore(pal::darkGreen).withFont(font::bold78).aligned(Align::Center),
      ctl::frame("Frame1", {12360, 1080, 2775, 2655}).esAt({12240, 1080, 2895, 2655}).withFont(font::bold78),
      ctl::caption("Text3", {0, 240, 1095, 255}, "Frame1").withFore(pal::black).withFont(font::bold96),
      ctl::number("Text23", {120, 600, 855, 375}, "Frame1").withBack(pal::white).withFore(pal::blue).withFont(font::bold96),
      ctl::number("Text24", {960, 600, 855, 375}, "Frame1").esAt({1080, 600, 735, 375}).withBack(pal::white).withFore(pal::mediumGreen).withFont(font::bold96),
      ctl::number("Text25", {1800, 600, 855, 375}, "Frame1").esAt({1920, 600, 735, 375}).withBack(pal::white).withFore(pal::red).withFont(font::bold96),
      ctl::caption("Text21", {120, 960, 735, 375}, "Frame1").withFore(pal::black).withFont(font::bold96),
      ctl::number("Text26", {120, 1320, 855, 375}, "Frame1").withBack(pal::white).withFore(pal::blue).withFont(font::bold96),
      ctl::number("Text27", {960, 1320, 855, 375}, "Frame1").esAt({1080, 1320, 735, 375}).withBack(pal::white).withFore(pal::mediumGreen).withFont(font::bold96),
      ctl::number("Text31", {1920, 1320, 855, 375}, "Frame1").esAt({1920, 1320, 735, 375}).withBack(pal::white).withFore(pal::red).withFont(font::bold96),
      ctl::caption("Text22", {120, 1800, 855, 255}, "Frame1").withFore(pal::black).withFont(font::bold96),
      ctl::number("Text32", {120, 2160, 855, 375}, "Frame1").withBack(pal::white).withFore(pal::blue).withFont(font::bold96),
      ctl::number("Text33", {960, 2160, 855, 375}, "Frame1").esAt({1080, 2160, 735, 375}).withBack(pal::white).withFore(pal::mediumGreen).withFont(font::bold96),
      ctl::number("Text34", {1800, 2160, 855, 375}, "Frame1").esAt({1920, 2160, 735, 375}).withBack(pal::white).withFore(pal::red).withFont(font::bold96),
      ctl::frame("Frame5", {12360, 3840, 2775, 1575}).esAt({12240, 3840, 2895, 1575}).withFont(font::bold78),
      ctl::number("Text35", {120, 360, 855, 285}, "Frame5").esAt({120, 360, 855, 405}).withBack(pal::white).withFore(pal::black).withFont(font::bold78),
      ctl::number("Text36", {1080, 360, 735, 375}, "Frame5").withBack(pal::white).withFore(pal::black).withFont(font::bold78),
      ctl::number("Text37", {1920, 360, 735, 375}, "Frame5").withBack(pal::white).withFore(pal::black).withFont(font::bold78),
      ctl::button("reset", {13200, 5520, 1695, 735}, nullptr, font::bold12).withBack(pal::yellow),
      ctl::button("neutro", {13200, 6600, 1695, 615}, nullptr, font::bold12).withBack(pal::grey),
      ctl::button("resultante1", {13200, 7560, 1695, 615}, nullptr, font::bold12).withBack(pal::grey),
      ctl::button("fim", {13200, 8520, 1695, 615}, nullptr, font::bold138).withBack(pal::grey),
      ctl::field("Text40", {1080, 10800, 6135, 285}).esAt({840, 10800, 6615, 285}).withBack(pal::yellow).withFore(pal::darkGreen).withFont(font::bold78).aligned(Align::Center),
  };
  // clang-format on
  t.insert(t.end(), std::begin(rest), std::end(rest));
  return t;
}

}  // namespace

const std::vector<Ctl>& SenoideT::layout() {
  static const std::vector<Ctl> table = makeLayout();
  return table;
}

}  // namespace fv

// The controls of the three-phase window.
#include <optional>
#include <string_view>
#include <utility>

#include "senoidet/senoidet.hpp"

namespace fv {

namespace {

constexpr Color kGrey = RGB(192, 192, 192);
constexpr Color kPaper = RGB(224, 224, 224);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kGreen = RGB(0, 192, 0);
constexpr Color kRowR = RGB(192, 255, 255);
constexpr Color kRowS = RGB(255, 255, 192);
constexpr Color kRowSFund = RGB(192, 255, 192);
constexpr Color kRowT = RGB(255, 192, 192);

constexpr FontSpec kDefault{"MS Sans Serif", 7.8, true};
constexpr FontSpec kSmall{"MS Sans Serif", 7.8, false};
constexpr FontSpec kBold96{"MS Sans Serif", 9.6, true};
constexpr FontSpec kBold12{"MS Sans Serif", 12, true};
constexpr FontSpec kBold138{"MS Sans Serif", 13.8, true};

// One of the five input frames: a header row, three phase rows of a label
// box and voltage, current and angle fields.
struct InputFrame {
  const char* frame;
  Rect r;
  bool fundamental;         // Frame2: wider labels and headers, greener row S
  const char* head[3];      // voltage, current, angle headers
  const char* label[3];     // phase label boxes R, S, T
  const char* field[3][3];  // [phase][voltage, current, angle]
};

constexpr InputFrame kFrames[] = {
    {"Frame2",
     {7440, 0, 4815, 2175},
     true,
     {"TitV", "TitA", "TitG"},
     {"FaseR", "FaseS", "FaseT"},
     {{"FVR", "FAR", "FGR"}, {"FVS", "FAS", "FGS"}, {"FVT", "FAT", "FGT"}}},
    {"Frame3(0)",
     {7440, 2160, 4815, 2175},
     false,
     {"TitV2", "TitA2", "TitG2"},
     {"FaseR2", "FaseS2", "FaseT2"},
     {{"FVR2", "FAR2", "FGR2"}, {"FVS2", "FAS2", "FGS2"}, {"FVT2", "FAT2", "FGT2"}}},
    {"Frame4(1)",
     {7440, 4320, 4815, 2175},
     false,
     {"TitV3", "TitA3", "TitG3"},
     {"FaseR3", "FaseS3", "FaseT3"},
     {{"fvr3", "FAR3", "FGR3"}, {"FVS3", "FAS3", "FGS3"}, {"FVT3", "FAT3", "FGT3"}}},
    {"Frame4(0)",
     {7440, 6480, 4815, 2175},
     false,
     {"TitVI", "TitAI", "TitGI"},
     {"FaseRI", "FaseSI", "FaseTI"},
     {{"FVRI", "FARI", "FGRI"}, {"FVSI", "FASI", "FGSI"}, {"FVTI", "FATI", "FGTI"}}},
    {"Frame4(2)",
     {7440, 8640, 4815, 2175},
     false,
     {"TitVN", "TitAN", "TitGN"},
     {"FaseRN", "FaseSN", "FaseTN"},
     {{"FVRN", "FARN", "FGRN"}, {"FVSN", "FASN", "FGSN"}, {"FVTN", "FATN", "FGTN"}}},
};

Ctl box(const char* name, Rect r, const char* parent, Color back, Align align) {
  return {.kind = Kind::Text, .name = name, .r = r, .parent = parent, .back = back, .font = kSmall, .align = align};
}

void addFrame(std::vector<Ctl>& t, const InputFrame& f) {
  t.push_back({.kind = Kind::Frame, .name = f.frame, .r = f.r, .back = kGrey, .font = kDefault});
  const Rect heads[2][3] = {{{1200, 240, 855, 285}, {2280, 240, 1095, 285}, {3480, 240, 1095, 285}},
                            {{1200, 240, 975, 285}, {2400, 240, 1095, 285}, {3600, 240, 975, 285}}};
  for (int k = 0; k < 3; ++k) t.push_back(box(f.head[k], heads[f.fundamental][k], f.frame, kGrey, Align::Center));
  const Color rows[3] = {kRowR, f.fundamental ? kRowSFund : kRowS, kRowT};
  const int tops[3] = {600, 960, 1320};
  const int fieldLeft[3] = {1320, 2760, 3960}, fieldWidth[3] = {735, 495, 615};
  for (int p = 0; p < 3; ++p) {
    t.push_back(box(f.label[p], {240, tops[p], f.fundamental ? 855 : 735, 285}, f.frame, rows[p], Align::Left));
    for (int k = 0; k < 3; ++k) {
      // The angle field of phase T of the second harmonic stands a little higher.
      const bool fgt2 = std::string_view(f.field[p][k]) == "FGT2";
      t.push_back(box(f.field[p][k], {fieldLeft[k], fgt2 ? 1440 : tops[p], fieldWidth[k], 285}, f.frame, rows[p],
                      Align::Right));
    }
  }
}

Ctl result(const char* name, Rect r, std::optional<Rect> rEs, const char* parent, Color fore, FontSpec font) {
  return {.kind = Kind::Text,
          .name = name,
          .r = r,
          .parent = parent,
          .rEs = rEs,
          .back = RGB(255, 255, 255),
          .fore = fore,
          .font = font,
          .align = Align::Right};
}

Ctl rowLabel(const char* name, Rect r) {
  return {.kind = Kind::Text,
          .name = name,
          .r = r,
          .parent = "Frame1",
          .back = sys::ButtonFace,
          .fore = RGB(0, 0, 0),
          .font = kBold96,
          .border = false};
}

std::vector<Ctl> makeLayout() {
  std::vector<Ctl> t = {
      {.kind = Kind::Surface, .name = "Picture1", .r = {1080, 0, 6135, 4095}, .back = kPaper, .font = kDefault},
      {.kind = Kind::Text,
       .name = "Text1",
       .r = {120, 0, 1575, 255},
       .parent = "Picture1",
       .back = kPaper,
       .fore = kRed,
       .font = kDefault,
       .align = Align::Center,
       .border = false},
      {.kind = Kind::Surface, .name = "Picture3", .r = {1080, 4200, 6135, 6495}, .back = kPaper, .font = kDefault},
      {.kind = Kind::Text,
       .name = "Text2",
       .r = {0, 0, 1575, 285},
       .parent = "Picture3",
       .back = kPaper,
       .fore = kRed,
       .font = kDefault,
       .align = Align::Center,
       .border = false},
  };
  for (const InputFrame& f : kFrames) addFrame(t, f);

  // The buttons of the input frames.
  t.push_back({.kind = Kind::Button,
               .name = "FUNDAMENTAL",
               .r = {240, 1680, 1935, 375},
               .parent = "Frame2",
               .back = kGrey,
               .font = kBold96});
  t.push_back({.kind = Kind::Button,
               .name = "corrente",
               .r = {2280, 1680, 1575, 375},
               .parent = "Frame2",
               .rEs = Rect{2280, 1680, 1455, 375},
               .back = kGrey,
               .font = kBold96});
  t.push_back({.kind = Kind::Button,
               .name = "reset_corr",
               .r = {3960, 1680, 735, 375},
               .parent = "Frame2",
               .rEs = Rect{3840, 1680, 855, 375},
               .back = RGB(0, 255, 255),
               .font = kDefault});
  const std::pair<const char*, const char*> harmonics[] = {
      {"SEGUNDA", "Frame3(0)"}, {"TERCEIRA", "Frame4(1)"}, {"inter", "Frame4(0)"}, {"NHARMO", "Frame4(2)"}};
  for (const auto& [name, frame] : harmonics)
    t.push_back({.kind = Kind::Button,
                 .name = name,
                 .r = {240, 1680, 4335, 375},
                 .parent = frame,
                 .back = kGrey,
                 .font = kBold12});
  // The order field lies over the blank stretch of the NHARMO caption.
  t.push_back({.kind = Kind::Text,
               .name = "varIn",
               .r = {2640, 1680, 495, 375},
               .parent = "Frame4(2)",
               .back = RGB(255, 255, 0),
               .fore = kRed,
               .font = kSmall,
               .align = Align::Center});

  // Banners, results panels and the buttons of the right-hand column.
  t.push_back({.kind = Kind::Text,
               .name = "Text38",
               .r = {12360, 120, 2775, 615},
               .back = RGB(255, 255, 128),
               .fore = RGB(0, 128, 0),
               .font = kDefault,
               .align = Align::Center});
  t.push_back({.kind = Kind::Frame,
               .name = "Frame1",
               .r = {12360, 1080, 2775, 2655},
               .rEs = Rect{12240, 1080, 2895, 2655},
               .back = kGrey,
               .font = kDefault});
  t.push_back(rowLabel("Text3", {0, 240, 1095, 255}));
  t.push_back(result("Text23", {120, 600, 855, 375}, {}, "Frame1", kBlue, kBold96));
  t.push_back(result("Text24", {960, 600, 855, 375}, Rect{1080, 600, 735, 375}, "Frame1", kGreen, kBold96));
  t.push_back(result("Text25", {1800, 600, 855, 375}, Rect{1920, 600, 735, 375}, "Frame1", kRed, kBold96));
  t.push_back(rowLabel("Text21", {120, 960, 735, 375}));
  t.push_back(result("Text26", {120, 1320, 855, 375}, {}, "Frame1", kBlue, kBold96));
  t.push_back(result("Text27", {960, 1320, 855, 375}, Rect{1080, 1320, 735, 375}, "Frame1", kGreen, kBold96));
  t.push_back(result("Text31", {1920, 1320, 855, 375}, Rect{1920, 1320, 735, 375}, "Frame1", kRed, kBold96));
  t.push_back(rowLabel("Text22", {120, 1800, 855, 255}));
  t.push_back(result("Text32", {120, 2160, 855, 375}, {}, "Frame1", kBlue, kBold96));
  t.push_back(result("Text33", {960, 2160, 855, 375}, Rect{1080, 2160, 735, 375}, "Frame1", kGreen, kBold96));
  t.push_back(result("Text34", {1800, 2160, 855, 375}, Rect{1920, 2160, 735, 375}, "Frame1", kRed, kBold96));
  t.push_back({.kind = Kind::Frame,
               .name = "Frame5",
               .r = {12360, 3840, 2775, 1575},
               .rEs = Rect{12240, 3840, 2895, 1575},
               .back = kGrey,
               .font = kDefault});
  t.push_back(result("Text35", {120, 360, 855, 285}, Rect{120, 360, 855, 405}, "Frame5", RGB(0, 0, 0), kDefault));
  t.push_back(result("Text36", {1080, 360, 735, 375}, {}, "Frame5", RGB(0, 0, 0), kDefault));
  t.push_back(result("Text37", {1920, 360, 735, 375}, {}, "Frame5", RGB(0, 0, 0), kDefault));
  t.push_back({.kind = Kind::Button,
               .name = "reset",
               .r = {13200, 5520, 1695, 735},
               .back = RGB(255, 255, 0),
               .font = kBold12});
  t.push_back({.kind = Kind::Button, .name = "neutro", .r = {13200, 6600, 1695, 615}, .back = kGrey, .font = kBold12});
  t.push_back(
      {.kind = Kind::Button, .name = "resultante1", .r = {13200, 7560, 1695, 615}, .back = kGrey, .font = kBold12});
  t.push_back({.kind = Kind::Button, .name = "fim", .r = {13200, 8520, 1695, 615}, .back = kGrey, .font = kBold138});
  t.push_back({.kind = Kind::Text,
               .name = "Text40",
               .r = {1080, 10800, 6135, 285},
               .rEs = Rect{840, 10800, 6615, 285},
               .back = RGB(255, 255, 0),
               .fore = RGB(0, 128, 0),
               .font = kDefault,
               .align = Align::Center});
  return t;
}

}  // namespace

const std::vector<Ctl>& SenoideT::layout() {
  static const std::vector<Ctl> table = makeLayout();
  return table;
}

}  // namespace fv

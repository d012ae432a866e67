// The generation window: a generator turns on the small surface while a point
// moves with its voltage on the large one; then the voltage, a current shifted
// by a phase angle, the instantaneous power and the power triangle.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "forms/form.hpp"
#include "geracao/model.hpp"

namespace fv {

// Creates the Geração window.
std::unique_ptr<Form> makeGeracao(FormHost& host);

// The controls of the window, in building order.
const std::vector<Ctl>& geracaoLayout();

// The fixed pictures of the window: drawings at 12 twips to a pixel in
// picture boxes with a border of 24 twips each side.
struct PictureBox {
  const char* name;
  const char* resource;
  Rect r;
};
const std::vector<PictureBox>& geracaoPictures();
// The maker's logo, on the window's background at its top-left corner.
inline constexpr Rect kGeracaoLogo{0, 0, 191 * 12, 54 * 12};

class Geracao : public Form {
  Q_OBJECT
 public:
  explicit Geracao(FormHost& host);

  void Form_Load();
  void go_Click();
  void geracao_Click();
  void HScroll1_Change();
  void pulso_Click();
  void volta_Click();

  // The x position of the waveform work and of the pulse train.
  double X = 0;

 private:
  // The generator: core, ring and rim, drawn as circles on Picture2.
  void drawGenerator();
  // The axes and the 0° to 360° grid of Picture1.
  void drawWaveformGrid();
  // Both surfaces cleared, the generator and the grid drawn, and the
  // generator run with the voltage, current and power curves and the
  // power read-outs; `extraPause` comes before the curves of each step,
  // `pauseCount` ends each step.
  void fullGeneration(std::int64_t pauseCount, std::int64_t extraPause);
  // The rotor mark and the voltage point of a step.
  void drawGeneratorStep(const geracao::Step& s);
  // The phase angle in radians, as the scroll bar stands.
  double phi() const;

  // Bound once: the waveforms (Picture1), the generator (Picture2) and the
  // power triangle (Picture3); the angle's bar (HScroll1).
  Surface* waves_ = nullptr;
  Surface* generator_ = nullptr;
  Surface* triangle_ = nullptr;
  ScrollBar* angle_ = nullptr;
  // The read-outs: the angle (Text3), the power factor (Text8) and the
  // apparent, active and reactive powers (Text5, Text4, Text21).
  TextField* angleText_ = nullptr;
  TextField* factor_ = nullptr;
  TextField* apparent_ = nullptr;
  TextField* active_ = nullptr;
  TextField* reactive_ = nullptr;
  // What the curves show once drawn: the generation button, the triangle,
  // its frames and captions (Frame1, Frame2, Text10, Text11).
  Button* generation_ = nullptr;
  Frame* frame1_ = nullptr;
  Frame* frame2_ = nullptr;
  TextField* text10_ = nullptr;
  TextField* text11_ = nullptr;
  // The triangle's captions, rewritten at each change of the angle, in that
  // order (Text14 to Text17, Text13), and the one that repeats the angle (Text18).
  std::vector<TextField*> triangleCaptions_;
  TextField* angleCaption_ = nullptr;
  // The picture the first run hides.
  QWidget* picture5_ = nullptr;
};

}  // namespace fv

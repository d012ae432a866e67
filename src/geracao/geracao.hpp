// The generation window: a generator turns on the small surface while a point
// moves with its voltage on the large one; then the voltage, a current shifted
// by a phase angle, the instantaneous power and the power triangle.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "forms/form.hpp"

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
  // The 631 steps of the turning generator. `waveforms` runs in the middle
  // of each step, after the voltage point; `pauseCount` ends each step.
  void runGenerator(std::int64_t pauseCount, const std::function<void(double t)>& waveforms);
  // Both surfaces cleared, the generator and the grid drawn, and the
  // generator run with the voltage, current and power curves and the
  // power read-outs; `extraPause` comes before the curves of each step.
  void fullGeneration(std::int64_t pauseCount, std::int64_t extraPause);
  // The phase angle in radians, as the scroll bar stands.
  double phi() const;
};

}  // namespace fv

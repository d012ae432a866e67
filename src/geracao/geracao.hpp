// The generation window: a generator turns on the small surface while a point
// moves with its voltage on the large one; then the voltage, a current shifted
// by a phase angle, the instantaneous power and the power triangle.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "shell/form.hpp"

namespace fv {

// Creates the Geração window.
std::unique_ptr<Form> makeGeracao(App& app);

// The controls of the window, in building order.
const std::vector<Ctl>& geracaoLayout();

// Fixed stand-ins for the system colours the window names.
namespace geracaoColors {
constexpr Color WindowText = RGB(0, 0, 0);     // the triangle panel
constexpr Color MenuText = RGB(0, 0, 0);       // its caption fields
constexpr Color Desktop = RGB(0, 128, 128);    // the angle and active power fields
constexpr Color MenuBar = RGB(192, 192, 192);  // text of the active power field
}  // namespace geracaoColors

class Geracao : public Form {
  Q_OBJECT
 public:
  explicit Geracao(App& app);

  void Form_Load();
  void go_Click();
  void geração_Click();
  void HScroll1_Change();
  void pulso_Click();
  void volta_Click();

  // The x position of the waveform work and of the pulse train.
  double X = 0;

  static constexpr Color kBlue = RGB(0, 0, 255);
  static constexpr Color kRed = RGB(255, 0, 0);
  static constexpr Color kCyan = RGB(0, 255, 255);
  static constexpr Color kMagenta = RGB(255, 0, 255);
  static constexpr Color kGreen = RGB(0, 255, 0);
  static constexpr Color kOrange = RGB(255, 100, 0);
  static constexpr Color kWhite = RGB(255, 255, 255);
  static constexpr Color kBlack = RGB(0, 0, 0);
  static constexpr Color kTriangleQ = RGB(100, 255, 100);

  // Centre of the generator on Picture2.
  static constexpr double kCx = 2000, kCy = 1900;

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

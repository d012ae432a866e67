// The pulse harmonics window: a slow sinusoid on a small time grid and two
// resultant curves on a large one.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "forms/analysisinput.hpp"
#include "forms/form.hpp"

namespace fv {

// Creates the HarmonicasPulsos window.
std::unique_ptr<Form> makeHarmonicasPulsos(FormHost& host);

// The controls of the window, in building order.
const std::vector<Ctl>& pulsosLayout();

class HarmonicasPulsos : public Form {
  Q_OBJECT
 public:
  explicit HarmonicasPulsos(FormHost& host);

  void Inicio_Click();
  void resultante_Click();
  void resultante2_Click();
  void FIM_Click();

  // The window has no input of its own: its analysis reads its own fields.
  AnalysisInput analysisInput() const {
    AnalysisInput in;
    in.kind = AnalysisInput::Kind::Pulses;
    return in;
  }

  // The order n and amplitude A of the second term of the resultants,
  // 10·A·sin(n·t). No control sets them and Inicio resets them, so they stay 0.
  std::int16_t n = 0;
  std::int16_t A = 0;

 private:
  // Clears Picture3, draws its grid and plots the resultant on it in the
  // given colour.
  void plotResultant(Color c);

  // The controls are made before the members below bind them.
  const bool built_;
  Surface& upperPlot_;  // Picture1
  Surface& lowerPlot_;  // Picture3
};

}  // namespace fv

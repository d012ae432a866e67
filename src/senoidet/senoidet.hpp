// The three-phase window: the phase voltages R, S and T of the fundamental and
// of four harmonic components, the phase currents, the resultant phase
// voltages and the neutral current.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "shell/form.hpp"

namespace fv {

class SenoideT : public Form {
  Q_OBJECT
 public:
  explicit SenoideT(App& app);

  // The layout table of the window (both editions).
  static const std::vector<Ctl>& layout();

  // The highest order the N-th harmonic button draws (a 12 s animation):
  // higher orders only fill a solid band, and very high ones would keep the
  // window busy for hours.
  static constexpr double kMaxOrder = 50;
  // Degrees to radians.
  static constexpr double kRad = 3.1416 / 180;

  void Form_Load();
  void FIM_Click();
  void Picture1_Click();
  void FUNDAMENTAL_Click();
  void SEGUNDA_Click();
  void TERCEIRA_Click();
  void inter_Click();
  void NHARMO_Click();
  void resultante1_Click();
  void neutro_Click();
  void corrente_Click();
  void reset_corr_Click();
  void reset_Click();

  // Fundamental phase voltages, angles (degrees) and currents as last captured.
  std::int16_t VR = 0, VS = 0, VT = 0;
  std::int16_t GR = 0, GS = 0, GT = 0;
  std::int16_t IR = 0, IS = 0, IT = 0;
  // 1 once a component has been drawn: it then takes part in the resultants.
  std::int16_t temFund = 0, tem2 = 0, tem3 = 0, temInter = 0, temN = 0;
  // 1 while the upper surface shows the currents too.
  std::int16_t modoCorr = 0;

 private:
  // Grid of the upper surface (clears it first) and lines of the lower grid.
  void upperGrid();
  void lowerGridLines();
  // The three fundamental phase-voltage points of one pass at loop value t,
  // from the voltages last captured.
  void phaseVoltages(double t, double x, double y0);
  // The three phase-current points of one pass at loop value t.
  void phaseCurrents(double t, double x, double y0);
  // One point; a point with no finite position cannot be seen and is skipped.
  static void dot(Surface& s, double x, double y, Color c);
  double harmonicPhase(double t, const char* volts, const char* degrees, double offset) const;
};

// Creates the SenoideT window.
std::unique_ptr<Form> makeSenoideT(App& app);

}  // namespace fv

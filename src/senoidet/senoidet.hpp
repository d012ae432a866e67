// The three-phase window: the phase voltages R, S and T of the fundamental and
// of four harmonic components, the phase currents, the resultant phase
// voltages and the neutral current.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "forms/analysisinput.hpp"
#include "forms/form.hpp"
#include "senoidet/model.hpp"

namespace fv {

class SenoideT : public Form {
  Q_OBJECT
 public:
  explicit SenoideT(FormHost& host);

  // The layout table of the window (both editions).
  static const std::vector<Ctl>& layout();

  // A curve of the upper plot: the phase it shows, in its colour.
  struct Trace {
    senoidet::Phase phase;
    Color colour;
  };

  // One component: the fields it is read from and how it is drawn.
  struct Component {
    const char* volts[3];  // the fields of R, S, T
    const char* amps[3];
    const char* degrees[3];
    std::int16_t SenoideT::*drawn;  // 1 once drawn: it then enters the resultants
    double order;                   // periods in one fundamental period (the N-th's is typed)
    double period;                  // the upper curves start at order × period
    std::int64_t pause;             // the upper curves pause this long after each pass
    Trace traces[3];                // the upper curves in drawing order
  };
  // By senoidet::ComponentId: the fundamental, the 2nd, the 3rd, the
  // inter-harmonic and the N-th order.
  static const Component kComponents[5];

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

  // The components drawn since the last Reset, per phase as typed, for the
  // analysis window: the fundamental's voltage at 0° and its current at the
  // phase's angle; a harmonic's voltage and current both at its angle, as the
  // resultants take them.
  AnalysisInput analysisInput() const;

 private:
  // A component's fields, bound once: R, S and T of each.
  using PhaseFields = std::array<TextField*, 3>;
  struct Fields {
    PhaseFields volts, amps, degrees;
  };

  // Clears the upper surface and draws its grid.
  void upperGrid();
  // Reads three phase fields, R, S and T in that order (the first that is not
  // a number is the one a message names), as whole numbers.
  void capturePhases(const PhaseFields& f, std::int16_t& r, std::int16_t& s, std::int16_t& t);
  // Captures the fundamental's voltages and angles from their fields.
  void captureVoltages();
  // The fundamental's voltages as last captured.
  senoidet::Phases capturedVolts() const { return {double(VR), double(VS), double(VT)}; }
  // The fundamental's current fields, in the order the currents read them.
  senoidet::Currents currentFields() const;
  // The three curves of a pass on a plot, in the component's drawing order.
  void drawPass(Surface& s, const Component& c, double x, const senoidet::Phases& y);
  // The three phase voltages of a harmonic component on the upper surface.
  void drawComponent(senoidet::ComponentId k, double order);
  // A component's order: its own, or the N-th's as typed.
  double orderOf(senoidet::ComponentId k) const;
  // The components drawn so far as the resultants take them, read from their
  // fields: the fundamental with these amplitudes and the angles last
  // captured, the harmonics with their current or voltage fields.
  senoidet::Terms drawnTerms(const senoidet::Phases& fundamental, bool currents) const;
  // Clears the lower surface, names its curve and draws its grid.
  void lowerGrid(const QString& title);
  // One point; a point with no finite position cannot be seen and is skipped.
  static void dot(Surface& s, double x, double y, Color c);

  // The upper plot (Picture1) with the phase curves, the lower one (Picture3)
  // with the resultants and the neutral, and the lower one's title (Text2).
  Surface* upperPlot_ = nullptr;
  Surface* lowerPlot_ = nullptr;
  TextField* lowerTitle_ = nullptr;
  // By senoidet::ComponentId.
  std::array<Fields, 5> fields_{};
  // The order of the N-th harmonic (varIn).
  TextField* orderN_ = nullptr;
  // The fundamental's powers of R, S and T: apparent (Text23-25), active
  // (Text26, 27, 31) and reactive (Text32-34).
  PhaseFields apparent_{}, active_{}, reactive_{};
  // Shown once the lower plot holds a drawing.
  Button* reset_ = nullptr;
};

// Creates the SenoideT window.
std::unique_ptr<Form> makeSenoideT(FormHost& host);

}  // namespace fv

// Simulation 1: the voltage a load current induces along a cable run with an
// earth bar. The upper surface shows the run in side view, the lower one the
// cross-section of two conductors; three buttons work through it in order.
#pragma once

#include <memory>
#include <vector>

#include "forms/form.hpp"

namespace fv {

// The layout table of the window.
const std::vector<Ctl>& simula1Layout();

class Simula1 : public Form {
  Q_OBJECT
 public:
  explicit Simula1(FormHost& host);

  void Form_Load();
  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void fase01_Click();
  void Command2_Click();
  void Command3_Click();
  void Command1_Click();

  // Client area in twips (the Spanish window is narrower).
  static constexpr int kWidthPt = 15480;
  static constexpr int kWidthEs = 14028;
  static constexpr int kHeight = 11112;

 private:
  // The two conductors of the cross-section.
  void drawConductors(Surface& pic);
  // The field rings of a current around the second conductor.
  void drawFieldRings(Surface& pic, double amps);
};

// Creates the simula1 window.
std::unique_ptr<Form> makeSimula1(FormHost& host);

}  // namespace fv

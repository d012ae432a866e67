// Simulation 2: a signal cable beside a power cable in an open or closed
// cable trough, the field of the power cable and the voltage it induces.
#pragma once

#include <memory>
#include <vector>

#include "forms/form.hpp"
#include "simula2/model.hpp"

namespace fv {

class Simula2 : public Form {
  Q_OBJECT
 public:
  explicit Simula2(FormHost& host);

  void HScroll1_Change();
  void VScroll1_Change();
  void HScroll4_Change();
  void HScroll3_Change();
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

 private:
  void write(const char* field, const QString& value);
  double troughTwips(const char* field, simula2::Span span, const char* message) const;
  double width() const;
  double height() const;
  simula2::Point cable1(double W, double H) const;
  simula2::Point cable2(double W, double H) const;
  simula2::Material material() const;
  void drawCable(simula2::Point c, Color colour);
  void openOutline(double W, double H);
  void closedOutline(double W, double H, bool darkRedPasses);

  Surface* pic_ = nullptr;
};

const std::vector<Ctl>& simula2Layout();

// Creates the simula2 window.
std::unique_ptr<Form> makeSimula2(FormHost& host);

}  // namespace fv

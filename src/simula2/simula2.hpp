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
  double troughTwips(const TextField& field, simula2::Span span, const char* message) const;
  double width() const;
  double height() const;
  simula2::Point cable1(double W, double H) const;
  simula2::Point cable2(double W, double H) const;
  simula2::Material material() const;
  void drawCable(simula2::Point c, Color colour);
  void resetResults();

  // Bound once: the cross-section (Picture2).
  Surface* section_ = nullptr;
  // The trough's width and height: bars (HScroll1, VScroll1) and fields
  // (Text22, Text23), in millimetres.
  ScrollBar* widthBar_ = nullptr;
  ScrollBar* heightBar_ = nullptr;
  TextField* width_ = nullptr;
  TextField* height_ = nullptr;
  // The power cable's voltage (HScroll4, Text2) and current (HScroll3, Text4).
  ScrollBar* voltsBar_ = nullptr;
  TextField* volts_ = nullptr;
  ScrollBar* ampsBar_ = nullptr;
  TextField* amps_ = nullptr;
  // Where each cable lies: across and up (HScroll7, VScroll3 for cable 1;
  // HScroll8, VScroll4 for cable 2).
  ScrollBar* across1_ = nullptr;
  ScrollBar* up1_ = nullptr;
  ScrollBar* across2_ = nullptr;
  ScrollBar* up2_ = nullptr;
  // The trough's material beyond plastic (Option2 steel, Option3 aluminium).
  OptionButton* steel_ = nullptr;
  OptionButton* aluminium_ = nullptr;
  // The read-outs: the cables' distance (Text10) and the induced voltage (Text12).
  TextField* distance_ = nullptr;
  TextField* induced_ = nullptr;
};

const std::vector<Ctl>& simula2Layout();

// Creates the simula2 window.
std::unique_ptr<Form> makeSimula2(FormHost& host);

}  // namespace fv

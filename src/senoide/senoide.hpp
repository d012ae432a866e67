// The single-phase window: a fundamental voltage and current, four harmonic
// components drawn on top of it, and their resultant.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "forms/form.hpp"
#include "senoide/model.hpp"

namespace fv {

// The controls of the window, in building order.
const std::vector<Ctl>& senoideLayout();

class Senoide : public Form {
  Q_OBJECT
 public:
  explicit Senoide(FormHost& host);

  // Values the window keeps, set by the handlers (16-bit, as read from the fields).
  std::int16_t velocidade = 0;
  std::int16_t ordemN = 0;
  std::int16_t tensaoN = 0;
  std::int16_t correnteN = 0;
  std::int16_t anguloN = 0;
  std::int16_t tensao3 = 0;
  std::int16_t angTensao3 = 0;
  std::int16_t corrente3 = 0;
  std::int16_t angCorrente3 = 0;
  std::int16_t tensaoI = 0;
  std::int16_t correnteI = 0;
  std::int16_t anguloI = 0;
  // Stored by the change handlers of Text5, Text6 and Text19; nothing reads them.
  std::int16_t corrente2 = 0;
  std::int16_t angTensao2 = 0;
  std::int16_t angCorrente2 = 0;
  // Which components have been drawn to their end since the last resultant.
  std::int16_t feitoF = 0;
  std::int16_t feito2 = 0;
  std::int16_t feito3 = 0;
  std::int16_t feitoI = 0;
  std::int16_t feitoN = 0;

  void Form_Load();

  void VScroll1_Change();
  void VScroll2_Change();
  void VScroll3_Change();
  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void HScroll4_Change();

  void numero_Change();
  void tensao_Change();
  void Text1_Change();
  void Text3_Change();
  void Text14_Change();
  void Text17_Change();
  void Text20_Change();
  void Text21_Change();
  void Text22_Change();
  void Text23_Change();
  void Text26_Change();
  void Text5_Change();
  void Text6_Change();
  void Text19_Change();

  void Picture1_Click();
  void Picture2_Click();
  void Picture3_Click();

  void FUNDAMENTAL_Click();
  void segundaH_Click(int index);
  void TERCEIRA_Click();
  void inter_Click();
  void executar_Click();
  void resultante1_Click();
  void reset_Click();
  void FIM_Click();

 private:
  double fieldRadians(TextField& field);
  senoide::PlotComponent harmonicPlot(Color c, double pace);
  void pauseBelow(double count);
  void setDrawingButtons(bool normal);

  // The controls are made before the members below bind them.
  const bool built_;
  Surface& voltagePlot_;    // Picture1
  Surface& powerPlot_;      // Picture2
  Surface& resultantPlot_;  // Picture3
  ScrollBar& speed_;        // VScroll1
  // The fundamental: its bars and the fields they write, and the current's angle.
  ScrollBar& fundamentalVolts_;  // VScroll3
  ScrollBar& fundamentalAmps_;   // VScroll2
  TextField& fundamentalVoltsText_;
  TextField& fundamentalAmpsText_;
  TextField& fundamentalAngle_;  // Text8
  // The second harmonic: its bars and the fields they write.
  ScrollBar& secondVolts_;       // HScroll1
  ScrollBar& secondVAngle_;      // HScroll2
  ScrollBar& secondAmps_;        // HScroll3
  ScrollBar& secondIAngle_;      // HScroll4
  TextField& secondVoltsText_;   // Text4
  TextField& secondVAngleText_;  // Text6
  TextField& secondAmpsText_;    // Text5
  TextField& secondIAngleText_;  // Text19
  // The third harmonic, the inter-harmonic and the n-th.
  TextField& thirdVolts_;   // Text14
  TextField& thirdVAngle_;  // Text20
  TextField& thirdAmps_;    // Text17
  TextField& thirdIAngle_;  // Text21
  TextField& interVolts_;   // Text22
  TextField& interAmps_;    // Text23
  TextField& interAngle_;   // Text26
  TextField& order_;        // numero
  TextField& nthVolts_;     // tensao
  TextField& nthAmps_;      // Text1
  TextField& nthAngle_;     // Text3
  // The read-outs and the banner.
  TextField& fundamentalPower_;  // Text15
  TextField& secondPower_;       // Text16
  TextField& interPower_;        // Text10
  TextField& thirdPower_;        // Text37
  TextField& nthPower_;          // Text38
  TextField& resultantPower_;    // Text39
  TextField& banner_;            // Text36
  // The six buttons that draw, hidden while the resultant is on show, and reset.
  const std::array<Button*, 6> drawingButtons_;
  Button& reset_;
};

// Creates the single-phase window.
std::unique_ptr<Form> makeSenoide(FormHost& host);

}  // namespace fv

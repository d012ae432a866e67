// The single-phase window: a fundamental voltage and current, four harmonic
// components drawn on top of it, and their resultant.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "forms/form.hpp"

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
  double fieldRadians(const char* field);
  void pauseBelow(double count);
  void setDrawingButtons(bool normal);
};

// Creates the single-phase window.
std::unique_ptr<Form> makeSenoide(FormHost& host);

}  // namespace fv

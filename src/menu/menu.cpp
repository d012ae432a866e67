#include "menu/menu.hpp"

#include <QCloseEvent>

#include "application/app.hpp"
#include "application/input.hpp"

namespace fv {

const std::vector<Ctl>& menuLayout() {
  using namespace ctl;
  // clang-format off
  static const std::vector<Ctl> table = {
      button("geracao",  {10800, 360, 2895, 615},  nullptr, font::bold12),
      button("Command1", {10800, 1080, 2895, 615}, nullptr, font::bold12),
      button("Command2", {10800, 1800, 2895, 615}, nullptr, font::bold12),
      button("ensaio1",  {10800, 2520, 2895, 615}, nullptr, font::arialBold12),
      button("ensaio2",  {10800, 3240, 2895, 615}, nullptr, font::arialBold12),
      button("Command3", {10800, 4080, 2895, 735}, nullptr, font::arialBold12),
      button("Command4", {10800, 7800, 2895, 615}, nullptr, font::bold138),
      field("Text1",     {600, 5040, 9495, 1095}).withBack(pal::yellow).withFore(pal::blue).withFont(font::narrowItalic36).aligned(Align::Center),
      field("Text4",     {5400, 6840, 3255, 765}).withBack(pal::grey).withFore(pal::darkGreen).withFont(font::gothic24),
      field("Text6",     {4440, 7680, 5295, 375}).esAt({4080, 7680, 5895, 375}).withBack(pal::grey).withFore(pal::darkGreen).withFont(font::arialBold96),
      caption("Text5",   {360, 9960, 1815, 285}).withFore(pal::royalBlue).withFont(font::arialBold12),
      field("Text3",     {360, 10320, 2532, 495}).esAt({360, 10320, 1815, 495}).withBack(pal::yellow).withFore(pal::royalBlue).withFont(font::timesBold144).aligned(Align::Center),
      multiline("Text2", {10200, 10320, 3015, 615}).withBack(pal::lightYellow).withFore(pal::blue).withFont(font::courierBold96).aligned(Align::Center),
  };
  // clang-format on
  return table;
}

Analise::Analise(App& app) : Form(app, QStringLiteral("analise"), 13776, 11004, pal::grey), app_(app) {
  build(menuLayout());
  setTabOrder({"Command4", "geracao", "Command1", "Command2", "Text2", "Text3", "Text1", "Text4", "Text5", "Text6",
               "ensaio2", "ensaio1", "Command3"});
  onClick("geracao", [this] { geracao_Click(); });
  onClick("Command1", [this] { Command1_Click(); });
  onClick("Command2", [this] { Command2_Click(); });
  onClick("Command3", [this] { Command3_Click(); });
  onClick("ensaio1", [this] { ensaio1_Click(); });
  onClick("ensaio2", [this] { ensaio2_Click(); });
  onClick("Command4", [this] { Command4_Click(); });
  control("Command4").setProperty(InputHold::kQuits, true);  // exiting never waits for an animation
  onChange("Text2", [this] { Text2_Change(); });
  Form_Load();
}

void Analise::Form_Load() {}

void Analise::geracao_Click() { app().show(QStringLiteral("Geração")); }
void Analise::Command1_Click() { app().show(QStringLiteral("Senoide")); }
void Analise::Command2_Click() { app().show(QStringLiteral("SenoideT")); }
// The pulse harmonics window is opened by the last button of the column.
void Analise::Command3_Click() { app().show(QStringLiteral("HarmonicasPulsos")); }
void Analise::ensaio1_Click() { app().show(QStringLiteral("simula1")); }
void Analise::ensaio2_Click() { app().show(QStringLiteral("simula2")); }
void Analise::Command4_Click() { app().quit(); }

void Analise::Text2_Change() { text(QStringLiteral("Text2")).setText(App::today()); }

void Analise::closeEvent(QCloseEvent* e) {
  // Closing the menu ends the program, as its exit button does.
  e->accept();
  app().quit();
}

}  // namespace fv

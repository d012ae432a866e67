#include "shell/menu.hpp"

#include <QCloseEvent>

#include "shell/app.hpp"

namespace fv {

namespace {

constexpr Color kGrey = RGB(192, 192, 192);
constexpr FontSpec kMenuFont{"MS Sans Serif", 12, true};
constexpr FontSpec kArial12{"Arial", 12, true};

const std::vector<Ctl>& menuLayout() {
  static const std::vector<Ctl> table = {
      {.kind = Kind::Button, .name = "geracao", .r = {10800, 360, 2895, 615}, .font = kMenuFont},
      {.kind = Kind::Button, .name = "Command1", .r = {10800, 1080, 2895, 615}, .font = kMenuFont},
      {.kind = Kind::Button, .name = "Command2", .r = {10800, 1800, 2895, 615}, .font = kMenuFont},
      {.kind = Kind::Button, .name = "ensaio1", .r = {10800, 2520, 2895, 615}, .font = kArial12},
      {.kind = Kind::Button, .name = "ensaio2", .r = {10800, 3240, 2895, 615}, .font = kArial12},
      {.kind = Kind::Button, .name = "Command3", .r = {10800, 4080, 2895, 735}, .font = kArial12},
      {.kind = Kind::Button, .name = "Command4", .r = {10800, 7800, 2895, 615}, .font = {"MS Sans Serif", 13.8, true}},
      {.kind = Kind::Text,
       .name = "Text1",
       .r = {600, 5040, 9495, 1095},
       .back = RGB(255, 255, 0),
       .fore = RGB(0, 0, 255),
       .font = {"Arial Narrow", 36, false, true},
       .align = Align::Center},
      {.kind = Kind::Text,
       .name = "Text4",
       .r = {5400, 6840, 3255, 765},
       .back = kGrey,
       .fore = RGB(0, 128, 0),
       .font = {"Century Gothic", 24}},
      {.kind = Kind::Text,
       .name = "Text6",
       .r = {4440, 7680, 5295, 375},
       .rEs = Rect{4080, 7680, 5895, 375},
       .back = kGrey,
       .fore = RGB(0, 128, 0),
       .font = {"Arial", 9.6, true}},
      {.kind = Kind::Text,
       .name = "Text5",
       .r = {360, 9960, 1815, 285},
       .back = kGrey,
       .fore = RGB(0, 0, 192),
       .font = {"Arial", 12, true},
       .border = false},
      {.kind = Kind::Text,
       .name = "Text3",
       .r = {360, 10320, 2532, 495},
       .rEs = Rect{360, 10320, 1815, 495},
       .back = RGB(255, 255, 0),
       .fore = RGB(0, 0, 192),
       .font = {"Times New Roman", 14.4, true},
       .align = Align::Center},
      {.kind = Kind::MultiText,
       .name = "Text2",
       .r = {10200, 10320, 3015, 615},
       .back = RGB(255, 255, 128),
       .fore = RGB(0, 0, 255),
       .font = {"Courier New", 9.6, true},
       .align = Align::Center},
  };
  return table;
}

}  // namespace

Analise::Analise(App& app) : Form(app, QStringLiteral("analise"), 13776, 11004, kGrey) {
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

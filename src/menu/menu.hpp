// The main menu: opens the work windows and ends the program.
#pragma once

#include "forms/form.hpp"

class QCloseEvent;

namespace fv {

// The controls of the menu, in building order.
const std::vector<Ctl>& menuLayout();

class App;

class Analise : public Form {
  Q_OBJECT
 public:
  explicit Analise(App& app);
  // The menu opens the work windows and ends the program: it knows the program itself.
  App& app() const { return app_; }

  void Form_Load();
  void geracao_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void ensaio1_Click();
  void ensaio2_Click();
  void Command4_Click();
  void Text2_Change();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  App& app_;
};

}  // namespace fv

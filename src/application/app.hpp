// The program: its edition, the main menu and the registry of work windows.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "application/pacer.hpp"
#include "core/edition.hpp"
#include "drawing/surface.hpp"
#include "forms/host.hpp"

class QTemporaryDir;
class QTranslator;

namespace fv {

class Form;
class InputHold;

class App : public QObject, public FormHost {
  Q_OBJECT
 public:
  using Factory = std::function<std::unique_ptr<Form>(FormHost&)>;

  explicit App(Edition edition);
  ~App() override;

  Edition edition() const override { return edition_; }

  // The main menu, made by start().
  using MenuFactory = std::function<std::unique_ptr<Form>(App&)>;
  void setMenu(MenuFactory factory) { menuFactory_ = std::move(factory); }
  // Creates and shows the main menu.
  void start();
  Form& menu();

  // Shows a work window in front, creating it on first use.
  // Returns nullptr for a window the program does not have.
  Form* show(const QString& name);
  // The window if it was created, else nullptr.
  Form* window(const QString& name) const;
  // Every window created so far, the menu first.
  std::vector<Form*> windows() const;
  // Shows the main menu in front.
  void showMenu() override;

  // Ends the program at once: every window closes, any running handler ends.
  void quit();
  bool quitting() const override { return quitting_; }
  // What quit() finally calls (tests replace it); by default it ends the event loop.
  std::function<void()> onQuit;

  // The pacer of the animations.
  Pacer& pacer() { return pacer_; }
  const Pacer& pacer() const { return pacer_; }
  // The surfaces the pacer's next frame shows.
  FrameList& frames() override { return frames_; }

  // The edition's text table, loaded once.
  QString text(const QString& key) const override { return texts_.value(key); }

  // A window's handlers, paced by the program's pacer.
  void beginHandler() override { pacer_.beginHandler(); }
  void endHandler() override { pacer_.endHandler(); }
  bool busy() const override { return pacer_.busy(); }
  void pause(std::int64_t counts) override { pacer_.pause(counts); }

  // The decimal separator of the user's locale (tests may set another).
  QChar decimalSeparator() const override;
  void setDecimalSeparator(QChar sep) { separator_ = sep; }
  // Today's date in the locale's short date form.
  static QString today();

  // The folder a picture was last saved into in this run (empty before the first).
  QString pictureFolder;

  // A work window's analysis window, which the program's root provides:
  // whether a window has one, and showing it (F2 in the window and an entry
  // of its pictures' menu). Both unset: no window has one.
  std::function<bool(const Form&)> hasAnalysis;
  std::function<void(Form&)> showAnalysis;
  bool analysable(const Form& f) const { return hasAnalysis && showAnalysis && hasAnalysis(f); }

  // The windows the program knows, by name.
  void registerWindow(const QString& name, Factory factory);
  bool knows(const QString& name) const { return factories_.count(name) > 0; }

 private:
  // Answers what a window of the program asks of it.
  void adopt(Form& form);

  Edition edition_;
  QHash<QString, QString> texts_;
  Pacer pacer_;
  FrameList frames_;
  QChar separator_;  // null: the locale's
  std::unique_ptr<InputHold> hold_;
  std::unique_ptr<Form> menu_;
  MenuFactory menuFactory_;
  std::map<QString, Factory> factories_;
  std::map<QString, std::unique_ptr<Form>> windows_;
  bool quitting_ = false;
};

// Qt's own texts (dialog buttons, the fields' edit menus, file dialogs) in
// the edition's language, whatever the desktop's locale; nullptr when Qt's
// translation is not installed, and Qt then speaks English.
std::unique_ptr<QTranslator> qtTranslation(Edition edition);

// With HOME unset Qt would put the user's cache and settings under "/"
// ("/.cache", "/.config"): those not set otherwise go to a private temporary
// folder instead, removed with the returned object. nullptr when HOME is set.
std::unique_ptr<QTemporaryDir> foldersWithoutHome();

// Sets up the application object (style, fonts) and runs an edition whose
// menu and windows `setUp` gives the program.
int runProgram(int argc, char** argv, Edition edition, const std::function<void(App&)>& setUp);

}  // namespace fv

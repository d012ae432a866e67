// Help: an explanation page for every window, in the edition's language,
// one key away. F1 in a window opens its page in the help window; the menu's
// page links to all the others. The pages are HTML kept in the program's
// resources (src/help/<language>/<page>.html).
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include "core/edition.hpp"

class QTextBrowser;

namespace fv {

class App;

// The help window: one per program, modeless, a browser over the pages. Its
// text zooms with Ctrl + wheel and with Ctrl +, Ctrl − (Ctrl 0 goes back to
// the normal size); Alt ← and its "back" button return to the page before,
// Esc closes it. It keeps nothing between runs.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(const App& app);

  // Shows the page of a window ("analise", "Senoide", ...) and brings the
  // help window to the front.
  void open(const QString& windowName);

  QTextBrowser& browser() const { return *browser_; }
  // Zoom steps away from the normal size (positive: larger).
  int zoomSteps() const { return zoom_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void zoom(int steps);

  const App& app_;
  QTextBrowser* browser_;
  int zoom_ = 0;
  int wheel_ = 0;  // wheel turns not yet making a whole notch
};

// The address of a window's page in the edition's language; a name that has
// no page of its own gives the menu's page.
QUrl helpPage(Edition edition, const QString& windowName);

// F1 pressed in any window of the program opens that window's page. Called
// once, when the program starts.
void installHelp(App& app);

// Opens the page of a window in the help window (F1 and the surfaces'
// context menu come here).
void showHelp(App& app, const QString& windowName);

// The program's help window; nullptr until a page was first opened.
HelpWindow* helpWindow(const App& app);

}  // namespace fv

// Helpers for the tests: an App with the pacer instant, and lookups.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <memory>

#include "app/windows.hpp"
#include "application/app.hpp"
#include "application/pacer.hpp"
#include "forms/form.hpp"

namespace fv::testing {

// A running program of one edition, in this process, with instant pacing.
// Quitting is recorded instead of ending the test program.
class Program {
 public:
  explicit Program(Edition e) : app(e), previous_(current()) {
    current() = this;
    app.pacer().setInstant(true);
    app.setDecimalSeparator(QChar('.'));
    app.onQuit = [this] { quitCalled = true; };
    registerWindows(app);
    app.start();
  }
  ~Program() { current() = previous_; }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The program made last and still alive.
  static Program*& current() {
    static Program* program = nullptr;
    return program;
  }

  // Opens a window as its menu button does.
  Form& open(const QString& name) {
    Form* f = app.show(name);
    if (!f) throw std::runtime_error("window not available: " + name.toStdString());
    return *f;
  }

  App app;
  bool quitCalled = false;

 private:
  Program* previous_;
};

// The pacer and the decimal separator of the program made last.
inline Pacer& pacer() { return Program::current()->app.pacer(); }
inline void setDecimalSeparator(QChar sep) { Program::current()->app.setDecimalSeparator(sep); }

// Clicks a button, option button or surface as the user would.
void click(Form& f, const QString& name);
// Types a text into a field as the user would (select all, then type).
void type(Form& f, const QString& name, const QString& text);
// Counts the points of a colour drawn on a surface.
int countPoints(const Surface& s, Color c);
// Counts all operations of one kind.
int countOps(const Surface& s, SurfaceOp::Kind kind);

}  // namespace fv::testing

// What a window needs of the program that shows it: the edition and its
// texts, the decimal separator, the pacing of its handlers and the way back
// to the menu. The program implements it, so that the forms stay below it.
#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

#include "core/edition.hpp"

namespace fv {

class FrameList;

class FormHost {
 public:
  virtual Edition edition() const = 0;
  // The decimal separator of the user's locale (tests may set another).
  virtual QChar decimalSeparator() const = 0;
  // The edition's text under a key of the text table; empty when it has none.
  virtual QString text(const QString& key) const = 0;
  // The surfaces that the next frame of an animation shows.
  virtual FrameList& frames() = 0;

  // The outermost handler begins and ends (the pacing starts from now, and
  // held input goes on at the end).
  virtual void beginHandler() = 0;
  virtual void endHandler() = 0;
  // A handler is running.
  virtual bool busy() const = 0;
  // Pauses an animation between two points; throws Cancelled when the program quits.
  virtual void pause(std::int64_t counts) = 0;
  // The program is ending: handlers just stop.
  virtual bool quitting() const = 0;

  // Shows the main menu in front.
  virtual void showMenu() = 0;

 protected:
  ~FormHost() = default;
};

}  // namespace fv

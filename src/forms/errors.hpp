// What a handler throws when it must stop. The form's handler runner catches
// all of these: the handler ends, what it drew stays, and the user is told why.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace fv {

// A field's text is not a number, or does not fit the 16-bit integer it is read into.
struct ConversionError {
  QPointer<QWidget> field;  // the field to highlight (may be null)
  QString text;             // the text that could not be read
  bool outOfRange = false;  // a number, but outside -32768..32767
};

// A value the handler cannot work with (an order of 0, say): the message says why.
struct InputRefused {
  QPointer<QWidget> field;
  QString message;  // already in the edition's language
};

// A result that is too large to compute or to write.
struct Overflow {};

// The program is quitting: the running handler unwinds.
struct Cancelled {};

}  // namespace fv

// Runs a window's handlers and tells the user why one stopped: a value that
// cannot be read or is refused highlights its field and shows a message in
// the window's message box (one box per window); what the handler drew stays.
#pragma once

#include <QPointer>
#include <QSet>
#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace fv {

class FormHost;
class TextField;

class Runner {
 public:
  // `window` owns the message box; `host` gives the texts, paces the handlers
  // and tells when the program is going (handlers then just end).
  Runner(QWidget& window, FormHost& host);

  // Runs a handler between the host's begin and end of a handler. A quiet run (a field's
  // change handler) only marks a field it cannot read, with the message as its
  // tooltip. `source` is the field whose change handler this is.
  void run(const std::function<void()>& handler, bool quiet = false, const TextField* source = nullptr);
  bool running() const { return depth_ > 0; }

  // The change handler of `field` could not read it: the value it keeps is stale.
  bool unreadable(const TextField* field) const { return unreadable_.contains(field); }

  // Highlights `field` (when given) and, unless quiet, shows the message.
  void report(const QString& message, const QWidget* field, bool quiet);

  QMessageBox* messageBox() const;  // while one is shown
  QString lastMessage() const { return lastMessage_; }
  void clearMessage() { lastMessage_.clear(); }

 private:
  void placeMessage(const QWidget* field);

  QWidget& window_;
  FormHost& host_;
  QSet<const TextField*> unreadable_;
  QPointer<QMessageBox> box_;
  QString lastMessage_;
  int depth_ = 0;
};

}  // namespace fv

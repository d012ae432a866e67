// A window of the program, built from a layout table in twips.
#pragma once

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/edition.hpp"
#include "drawing/color.hpp"
#include "drawing/fonts.hpp"
#include "drawing/pictures.hpp"
#include "drawing/surface.hpp"
#include "forms/controls.hpp"
#include "forms/host.hpp"
#include "forms/layout.hpp"
#include "forms/runner.hpp"

class QMessageBox;
class QShortcut;

namespace fv {

class Form : public QWidget {
  Q_OBJECT
 public:
  // `name` is the window's name (also its objectName and the prefix of its
  // texts); the size is the client area in twips.
  Form(FormHost& host, const QString& name, int widthTwips, int heightTwips, Color back);
  ~Form() override;

  // The program that shows the window.
  FormHost& host() const { return host_; }
  Edition edition() const { return edition_; }
  bool pt() const { return edition_ == Edition::PT; }
  bool es() const { return edition_ == Edition::ES; }
  QString name() const { return objectName(); }

  // Creates the controls of a table, in order (later ones lie on top).
  void build(const std::vector<Ctl>& table);
  // The caption comes from the text table under "<window>.caption".
  void setCaptionFromTexts();
  // Focus order; the first name gets the focus when the window opens.
  void setTabOrder(const QStringList& names);
  // Where the focus goes when the control holding it is hidden: the first of
  // these buttons that is shown (else the first button shown in tab order).
  void setFocusHome(const QStringList& buttons);

  // Adds a widget of the window's own making (a picture, say) as a control:
  // it is placed at `r` twips inside `parent` (null: the window) and zoomed
  // with the rest.
  void adopt(QWidget* widget, const QString& name, Rect r, const char* parent = nullptr, FontSpec font = {});

  // Controls by name.
  bool has(const QString& name) const { return controls_.contains(name); }
  QWidget& control(const QString& name) const;
  TextField& text(const QString& name) const;
  ScrollBar& scroll(const QString& name) const;
  Button& button(const QString& name) const;
  OptionButton& option(const QString& name) const;
  Frame& frame(const QString& name) const;
  Label& label(const QString& name) const;
  Surface& surface(const QString& name) const;

  // Handlers: each runs through run().
  void onClick(const QString& name, std::function<void()> handler);
  void onChange(const QString& name, std::function<void()> handler);

  // Runs a handler: a value that cannot be read stops it with a message and
  // the field highlighted; what it drew stays; quitting ends it cleanly.
  // A field's change handler runs quietly: while the user is still typing
  // ("-" on the way to "-5") a text that is not a number only marks the field,
  // with the message as its tooltip; the next handler that needs the value says so.
  // `source` is the field whose change handler this is: while that handler
  // cannot read its field, the value it keeps is stale (see useKept).
  void run(const std::function<void()>& handler, bool quiet = false, const TextField* source = nullptr);
  bool running() const { return runner_.running(); }

  // A click handler is about to use values kept by these fields' change
  // handlers: while one of the fields cannot be read, its kept value is
  // stale, and the handler stops as if it had read the field.
  void useKept(std::initializer_list<const char*> fields) const;

  // Reading fields. Each throws ConversionError naming the field.
  double num(const TextField& f) const;
  double num(const QString& field) const { return num(text(field)); }
  std::int16_t cint(const TextField& f) const;
  std::int16_t cint(const QString& field) const { return cint(text(field)); }
  // A double into 16 bits (half to even); out of range throws ConversionError
  // naming `field` when one is given.
  std::int16_t cint(double v, const QWidget* field = nullptr) const;

  // Writing numbers: with a pattern, or the general conversion. A result that
  // is not finite throws Overflow.
  QString fmt(double v, const char* pattern) const;
  // Writes fmt(v, pattern) into a field; an animation that writes a field
  // at every point pays for its text once a frame.
  void writeNumber(TextField& f, double v, const char* pattern) const;
  QString str(double v) const;

  // Stops the handler with a message (from the text table: tx("msg.<window>.<what>")),
  // highlighting `field` when one is given.
  [[noreturn]] void refuse(const QWidget* field, const QString& message) const;

  // Why a file could not be saved, in the edition's language.
  QString saveFailure(const SaveResult& r) const;

  // Reads a text as fields are read; nullopt when it is not a number.
  std::optional<double> parse(const QString& text) const;
  // Reads a field as num() does, without stopping anything; nullopt when it is not a number.
  std::optional<double> peek(const TextField& f) const;

  // Pauses an animation between two points (see Pacer).
  void pause(std::int64_t counts) const;

  // The edition's text for a key of the text table.
  QString tx(const QString& key) const;

  // Shows a message in the window's message box (one box per window).
  void showMessage(const QString& message) { runner_.report(message, nullptr, false); }

  // The last message shown to the user (empty when none since clearMessage).
  QString lastMessage() const { return runner_.lastMessage(); }
  void clearMessage() { runner_.clearMessage(); }
  // The message box, while one is shown.
  QMessageBox* messageBox() const;

  // Full screen (F11) and back (F11 or Esc).
  void setFullScreen(bool on);

  double zoom() const { return zoom_; }
  QSize initialSize() const { return initial_; }

 signals:
  // A right click on a surface asks for its pictures' menu, at `at` in the
  // surface (the program answers).
  void pictureMenuRequested(fv::Surface* surface, const QPoint& at);
  // The outermost handler of the window ended (whether it went through or stopped).
  void handlerEnded();

 protected:
  void resizeEvent(QResizeEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void showEvent(QShowEvent*) override;

 private:
  struct Placed {
    QWidget* widget;
    Rect r;
    FontSpec font;
  };
  void place(const Placed& p);
  void focusLost(QWidget* old, QWidget* now);
  char separator() const;  // the decimal separator as the number text takes it
  QWidget* widgetFor(const Ctl& c, QWidget* parent);

  FormHost& host_;
  Edition edition_;
  QSize initial_;
  double zoom_ = 1.0;
  QHash<QString, QWidget*> controls_;
  std::vector<Placed> placed_;
  QStringList tabOrder_;
  QStringList focusHome_;
  QShortcut* escape_ = nullptr;
  Runner runner_;
};

}  // namespace fv

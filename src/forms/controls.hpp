// The controls of the windows: thin wrappers over Qt widgets with the
// behaviour the windows rely on.
#pragma once

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <optional>

#include "drawing/palette.hpp"
#include "drawing/picturetext.hpp"
#include "forms/align.hpp"

class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

namespace fv {

// Sets the background and text colours of a widget through its palette.
void setColors(QWidget* w, std::optional<Color> back, std::optional<Color> fore);

// A text field, single or multi-line. `changed` is emitted on every real
// change of the text, by the user or by the program, and never when the same
// text is written again.
class TextField : public QWidget, public PictureText {
  Q_OBJECT
 public:
  explicit TextField(bool multiline, QWidget* parent = nullptr);

  QString text() const;
  void setText(const QString& text);  // a write by the program
  // A number written by the program with a pattern (valid, value finite).
  // When nothing listens to the field's changes, the text is made only when
  // it is read or shown: once a frame, however often an animation writes it.
  void setNumber(double value, const char* pattern, char sep);
  // True when the text was last written by the program (not typed).
  bool programWritten() const { return programWritten_; }

  void setBackColor(Color c);
  Color backColor() const { return back_; }
  void setForeColor(Color c);
  Color foreColor() const { return fore_; }
  bool standsOn(const QColor& ground) const override { return toQColor(back_) == ground; }
  void setAlignment(Align a);
  // The font of the field; a text whose lines are wider than the field is
  // shown in a narrowed cut of it.
  void setBaseFont(const QFont& font);
  // Pixels available to a line of the field's text.
  int textRoom() const;
  void setBorder(bool border);
  bool multiline() const { return plain_ != nullptr; }

  // Marks the field as holding a value that could not be read (and, when
  // asked, selects it for correction); the mark goes at the field's next change.
  void setHighlighted(bool on, bool takeFocus = true);
  bool highlighted() const { return highlighted_; }

  QWidget* editor() const;
  QLineEdit* lineEdit() const { return line_; }
  QPlainTextEdit* plainEdit() const { return plain_; }

 signals:
  void changed();

 protected:
  bool event(QEvent* e) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  void editorChanged(bool byProgram);
  void syncEditor();
  // The editor shows text_ when the event loop next runs.
  void showLater();
  void fit();
  static QEvent::Type syncEvent();
  void applyColors();

  // Makes the text of a number written with setNumber.
  void resolve();

  QLineEdit* line_ = nullptr;
  QPlainTextEdit* plain_ = nullptr;
  QString text_;
  struct Number {
    double value;
    const char* pattern;
    char sep;
  };
  std::optional<Number> number_;  // written, its text not made yet
  bool programWritten_ = true;
  bool writing_ = false;
  bool stale_ = false;  // the editor does not show text_ yet
  bool syncPosted_ = false;
  bool highlighted_ = false;
  Color back_ = pal::white;
  Color fore_ = pal::black;
  QFont base_;
  bool hasBase_ = false;
};

// A scroll bar whose integer value runs from Min to Max; when Min > Max the
// bar runs backwards (Min at the top or left).
class ScrollBar : public QWidget {
  Q_OBJECT
 public:
  explicit ScrollBar(Qt::Orientation o, QWidget* parent = nullptr);

  void setRange(int min, int max);
  int min() const { return min_; }
  int max() const { return max_; }
  int value() const;
  void setValue(int v);  // clamped to the range; `changed` when it moves
  void setSteps(int small, int large);
  // A bar whose change runs an animation does not follow the thumb: a drag
  // raises one change, when the thumb is released.
  void setTracking(bool tracking);
  // While this says so (a handler runs), an arrow held down waits to step.
  void setWait(std::function<bool()> wait) { wait_ = std::move(wait); }
  QScrollBar* bar() const { return bar_; }

 signals:
  void changed();

 protected:
  void resizeEvent(QResizeEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool backwards() const { return min_ > max_; }
  QScrollBar* bar_;
  int min_ = 0, max_ = 32767;
  std::function<bool()> wait_;
};

class Button : public QPushButton {
  Q_OBJECT
 public:
  explicit Button(QWidget* parent = nullptr);
  // Shows the caption in `font`: on one line when it fits, else broken at
  // the blank nearest its middle when the button is tall enough for two
  // lines, narrowed as far as needed either way.
  void fitCaption(const QFont& font);
  void setBackColor(Color c);
  void setForeColor(Color c);

 protected:
  // A solid face in the button's colour with a raised bevel, sunken while pressed.
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
};

class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit OptionButton(QWidget* parent = nullptr);
  bool value() const { return isChecked(); }
  // Setting true selects it (and runs its click handler, as a click would).
  void setValue(bool v);
  void setBackColor(Color c);
  void setForeColor(Color c);
 signals:
  void selected();
};

class Frame : public QGroupBox {
  Q_OBJECT
 public:
  explicit Frame(QWidget* parent = nullptr);
  void setBackColor(Color c);
  void setForeColor(Color c);
};

class Label : public QLabel, public PictureText {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent = nullptr);
  bool standsOn(const QColor& ground) const override {
    return !autoFillBackground() || palette().color(QPalette::Window) == ground;
  }
  void setBackColor(Color c);
  void setForeColor(Color c);
  void setAlign(Align a);
  void setBorder(bool border);
};

}  // namespace fv

#include "forms/controls.hpp"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>

#include "core/numtext.hpp"
#include "drawing/fonts.hpp"

namespace fv {

namespace {

Qt::Alignment qtAlign(Align a) {
  switch (a) {
    case Align::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Center:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}
}  // namespace

void setColors(QWidget* w, std::optional<Color> back, std::optional<Color> fore) {
  QPalette pal = w->palette();
  if (back) {
    const QColor b = toQColor(*back);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
      for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) pal.setColor(group, role, b);
    w->setAutoFillBackground(true);
  }
  if (fore) {
    const QColor f = toQColor(*fore);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      for (auto group : {QPalette::Active, QPalette::Inactive}) pal.setColor(group, role, f);
  }
  w->setPalette(pal);
}

// ---- TextField

TextField::TextField(bool multiline, QWidget* parent) : QWidget(parent) {
  if (multiline) {
    plain_ = new QPlainTextEdit(this);
    plain_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    plain_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    plain_->document()->setDocumentMargin(1);
    connect(plain_, &QPlainTextEdit::textChanged, this, [this] { editorChanged(writing_); });
    setFocusProxy(plain_);
  } else {
    line_ = new QLineEdit(this);
    line_->setTextMargins(1, 0, 1, 0);
    connect(line_, &QLineEdit::textChanged, this, [this] { editorChanged(writing_); });
    setFocusProxy(line_);
  }
  setFocusPolicy(Qt::StrongFocus);
  applyColors();
}

QWidget* TextField::editor() const { return line_ ? static_cast<QWidget*>(line_) : static_cast<QWidget*>(plain_); }

void TextField::resizeEvent(QResizeEvent*) {
  editor()->setGeometry(rect());
  fit();
}

void TextField::setBaseFont(const QFont& font) {
  base_ = font;
  hasBase_ = true;
  setFont(font);
  fit();
}

int TextField::textRoom() const {
  if (plain_) {
    // The lines are laid out across the viewport less the document's margins.
    const int margins = int(2 * plain_->document()->documentMargin() + 0.5);
    return width() - 2 * plain_->frameWidth() - margins;
  }
  QStyleOptionFrame opt;
  opt.initFrom(line_);
  opt.rect = QRect(QPoint(0, 0), size());
  opt.lineWidth = line_->hasFrame() ? line_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, line_) : 0;
  const QRect cr = line_->style()->subElementRect(QStyle::SE_LineEditContents, &opt, line_);
  const QMargins m = line_->textMargins();
  return cr.width() - m.left() - m.right() - 4;  // QLineEdit keeps 2 pixels each side
}

void TextField::fit() {
  if (!hasBase_) return;
  if (number_) resolve();
  const QFont f = fitFont(base_, QString(text_).remove(QLatin1Char('\r')), textRoom());
  if (editor()->font() != f) editor()->setFont(f);
}

QString TextField::text() const {
  if (number_) const_cast<TextField*>(this)->resolve();
  return text_;
}

void TextField::setNumber(double value, const char* pattern, char sep) {
  if (isSignalConnected(QMetaMethod::fromSignal(&TextField::changed))) {
    const auto t = numtext::format(value, pattern, sep);
    setText(t ? QString::fromStdString(*t) : QString());
    return;
  }
  number_ = Number{value, pattern, sep};
  programWritten_ = true;
  showLater();
}

void TextField::resolve() {
  const Number n = *number_;
  number_.reset();
  const auto t = numtext::format(n.value, n.pattern, n.sep);
  const QString now = t ? QString::fromStdString(*t) : QString();
  if (now == text_) return;
  text_ = now;
  if (highlighted_) setHighlighted(false);
}

void TextField::setText(const QString& text) {
  number_.reset();
  QString t = text;
  if (plain_) {
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  }
  programWritten_ = true;
  if (t == text_) return;
  text_ = t;
  if (highlighted_) setHighlighted(false);
  // The editor shows the new text when the event loop next runs: a handler
  // that writes a field at every point of an animation pays for one redraw
  // of it a frame, not one a point.
  showLater();
  emit changed();
}

void TextField::showLater() {
  stale_ = true;
  if (!syncPosted_) {
    syncPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(syncEvent()));
  }
}

// A number of its own, given by Qt, so that no other event is taken for it.
QEvent::Type TextField::syncEvent() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}

bool TextField::event(QEvent* e) {
  if (e->type() == syncEvent()) {
    syncPosted_ = false;
    syncEditor();
    return true;
  }
  return QWidget::event(e);
}

void TextField::syncEditor() {
  if (number_) resolve();
  if (!stale_) return;
  stale_ = false;
  writing_ = true;
  if (line_) {
    line_->setText(text_);
    // Show the start of what the program wrote: a number too long for its
    // box loses its last digits from view, not its first.
    line_->setCursorPosition(0);
  } else {
    QString shown = text_;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain_->setPlainText(shown);
    plain_->moveCursor(QTextCursor::Start);  // show the first lines
  }
  writing_ = false;
  fit();
}

void TextField::editorChanged(bool byProgram) {
  if (byProgram) return;  // the editor catching up with text_
  number_.reset();        // what the user typed replaces it
  QString now = line_ ? line_->text() : plain_->toPlainText();
  if (plain_) now.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  stale_ = false;  // what the user typed is the latest text
  if (now == text_) return;
  text_ = now;
  programWritten_ = false;
  if (highlighted_) setHighlighted(false);
  emit changed();
}

void TextField::setBackColor(Color c) {
  back_ = c;
  applyColors();
}
void TextField::setForeColor(Color c) {
  fore_ = c;
  applyColors();
}
// A field that cannot be read turns blush until it is corrected.
void TextField::applyColors() { setColors(editor(), highlighted_ ? pal::blush : back_, fore_); }

void TextField::setAlignment(Align a) {
  if (line_) {
    line_->setAlignment(qtAlign(a));
  } else {
    QTextOption opt = plain_->document()->defaultTextOption();
    opt.setAlignment(qtAlign(a) & Qt::AlignHorizontal_Mask);
    plain_->document()->setDefaultTextOption(opt);
  }
}

void TextField::setBorder(bool border) {
  if (line_) {
    line_->setFrame(border);
    // A borderless field is a label: its text may use the whole box.
    line_->setTextMargins(border ? 1 : 0, 0, border ? 1 : 0, 0);
  } else
    plain_->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TextField::setHighlighted(bool on, bool takeFocus) {
  highlighted_ = on;
  applyColors();
  if (!on) setToolTip(QString());
  if (on && takeFocus) {
    editor()->setFocus(Qt::OtherFocusReason);
    if (line_)
      line_->selectAll();
    else
      plain_->selectAll();
  }
}

// ---- ScrollBar

ScrollBar::ScrollBar(Qt::Orientation o, QWidget* parent) : QWidget(parent), bar_(new QScrollBar(o, this)) {
  bar_->setRange(0, 32767);
  connect(bar_, &QScrollBar::valueChanged, this, [this] { emit changed(); });
  setFocusProxy(bar_);
  setFocusPolicy(Qt::StrongFocus);
  bar_->setFocusPolicy(Qt::StrongFocus);
  bar_->installEventFilter(this);
}

void ScrollBar::setTracking(bool tracking) { bar_->setTracking(tracking); }

bool ScrollBar::eventFilter(QObject* watched, QEvent* event) {
  // An arrow held down steps on a timer; while a handler runs the steps
  // wait, so that runs never overlap. The next step comes after the run.
  if (watched == bar_ && event->type() == QEvent::Timer && wait_ && wait_()) return true;
  // Qt's scroll bars invert their controls, which on a horizontal bar sends
  // the thumb right on Left: here the thumb follows the arrow key.
  if (watched == bar_ && event->type() == QEvent::KeyPress && bar_->orientation() == Qt::Horizontal) {
    const auto* k = static_cast<QKeyEvent*>(event);
    if ((k->key() == Qt::Key_Left || k->key() == Qt::Key_Right) && k->modifiers() == Qt::NoModifier) {
      bar_->triggerAction(k->key() == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                   : QAbstractSlider::SliderSingleStepAdd);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ScrollBar::resizeEvent(QResizeEvent*) { bar_->setGeometry(rect()); }

void ScrollBar::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  const QSignalBlocker block(bar_);
  if (backwards())
    bar_->setRange(-min, -max);
  else
    bar_->setRange(min, max);
}

int ScrollBar::value() const { return backwards() ? -bar_->value() : bar_->value(); }

void ScrollBar::setValue(int v) { bar_->setValue(backwards() ? -v : v); }

void ScrollBar::setSteps(int small, int large) {
  bar_->setSingleStep(small);
  bar_->setPageStep(large);
}

// ---- Button, OptionButton, Frame, Label

Button::Button(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

void Button::fitCaption(const QFont& font) {
  QString caption = text();
  caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
  const int room = width() - 6;
  const QFontMetrics fm(font);
  qsizetype blank = -1;
  if (fm.horizontalAdvance(caption) > room && 2 * fm.height() <= height()) {
    for (qsizetype i = 0; i < caption.size(); ++i)
      if (caption[i] == QLatin1Char(' ') &&
          (blank < 0 || std::abs(2 * i - caption.size()) < std::abs(2 * blank - caption.size())))
        blank = i;
  }
  if (blank >= 0) caption[blank] = QLatin1Char('\n');
  if (caption != text()) setText(caption);
  setFont(fitFont(font, caption, room));
}
void Button::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  const QColor face = palette().color(QPalette::Button);
  const QColor shadow = face.darker(150);
  p.fillRect(rect(), face);
  const bool down = isDown();
  if (down) {
    p.setPen(Qt::black);
    p.drawRect(r);
    p.setPen(shadow);
    p.drawRect(r.adjusted(1, 1, -1, -1));
  } else {
    p.setPen(Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::black);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(shadow);
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
  }
  QRect textBox = rect().adjusted(3, 3, -3, -3);
  if (down) textBox.translate(1, 1);
  p.setFont(font());
  p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : shadow);
  p.drawText(textBox, Qt::AlignCenter, text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(4, 4, -4, -4);
    // The focus is always shown, not only after a Tab: a keyboard user must
    // see from the start which button Enter or Space will press.
    focus.state |= QStyle::State_KeyboardFocusChange;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
  }
}

void Button::keyPressEvent(QKeyEvent* e) {
  // Enter presses the focused button as Space does.
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
      (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (!e->isAutoRepeat()) click();
    return;
  }
  QPushButton::keyPressEvent(e);
}

void Button::setBackColor(Color c) { setColors(this, c, std::nullopt); }
void Button::setForeColor(Color c) { setColors(this, std::nullopt, c); }

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
  connect(this, &QRadioButton::clicked, this, [this] { emit selected(); });
}
void OptionButton::setValue(bool v) {
  if (v == isChecked()) return;
  setChecked(v);
  if (v) emit selected();
}
void OptionButton::setBackColor(Color c) { setColors(this, c, std::nullopt); }
void OptionButton::setForeColor(Color c) { setColors(this, std::nullopt, c); }

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}
void Frame::setBackColor(Color c) { setColors(this, c, std::nullopt); }
void Frame::setForeColor(Color c) { setColors(this, std::nullopt, c); }

Label::Label(QWidget* parent) : QLabel(parent) { setAlign(Align::Left); }
void Label::setBackColor(Color c) { setColors(this, c, std::nullopt); }
void Label::setForeColor(Color c) { setColors(this, std::nullopt, c); }
void Label::setAlign(Align a) { setAlignment((qtAlign(a) & Qt::AlignHorizontal_Mask) | Qt::AlignTop); }
void Label::setBorder(bool border) { setFrameShape(border ? QFrame::Box : QFrame::NoFrame); }

}  // namespace fv

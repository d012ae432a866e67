#include "application/input.hpp"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

#include "application/pacer.hpp"
#include "drawing/surface.hpp"

namespace fv {

namespace {

bool isMouse(QEvent::Type t) {
  return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick ||
         t == QEvent::MouseMove;
}

// Qt makes the second press of a double click a double-click event.
bool isPress(QEvent::Type t) { return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick; }

bool isInput(QEvent::Type t) {
  return isMouse(t) || t == QEvent::Wheel || t == QEvent::KeyPress || t == QEvent::KeyRelease ||
         t == QEvent::ContextMenu || t == QEvent::Close;
}

bool buttonsUp(QEvent* e) { return static_cast<QMouseEvent*>(e)->buttons() == Qt::NoButton; }

bool onThumb(const QScrollBar* bar, QPoint p) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.subControls = QStyle::SC_All;
  opt.orientation = bar->orientation();
  if (bar->orientation() == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  opt.singleStep = bar->singleStep();
  opt.pageStep = bar->pageStep();
  opt.upsideDown = bar->invertedAppearance();
  return bar->style()->hitTestComplexControl(QStyle::CC_ScrollBar, &opt, p, bar) == QStyle::SC_ScrollBarSlider;
}

// A press that runs its control's handler as it stands: a click on a button,
// an option button or a picture, Space or Enter on a focused button, a
// scroll bar's arrow or paging click or wheel turn. A second one made while
// that handler runs or waits asks for nothing new. A drag of the thumb sets a
// value and is kept.
bool runsHandler(QWidget* w, QEvent* e) {
  const QEvent::Type t = e->type();
  if (isPress(t)) {
    const auto* m = static_cast<QMouseEvent*>(e);
    if (m->button() != Qt::LeftButton) return false;
    if (qobject_cast<QAbstractButton*>(w)) return true;
    if (auto* s = qobject_cast<Surface*>(w)) return bool(s->onClick);
    if (auto* bar = qobject_cast<QScrollBar*>(w)) return !onThumb(bar, m->position().toPoint());
    return false;
  }
  if (t == QEvent::Wheel) return qobject_cast<QScrollBar*>(w) != nullptr;
  if (t == QEvent::KeyPress && qobject_cast<QAbstractButton*>(w)) {
    const int k = static_cast<QKeyEvent*>(e)->key();
    return k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
  }
  return false;
}

// What Esc drops: whatever waits for a control that animates. Typed values,
// the focus moving on and close requests stay.
bool animates(const QWidget* w, const QEvent* e) {
  if (!w) return true;
  if (e && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
    const int k = static_cast<const QKeyEvent*>(e)->key();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab) return false;
  }
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QScrollBar*>(w) ||
         qobject_cast<const Surface*>(w);
}

}  // namespace

InputHold::InputHold(Pacer& pacer) : pacer_(pacer) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() = default;

void InputHold::watch(QWidget* window, std::function<bool()> running) {
  windows_.insert(window, std::move(running));
  connect(window, &QObject::destroyed, this, [this, window] { windows_.remove(window); });
}

void InputHold::clear() {
  queue_.clear();
  gesture_ = {};
  droppedKey_ = {};
}

// While anything waits, later input waits behind it, so that order is kept.
bool InputHold::holding() const { return pacer_.busy() || replaying_ || !queue_.empty(); }

bool InputHold::running(const QWidget* w) const { return pacer_.busy() && source_ == w; }

bool InputHold::waiting(const QWidget* w) const {
  return std::any_of(queue_.begin(), queue_.end(), [w](const Held& h) { return h.runs && h.target == w; });
}

bool InputHold::eventFilter(QObject* watched, QEvent* e) {
  const QEvent::Type type = e->type();
  // The window system's own events only; what the program sends, and what
  // is delivered from here, passes.
  // In full screen Esc is also a window shortcut; while input is held the key
  // press must reach the hold instead, which drops what waits as well.
  if (type == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && holding() &&
      watched->isWidgetType() && windows_.contains(static_cast<QWidget*>(watched)->window())) {
    e->accept();
    return true;
  }
  if (!isInput(type) || !e->spontaneous() || !watched->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(watched);
  // Only the program's windows wait for a handler; the help and message
  // windows stay usable while an animation runs.
  const auto window = windows_.constFind(w->window());
  if (window == windows_.constEnd()) return false;
  if (type == QEvent::MouseMove && buttonsUp(e)) return false;
  if (type == QEvent::Close) {
    // Closing never waits: what waited for the window goes, and its own
    // animation finishes at once (the menu's close ends the program).
    if (w->isWindow() && holding()) closing(window.key(), window.value());
    return false;
  }
  // The exit button answers at once too: quitting cancels the running handler.
  if (w->property(kQuits).toBool()) return false;

  // The rest of a mouse gesture goes where its press went.
  if (isMouse(type) && gesture_.open && gesture_.target == w) {
    if (type == QEvent::MouseButtonRelease && buttonsUp(e)) gesture_.open = false;
    if (gesture_.fate == Fate::Hold) gesture_.last = hold(w, e, false);
    return gesture_.fate != Fate::Pass;
  }
  if (!holding()) {
    if (isPress(type)) gesture_ = {w, Fate::Pass, true};
    if (isPress(type) || type == QEvent::Wheel ||
        (type == QEvent::KeyPress && !static_cast<QKeyEvent*>(e)->isAutoRepeat()))
      source_ = w;
    return false;
  }

  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) return holdKey(w, static_cast<QKeyEvent*>(e));

  // A click on a spot that held no enabled, visible control does nothing.
  const bool dead = !w->isVisible() || !w->isEnabled();
  const bool runs = !dead && runsHandler(w, e);
  const bool drop = dead || (runs && (running(w) || waiting(w)));
  const QEvent* held = drop ? nullptr : hold(w, e, runs);
  if (isPress(type)) gesture_ = {w, drop ? Fate::Drop : Fate::Hold, true, held};
  return true;
}

bool InputHold::holdKey(QWidget* w, QKeyEvent* k) {
  const bool press = k->type() == QEvent::KeyPress;
  if (press && k->key() == Qt::Key_Escape) {
    escape();
    return true;
  }
  if (!w->isVisible() || !w->isEnabled()) return true;
  if (k->isAutoRepeat()) {
    // A held key queues one step at a time; its repeated releases, and the
    // repeats on a button (which only keep it down), do nothing.
    const bool queued = std::any_of(queue_.begin(), queue_.end(), [&](const Held& h) {
      const auto* q = static_cast<const QKeyEvent*>(h.event.get());
      return h.target == w && q->type() == QEvent::KeyPress && q->isAutoRepeat() && q->key() == k->key();
    });
    if (press && !queued && !qobject_cast<QAbstractButton*>(w)) hold(w, k, false);
    return true;
  }
  if (press && runsHandler(w, k) && (running(w) || waiting(w))) {
    droppedKey_ = {w, k->key()};  // and its release
    return true;
  }
  if (!press && droppedKey_.target == w && droppedKey_.key == k->key()) {
    droppedKey_ = {};
    return true;
  }
  hold(w, k, press && runsHandler(w, k));
  return true;
}

const QEvent* InputHold::hold(QWidget* w, QEvent* e, bool runs) {
  queue_.push_back({w, std::unique_ptr<QEvent>(e->clone()), runs});
  return queue_.back().event.get();
}

void InputHold::escape() {
  if (pacer_.busy()) pacer_.finishNow();
  std::erase_if(queue_, [](const Held& h) { return animates(h.target, h.event.get()); });
  if (gesture_.open && gesture_.fate == Fate::Hold && animates(gesture_.target, nullptr)) gesture_.fate = Fate::Drop;
}

void InputHold::closing(const QWidget* window, const std::function<bool()>& running) {
  std::erase_if(queue_, [window](const Held& h) { return !h.target || h.target->window() == window; });
  if (gesture_.open && gesture_.fate == Fate::Hold && gesture_.target && gesture_.target->window() == window)
    gesture_.fate = Fate::Drop;
  if (running()) pacer_.finishNow();
}

void InputHold::handlerEnded() {
  if (queue_.empty() || replayPosted_ || replaying_) return;
  replayPosted_ = true;
  QMetaObject::invokeMethod(this, &InputHold::replay, Qt::QueuedConnection);
}

void InputHold::replay() {
  replayPosted_ = false;
  if (replaying_) return;
  replaying_ = true;
  // Each delivery runs its handler to the end; input made meanwhile joins
  // the end of the queue.
  while (!queue_.empty() && !pacer_.busy()) {
    Held h = std::move(queue_.front());
    queue_.pop_front();
    deliver(h);
  }
  replaying_ = false;
}

void InputHold::deliver(Held& h) {
  // Once the last held part of a gesture still going on is delivered, the
  // rest goes on at once, so that its release stops a scroll bar's arrow.
  if (gesture_.open && gesture_.fate == Fate::Hold && gesture_.last == h.event.get()) gesture_.fate = Fate::Pass;
  QWidget* w = h.target;
  // The control may have gone since (hidden by the run, say).
  if (!w || !w->isVisible() || !w->isEnabled()) return;
  const QEvent::Type type = h.event->type();
  if (isPress(type) || type == QEvent::Wheel || type == QEvent::KeyPress) source_ = w;
  QCoreApplication::sendEvent(w, h.event.get());
}

}  // namespace fv

#include "shell/input.hpp"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/form.hpp"
#include "shell/pacer.hpp"

namespace fv {

namespace {

bool isMouse(QEvent::Type t) {
  return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick ||
         t == QEvent::MouseMove;
}

bool isInput(QEvent::Type t) {
  return isMouse(t) || t == QEvent::Wheel || t == QEvent::KeyPress || t == QEvent::KeyRelease ||
         t == QEvent::ContextMenu || t == QEvent::Close;
}

bool buttonsUp(QEvent* e) { return static_cast<QMouseEvent*>(e)->buttons() == Qt::NoButton; }

}  // namespace

InputHold::InputHold(const Pacer& pacer) : pacer_(pacer) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() = default;

void InputHold::clear() { queue_.clear(); }

// While anything waits, later input waits behind it, so that order is kept.
bool InputHold::holding() const { return pacer_.busy() || replaying_ || !queue_.empty(); }

bool InputHold::eventFilter(QObject* watched, QEvent* e) {
  const QEvent::Type type = e->type();
  // The window system's own events only; what the program sends, and what
  // is delivered from here, passes.
  if (!isInput(type) || !e->spontaneous() || !watched->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(watched);
  // Only the program's windows wait for a handler; the help and message
  // windows stay usable while an animation runs.
  if (!qobject_cast<Form*>(w->window())) return false;
  if (type == QEvent::MouseMove && buttonsUp(e)) return false;  // hovering changes nothing
  if (type == QEvent::Close && !w->isWindow()) return false;

  // A press delivered before the run: its moves and its release go on at
  // once (a held arrow stops repeating as soon as it is released).
  if (isMouse(type) && type != QEvent::MouseButtonPress && grab_ == w) {
    if (type == QEvent::MouseButtonRelease && buttonsUp(e)) grab_ = nullptr;
    return false;
  }
  if (!holding()) {
    if (type == QEvent::MouseButtonPress)
      grab_ = w;
    else if (type == QEvent::MouseButtonRelease && buttonsUp(e))
      grab_ = nullptr;
    return false;
  }

  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && pacer_.busy() && onEscape) {
    onEscape();
    return true;
  }
  // A click on a spot that held no enabled, visible control does nothing.
  if (type != QEvent::Close && (!w->isVisible() || !w->isEnabled())) return true;
  queue_.push_back({w, std::unique_ptr<QEvent>(e->clone())});
  return true;
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
  QWidget* w = h.target;
  if (!w) return;
  const QEvent::Type type = h.event->type();
  if (type == QEvent::Close) {
    if (w->isVisible()) w->close();
    return;
  }
  // The control may have gone since (hidden by the run, say).
  if (!w->isVisible() || !w->isEnabled()) return;
  if (type == QEvent::MouseButtonPress) grab_ = w;
  QCoreApplication::sendEvent(w, h.event.get());
  if (type == QEvent::MouseButtonRelease && grab_ == w && buttonsUp(h.event.get())) grab_ = nullptr;
}

}  // namespace fv

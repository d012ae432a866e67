// Input made while an animation runs. Clicks, keys, wheel turns and close
// requests made meanwhile are held, each with the widget it was meant for at
// the moment it was made (the control under the pointer, or the one with the
// focus), and delivered to that widget, in order, once the animation is over.
// A gesture begun before the animation (an arrow of a scroll bar held down)
// goes on at once, so that its release is seen when it happens.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

class QEvent;

namespace fv {

class Pacer;

class InputHold : public QObject {
  Q_OBJECT
 public:
  // Watches every event of the application while it lives; holds input
  // while `pacer` runs a handler.
  explicit InputHold(const Pacer& pacer);
  ~InputHold() override;

  // Called by the pacer when the outermost handler ends: what was held is
  // delivered when the event loop next runs.
  void handlerEnded();
  // Forgets what was held (the program is quitting).
  void clear();
  // Inputs waiting to be delivered.
  std::size_t held() const { return queue_.size(); }

  // Called when Esc is pressed while an animation runs; the key itself is not held.
  std::function<void()> onEscape;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Held {
    QPointer<QWidget> target;
    std::unique_ptr<QEvent> event;
  };
  bool holding() const;
  void replay();
  void deliver(Held& h);

  const Pacer& pacer_;
  std::deque<Held> queue_;
  QPointer<QWidget> grab_;  // the widget of a mouse press delivered before a run
  bool replaying_ = false;
  bool replayPosted_ = false;
};

}  // namespace fv

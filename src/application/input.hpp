// Input made while an animation runs. Clicks, keys, wheel turns and
// context-menu requests made meanwhile are held, each with the widget it was
// meant for at the moment it was made (the control under the pointer, or the
// one with the focus), and delivered to that widget, in order, once the
// animation is over. A gesture begun before the animation (an arrow of a
// scroll bar held down) goes on at once, so that its release is seen when it
// happens.
//
// What is held stays bounded, as a user expects: a press on a control whose
// handler runs or already waits is dropped (with the rest of its gesture); a
// held key's repeats queue one step at a time; Esc finishes the running
// animation and drops the animations waiting; closing a window or quitting
// never waits.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

class QEvent;
class QKeyEvent;

namespace fv {

class Pacer;

class InputHold : public QObject {
  Q_OBJECT
 public:
  // A control with this property set ends the program: its input is never
  // held (quitting cancels the running handler).
  static constexpr const char* kQuits = "fvQuits";

  // Watches every event of the application while it lives; holds input
  // while `pacer` runs a handler, and finishes it on Esc.
  explicit InputHold(Pacer& pacer);
  ~InputHold() override;

  // A window of the program: its input waits while a handler runs, and
  // `running` tells whether the handler running is one of its own. Input to
  // other windows (help, messages) is never held.
  void watch(QWidget* window, std::function<bool()> running);

  // Called by the pacer when the outermost handler ends: what was held is
  // delivered when the event loop next runs.
  void handlerEnded();
  // Forgets what was held (the program is quitting).
  void clear();
  // Inputs waiting to be delivered.
  std::size_t held() const { return queue_.size(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Held {
    QPointer<QWidget> target;
    std::unique_ptr<QEvent> event;
    bool runs;  // a press that runs its control's handler
  };
  // What becomes of a mouse gesture's moves and release: they follow its press.
  enum class Fate { Pass, Hold, Drop };
  struct Gesture {
    QPointer<QWidget> target;
    Fate fate = Fate::Pass;
    bool open = false;             // a button is still down
    const QEvent* last = nullptr;  // the last of its events held
  };
  struct DroppedKey {
    QPointer<QWidget> target;
    int key = 0;
  };

  bool holding() const;
  bool running(const QWidget* w) const;
  bool waiting(const QWidget* w) const;
  bool holdKey(QWidget* w, QKeyEvent* k);
  const QEvent* hold(QWidget* w, QEvent* e, bool runs);
  void escape();
  void closing(const QWidget* window, const std::function<bool()>& running);
  void replay();
  void deliver(Held& h);

  Pacer& pacer_;
  QHash<const QWidget*, std::function<bool()>> windows_;  // watched, with their `running`
  std::deque<Held> queue_;
  Gesture gesture_;
  DroppedKey droppedKey_;     // a button's Space whose press was dropped
  QPointer<QWidget> source_;  // the control whose press ran the handler that runs
  bool replaying_ = false;
  bool replayPosted_ = false;
};

}  // namespace fv

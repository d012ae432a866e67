#include "forms/runner.hpp"

#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "forms/controls.hpp"
#include "forms/errors.hpp"
#include "forms/host.hpp"

namespace fv {

namespace {

// Ends a handler's pacing however the handler ends.
struct HandlerScope {
  FormHost& host;
  int& depth;
  HandlerScope(FormHost& h, int& d) : host(h), depth(d) {
    ++depth;
    host.beginHandler();
  }
  ~HandlerScope() {
    host.endHandler();
    --depth;
  }
};

}  // namespace

Runner::Runner(QWidget& window, FormHost& host) : window_(window), host_(host) {}

void Runner::run(const std::function<void()>& handler, bool quiet, const TextField* source) {
  if (host_.quitting()) return;
  HandlerScope scope(host_, depth_);
  try {
    handler();
    if (source) unreadable_.remove(source);
    // A run that went through makes an earlier message stale.
    if (!quiet && box_) box_->hide();
  } catch (const ConversionError& e) {
    if (source && e.field == source) unreadable_.insert(source);
    QString msg;
    if (e.outOfRange)
      msg = host_.text(QStringLiteral("msg.outOfRange")).arg(e.text);
    else if (e.text.trimmed().isEmpty())
      msg = host_.text(QStringLiteral("msg.emptyField"));
    else
      msg = host_.text(QStringLiteral("msg.notNumber"))
                .arg(e.text.left(40) + (e.text.size() > 40 ? QStringLiteral("…") : QString()));
    report(msg, e.field, quiet);
  } catch (const InputRefused& e) {
    report(e.message, e.field, quiet);
  } catch (const Overflow&) {
    report(host_.text(QStringLiteral("msg.overflow")), nullptr, quiet);
  } catch (const Cancelled&) {
    // The program is quitting: the handler just ends.
  }
}

void Runner::report(const QString& message, const QWidget* field, bool quiet) {
  lastMessage_ = message;
  if (auto* t = qobject_cast<TextField*>(const_cast<QWidget*>(field))) {
    t->setHighlighted(true, !quiet);
    t->setToolTip(message);
  }
  if (host_.quitting() || quiet) return;
  if (!box_) {
    box_ = new QMessageBox(QMessageBox::Warning, host_.text(QStringLiteral("msg.title")), QString(), QMessageBox::Ok,
                           &window_);
    box_->setObjectName(QStringLiteral("message"));
    box_->setWindowModality(Qt::NonModal);
  }
  box_->setText(message);
  placeMessage(field);
  box_->show();
  box_->raise();
}

QMessageBox* Runner::messageBox() const { return box_ && box_->isVisible() ? box_.data() : nullptr; }

void Runner::placeMessage(const QWidget* field) {
  // The box goes beside the highlighted field, never over it, so that the
  // value to correct stays in sight; without a field, over the window's middle.
  box_->adjustSize();
  const QSize size = box_->size() + QSize(8, 40);  // the frame and its title bar
  const QScreen* scr = window_.screen();
  const QRect room = scr ? scr->availableGeometry() : QRect(0, 0, 1 << 14, 1 << 14);
  auto clamp = [&](QPoint p) {
    p.setX(std::clamp(p.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    p.setY(std::clamp(p.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    return p;
  };
  if (!field || !field->isVisible()) {
    const QPoint c = window_.mapToGlobal(window_.rect().center());
    box_->move(clamp(c - QPoint(size.width() / 2, size.height() / 2)));
    return;
  }
  const QRect f(field->mapToGlobal(QPoint(0, 0)), field->size());
  const QRect keepClear = f.adjusted(-6, -6, 6, 6);
  const int gap = 12;
  const QPoint tries[] = {
      {f.right() + gap, f.center().y() - size.height() / 2},
      {f.left() - gap - size.width(), f.center().y() - size.height() / 2},
      {f.center().x() - size.width() / 2, f.bottom() + gap},
      {f.center().x() - size.width() / 2, f.top() - gap - size.height()},
  };
  for (const QPoint& p : tries) {
    const QPoint at = clamp(p);
    if (!QRect(at, size).intersects(keepClear)) {
      box_->move(at);
      return;
    }
  }
  box_->move(clamp(tries[0]));
}

}  // namespace fv

#include "forms/form.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <stdexcept>

#include "core/numtext.hpp"
#include "drawing/twips.hpp"
#include "forms/errors.hpp"
#include "forms/textnum.hpp"

namespace fv {

namespace {

int px(int twips, double zoom) { return static_cast<int>(std::lround(twips * zoom / kTwipsPerPixel)); }

}  // namespace

Form::Form(FormHost& host, const QString& name, int widthTwips, int heightTwips, Color back)
    : QWidget(nullptr), host_(host), edition_(host.edition()), runner_(*this, host) {
  setObjectName(name);
  setAttribute(Qt::WA_QuitOnClose, false);
  initial_ = QSize(px(widthTwips, 1.0), px(heightTwips, 1.0));
  resize(initial_);
  setColors(this, back, std::nullopt);
  setCaptionFromTexts();
  connect(qApp, &QApplication::focusChanged, this, &Form::focusLost);

  // F11 shows the window full screen for a projector (everything zooms with
  // it) and back; Esc leaves full screen (during an animation the input hold
  // takes Esc before this shortcut: it finishes the run and drops what waits).
  auto* full = new QShortcut(QKeySequence(Qt::Key_F11), this);
  connect(full, &QShortcut::activated, this, [this] { setFullScreen(!isFullScreen()); });
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape_->setEnabled(false);
  connect(escape_, &QShortcut::activated, this, [this] { setFullScreen(false); });
}

Form::~Form() {
  // The focus moves while the widgets go: that is no longer this window's business.
  disconnect(qApp, nullptr, this, nullptr);
}

void Form::setFullScreen(bool on) {
  if (on == isFullScreen()) return;
  setWindowState(on ? (windowState() | Qt::WindowFullScreen) : (windowState() & ~Qt::WindowFullScreen));
  escape_->setEnabled(on);
}

QString Form::tx(const QString& key) const { return host_.text(key); }

void Form::setCaptionFromTexts() {
  const QString caption = tx(objectName() + QStringLiteral(".caption"));
  setWindowTitle(caption.isEmpty() ? objectName() : caption);
}

QWidget* Form::widgetFor(const Ctl& c, QWidget* parent) {
  const QString text = tx(objectName() + QLatin1Char('.') + QString::fromUtf8(c.name));
  const auto back = (edition_ == Edition::ES && c.backEs) ? c.backEs : c.back;
  const auto fore = (edition_ == Edition::ES && c.foreEs) ? c.foreEs : c.fore;
  switch (c.kind) {
    case Kind::Text:
    case Kind::MultiText: {
      auto* t = new TextField(c.kind == Kind::MultiText, parent);
      t->setBackColor(back.value_or(pal::white));
      t->setForeColor(fore.value_or(pal::black));
      t->setAlignment(c.align);
      t->setBorder(c.border);
      t->setText(text);
      return t;
    }
    case Kind::HScroll:
    case Kind::VScroll: {
      auto* s = new ScrollBar(c.kind == Kind::HScroll ? Qt::Horizontal : Qt::Vertical, parent);
      s->setRange(c.min, c.max);
      s->setWait([&host = host_] { return host.busy(); });
      s->setSteps(c.smallChange, c.largeChange);
      {
        const QSignalBlocker block(s);
        s->setValue(c.value);
      }
      return s;
    }
    case Kind::Button: {
      auto* b = new Button(parent);
      b->setText(text);
      b->setBackColor(back.value_or(pal::grey));
      if (fore) b->setForeColor(*fore);
      return b;
    }
    case Kind::Option: {
      auto* o = new OptionButton(parent);
      o->setText(text);
      o->setBackColor(back.value_or(pal::grey));
      if (fore) o->setForeColor(*fore);
      if (c.value) o->setChecked(true);
      return o;
    }
    case Kind::Frame: {
      auto* f = new Frame(parent);
      f->setTitle(text);
      f->setBackColor(back.value_or(pal::grey));
      if (fore) f->setForeColor(*fore);
      return f;
    }
    case Kind::Label: {
      auto* l = new Label(parent);
      l->setText(text);
      l->setWordWrap(text.contains(QLatin1Char('\n')) || text.size() > 12);
      l->setBackColor(back.value_or(pal::grey));
      l->setForeColor(fore.value_or(pal::black));
      l->setAlign(c.align);
      l->setBorder(false);
      return l;
    }
    case Kind::Surface: {
      auto* s = new Surface(parent);
      s->setFrames(&host_.frames());
      s->setBackColor(back.value_or(pal::white));
      s->setForeColor(fore.value_or(pal::black));
      // A right click offers pictures of the drawing.
      s->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(s, &QWidget::customContextMenuRequested, this,
              [this, s](const QPoint& at) { emit pictureMenuRequested(s, at); });
      return s;
    }
  }
  return nullptr;
}

void Form::build(const std::vector<Ctl>& table) {
  for (const Ctl& c : table) {
    const QString name = QString::fromUtf8(c.name);
    if (controls_.contains(name)) throw std::logic_error("control listed twice: " + name.toStdString());
    QWidget* parent = this;
    if (c.parent) {
      parent = controls_.value(QString::fromUtf8(c.parent));
      if (!parent) throw std::logic_error("parent not yet built: " + std::string(c.parent));
    }
    QWidget* w = widgetFor(c, parent);
    w->setObjectName(name);
    const FontSpec font = (edition_ == Edition::ES && c.fontEs) ? *c.fontEs : c.font;
    if (auto* s = qobject_cast<Surface*>(w)) s->setFontSpec(font);
    Placed p{w, (edition_ == Edition::ES && c.rEs) ? *c.rEs : c.r, font};
    place(p);
    placed_.push_back(p);
    controls_.insert(name, w);
    w->setVisible(c.visible);
  }
}

void Form::adopt(QWidget* w, const QString& name, Rect r, const char* parent, FontSpec font) {
  if (controls_.contains(name)) throw std::logic_error("control listed twice: " + name.toStdString());
  QWidget* host = parent ? &control(QString::fromUtf8(parent)) : this;
  w->setParent(host);
  w->setObjectName(name);
  Placed p{w, r, font};
  place(p);
  placed_.push_back(p);
  controls_.insert(name, w);
  w->show();
}

void Form::place(const Placed& p) {
  const int x0 = px(p.r.l, zoom_), y0 = px(p.r.t, zoom_);
  const int x1 = px(p.r.l + p.r.w, zoom_), y1 = px(p.r.t + p.r.h, zoom_);
  p.widget->setGeometry(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
  const QFont f = makeFont(p.font, zoom_);
  if (auto* t = qobject_cast<TextField*>(p.widget))
    t->setBaseFont(f);
  else if (auto* b = qobject_cast<Button*>(p.widget))
    b->fitCaption(f);
  else if (auto* l = qobject_cast<QLabel*>(p.widget))
    l->setFont(l->wordWrap() ? fitWrapped(f, l->text(), l->contentsRect().size()) : fitFont(f, l->text(), l->width()));
  else
    p.widget->setFont(f);
  if (auto* s = qobject_cast<Surface*>(p.widget)) s->setZoom(zoom_);
}

void Form::resizeEvent(QResizeEvent*) {
  const double z = std::min(double(width()) / initial_.width(), double(height()) / initial_.height());
  if (std::fabs(z - zoom_) < 1e-9 || z <= 0) return;
  zoom_ = z;
  setUpdatesEnabled(false);
  for (const Placed& p : placed_) place(p);
  setUpdatesEnabled(true);
}

void Form::closeEvent(QCloseEvent* e) {
  // A work window is only hidden; it keeps its values and drawings.
  e->accept();
}

void Form::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!tabOrder_.isEmpty() && has(tabOrder_.first()) && !focusWidget())
    control(tabOrder_.first()).setFocus(Qt::TabFocusReason);
}

void Form::setTabOrder(const QStringList& names) {
  tabOrder_ = names;
  QWidget* prev = nullptr;
  for (const QString& n : names) {
    if (!has(n)) continue;
    QWidget* w = &control(n);
    if (w->focusPolicy() == Qt::NoFocus) w->setFocusPolicy(Qt::StrongFocus);
    if (prev) QWidget::setTabOrder(prev, w);
    prev = w;
  }
}

void Form::setFocusHome(const QStringList& buttons) { focusHome_ = buttons; }

void Form::focusLost(QWidget* old, QWidget* now) {
  // Qt hands the focus of a hidden control to the next one in tab order,
  // which may be a read-out field, shown with its text selected. The window's
  // first drawing button is where a keyboard user expects to go on.
  if (!old || !isVisible() || !isAncestorOf(old) || old->isVisible()) return;
  if (now && !isAncestorOf(now)) return;
  auto usable = [](QWidget* w) { return w && w->isVisible() && w->isEnabled(); };
  QWidget* home = nullptr;
  for (const QString& n : focusHome_)
    if (has(n) && usable(&control(n))) {
      home = &control(n);
      break;
    }
  for (const QString& n : tabOrder_) {
    if (home) break;
    if (has(n) && qobject_cast<Button*>(&control(n)) && usable(&control(n))) home = &control(n);
  }
  if (home && home != now) home->setFocus(Qt::OtherFocusReason);
}

QWidget& Form::control(const QString& name) const {
  QWidget* w = controls_.value(name);
  if (!w) throw std::logic_error("no control " + name.toStdString() + " in " + objectName().toStdString());
  return *w;
}

template <class T>
static T& as(QWidget& w, const QString& name) {
  auto* t = qobject_cast<T*>(&w);
  if (!t) throw std::logic_error("control " + name.toStdString() + " is of another kind");
  return *t;
}

TextField& Form::text(const QString& n) const { return as<TextField>(control(n), n); }
ScrollBar& Form::scroll(const QString& n) const { return as<ScrollBar>(control(n), n); }
Button& Form::button(const QString& n) const { return as<Button>(control(n), n); }
OptionButton& Form::option(const QString& n) const { return as<OptionButton>(control(n), n); }
Frame& Form::frame(const QString& n) const { return as<Frame>(control(n), n); }
Label& Form::label(const QString& n) const { return as<Label>(control(n), n); }
Surface& Form::surface(const QString& n) const { return as<Surface>(control(n), n); }

void Form::onClick(const QString& name, std::function<void()> handler) {
  QWidget& w = control(name);
  auto call = [this, handler] { run(handler); };
  if (auto* b = qobject_cast<Button*>(&w))
    connect(b, &QPushButton::clicked, this, call);
  else if (auto* o = qobject_cast<OptionButton*>(&w))
    connect(o, &OptionButton::selected, this, call);
  else if (auto* s = qobject_cast<Surface*>(&w))
    s->onClick = call;
  else
    throw std::logic_error("control " + name.toStdString() + " has no click");
}

void Form::onChange(const QString& name, std::function<void()> handler) {
  QWidget& w = control(name);
  auto call = [this, handler] { run(handler); };
  if (auto* t = qobject_cast<TextField*>(&w))
    connect(t, &TextField::changed, this, [this, handler, t] { run(handler, true, t); });
  else if (auto* s = qobject_cast<ScrollBar*>(&w))
    connect(s, &ScrollBar::changed, this, call);
  else
    throw std::logic_error("control " + name.toStdString() + " has no change");
}

void Form::run(const std::function<void()>& handler, bool quiet, const TextField* source) {
  runner_.run(handler, quiet, source);
  if (!runner_.running()) emit handlerEnded();
}

QMessageBox* Form::messageBox() const { return runner_.messageBox(); }

double Form::num(const TextField& f) const {
  auto v = parseText(f.text(), host_.decimalSeparator(), f.programWritten());
  if (!v) throw ConversionError{const_cast<TextField*>(&f), f.text(), false};
  return *v;
}

std::int16_t Form::cint(const TextField& f) const {
  const double v = num(f);
  auto i = numtext::toInt16(v);
  if (!i) throw ConversionError{const_cast<TextField*>(&f), f.text(), true};
  return *i;
}

std::int16_t Form::cint(double v, const QWidget* field) const {
  auto i = numtext::toInt16(v);
  if (!i) {
    auto g = numtext::general(v, separator());
    throw ConversionError{const_cast<QWidget*>(field), g ? QString::fromStdString(*g) : QStringLiteral("∞"), true};
  }
  return *i;
}

QString Form::fmt(double v, const char* pattern) const {
  auto s = numtext::format(v, pattern, separator());
  if (!s) throw Overflow{};
  return QString::fromStdString(*s);
}

void Form::writeNumber(TextField& f, double v, const char* pattern) const {
  if (!std::isfinite(v) || !numtext::validPattern(pattern)) {
    f.setText(fmt(v, pattern));  // throws Overflow as fmt does
    return;
  }
  f.setNumber(v, pattern, separator());
}

QString Form::str(double v) const {
  auto s = numtext::general(v, separator());
  if (!s) throw Overflow{};
  return QString::fromStdString(*s);
}

void Form::useKept(std::initializer_list<const char*> fields) const {
  for (const char* name : fields) {
    const TextField& f = text(QString::fromUtf8(name));
    if (!runner_.unreadable(&f)) continue;
    cint(f);  // throws the error the change handler met
    throw ConversionError{const_cast<TextField*>(&f), f.text(), false};
  }
}

void Form::refuse(const QWidget* field, const QString& message) const {
  throw InputRefused{const_cast<QWidget*>(field), message};
}

char Form::separator() const { return separatorChar(host_.decimalSeparator()); }

std::optional<double> Form::parse(const QString& text) const { return parseText(text, host_.decimalSeparator()); }

QString Form::saveFailure(const SaveResult& r) const {
  switch (r.error) {
    case ENOSPC:
    case EDQUOT:
      return tx(QStringLiteral("picture.noSpace"));
    case EFBIG:
      return tx(QStringLiteral("picture.tooBig"));
    case EACCES:
    case EPERM:
    case EROFS:
      return tx(QStringLiteral("picture.denied"));
    case ENOENT:
    case ENOTDIR:
      return tx(QStringLiteral("picture.noFolder"));
    default:
      return tx(QStringLiteral("picture.failed")).arg(r.detail);
  }
}

std::optional<double> Form::peek(const TextField& f) const {
  return parseText(f.text(), host_.decimalSeparator(), f.programWritten());
}

void Form::pause(std::int64_t counts) const { host_.pause(counts); }

}  // namespace fv

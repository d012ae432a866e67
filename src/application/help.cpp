#include "application/help.hpp"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <memory>

#include "application/app.hpp"
#include "forms/form.hpp"

// The pages are compiled into the static library, whose unreferenced objects
// the linker leaves out: they have to be brought in by name.
static void initHelpResource() { Q_INIT_RESOURCE(help); }

namespace fv {

namespace {

// A window's page, by the window's name.
QString pageName(const QString& windowName) {
  static const QHash<QString, QString> pages = {
      {QStringLiteral("analise"), QStringLiteral("menu")},
      {QStringLiteral("Senoide"), QStringLiteral("senoide")},
      {QStringLiteral("SenoideT"), QStringLiteral("senoidet")},
      {QStringLiteral("HarmonicasPulsos"), QStringLiteral("pulsos")},
      {QStringLiteral("Geração"), QStringLiteral("geracao")},
      {QStringLiteral("simula1"), QStringLiteral("simula1")},
      {QStringLiteral("simula2"), QStringLiteral("simula2")},
      {QStringLiteral("Analysis"), QStringLiteral("analysis")},
  };
  return pages.value(windowName, QStringLiteral("menu"));
}

QString language(Edition e) { return e == Edition::PT ? QStringLiteral("pt") : QStringLiteral("es"); }

// The form a widget belongs to: itself, or the nearest form above it (a
// message box of a form lies above that form).
Form* formOf(QWidget* w) {
  while (w && !qobject_cast<Form*>(w)) w = w->parentWidget();
  return qobject_cast<Form*>(w);
}

constexpr int kMinZoom = -4;
constexpr int kMaxZoom = 12;

// Watches the program's keys for F1 and owns the help window.
class HelpHook : public QObject {
  Q_OBJECT
 public:
  explicit HelpHook(App& app) : QObject(&app), app_(app) {
    static const bool loaded = (initHelpResource(), true);
    (void)loaded;
    setObjectName(QStringLiteral("help"));
  }

  // The program is going: its keys are no longer watched, and the help
  // window closes before the program it would ask about.
  ~HelpHook() override {
    if (qApp) qApp->removeEventFilter(this);
    window_.reset();
  }

  HelpWindow* window() const { return window_.get(); }

  void open(const QString& windowName) {
    if (!window_) window_ = std::make_unique<HelpWindow>(app_);
    window_->open(windowName);
  }

  void watchKeys() {
    if (!watching_) qApp->installEventFilter(this);
    watching_ = true;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      // A key reaches the window system's window first, then the widget
      // with the focus: the widget says which window is in front.
      auto* widget = qobject_cast<QWidget*>(watched);
      if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) || !widget) return false;
      if (window_ && widget->window() == window_.get()) return true;  // the help is in front already
      Form* form = formOf(widget);
      if (!form || &form->host() != &app_) return false;
      // While an animation runs, keys wait with the rest of the input and
      // come back here, in their turn, once it is over.
      for (const Form* f : app_.windows())
        if (f->running()) return false;
      open(form->name());
      return true;
    }
    // The program is ending: the help goes with its windows.
    if (event->type() == QEvent::Hide && window_ && app_.quitting() && qobject_cast<Form*>(watched)) window_->hide();
    return false;
  }

 private:
  App& app_;
  std::unique_ptr<HelpWindow> window_;
  bool watching_ = false;
};

HelpHook& hook(App& app) {
  auto* h = app.findChild<HelpHook*>(QStringLiteral("help"), Qt::FindDirectChildrenOnly);
  return h ? *h : *new HelpHook(app);
}

}  // namespace

QUrl helpPage(Edition edition, const QString& windowName) {
  return QUrl(QStringLiteral("qrc:/help/%1/%2.html").arg(language(edition), pageName(windowName)));
}

HelpWindow::HelpWindow(const App& app) : QWidget(nullptr), app_(app) {
  setObjectName(QStringLiteral("ajuda"));
  setAttribute(Qt::WA_QuitOnClose, false);

  auto* back = new QToolButton(this);
  back->setObjectName(QStringLiteral("back"));
  back->setText(app.text(QStringLiteral("ajuda.back")));
  back->setEnabled(false);
  auto* index = new QToolButton(this);
  index->setObjectName(QStringLiteral("index"));
  index->setText(app.text(QStringLiteral("ajuda.index")));
  for (QToolButton* b : {back, index}) b->setFocusPolicy(Qt::NoFocus);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("page"));
  QFile css(QStringLiteral(":/help/style.css"));
  if (css.open(QIODevice::ReadOnly)) browser_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));

  auto* bar = new QHBoxLayout;
  bar->addWidget(back);
  bar->addWidget(index);
  bar->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(bar);
  layout->addWidget(browser_);

  connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
  connect(index, &QToolButton::clicked, this,
          [this] { browser_->setSource(helpPage(app_.edition(), QStringLiteral("analise"))); });
  connect(browser_, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle(app_.text(QStringLiteral("ajuda.title")).arg(browser_->documentTitle())); });

  browser_->installEventFilter(this);
  browser_->viewport()->installEventFilter(this);

  // A page wide, and never larger than the screen.
  QSize size(760, 860);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 0.9);
  resize(size);
}

void HelpWindow::open(const QString& windowName) {
  const QUrl page = helpPage(app_.edition(), windowName);
  if (browser_->source() != page) browser_->setSource(page);
  showNormal();
  raise();
  activateWindow();
}

void HelpWindow::zoom(int steps) {
  const int to = std::clamp(zoom_ + steps, kMinZoom, kMaxZoom);
  if (to == zoom_) return;
  browser_->zoomIn(to - zoom_);
  zoom_ = to;
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == browser_) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && !key->modifiers()) {
      close();
      return true;
    }
    if (key->modifiers() & Qt::ControlModifier && !(key->modifiers() & Qt::AltModifier)) {
      switch (key->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
          zoom(1);
          return true;
        case Qt::Key_Minus:
          zoom(-1);
          return true;
        case Qt::Key_0:
          zoom(-zoom_);
          return true;
        default:
          break;
      }
    }
  }
  if (event->type() == QEvent::Wheel && watched == browser_->viewport()) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
      // One step per notch; fine-grained wheels add up to notches.
      wheel_ += wheel->angleDelta().y();
      const int steps = wheel_ / 120;
      wheel_ -= steps * 120;
      zoom(steps);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void installHelp(App& app) { hook(app).watchKeys(); }

void showHelp(App& app, const QString& windowName) { hook(app).open(windowName); }

HelpWindow* helpWindow(const App& app) {
  auto* h = app.findChild<HelpHook*>(QStringLiteral("help"), Qt::FindDirectChildrenOnly);
  return h ? h->window() : nullptr;
}

}  // namespace fv

#include "help.moc"

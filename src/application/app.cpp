#include "application/app.hpp"

#include <malloc.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QShortcut>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "application/cmdline.hpp"
#include "application/help.hpp"
#include "application/input.hpp"
#include "application/pacer.hpp"
#include "application/picturemenu.hpp"
#include "drawing/surface.hpp"
#include "forms/form.hpp"
#include "texts/table.hpp"

// The icon resource is compiled into the static library, whose unreferenced
// objects the linker leaves out: it has to be brought in by name.
static void initIconResource() { Q_INIT_RESOURCE(icons); }

namespace fv {

namespace {

QHash<QString, QString> loadTexts(Edition edition) {
  QHash<QString, QString> table;
  for (const TextEntry* e = textEntries(edition); e->key; ++e)
    table.insert(QString::fromUtf8(e->key), QString::fromUtf8(e->text));
  return table;
}

}  // namespace

App::App(Edition edition) : edition_(edition), texts_(loadTexts(edition)), hold_(std::make_unique<InputHold>(pacer_)) {
#ifdef __GLIBC__
  // Rasters are allocated apart and go back to the system when freed (as an
  // idle cache is dropped), instead of leaving the heap at its highest.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
  // At each frame of an animation the surfaces show what was drawn.
  pacer_.onFrame = [this] { frames_.showAll(); };
  pacer_.onHandlerEnd = [this] { hold_->handlerEnded(); };
  onQuit = [] { QCoreApplication::exit(0); };
}

App::~App() {
  windows_.clear();
  menu_.reset();
}

QChar App::decimalSeparator() const {
  if (!separator_.isNull()) return separator_;
  const QString dp = QLocale().decimalPoint();
  return dp.isEmpty() ? QChar('.') : dp.front();
}

QString App::today() { return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat); }

void App::registerWindow(const QString& name, Factory factory) { factories_[name] = std::move(factory); }

void App::start() {
  menu_ = menuFactory_ ? menuFactory_(*this) : nullptr;
  installHelp(*this);  // F1 in any window opens its explanation page
  if (!menu_) return;
  adopt(*menu_);
  menu_->show();
  menu_->raise();
  menu_->activateWindow();
}

Form& App::menu() { return *menu_; }

Form* App::window(const QString& name) const {
  auto it = windows_.find(name);
  return it == windows_.end() ? nullptr : it->second.get();
}

std::vector<Form*> App::windows() const {
  std::vector<Form*> all;
  if (menu_) all.push_back(menu_.get());
  for (const auto& [name, w] : windows_) all.push_back(w.get());
  return all;
}

Form* App::show(const QString& name) {
  if (quitting_) return nullptr;
  Form* w = window(name);
  if (!w) {
    auto it = factories_.find(name);
    if (it == factories_.end()) return nullptr;
    std::unique_ptr<Form> made = it->second(*this);
    if (!made) return nullptr;
    w = made.get();
    windows_[name] = std::move(made);
    adopt(*w);
  }
  w->showNormal();
  w->raise();
  w->activateWindow();
  return w;
}

void App::showMenu() {
  if (!menu_ || quitting_) return;
  menu_->showNormal();
  menu_->raise();
  menu_->activateWindow();
}

void App::adopt(Form& form) {
  hold_->watch(&form, [&form] { return form.running(); });
  if (analysable(form)) {
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), &form);
    f2->setContext(Qt::WindowShortcut);
    connect(f2, &QShortcut::activated, this, [this, &form] {
      if (!quitting_) showAnalysis(form);
    });
  }
  connect(&form, &Form::pictureMenuRequested, this,
          [this, &form](Surface* s, const QPoint& at) { pictureMenu(*this, form, *s)->popup(s->mapToGlobal(at)); });
}

void App::quit() {
  if (quitting_) return;
  quitting_ = true;
  pacer_.cancel();
  hold_->clear();
  for (auto& [name, w] : windows_) w->hide();
  if (menu_) menu_->hide();
  if (onQuit) onQuit();
}

std::unique_ptr<QTranslator> qtTranslation(Edition edition) {
  // Qt ships Brazilian Portuguese, the Portuguese of the edition's texts.
  const QLocale locale = edition == Edition::PT ? QLocale(QLocale::Portuguese, QLocale::Brazil)
                                                : QLocale(QLocale::Spanish, QLocale::Spain);
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return nullptr;
  return translator;
}

std::unique_ptr<QTemporaryDir> foldersWithoutHome() {
  if (!qEnvironmentVariableIsEmpty("HOME")) return nullptr;
  const char* const vars[] = {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"};
  auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/fervano-XXXXXX"));
  if (!dir->isValid()) return nullptr;
  for (const char* var : vars) {
    // Qt takes only an absolute path from these.
    if (!qEnvironmentVariable(var).startsWith(QLatin1Char('/')))
      qputenv(var, QFile::encodeName(dir->path() + QLatin1Char('/') + QString::fromLatin1(var).toLower()));
  }
  return dir;
}

namespace {

// Qt's messages while the application object opens the display. A fatal one
// means that no display could be opened, where Qt would abort with a hint to
// reinstall: the program ends with one line of its own instead, as for a bad
// argument. The others are passed on once the display is open.
class DisplayGuard {
 public:
  explicit DisplayGuard(Edition edition) {
    edition_ = edition;
    previous_ = qInstallMessageHandler(handle);
  }
  ~DisplayGuard() {
    qInstallMessageHandler(previous_);
    const std::lock_guard lock(mutex_);
    for (const Held& h : held_) previous_(h.type, QMessageLogContext(h.file, h.line, h.function, h.category), h.text);
    held_.clear();
  }
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;

 private:
  struct Held {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
  };
  static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
      std::fputs(noDisplayMessage(edition_).c_str(), stderr);
      std::fflush(stderr);
      std::_Exit(2);
    }
    const std::lock_guard lock(mutex_);  // the display's own thread may speak too
    held_.push_back({type, context.file, context.line, context.function, context.category, text});
  }
  static inline Edition edition_ = Edition::PT;
  static inline QtMessageHandler previous_ = nullptr;
  static inline std::mutex mutex_;
  static inline std::vector<Held> held_;
};

}  // namespace

int runProgram(int argc, char** argv, Edition edition, const std::function<void(App&)>& setUp) {
  // --help and --version answer before any display is opened.
  const CommandLine cmd = readCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc}, edition, FERVANO_VERSION);
  if (!cmd.run) {
    std::fputs(cmd.out.c_str(), stdout);
    std::fputs(cmd.err.c_str(), stderr);
    return cmd.exitCode;
  }
  const std::unique_ptr<QTemporaryDir> homeless = foldersWithoutHome();
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  auto guard = std::make_unique<DisplayGuard>(edition);
  QApplication qapp(argc, argv);
  guard.reset();
  // Qt's own texts follow the edition, not the desktop's locale.
  const std::unique_ptr<QTranslator> qtTexts = qtTranslation(edition);
  if (qtTexts) QCoreApplication::installTranslator(qtTexts.get());
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setApplicationName(edition == Edition::PT ? QStringLiteral("fervano-pt")
                                                          : QStringLiteral("fervano-es"));
  QApplication::setDesktopFileName(QApplication::applicationName());
  initIconResource();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/fervano.svg")));
  App app(edition);
  setUp(app);
  app.start();
  return QApplication::exec();
}

}  // namespace fv

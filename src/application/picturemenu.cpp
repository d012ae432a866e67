#include "application/picturemenu.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "application/app.hpp"
#include "application/help.hpp"
#include "drawing/pictures.hpp"
#include "drawing/surface.hpp"
#include "forms/form.hpp"

namespace fv {

namespace {

// What painting a large picture took goes back to the system.
void giveBackMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

// Where the save dialog opens: the folder last saved into in this run, else
// the user's pictures, else the home folder.
QString startFolder(const App& app) {
  const QString last = app.pictureFolder;
  if (!last.isEmpty() && QDir(last).exists()) return last;
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (!pictures.isEmpty() && QDir(pictures).exists()) return pictures;
  return QDir::homePath();
}

}  // namespace

QMenu* pictureMenu(App& app, Form& window, Surface& s) {
  auto* menu = new QMenu(&s);
  menu->setObjectName(QStringLiteral("pictureMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(window.tx(QStringLiteral("picture.copy")), &s, [&s] {
    QApplication::clipboard()->setImage(surfacePicture(s, 2.0));
    giveBackMemory();
  });
  menu->addAction(window.tx(QStringLiteral("picture.save")), &s, [&app, &window, &s] {
    auto* dialog = new QFileDialog(&window, window.tx(QStringLiteral("picture.saveTitle")));
    dialog->setObjectName(QStringLiteral("pictureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)"),
                            QStringLiteral("JPEG (*.jpg *.jpeg)"), QStringLiteral("BMP (*.bmp)")});
    dialog->setDirectory(startFolder(app));
    dialog->selectFile(pictureFileName(window.objectName(), s.objectName(), QDate::currentDate()));
    // A name typed without a suffix takes the chosen filter's.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
      dialog->setDefaultSuffix(filter.section(QStringLiteral("*."), 1).section(QLatin1Char(' '), 0, 0).remove(')'));
    });
    dialog->setDefaultSuffix(QStringLiteral("png"));
    QPointer<Surface> surface(&s);
    QObject::connect(dialog, &QFileDialog::fileSelected, &window, [&app, &window, surface](const QString& path) {
      if (!surface) return;
      app.pictureFolder = QFileInfo(path).absolutePath();
      const SaveResult r = savePicture(*surface, path);
      giveBackMemory();
      if (!r.ok) window.showMessage(window.tx(QStringLiteral("picture.notSaved")).arg(r.path, window.saveFailure(r)));
    });
    dialog->open();
  });
  menu->addAction(window.tx(QStringLiteral("picture.window")), &window,
                  [&window] { QApplication::clipboard()->setImage(window.grab().toImage()); });
  if (app.analysable(window))
    menu->addAction(window.tx(QStringLiteral("picture.analysis")), &window,
                    [&app, &window] { app.showAnalysis(window); });
  menu->addSeparator();
  menu->addAction(window.tx(QStringLiteral("picture.help")), &window,
                  [&app, &window] { showHelp(app, window.objectName()); });
  return menu;
}

}  // namespace fv

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyleFactory>

#include "support/testing.hpp"

namespace fv::testing {

void click(Form& f, const QString& name) {
  QWidget& w = f.control(name);
  if (auto* s = qobject_cast<Surface*>(&w)) {
    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(2, 2));
  } else if (auto* b = qobject_cast<QAbstractButton*>(&w)) {
    if (!b->isVisibleTo(&f) && !b->isVisible()) throw std::runtime_error("clicking a hidden control");
    b->click();
  } else {
    throw std::runtime_error("not clickable: " + name.toStdString());
  }
}

void type(Form& f, const QString& name, const QString& text) {
  TextField& t = f.text(name);
  // A person sees the field as the program last wrote it.
  QCoreApplication::sendPostedEvents();
  if (auto* le = t.lineEdit()) {
    le->selectAll();
    if (text.isEmpty())
      le->del();
    else
      le->insert(text);
  } else {
    t.plainEdit()->selectAll();
    t.plainEdit()->insertPlainText(text);
  }
}

int countPoints(const Surface& s, Color c) {
  int n = 0;
  for (const auto& op : s.ops()) n += op.kind == SurfaceOp::Point && op.color == c;
  return n;
}

int countOps(const Surface& s, SurfaceOp::Kind kind) {
  int n = 0;
  for (const auto& op : s.ops()) n += op.kind == kind;
  return n;
}

}  // namespace fv::testing

int main(int argc, char** argv) {
  qputenv("QT_FONT_DPI", "96");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

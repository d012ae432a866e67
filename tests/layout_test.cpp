// Every text the windows show at the start fits its box, in both editions.
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

#include "support/testing.hpp"

using namespace fv;
using fv::testing::Program;

namespace {

// How much of a text does not fit: the widest line against the room inside the box.
int overflow(const QString& text, const QFont& font, int room) {
  QFontMetrics fm(font);
  int widest = 0;
  for (const QString& line : text.split(QRegularExpression("\r?\n")))
    widest = std::max(widest, fm.horizontalAdvance(line));
  return widest - room;
}

}  // namespace

TEST(Layout, TextsFitTheirBoxes) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    for (const char* name : {"Senoide", "SenoideT", "HarmonicasPulsos", "Geração", "simula1", "simula2"})
      if (p.app.knows(name)) p.open(name);
    for (Form* f : p.app.windows()) {
      for (auto* b : f->findChildren<QPushButton*>()) {
        if (b->objectName().isEmpty() || b->text().isEmpty()) continue;
        EXPECT_LE(overflow(b->text(), b->font(), b->width() - 6), 0)
            << (e == Edition::PT ? "pt " : "es ") << f->objectName().toStdString() << "."
            << b->objectName().toStdString() << " \"" << b->text().toStdString() << "\"";
      }
      for (auto* t : f->findChildren<TextField*>()) {
        if (!t->lineEdit() || t->text().trimmed().isEmpty()) continue;
        EXPECT_LE(overflow(t->text(), t->lineEdit()->font(), t->textRoom()), 0)
            << (e == Edition::PT ? "pt " : "es ") << f->objectName().toStdString() << "."
            << t->objectName().toStdString() << " \"" << t->text().toStdString() << "\"";
      }
    }
  }
}

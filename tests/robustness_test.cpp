// A seeded random walk through every window of both editions: clicks on any
// visible button, option button or surface, scroll bars moved anywhere, and
// hostile texts typed into any field. After each action the program must be
// consistent: the handler ended, each window exists once, and every number
// field the program wrote can be read back.
//   FERVANO_ACTIONS (default 3000 per edition) and FERVANO_SEED (default 1).
#include <QAbstractButton>
#include <QMessageBox>
#include <QScrollBar>
#include <random>

#include "forms/textnum.hpp"
#include "support/testing.hpp"

using namespace fv;
using fv::testing::Program;

namespace {

const QStringList& hostileTexts() {
  static const QStringList texts = [] {
    QStringList t = {"",
                     ".",
                     ",",
                     "-",
                     "+",
                     "1e999",
                     "-1e999",
                     "nan",
                     "inf",
                     "0",
                     "-0",
                     "32767",
                     "32768",
                     "-32769",
                     "1e6",
                     QString::fromUtf8("\xef\xbc\x99"),
                     "abc",
                     "1,5",
                     "0.5",
                     "-45",
                     "12345678901234567890",
                     "1e-400",
                     "  7  ",
                     "3",
                     "100",
                     "-100",
                     "2.5",
                     "90",
                     "360",
                     "-1"};
    t << QString(10000, QChar('7'));
    t << QString("4") + QChar(0x01) + QChar('\t') + QChar(0x7f) + "2";
    return t;
  }();
  return texts;
}

bool isNumber(const QString& text, bool programWritten) {
  return parseText(text, fv::testing::Program::current()->app.decimalSeparator(), programWritten).has_value();
}

struct Walker {
  Program program;
  std::mt19937 rng;
  // Fields whose first text was a number: the program's own number fields.
  QHash<TextField*, bool> numeric;
  int actions = 0;

  Walker(Edition e, unsigned seed) : program(e), rng(seed) {}

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  void openAll() {
    for (const char* name : {"Senoide", "SenoideT", "HarmonicasPulsos", "Geração", "simula1", "simula2"}) {
      if (!program.app.knows(name)) continue;
      Form* f = program.app.show(name);
      if (!f) continue;
      for (TextField* t : f->findChildren<TextField*>())
        numeric.insert(t, !t->text().trimmed().isEmpty() && isNumber(t->text(), false));
    }
  }

  void act() {
    std::vector<Form*> forms = program.app.windows();
    Form* f = forms[size_t(pick(int(forms.size())))];
    if (!f->isVisible()) program.app.show(f->objectName());
    std::vector<QWidget*> targets;
    for (QWidget* w : f->findChildren<QWidget*>()) {
      if (w->objectName().isEmpty() || !w->isVisibleTo(f)) continue;
      if (w->objectName() == "Command4") continue;  // ends the program
      if (qobject_cast<QAbstractButton*>(w) || qobject_cast<Surface*>(w) || qobject_cast<ScrollBar*>(w) ||
          qobject_cast<TextField*>(w))
        targets.push_back(w);
    }
    if (targets.empty()) return;
    QWidget* w = targets[size_t(pick(int(targets.size())))];
    ++actions;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      b->click();
    } else if (auto* s = qobject_cast<Surface*>(w)) {
      QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(1, 1));
    } else if (auto* sb = qobject_cast<ScrollBar*>(w)) {
      const int lo = std::min(sb->min(), sb->max()), hi = std::max(sb->min(), sb->max());
      const int choice = pick(4);
      sb->setValue(choice == 0 ? lo : choice == 1 ? hi : lo + pick(hi - lo + 1));
    } else if (auto* t = qobject_cast<TextField*>(w)) {
      fv::testing::type(*f, t->objectName(), hostileTexts()[pick(int(hostileTexts().size()))]);
    }
  }

  void check() {
    QHash<QString, int> names;
    for (Form* f : program.app.windows()) {
      ASSERT_FALSE(f->running()) << f->objectName().toStdString();
      ++names[f->objectName()];
    }
    for (auto it = names.begin(); it != names.end(); ++it) ASSERT_EQ(it.value(), 1) << it.key().toStdString();
    for (auto it = numeric.begin(); it != numeric.end(); ++it) {
      TextField* t = it.key();
      if (!it.value() || !t->programWritten()) continue;
      ASSERT_TRUE(isNumber(t->text(), true))
          << t->window()->objectName().toStdString() << "." << t->objectName().toStdString() << " holds \""
          << t->text().left(60).toStdString() << "\" after " << actions << " actions";
    }
  }
};

int envInt(const char* name, int fallback) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(name, &ok);
  return ok ? v : fallback;
}

void walk(Edition e) {
  const int total = envInt("FERVANO_ACTIONS", 3000);
  const unsigned seed = unsigned(envInt("FERVANO_SEED", 1)) + (e == Edition::ES ? 7919u : 0u);
  Walker w(e, seed);
  w.openAll();
  for (int i = 0; i < total; ++i) {
    w.act();
    w.check();
    if (::testing::Test::HasFatalFailure()) {
      ADD_FAILURE() << "seed " << seed << ", action " << i;
      return;
    }
    if (i % 200 == 199)  // close the message boxes now and then, as a user would
      for (auto* box : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(box)) box->hide();
  }
  EXPECT_FALSE(w.program.quitCalled);
  std::printf("%s: %d actions, seed %u\n", e == Edition::PT ? "pt" : "es", w.actions, seed);
}

}  // namespace

TEST(Robustness, RandomActionsInThePortugueseEdition) { walk(Edition::PT); }
TEST(Robustness, RandomActionsInTheSpanishEdition) { walk(Edition::ES); }

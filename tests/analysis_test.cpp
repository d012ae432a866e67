// The analysis window: opened by F2 from the window in front, it follows that
// window's fields and puts its figures on the clipboard and in a CSV file.
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>

#include "analysis/analysis.hpp"
#include "support/testing.hpp"

using namespace fv;
using fv::testing::click;
using fv::testing::Program;
using fv::testing::type;

namespace {

AnalysisWindow& pressF2(Form& work) {
  QApplication::setActiveWindow(&work);
  QTest::keyClick(work.windowHandle(), Qt::Key_F2);
  AnalysisWindow* a = analysisOf(work);
  if (!a) throw std::runtime_error("F2 opened no analysis");
  return *a;
}

QString clipboardAfterCopy(AnalysisWindow& a) {
  click(a, QStringLiteral("copy"));
  return QApplication::clipboard()->text();
}

}  // namespace

// 150 V fundamental and 50 V third: THD 33.3 % in the separator in force, the
// table following each handler and each typed field, in both editions.
TEST(Analysis, FollowsTheSinglePhaseWindowInBothEditions) {
  struct Case {
    Edition edition;
    QChar separator;
    const char *title, *thd, *badName;
  };
  for (const Case& c :
       {Case{Edition::PT, ',', "Análise — ", "DHT da tensão\t33,3\t%", "tensão (3ª harmônica)"},
        Case{Edition::ES, '.', "Análisis — ", "THD de la tensión\t33.3\t%", "tensión (3.er armónico)"}}) {
    Program p(c.edition);
    p.app.setDecimalSeparator(c.separator);
    Form& w = p.open(QStringLiteral("Senoide"));
    AnalysisWindow& a = pressF2(w);
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(a.windowTitle(), QString::fromUtf8(c.title) + w.windowTitle());
    EXPECT_EQ(&pressF2(w), &a) << "made once, then reused";

    click(w, QStringLiteral("Fundamental"));
    type(w, QStringLiteral("Text14"), QStringLiteral("50"));
    click(w, QStringLiteral("terceira"));
    EXPECT_TRUE(clipboardAfterCopy(a).contains(QString::fromUtf8(c.thd))) << clipboardAfterCopy(a).toStdString();

    // A field that is not a number blanks what depends on it and is named; no message box.
    type(w, QStringLiteral("Text14"), QStringLiteral("x"));
    const QString table = clipboardAfterCopy(a);
    EXPECT_TRUE(table.contains(QString::fromUtf8(c.thd).section('\t', 0, 0) + QStringLiteral("\t—\t%")));
    EXPECT_FALSE(table.contains(QString::fromUtf8(c.thd)));
    EXPECT_TRUE(a.text(QStringLiteral("problem")).text().contains(QString::fromUtf8(c.badName)));
    EXPECT_EQ(a.messageBox(), nullptr);

    // Reset forgets what was drawn.
    type(w, QStringLiteral("Text14"), QStringLiteral("50"));
    click(w, QStringLiteral("resultante1"));
    click(w, QStringLiteral("reset"));
    EXPECT_TRUE(clipboardAfterCopy(a).isEmpty());
  }
}

// The pulse analysis reads its own fields; the CSV carries a header and the
// same lines, and a folder that does not exist is told, not thrown.
TEST(Analysis, PulseTrainAndCsv) {
  Program p(Edition::PT);
  Form& w = p.open(QStringLiteral("HarmonicasPulsos"));
  AnalysisWindow& a = pressF2(w);
  EXPECT_TRUE(clipboardAfterCopy(a).contains(QStringLiteral("DHT do trem\t48.3\t%")));
  type(a, QStringLiteral("duty"), QStringLiteral("25"));
  EXPECT_TRUE(clipboardAfterCopy(a).contains(QStringLiteral("DHT do trem\t")));
  EXPECT_FALSE(clipboardAfterCopy(a).contains(QStringLiteral("DHT do trem\t48.3\t%")));

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("t.csv"));
  ASSERT_TRUE(a.saveCsv(path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral("Figura\tValor\tUnidade\n") + a.tableText(false));
  EXPECT_FALSE(a.saveCsv(dir.filePath(QStringLiteral("none/t.csv"))));
  EXPECT_TRUE(a.lastMessage().contains(QStringLiteral("a pasta não existe")));
}

// Help: F1 opens the page of the window in front in the edition's language,
// the pages' links lead to pages, and every number a page gives as a worked
// example is what the window shows for the same inputs.
#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QWheelEvent>
#include <set>

#include "application/help.hpp"
#include "support/testing.hpp"

namespace fv {
namespace {

using testing::click;
using testing::Program;
using testing::type;

// Every window, with the page F1 opens in it.
const std::vector<std::pair<QString, QString>> kPages = {
    {"analise", "menu"},    {"Senoide", "senoide"}, {"SenoideT", "senoidet"}, {"HarmonicasPulsos", "pulsos"},
    {"Geração", "geracao"}, {"simula1", "simula1"}, {"simula2", "simula2"},
};

QString language(Edition e) { return e == Edition::PT ? QStringLiteral("pt") : QStringLiteral("es"); }

QString read(const QUrl& page) {
  QFile f(QLatin1Char(':') + page.path());
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The numbers a page marks as read-outs of its window, by their mark.
std::map<QString, QString> markedNumbers(const QString& html) {
  static const QRegularExpression ro(QStringLiteral(R"re(<span class="ro" id="([^"]+)">([^<]*)</span>)re"));
  std::map<QString, QString> marks;
  for (const auto& m : ro.globalMatch(html)) marks[m.captured(1)] = m.captured(2);
  return marks;
}

TEST(Help, F1OpensThePageOfTheWindowInFrontInTheEditionsLanguage) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    SCOPED_TRACE(language(e).toStdString());
    Program p(e);
    for (const auto& [name, page] : kPages) {
      Form& f = name == QStringLiteral("analise") ? p.app.menu() : p.open(name);
      QTest::keyClick(f.findChild<QAbstractButton*>(), Qt::Key_F1);
      HelpWindow* help = helpWindow(p.app);
      ASSERT_NE(help, nullptr);
      EXPECT_TRUE(help->isVisible()) << name.toStdString();
      EXPECT_EQ(help->browser().source().path(), QStringLiteral("/help/%1/%2.html").arg(language(e), page));
      EXPECT_FALSE(help->browser().documentTitle().isEmpty()) << name.toStdString();
    }
    HelpWindow& help = *helpWindow(p.app);
    const QUrl last = help.browser().source();
    QTest::keyClick(&help.browser(), Qt::Key_F1);
    EXPECT_EQ(help.browser().source(), last);
    p.app.quit();
    EXPECT_FALSE(help.isVisible());
  }
}

TEST(Help, F1DuringAnAnimationOpensThePageOnceItIsOver) {
  Program p(Edition::PT);
  Form& f = p.open(QStringLiteral("SenoideT"));
  f.run([&] {
    QTest::keyClick(&f.button(QStringLiteral("FUNDAMENTAL")), Qt::Key_F1);
    EXPECT_EQ(helpWindow(p.app), nullptr);
  });
  QCoreApplication::processEvents();
  ASSERT_NE(helpWindow(p.app), nullptr);
  EXPECT_EQ(helpWindow(p.app)->browser().source(), helpPage(Edition::PT, QStringLiteral("SenoideT")));
}

TEST(Help, EveryPageIsThereAndEveryLinkAndPictureLeadsToAResource) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    std::set<QString> fromMenu;
    for (const auto& [name, page] : kPages) {
      const QUrl url = helpPage(e, name);
      const QString html = read(url);
      SCOPED_TRACE(url.toString().toStdString());
      ASSERT_FALSE(html.isEmpty());
      EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(language(e))));
      static const QRegularExpression href(QStringLiteral(R"re(href="([^"]+)")re"));
      for (const auto& m : href.globalMatch(html)) {
        const QUrl target = url.resolved(QUrl(m.captured(1)));
        EXPECT_TRUE(QFile::exists(QLatin1Char(':') + target.path())) << m.captured(1).toStdString();
        if (name == QStringLiteral("analise")) fromMenu.insert(target.path());
      }
      // A picture that is missing, or that Qt cannot read, shows as an empty box.
      static const QRegularExpression img(QStringLiteral(R"re(<img src="([^"]+)")re"));
      for (const auto& m : img.globalMatch(html)) {
        EXPECT_FALSE(QImage(QLatin1Char(':') + url.resolved(QUrl(m.captured(1))).path()).isNull())
            << m.captured(1).toStdString();
      }
    }
    for (const auto& [name, page] : kPages) {
      if (name != QStringLiteral("analise")) {
        EXPECT_TRUE(fromMenu.count(helpPage(e, name).path())) << page.toStdString();
      }
    }
  }
}

// ---- Worked examples: what a student types and clicks, and the read-outs
// the page quotes, each with its mark in the page.

struct Step {
  enum Op { Type, Bar, Pick, Click, Shows } op;
  const char* control;
  const char* value = "";  // the text typed, the bar's value, or the read-out as shown
  const char* mark = "";   // Shows: the number's mark in the page
};

Step typeIn(const char* field, const char* text) { return {Step::Type, field, text}; }
Step bar(const char* name, const char* value) { return {Step::Bar, name, value}; }
Step pick(const char* option) { return {Step::Pick, option}; }
Step press(const char* button) { return {Step::Click, button}; }
Step shows(const char* field, const char* text, const char* mark) { return {Step::Shows, field, text, mark}; }

// Numbers as a desktop with the decimal comma shows them.
const std::map<QString, std::vector<Step>>& workedExamples() {
  static const std::map<QString, std::vector<Step>> table = {
      {"Senoide",
       {press("Fundamental"), shows("Text15", "471,2", "sen-f"),                          //
        typeIn("Text8", "90"), press("Fundamental"), shows("Text15", "300,", "sen-f90"),  //
        typeIn("Text8", "0"), bar("VScroll2", "20"), press("Fundamental"),                //
        shows("Text15", "942,5", "sen-i20"),                                              //
        bar("VScroll2", "10"), press("Fundamental"), press("resultante1"),                //
        shows("Text39", "471,2", "sen-r1"), press("reset"),                               //
        press("Fundamental"), press("terceira"), press("resultante1"), shows("Text39", "494,8", "sen-r3")}},
      {"SenoideT",
       {typeIn("FGR", "30"), press("FUNDAMENTAL"), shows("Text23", "28,3", "tri-s"), shows("Text26", "24,5", "tri-p"),
        shows("Text32", "14,2", "tri-q")}},
      {"Geração",
       {bar("HScroll1", "50"), shows("Text3", "28,65", "ger-g50"), shows("Text8", ",878", "ger-fp50"),
        shows("Text5", "720,", "ger-s"), shows("Text4", "631,9", "ger-p50"), shows("Text21", "345,2", "ger-q50"),
        bar("HScroll1", "100"), shows("Text3", "57,3", "ger-g100"), shows("Text8", ",54", "ger-fp100"),
        shows("Text4", "389,", "ger-p100"), shows("Text21", "605,9", "ger-q100")}},
      {"simula1",
       {press("fase01"), shows("Text10", "28,5714285714286", "s1-d"), shows("Text12", "2,695", "s1-u"),
        shows("Text4", "1", "s1-post"), press("Command2"), press("Command3"), shows("Text12", "0,539", "s1-u3"),
        shows("Text4", "5,39", "s1-post3"), bar("HScroll3", "0"), press("Command3"),
        shows("Text12", "0,2695", "s1-u30"), typeIn("Text6", "20"), press("fase01"),
        shows("Text12", "5,39", "s1-u20")}},
      {"simula2",
       {press("Command1"), shows("Text10", "37,61", "s2-d"), shows("Text12", "6220,596", "s2-pa"), press("Command2"),
        shows("Text12", "6220,596", "s2-pf"),                                      //
        pick("Option2"), press("Command1"), shows("Text12", "3712,452", "s2-aa"),  //
        press("Command2"), shows("Text12", "519,864", "s2-af"),                    //
        pick("Option3"), press("Command1"), shows("Text12", "2157,303", "s2-la"),  //
        press("Command2"), shows("Text12", "148,85", "s2-lf"),                     //
        pick("Option1"), typeIn("Text4", "20"), press("Command1"), shows("Text12", "3110,298", "s2-p20"),
        // Cable 1 high in a tall open trough: metal induces more than plastic.
        typeIn("Text4", "40"), bar("VScroll1", "100"), bar("VScroll3", "90"), press("Command1"),  //
        shows("Text12", "2919,073", "s2-h90p"), pick("Option2"), press("Command1"),               //
        shows("Text12", "3666,94", "s2-h90a"), pick("Option3"), press("Command1"),
        shows("Text12", "2937,172", "s2-h90l")}},
  };
  return table;
}

TEST(Help, WorkedExamplesQuoteWhatTheWindowsShow) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    fv::testing::setDecimalSeparator(QChar(','));
    for (const auto& [name, page] : kPages) {
      SCOPED_TRACE((language(e) + QLatin1Char('/') + page).toStdString());
      const auto marked = markedNumbers(read(helpPage(e, name)));
      std::set<QString> checked;
      const auto it = workedExamples().find(name);
      if (it != workedExamples().end()) {
        Form& f = p.open(name);
        for (const Step& s : it->second) {
          switch (s.op) {
            case Step::Type:
              type(f, s.control, s.value);
              break;
            case Step::Bar:
              f.scroll(s.control).setValue(QString::fromUtf8(s.value).toInt());
              break;
            case Step::Pick:
              f.option(s.control).setValue(true);
              break;
            case Step::Click:
              click(f, s.control);
              break;
            case Step::Shows: {
              EXPECT_EQ(f.text(s.control).text().toStdString(), s.value) << "window, " << s.mark;
              const auto m = marked.find(s.mark);
              EXPECT_TRUE(m != marked.end() && m->second == QString::fromUtf8(s.value)) << "page, " << s.mark;
              checked.insert(s.mark);
            }
          }
        }
      }
      for (const auto& [mark, number] : marked) EXPECT_TRUE(checked.count(mark)) << "unchecked " << mark.toStdString();
    }
    fv::testing::setDecimalSeparator(QChar('.'));
  }
}

TEST(Help, TheTextZoomsWithCtrlAndTheWindowStaysModeless) {
  Program p(Edition::ES);
  showHelp(p.app, QStringLiteral("simula2"));
  HelpWindow& help = *helpWindow(p.app);
  QTextBrowser& page = help.browser();
  const qreal normal = page.font().pointSizeF();
  QTest::keyClick(&page, Qt::Key_Plus, Qt::ControlModifier);
  QTest::keyClick(&page, Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(help.zoomSteps(), 2);
  EXPECT_GT(page.font().pointSizeF(), normal);
  const QPointF at(10, 10);
  QWheelEvent down(at, page.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::ControlModifier,
                   Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(page.viewport(), &down);
  EXPECT_EQ(help.zoomSteps(), 1);
  QTest::keyClick(&page, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(page.font().pointSizeF(), normal);

  EXPECT_EQ(help.windowModality(), Qt::NonModal);
  QTest::keyClick(&page, Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace fv

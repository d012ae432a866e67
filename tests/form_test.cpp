// Fields, scroll bars, the layout table, zoom and the handler runner.
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <limits>

#include "forms/errors.hpp"
#include "support/testing.hpp"

using namespace fv;
using fv::testing::Program;

namespace {

// A small window made for these tests.
class Probe : public Form {
 public:
  explicit Probe(App& app) : Form(app, "Probe", 3000, 1500, RGB(192, 192, 192)) {
    build({
        {.kind = Kind::Text, .name = "Text1", .r = {0, 0, 1500, 285}},
        {.kind = Kind::Text, .name = "Text2", .r = {0, 300, 1500, 285}, .align = Align::Right},
        {.kind = Kind::HScroll, .name = "HScroll1", .r = {0, 600, 1500, 255}, .min = 0, .max = 200, .value = 50},
        {.kind = Kind::VScroll,
         .name = "VScroll1",
         .r = {1600, 0, 255, 1200},
         .min = 400,
         .max = 0,
         .value = 150,
         .smallChange = 1,
         .largeChange = 10},
        {.kind = Kind::Frame, .name = "Frame1", .r = {1900, 0, 1000, 1000}},
        {.kind = Kind::Button,
         .name = "Go",
         .r = {60, 120, 800, 375},
         .parent = "Frame1",
         .rEs = Rect{60, 500, 800, 375},
         .font = {"Arial", 12, true}},
        {.kind = Kind::Surface, .name = "Picture1", .r = {0, 900, 1500, 600}, .back = RGB(224, 224, 224)},
    });
    onChange("Text1", [this] { ++changes; });
    onChange("HScroll1", [this] { text("Text2").setText(fmt(scroll("HScroll1").value(), "###.#")); });
    onClick("Go", [this] { Go_Click(); });
  }
  void Go_Click() {
    surface("Picture1").pset(100, 100);
    kept = cint("Text2");
    surface("Picture1").pset(200, 200);
  }
  int changes = 0;
  std::int16_t kept = -1;
};

struct FormTest : ::testing::Test {
  Program program{Edition::PT};
  std::unique_ptr<Probe> probe = std::make_unique<Probe>(program.app);
};

}  // namespace

TEST_F(FormTest, ChangeFiresOncePerRealChangeByUserOrProgram) {
  TextField& t = probe->text("Text1");
  t.setText("12");
  EXPECT_EQ(probe->changes, 1);
  t.setText("12");  // unchanged: no event
  EXPECT_EQ(probe->changes, 1);
  fv::testing::type(*probe, "Text1", "13");
  EXPECT_EQ(t.text(), "13");
  EXPECT_FALSE(t.programWritten());
  EXPECT_GE(probe->changes, 2);
  const int before = probe->changes;
  t.setText("13");
  EXPECT_EQ(probe->changes, before);
}

TEST_F(FormTest, ProgramWritesShowOnceTheEventLoopRuns) {
  TextField& t = probe->text("Text1");
  for (int i = 0; i < 100; ++i) t.setText(QString::number(i));
  EXPECT_EQ(t.text(), "99");       // read back at once
  EXPECT_EQ(probe->changes, 100);  // one change event a write
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(t.lineEdit()->text(), "99");
  EXPECT_EQ(t.lineEdit()->cursorPosition(), 0);  // the start of the number in view
  // What the user types next is the field's text.
  fv::testing::type(*probe, "Text1", "7");
  EXPECT_EQ(t.text(), "7");
  EXPECT_FALSE(t.programWritten());
}

// A number written into a field reads back as its pattern writes it, shows
// on screen at the next frame, and still raises a change where one is handled.
TEST_F(FormTest, NumbersWrittenIntoFieldsReadAndShowAsFormatted) {
  TextField& quiet = probe->text("Text2");
  probe->writeNumber(quiet, 12.34, "###.#");
  EXPECT_EQ(quiet.text(), "12.3");
  probe->writeNumber(quiet, 0.04, "###.#");
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(quiet.lineEdit()->text(), ".");
  fv::testing::type(*probe, "Text2", "7");
  EXPECT_EQ(quiet.text(), "7");

  probe->writeNumber(probe->text("Text1"), 5, "0.0");
  EXPECT_EQ(probe->changes, 1);
  EXPECT_EQ(probe->text("Text1").text(), "5.0");
  EXPECT_THROW(probe->writeNumber(quiet, std::numeric_limits<double>::infinity(), "###.#"), Overflow);
}

TEST_F(FormTest, BackwardScrollBarRunsFromMinAtTheTop) {
  ScrollBar& v = probe->scroll("VScroll1");
  EXPECT_EQ(v.value(), 150);
  EXPECT_EQ(v.min(), 400);
  EXPECT_EQ(v.max(), 0);
  v.bar()->setValue(v.bar()->minimum());  // thumb at the top
  EXPECT_EQ(v.value(), 400);
  v.bar()->setValue(v.bar()->maximum());
  EXPECT_EQ(v.value(), 0);
  v.setValue(100);
  v.bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // arrow down
  EXPECT_EQ(v.value(), 99);
  v.bar()->triggerAction(QAbstractSlider::SliderPageStepSub);  // page up
  EXPECT_EQ(v.value(), 109);
  v.setValue(1000);  // clamped
  EXPECT_EQ(v.value(), 400);
}

TEST_F(FormTest, ScrollBarChangeWritesItsPattern) {
  probe->scroll("HScroll1").setValue(0);
  EXPECT_EQ(probe->text("Text2").text(), ".");
  probe->scroll("HScroll1").setValue(50);
  EXPECT_EQ(probe->text("Text2").text(), "50.");
}

TEST_F(FormTest, ProgramOutputForZeroReadsBack) {
  probe->scroll("HScroll1").setValue(0);  // writes "."
  fv::testing::click(*probe, "Go");
  EXPECT_EQ(probe->kept, 0);
  EXPECT_TRUE(probe->lastMessage().isEmpty());
}

TEST_F(FormTest, ConversionErrorStopsTheHandlerKeepsTheDrawingAndNamesTheField) {
  for (const QString bad : {"abc", "", "-", "1e999", "nan"}) {
    probe->surface("Picture1").cls();
    probe->clearMessage();
    fv::testing::type(*probe, "Text2", bad);
    fv::testing::click(*probe, "Go");
    EXPECT_EQ(probe->surface("Picture1").ops().size(), 1u) << bad.toStdString();  // the first point stays
    EXPECT_FALSE(probe->lastMessage().isEmpty());
    EXPECT_TRUE(probe->text("Text2").highlighted());
  }
  auto* box = probe->findChild<QMessageBox*>("message");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isModal());
  // Typing a new value takes the mark away; the handler then runs to its end.
  fv::testing::type(*probe, "Text2", "2.5");
  EXPECT_FALSE(probe->text("Text2").highlighted());
  fv::testing::click(*probe, "Go");
  EXPECT_EQ(probe->kept, 2);  // half to even
  EXPECT_EQ(probe->surface("Picture1").ops().size(), 3u);
}

TEST_F(FormTest, OutOfRangeMessagesSpeakTheEditionsLanguage) {
  fv::testing::type(*probe, "Text2", "40000");
  fv::testing::click(*probe, "Go");
  EXPECT_TRUE(probe->lastMessage().contains("fora do intervalo")) << probe->lastMessage().toStdString();
  Program es(Edition::ES);
  Probe p(es.app);
  fv::testing::type(p, "Text2", "x");
  fv::testing::click(p, "Go");
  EXPECT_TRUE(p.lastMessage().contains("no es un número")) << p.lastMessage().toStdString();
}

TEST_F(FormTest, LayoutPlacesControlsInPixelsAndTheEditionsDiffer) {
  EXPECT_EQ(probe->size(), QSize(200, 100));
  QWidget& go = probe->control("Go");
  EXPECT_EQ(go.parentWidget(), &probe->control("Frame1"));
  EXPECT_EQ(go.geometry(), QRect(4, 8, 53, 25));
  EXPECT_EQ(go.font().pixelSize(), 16);
  EXPECT_EQ(go.font().family(), "Liberation Sans");
  Program es(Edition::ES);
  Probe p(es.app);
  EXPECT_EQ(p.control("Go").geometry().top(), 33);
}

TEST_F(FormTest, ResizingZoomsTheWholeContentUniformly) {
  probe->show();
  probe->resize(400, 300);  // limited by the width: zoom 2
  EXPECT_DOUBLE_EQ(probe->zoom(), 2.0);
  EXPECT_EQ(probe->control("Go").geometry(), QRect(8, 16, 107, 50));
  EXPECT_EQ(probe->control("Go").font().pixelSize(), 32);
  EXPECT_DOUBLE_EQ(probe->surface("Picture1").zoom(), 2.0);
  probe->resize(200, 100);
  EXPECT_DOUBLE_EQ(probe->zoom(), 1.0);
  EXPECT_EQ(probe->control("Go").geometry(), QRect(4, 8, 53, 25));
}

TEST_F(FormTest, RefusalAndOverflowAreReportedNotThrown) {
  probe->run([&] { probe->refuse(&probe->text("Text1"), "recusado"); });
  EXPECT_EQ(probe->lastMessage(), "recusado");
  EXPECT_TRUE(probe->text("Text1").highlighted());
  probe->run([&] { probe->fmt(1.0 / 0.0, "###.#"); });
  EXPECT_TRUE(probe->lastMessage().contains("grande demais"));
  probe->run([&] { probe->cint(1e6); });
  EXPECT_TRUE(probe->lastMessage().contains("fora do intervalo"));
}

TEST(Fonts, LayoutFamiliesMapToInstalledOnes) {
  EXPECT_EQ(installedFamily("MS Sans Serif"), "Liberation Sans");
  EXPECT_EQ(installedFamily("Arial"), "Liberation Sans");
  EXPECT_EQ(installedFamily("Times New Roman"), "Liberation Serif");
  EXPECT_EQ(installedFamily("Courier New"), "Liberation Mono");
  EXPECT_EQ(installedFamily("Arial Narrow"), "Nimbus Sans Narrow");
  EXPECT_EQ(installedFamily("Century Gothic"), "URW Gothic");
  EXPECT_EQ(pixelSize(7.8, 1.0), 10);  // 10.4 px
  EXPECT_EQ(pixelSize(12, 1.0), 16);
  EXPECT_EQ(pixelSize(36, 1.5), 72);
}

// Simulation 1: both editions, the three phases with their read-outs,
// drawings and pauses, the phase controls' visibility, bad and huge input.
#include <QLineEdit>
#include <vector>

#include "support/testing.hpp"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace fv {
namespace {

using testing::click;
using testing::Program;
using testing::type;

constexpr Color kMarker = RGB(0, 128, 134), kGreen = RGB(0, 161, 58), kField = RGB(0, 0, 58);

std::vector<SurfaceOp> circles(const Surface& s, Color c) {
  std::vector<SurfaceOp> out;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Circle && op.color == c) out.push_back(op);
  return out;
}
size_t rings(Form& f) { return circles(f.surface("Picture2"), kField).size(); }

// fase01, Command2, Command3 and the earth-bar current (HScroll3, Text17, Text18 alike).
std::vector<bool> phaseControls(Form& f) {
  auto shown = [&f](const char* n) { return f.control(n).isVisibleTo(&f); };
  EXPECT_EQ(shown("Text17"), shown("HScroll3"));
  EXPECT_EQ(shown("Text18"), shown("HScroll3"));
  return {shown("fase01"), shown("Command2"), shown("Command3"), shown("HScroll3")};
}
using V = std::vector<bool>;

TEST(Simula1, EditionsDifferInWidthAndOpenWithPhase1Alone) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    Form& f = p.open("simula1");
    EXPECT_EQ(f.initialSize(), QSize(e == Edition::PT ? 1032 : 935, 741));
    EXPECT_EQ(phaseControls(f), (V{true, false, false, false}));
  }
}

TEST(Simula1, Fase1DrawsRunAndCrossSectionAtTheInitialValues) {
  Program p(Edition::PT);
  Form& f = p.open("simula1");
  fv::testing::pacer().resetTotal();
  click(f, "fase01");
  EXPECT_EQ(f.text("Text10").text(), "28.5714285714286");
  EXPECT_EQ(f.text("Text12").text(), "2.695");
  EXPECT_EQ(f.text("Text4").text(), "1");
  EXPECT_EQ(fv::testing::pacer().totalCount(), 138 * 200000);
  // The bar, two lines and three posts, 138 markers; two discs and 10 rings.
  EXPECT_EQ(f.surface("Picture1").ops().size(), 1380u * 81 + 5 + 138);
  EXPECT_EQ(circles(f.surface("Picture2"), kGreen).size(), 30u);
  EXPECT_EQ(f.surface("Picture2").ops().size(), 60u + 10);
}

TEST(Simula1, ResultsAndRingsFollowTheInputs) {
  Program p(Edition::PT);
  Form& f = p.open("simula1");
  click(f, "fase01");
  click(f, "Command2");
  struct Case {
    const char *i1, *v;
    int i3;
    const char *text12, *text4, *text12f3, *text4f3;
    size_t rings, ringsF3;
  };
  for (const Case& c :
       {Case{"0", "220", 10, "0", "0", "0.2695", "2.695", 0, 10}, Case{"10", "0", 10, "0", "1", "0", "0", 10, 22},
        Case{"10", "220", 0, "2.695", "1", "0.2695", "2.695", 10, 10},
        Case{"2.4", "220", 0, "0.6468", "0.24", "0.06468", "0.6468", 0, 0},
        Case{"2.41", "-220", 0, "-0.649495", "0.241", "-0.0649495", "-0.649495", 1, 1}}) {
    SCOPED_TRACE(std::string(c.i1) + " A, " + c.v + " V, I3 " + std::to_string(c.i3));
    type(f, "Text6", c.i1);
    type(f, "Text14", c.v);
    f.scroll("HScroll3").setValue(c.i3);
    click(f, "fase01");
    EXPECT_EQ(f.text("Text10").text(), "28.5714285714286");
    EXPECT_EQ(f.text("Text12").text(), c.text12);
    EXPECT_EQ(f.text("Text4").text(), c.text4);
    EXPECT_EQ(rings(f), c.rings);
    click(f, "Command2");
    type(f, "Text17", "35");  // ignored: the earth-bar current is the scroll bar's
    click(f, "Command3");
    EXPECT_EQ(f.text("Text12").text(), c.text12f3);
    EXPECT_EQ(f.text("Text4").text(), c.text4f3);
    EXPECT_EQ(rings(f), c.ringsF3);
  }
}

TEST(Simula1, Fase2AndFase3DrawOverWhatIsThere) {
  Program p(Edition::ES);
  fv::testing::setDecimalSeparator(QChar(','));
  Form& f = p.open("simula1");
  click(f, "fase01");
  const Surface& pic1 = f.surface("Picture1");
  const size_t afterFase1 = pic1.ops().size();
  click(f, "Command2");
  // Left riser 192 rows, earth bar 1300 columns, right riser 200 rows of 81 points; 8 lines.
  EXPECT_EQ(testing::countPoints(pic1, kGreen), (192 + 1300 + 200) * 81);
  EXPECT_EQ(pic1.ops().size(), afterFase1 + (192 + 1300 + 200) * 81 + 8);

  const size_t before = pic1.ops().size();
  fv::testing::pacer().resetTotal();
  click(f, "Command3");
  // One pause a circle: 292 green round the loop, 143 along the cable.
  EXPECT_EQ(fv::testing::pacer().totalCount(), 435 * 20000);
  EXPECT_EQ(circles(pic1, kGreen).size(), 292u);
  EXPECT_EQ(circles(pic1, kMarker).size(), 138u + 143);
  EXPECT_EQ(pic1.ops().size(), before + 435);
  EXPECT_EQ(f.surface("Picture2").clsCount(), 2);
  EXPECT_EQ(f.text("Text10").text(), "28,5714285714286");
  EXPECT_EQ(f.text("Text12").text(), "0,539");
  EXPECT_EQ(f.text("Text4").text(), "5,39");
  EXPECT_EQ(f.text("Text4").lineEdit()->cursorPosition(), 0);
  fv::testing::setDecimalSeparator(QChar('.'));
}

TEST(Simula1, VisibilityThroughThePhasesAndTheMenu) {
  Program p(Edition::PT);
  Form& f = p.open("simula1");
  click(f, "fase01");
  EXPECT_EQ(phaseControls(f), (V{true, true, false, false}));
  click(f, "Command2");
  click(f, "Command3");
  EXPECT_EQ(phaseControls(f), (V{true, true, true, true}));
  click(f, "Command1");
  EXPECT_TRUE(p.app.menu().isVisible());
  EXPECT_EQ(&p.open("simula1"), &f);
  EXPECT_EQ(phaseControls(f), (V{true, false, false, true}));
  EXPECT_EQ(f.text("Text4").text(), "5.39");
  // Scroll bars fill their fields and nothing else; typing does not move them.
  f.scroll("HScroll1").setValue(37);
  type(f, "Text14", "55");
  EXPECT_EQ(f.text("Text6").text(), "37");
  EXPECT_EQ(f.scroll("HScroll2").value(), 220);
  EXPECT_EQ(f.text("Text4").text(), "5.39");
  click(f, "fase01");
  EXPECT_EQ(phaseControls(f), (V{true, true, false, true}));
}

TEST(Simula1, TextThatIsNotANumberStopsWithAMessage) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    Form& f = p.open("simula1");
    click(f, "fase01");
    click(f, "Command2");
    const size_t drawn = f.surface("Picture1").ops().size();
    type(f, "Text14", "");
    fv::testing::pacer().resetTotal();
    click(f, "Command3");  // stops before the animation
    EXPECT_TRUE(f.text("Text14").highlighted());
    EXPECT_EQ(f.surface("Picture1").ops().size(), drawn);
    EXPECT_EQ(fv::testing::pacer().totalCount(), 0);

    type(f, "Text6", "dez");
    click(f, "fase01");  // clears, hides the phase buttons, then stops
    EXPECT_TRUE(f.lastMessage().contains(e == Edition::PT ? "não é um número" : "no es un número"));
    EXPECT_TRUE(f.text("Text6").highlighted());
    EXPECT_TRUE(f.surface("Picture1").ops().empty());
    EXPECT_EQ(f.text("Text4").text(), "0");
    EXPECT_EQ(phaseControls(f), (V{true, false, false, true}));
  }
}

TEST(Simula1, HugeCurrentDrawsOnlyVisibleRingsAndKeepsExactResults) {
  Program p(Edition::PT);
  Form& f = p.open("simula1");
  type(f, "Text6", "1e15");
  click(f, "fase01");
  EXPECT_EQ(f.text("Text4").text(), "100000000000000");
  EXPECT_EQ(f.text("Text12").text(), "269500000000000");
  // Only the rings that reach into the surface, in both phases.
  EXPECT_EQ(rings(f), 209u);
  click(f, "Command2");
  click(f, "Command3");
  EXPECT_EQ(rings(f), 209u);
  EXPECT_EQ(f.text("Text4").text(), "269500000000003");

  // A product too large for a double: a message instead of a result.
  type(f, "Text6", "1e300");
  type(f, "Text14", "1e10");
  f.clearMessage();
  click(f, "fase01");
  EXPECT_FALSE(f.lastMessage().isEmpty());
  EXPECT_EQ(f.text("Text12").text(), "26950000000000.3");
  EXPECT_EQ(phaseControls(f), (V{true, false, false, true}));
}

}  // namespace
}  // namespace fv

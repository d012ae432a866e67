// The three-phase window: layout, fundamental, harmonic components,
// resultants, neutral, phase currents, Troca and the total reset.
#include <algorithm>
#include <cmath>
#include <vector>

#include "senoidet/senoidet.hpp"
#include "support/testing.hpp"

using namespace fv;
using namespace fv::testing;

namespace {

constexpr Color kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0), kRed = RGB(255, 0, 0);

SenoideT& openT(Program& p) { return dynamic_cast<SenoideT&>(p.open("SenoideT")); }

std::vector<SurfaceOp> points(const Surface& s, Color c) {
  std::vector<SurfaceOp> v;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Point && op.color == c) v.push_back(op);
  return v;
}

// Largest distance of the points of a colour from an axis level.
double amplitude(const Surface& s, Color c, double axis) {
  double a = 0;
  for (const auto& op : points(s, c)) a = std::max(a, std::fabs(op.y1 - axis));
  return a;
}

QRect rectOf(Form& f, const char* name) { return f.control(name).geometry(); }

}  // namespace

// ---- The window and its controls ---------------------------------------------------------

TEST(SenoideTLayout, OrderFieldLiesOverTheBlankStretchOfItsButton) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  EXPECT_EQ(f.button("NHARMO").text(), "Harmonica da            Ordem");
  EXPECT_EQ(f.text("varIn").text(), "6");
  EXPECT_TRUE(rectOf(f, "NHARMO").contains(rectOf(f, "varIn")));
  const QObjectList& siblings = f.frame("Frame4(2)").children();
  EXPECT_GT(siblings.indexOf(&f.control("varIn")), siblings.indexOf(&f.control("NHARMO")));
  EXPECT_EQ(f.text("varIn").backColor(), RGB(255, 255, 0));
}

TEST(SenoideTLayout, ReturnButtonShowsTheMenuAndKeepsTheWindow) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  p.app.menu().hide();
  click(f, "fim");
  EXPECT_TRUE(p.app.menu().isVisible());
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(&openT(p), &f);
}

// ---- Fundamental ---------------------------------------------------------------------------

TEST(SenoideTFundamental, DefaultsDrawThreeSinesAndPowers) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  click(f, "FUNDAMENTAL");
  const Surface& s = f.surface("Picture1");
  EXPECT_EQ(countOps(s, SurfaceOp::Line), 18);  // two axes and sixteen grid lines
  for (Color c : {kBlue, kGreen, kRed}) {
    EXPECT_EQ(countPoints(s, c), 629);
    EXPECT_NEAR(amplitude(s, c, 2000), 1500, 1);
  }
  // Phase R starts on the axis and rises first; the curves end at x = 4768.
  const auto r = points(s, kBlue);
  EXPECT_FLOAT_EQ(r.front().x1, 1000);
  EXPECT_NEAR(r.front().y1, 2000, 1);
  EXPECT_LT(r[10].y1, 2000);
  EXPECT_FLOAT_EQ(r.back().x1, 4768);
  // Each pass draws R, S, T.
  const auto& ops = s.ops();
  EXPECT_EQ(ops[18].color, kBlue);
  EXPECT_EQ(ops[19].color, kGreen);
  EXPECT_EQ(ops[20].color, kRed);
  for (const char* n : {"Text23", "Text24", "Text25", "Text26", "Text27", "Text31"})
    EXPECT_EQ(f.text(n).text(), "28.3");
  for (const char* n : {"Text32", "Text33", "Text34"}) EXPECT_EQ(f.text(n).text(), ".");
  EXPECT_EQ(fv::testing::pacer().totalCount(), 629 * 20000);
  EXPECT_EQ(f.temFund, 1);
  EXPECT_EQ(f.modoCorr, 0);
  EXPECT_EQ(f.VR, 300);
}

TEST(SenoideTFundamental, VoltageIsCapturedAsAnIntegerWhilePowersUseTheText) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  type(f, "FVR", "300.5");
  type(f, "FGS", "60");
  click(f, "FUNDAMENTAL");
  EXPECT_EQ(f.VR, 300);
  EXPECT_EQ(f.GS, 60);
  EXPECT_NEAR(amplitude(f.surface("Picture1"), kBlue, 2000), 1500, 1);
  EXPECT_EQ(f.text("Text23").text(), "28.4");  // 629 * 300.5 * 15 / 100000
  EXPECT_EQ(f.text("Text27").text(), "14.2");
  EXPECT_EQ(f.text("Text33").text(), "24.5");

  // A second click starts from a cleared surface and from zero powers.
  type(f, "FVR", "300");
  const auto cleared = f.surface("Picture1").clsCount();
  click(f, "FUNDAMENTAL");
  EXPECT_EQ(f.surface("Picture1").clsCount(), cleared + 1);
  EXPECT_EQ(countPoints(f.surface("Picture1"), kBlue), 629);
  EXPECT_EQ(f.text("Text23").text(), "28.3");
}

TEST(SenoideTFundamental, BadInputStopsAndLeavesTheFlagUnset) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  type(f, "FAR", "abc");
  click(f, "FUNDAMENTAL");
  // The first pass drew its points before it read the current.
  EXPECT_EQ(countPoints(f.surface("Picture1"), kBlue), 1);
  EXPECT_EQ(f.temFund, 0);
  EXPECT_TRUE(f.text("FAR").highlighted());
  EXPECT_TRUE(f.lastMessage().contains("abc"));

  type(f, "FAR", "15");
  type(f, "FVT", "40000");
  f.clearMessage();
  click(f, "FUNDAMENTAL");
  EXPECT_EQ(countPoints(f.surface("Picture1"), kBlue), 0);
  EXPECT_FALSE(f.lastMessage().isEmpty());
  EXPECT_EQ(f.temFund, 0);

  // A click on the surface clears it and keeps the flag.
  type(f, "FVT", "300");
  click(f, "FUNDAMENTAL");
  click(f, "Picture1");
  EXPECT_TRUE(f.surface("Picture1").ops().empty());
  EXPECT_EQ(f.temFund, 1);
}

// ---- Harmonic components ---------------------------------------------------------------------

// Each button draws its component's three curves (their sweeps are the
// model's) in its colours and order, with its pause, and flags it.
TEST(SenoideTHarmonics, PassesColoursAndFlags) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  const Surface& s = f.surface("Picture1");
  const struct {
    const char* button;
    int passes;
    Color order[3];  // drawing order within a pass
    std::int64_t pause;
    std::int16_t SenoideT::*flag;
  } cases[] = {
      {"SEGUNDA", 1257, {RGB(50, 50, 255), RGB(50, 255, 50), RGB(255, 50, 50)}, 10000, &SenoideT::tem2},
      {"TERCEIRA", 1884, {RGB(200, 10, 255), RGB(200, 255, 200), RGB(255, 200, 200)}, 10000, &SenoideT::tem3},
      {"inter", 943, {RGB(200, 200, 255), RGB(200, 255, 100), RGB(255, 200, 100)}, 5000, &SenoideT::temInter},
      {"NHARMO", 3780, {RGB(200, 200, 255), RGB(200, 255, 100), RGB(255, 200, 100)}, 5000, &SenoideT::temN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    click(f, "Picture1");
    fv::testing::pacer().resetTotal();
    click(f, c.button);
    EXPECT_EQ(countOps(s, SurfaceOp::Line), 0);  // no grid of their own
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(s.ops()[k].color, c.order[k]);
      EXPECT_EQ(countPoints(s, c.order[k]), c.passes);
    }
    EXPECT_EQ(fv::testing::pacer().totalCount(), c.passes * c.pause);
    EXPECT_EQ(f.*c.flag, 1);
  }
}

TEST(SenoideTHarmonics, SecondHarmonicSwapsTheColoursOfSAndT) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  type(f, "FVS2", "0");  // S flat on the axis
  click(f, "SEGUNDA");
  const Surface& s = f.surface("Picture1");
  EXPECT_NEAR(amplitude(s, RGB(255, 50, 50), 2000), 0, 1e-3);
  EXPECT_NEAR(amplitude(s, RGB(50, 255, 50), 2000), 200, 1);
}

TEST(SenoideTHarmonics, ThirdHarmonicPhasesStandAThirdOfItsOwnPeriodApart) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  click(f, "TERCEIRA");
  const Surface& s = f.surface("Picture1");
  const auto r = points(s, RGB(200, 10, 255)), t = points(s, RGB(255, 200, 200));
  // Pass k of S and T equals R's value 210 and 420 passes later (2.1 and 4.2).
  EXPECT_NEAR(t[0].y1, r[420].y1, 0.5);
  EXPECT_NEAR(points(s, RGB(200, 255, 200))[0].y1, r[210].y1, 0.5);
}

TEST(SenoideTHarmonics, OrderOfTheNthHarmonic) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  const Surface& s = f.surface("Picture1");
  const Color r = RGB(200, 200, 255);

  type(f, "varIn", "2.5");
  click(f, "NHARMO");
  const auto pts = points(s, r);
  EXPECT_NEAR(double(pts.size()), 1576, 1);
  EXPECT_NEAR(pts.back().x1, 1000 + (pts.size() - 1) * 2.4, 0.05);

  click(f, "Picture1");
  type(f, "varIn", "-3");
  click(f, "NHARMO");
  EXPECT_EQ(countPoints(s, r), 0);
  EXPECT_EQ(f.temN, 1);

  // 0 would divide by zero, a huge order would draw for hours: both are refused before drawing.
  for (const char* order : {"0", "1e6"}) {
    SCOPED_TRACE(order);
    f.temN = 0;
    f.clearMessage();
    type(f, "varIn", order);
    click(f, "NHARMO");
    EXPECT_TRUE(s.ops().empty());
    EXPECT_EQ(f.temN, 0);
    EXPECT_TRUE(f.text("varIn").highlighted());
    EXPECT_FALSE(f.lastMessage().isEmpty());
  }
  EXPECT_TRUE(f.lastMessage().contains("até 50"));

  f.clearMessage();
  type(f, "varIn", "seis");
  click(f, "NHARMO");
  EXPECT_EQ(f.temN, 0);
  EXPECT_TRUE(f.lastMessage().contains("seis"));
}

TEST(SenoideTHarmonics, BadVoltageStopsWithoutTheFlag) {
  Program es(Edition::ES);
  SenoideT& f = openT(es);
  type(f, "FGTI", "x");
  click(f, "inter");
  EXPECT_EQ(f.temInter, 0);
  EXPECT_TRUE(f.text("FGTI").highlighted());
  EXPECT_TRUE(f.lastMessage().contains("resaltado"));

  // Values too large for a position draw nothing that could be seen, and finish.
  type(f, "FGTI", "0");
  type(f, "FVRI", "1e308");
  type(f, "FGSI", "1e308");
  click(f, "inter");
  EXPECT_EQ(f.temInter, 1);
  EXPECT_EQ(countPoints(f.surface("Picture1"), RGB(255, 200, 100)), 943);
  for (const auto& op : f.surface("Picture1").ops()) EXPECT_TRUE(std::isfinite(op.y1));
}

// ---- Resultants and neutral -------------------------------------------------------------------

TEST(SenoideTResultants, WithNothingDrawnBothAreFlatLines) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  const Surface& s = f.surface("Picture3");
  click(f, "neutro");
  EXPECT_EQ(f.text("Text2").text(), "Corrente");
  EXPECT_EQ(countOps(s, SurfaceOp::Line), 20);
  EXPECT_EQ(countPoints(s, kBlue), 6281);
  EXPECT_EQ(amplitude(s, kBlue, 3200), 0);
  EXPECT_NEAR(points(s, kBlue).back().x1, 4768, 0.01);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 6281 * 2000);
  EXPECT_TRUE(f.button("reset").isVisibleTo(&f));

  click(f, "resultante1");
  EXPECT_EQ(f.text("Text2").text(), "Tensão/Corrente");
  for (Color c : {kBlue, kGreen, kRed}) {
    EXPECT_EQ(countPoints(s, c), 6281);
    EXPECT_EQ(amplitude(s, c, 3200), 0);
  }
  EXPECT_EQ(s.ops()[20].color, kBlue);
  EXPECT_EQ(s.ops()[22].color, kRed);
}

TEST(SenoideTResultants, NeutralAmplitudeOfEachComponentAlone) {
  const struct {
    const char* button;
    double low, high;
  } cases[] = {
      {"FUNDAMENTAL", 2, 4},  // 20 · 15 · 0.0097
      {"SEGUNDA", 1, 3},     {"TERCEIRA", 295, 301}, {"inter", 95, 101}, {"NHARMO", 295, 301},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    Program p(Edition::PT);
    SenoideT& f = openT(p);
    click(f, c.button);
    click(f, "neutro");
    const double a = amplitude(f.surface("Picture3"), kBlue, 3200);
    EXPECT_GE(a, c.low);
    EXPECT_LE(a, c.high);
  }
}

TEST(SenoideTResultants, FlagsDecideWhichComponentsEnter) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  const Surface& s = f.surface("Picture3");

  // The currents flag the fundamental without capturing its voltages.
  click(f, "corrente");
  EXPECT_EQ(f.temFund, 1);
  EXPECT_EQ(f.VR, 0);
  click(f, "resultante1");
  EXPECT_EQ(amplitude(s, kBlue, 3200), 0);
  type(f, "FAS", "0");
  type(f, "FAT", "0");
  click(f, "neutro");
  EXPECT_EQ(f.IR, 15);
  EXPECT_NEAR(amplitude(s, kBlue, 3200), 300, 1);

  // Erased from the upper surface, the fundamental still takes part.
  click(f, "FUNDAMENTAL");
  click(f, "Picture1");
  click(f, "resultante1");
  EXPECT_NEAR(amplitude(s, kGreen, 3200), 1500, 1);

  // The second harmonic adds to each phase with its offsets doubled.
  click(f, "SEGUNDA");
  type(f, "FVR", "0");  // the resultant reads the captured fundamental, not the field
  click(f, "resultante1");
  EXPECT_NEAR(amplitude(s, kBlue, 3200), 1549, 3);  // max of 1500 sin t + 200 sin 2t

  // The neutral captures the fundamental angles, which the resultant then uses.
  type(f, "FGR", "90");
  click(f, "neutro");
  EXPECT_EQ(f.GR, 90);
  type(f, "FVS2", "0");
  type(f, "FVT2", "0");
  type(f, "FVR2", "0");
  click(f, "resultante1");
  const auto r = points(s, kBlue);
  EXPECT_NEAR(r.front().y1, 3200 + 1500, 1);  // sin(6.28 + 90°)
}

TEST(SenoideTResultants, BadHarmonicFieldStopsAndKeepsResetHidden) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  click(f, "NHARMO");
  type(f, "varIn", "x");
  click(f, "neutro");
  EXPECT_TRUE(f.text("varIn").highlighted());
  EXPECT_FALSE(f.button("reset").isVisibleTo(&f));
  EXPECT_EQ(f.text("Text2").text(), "Corrente");

  // Without the flag the order field is not read.
  f.temN = 0;
  click(f, "resultante1");
  EXPECT_EQ(countPoints(f.surface("Picture3"), kRed), 6281);
}

// ---- Phase currents, Troca and total reset ----------------------------------------------------

TEST(SenoideTCurrents, OnlyPhaseRTakesItsAngle) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  const Surface& s = f.surface("Picture1");
  click(f, "corrente");
  EXPECT_EQ(countOps(s, SurfaceOp::Line), 0);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 629 * 20000);
  EXPECT_NEAR(amplitude(s, kBlue, 2000), 300, 0.5);
  const auto r0 = points(s, kBlue), s0 = points(s, kGreen);
  EXPECT_NEAR(s0[0].y1, 2000 + 300 * std::sin(6.2832 - 2.0944), 0.01);

  click(f, "Picture1");
  type(f, "FGR", "90");
  type(f, "FGS", "90");
  type(f, "FGT", "45");
  click(f, "corrente");
  const auto r1 = points(s, kBlue), s1 = points(s, kGreen);
  EXPECT_NEAR(r1[0].y1, 2000 + 300, 0.5);
  EXPECT_NE(r0[0].y1, r1[0].y1);
  for (size_t k = 0; k < s0.size(); k += 50) EXPECT_EQ(s0[k].y1, s1[k].y1);
  EXPECT_EQ(f.modoCorr, 1);

  // A bad current stops the drawing and changes no flag.
  f.temFund = 0;
  type(f, "FAT", "?");
  click(f, "corrente");
  EXPECT_EQ(f.temFund, 0);
}

TEST(SenoideTCurrents, TrocaCyclesThroughVoltagesAndCurrents) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  const Surface& s = f.surface("Picture1");
  click(f, "FUNDAMENTAL");
  ASSERT_EQ(f.modoCorr, 0);

  // Voltages only, re-read from the fields, without pauses and new powers.
  type(f, "FVR", "200");
  fv::testing::pacer().resetTotal();
  click(f, "reset_corr");
  EXPECT_EQ(fv::testing::pacer().totalCount(), 0);
  EXPECT_EQ(f.modoCorr, 1);
  EXPECT_EQ(countOps(s, SurfaceOp::Line), 18);
  EXPECT_EQ(countPoints(s, kBlue), 629);
  EXPECT_NEAR(amplitude(s, kBlue, 2000), 1000, 1);
  EXPECT_EQ(f.text("Text23").text(), "28.3");

  // Voltages from the stored values, plus the currents.
  type(f, "FVR", "100");
  click(f, "reset_corr");
  EXPECT_EQ(f.modoCorr, 0);
  EXPECT_EQ(countPoints(s, kBlue), 2 * 629);
  EXPECT_NEAR(amplitude(s, kBlue, 2000), 1000, 1);
  EXPECT_EQ(s.ops()[18].color, kBlue);
  EXPECT_EQ(s.ops()[21].color, kBlue);

  click(f, "corrente");
  EXPECT_EQ(f.modoCorr, 1);
  click(f, "reset_corr");
  EXPECT_EQ(f.modoCorr, 0);
  EXPECT_EQ(countPoints(s, kRed), 2 * 629);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 629 * 20000);
  EXPECT_EQ(f.temFund, 1);
}

TEST(SenoideTCurrents, ResetClearsSurfacesPowersAndFlags) {
  Program p(Edition::PT);
  SenoideT& f = openT(p);
  click(f, "FUNDAMENTAL");
  click(f, "SEGUNDA");
  click(f, "TERCEIRA");
  click(f, "inter");
  click(f, "NHARMO");
  click(f, "reset_corr");
  click(f, "neutro");
  ASSERT_TRUE(f.button("reset").isVisibleTo(&f));
  click(f, "reset");
  EXPECT_TRUE(f.surface("Picture1").ops().empty());
  EXPECT_TRUE(f.surface("Picture3").ops().empty());
  EXPECT_EQ(f.text("Text2").text(), " ");
  for (const char* n : {"Text23", "Text24", "Text25", "Text26", "Text27", "Text31", "Text32", "Text33", "Text34"})
    EXPECT_EQ(f.text(n).text(), ".") << n;
  EXPECT_EQ(f.text("Text35").text(), "0.0");
  for (auto flag : {f.temFund, f.tem2, f.tem3, f.temInter, f.temN}) EXPECT_EQ(flag, 0);
  EXPECT_EQ(f.modoCorr, 1);
  EXPECT_EQ(f.VR, 300);
  EXPECT_FALSE(f.button("reset").isVisibleTo(&f));

  click(f, "resultante1");
  for (Color c : {kBlue, kGreen, kRed}) EXPECT_EQ(amplitude(f.surface("Picture3"), c, 3200), 0);
}

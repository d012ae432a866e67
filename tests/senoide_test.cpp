// The single-phase window: layout, the fundamental, the four harmonic
// components, the resultant and the reset, with the pacer instant.
#include <QLineEdit>
#include <cmath>
#include <vector>

#include "senoide/senoide.hpp"
#include "support/testing.hpp"

namespace fv {
namespace {

using fv::testing::click;
using fv::testing::countOps;
using fv::testing::countPoints;
using fv::testing::Program;
using fv::testing::type;

constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kMagenta = RGB(255, 0, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kGold = RGB(238, 207, 0);
constexpr Color kGreen = RGB(0, 255, 0);
constexpr Color kGridGrey = RGB(150, 150, 150);

const char* const kDrawingButtons[] = {"Fundamental", "segundaH(1)", "executar", "terceira", "resultante1", "inter"};

struct Pt {
  float x, y;
};

// The points of one colour, in the order they were painted.
std::vector<Pt> points(const Surface& s, Color c) {
  std::vector<Pt> v;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Point && op.color == c) v.push_back({op.x1, op.y1});
  return v;
}

// Local peaks of a magnitude curve (smallest y between higher neighbours).
int peaks(const std::vector<Pt>& v) {
  int n = 0;
  for (size_t i = 1; i + 1 < v.size(); ++i) n += v[i].y < v[i - 1].y && v[i].y <= v[i + 1].y && v[i].y < 1990;
  return n;
}

float minY(const std::vector<Pt>& v) {
  float m = 1e30f;
  for (const auto& p : v) m = std::min(m, p.y);
  return m;
}
float maxY(const std::vector<Pt>& v) {
  float m = -1e30f;
  for (const auto& p : v) m = std::max(m, p.y);
  return m;
}

class SenoideTest : public ::testing::Test {
 protected:
  explicit SenoideTest(Edition e = Edition::PT) : p(e), f(dynamic_cast<Senoide&>(p.open("Senoide"))) {}

  QString txt(const char* name) { return f.text(name).text(); }
  Surface& pic(int i) { return f.surface(QStringLiteral("Picture%1").arg(i)); }
  bool shown(const char* name) { return f.control(name).isVisibleTo(&f); }

  Program p;
  Senoide& f;
};

class SenoideEs : public SenoideTest {
 protected:
  SenoideEs() : SenoideTest(Edition::ES) {}
};

// ---- The window and its controls.

TEST_F(SenoideTest, OpensWithItsStartState) {
  // Every field, button and label of the window has a text in the edition.
  for (const Ctl& c : senoideLayout()) {
    if (c.kind == Kind::Text || c.kind == Kind::Button || c.kind == Kind::Label) {
      EXPECT_FALSE(f.tx(QStringLiteral("Senoide.") + c.name).isEmpty()) << c.name;
    }
  }
  for (const char* r : {"Text15", "Text16", "Text37", "Text38", "Text39", "Text10"}) EXPECT_EQ(txt(r), "0.0") << r;
  EXPECT_FALSE(shown("reset"));
  for (const char* b : kDrawingButtons) EXPECT_TRUE(shown(b)) << b;

  // Kept values start at 0 until a handler sets them.
  EXPECT_EQ(f.velocidade, 0);
  EXPECT_EQ(f.tensao3, 0);
  EXPECT_EQ(f.scroll("VScroll1").value(), 11000);
}

TEST_F(SenoideEs, RunTimeTextsStayPortugueseAndMessagesSpeakSpanish) {
  click(f, "resultante1");
  EXPECT_EQ(txt("Text36"), "TECLE   RESET");
  click(f, "reset");
  EXPECT_EQ(txt("Text36"), "VELMORA - Energia limpa para quem ensina");
  type(f, "numero", "0");
  click(f, "executar");
  EXPECT_TRUE(f.lastMessage().contains("orden")) << f.lastMessage().toStdString();
}

// ---- Scroll bars and fields.

TEST_F(SenoideTest, ScrollBarsWriteTheirFieldsWithTheNumberPattern) {
  f.scroll("HScroll1").setValue(51);
  f.scroll("HScroll1").setValue(50);
  EXPECT_EQ(txt("Text4"), "50.");
  f.scroll("HScroll3").setValue(0);
  EXPECT_EQ(txt("Text5"), ".");
  f.scroll("HScroll2").setValue(90);
  EXPECT_EQ(txt("Text6"), "90.");
  EXPECT_EQ(f.angTensao2, 90);
  f.scroll("HScroll2").setValue(0);
  f.scroll("HScroll4").setValue(0);
  EXPECT_EQ(txt("Text6"), ".");
  // The "." a bar writes for 0 reads as 0 in the fields' own handlers.
  EXPECT_EQ(f.angTensao2, 0);
  EXPECT_EQ(f.corrente2, 0);
  EXPECT_TRUE(f.lastMessage().isEmpty());

  f.scroll("VScroll3").setValue(400);
  EXPECT_EQ(txt("Text11"), "400.");
  f.scroll("VScroll2").setValue(0);
  EXPECT_EQ(txt("Text12"), ".");
  f.scroll("VScroll1").setValue(2000);
  EXPECT_EQ(f.velocidade, 2000);
}

TEST_F(SenoideTest, FieldHandlersStoreWholeNumbersAndRefuseOthers) {
  type(f, "Text14", "70.5");
  EXPECT_EQ(f.tensao3, 70);  // half to even
  type(f, "Text17", "7.5");
  EXPECT_EQ(f.corrente3, 8);
  type(f, "Text3", "30");
  EXPECT_EQ(f.anguloN, 30);
  for (const QString bad : {"abc", "", "-", "1e999", "40000"}) {
    f.clearMessage();
    type(f, "Text20", "12");
    type(f, "Text20", bad);
    EXPECT_EQ(f.angTensao3, 12) << bad.toStdString();
    EXPECT_FALSE(f.lastMessage().isEmpty()) << bad.toStdString();
    EXPECT_TRUE(f.text("Text20").highlighted()) << bad.toStdString();
  }
}

// ---- The fundamental.

TEST_F(SenoideTest, FundamentalDrawsOnePeriodAndItsPower) {
  f.text("Text36").setText("x");
  click(f, "Fundamental");
  EXPECT_EQ(txt("Text15"), "471.2");
  EXPECT_EQ(txt("Text36"), "    ");
  EXPECT_EQ(f.feitoF, 1);
  EXPECT_EQ(f.ordemN, 0);
  EXPECT_EQ(f.velocidade, 11000);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 629LL * (200000 + 11000));

  for (int i : {1, 2}) {
    const Surface& s = pic(i);
    // Frame: two green axes and sixteen grey grid lines, drawn before the curve.
    EXPECT_EQ(countOps(s, SurfaceOp::Line), 18);
    int green = 0, grey = 0;
    for (const auto& op : s.ops()) {
      green += op.kind == SurfaceOp::Line && op.color == kGreen;
      grey += op.kind == SurfaceOp::Line && op.color == kGridGrey;
    }
    EXPECT_EQ(green, 2);
    EXPECT_EQ(grey, 16);
    EXPECT_EQ(s.ops().front().kind, SurfaceOp::Line);
    const auto v = points(s, kBlue);
    ASSERT_EQ(v.size(), 629u);
    EXPECT_FLOAT_EQ(v.front().x, 1000);
    EXPECT_FLOAT_EQ(v.back().x, 4768);
    EXPECT_NEAR(v.back().y, 2000, 0.5);
  }
  // The voltage starts near the axis and rises first (y falls), 1500 twips high.
  const auto volts = points(pic(1), kBlue);
  EXPECT_LT(volts[10].y, volts.front().y);
  EXPECT_NEAR(minY(volts), 500, 1);
  EXPECT_NEAR(maxY(volts), 3500, 1);
  // The magnitude curve never goes below the axis: two lobes in phase.
  const auto power = points(pic(2), kBlue);
  EXPECT_LE(maxY(power), 2000);
  EXPECT_EQ(peaks(power), 2);

  // Clicking again clears and redraws: the same read-out, the same drawing.
  const auto cls = pic(1).clsCount();
  click(f, "Fundamental");
  EXPECT_EQ(pic(1).clsCount(), cls + 1);
  EXPECT_EQ(countPoints(pic(1), kBlue), 629);
  EXPECT_EQ(txt("Text15"), "471.2");
}

TEST_F(SenoideTest, FundamentalFollowsTheBarsAndTheCurrentAngle) {
  type(f, "Text8", "90");
  f.scroll("VScroll3").setValue(400);
  f.scroll("VScroll1").setValue(20000);
  click(f, "Fundamental");
  EXPECT_EQ(peaks(points(pic(2), kBlue)), 4);
  EXPECT_NEAR(minY(points(pic(1), kBlue)), -2000, 1);  // clipped by the surface
  EXPECT_EQ(f.velocidade, 20000);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 629LL * (200000 + 20000));
}

TEST_F(SenoideTest, FundamentalStopsAtAFieldThatIsNotANumber) {
  for (const QString bad : {"abc", "", "-", "1e999", "1e308"}) {
    f.clearMessage();
    type(f, "Text8", bad);
    click(f, "Fundamental");
    EXPECT_FALSE(f.lastMessage().isEmpty()) << bad.toStdString();
    EXPECT_TRUE(f.text("Text8").highlighted());
    // The frame and the first voltage point stay; nothing more is drawn.
    EXPECT_EQ(countOps(pic(1), SurfaceOp::Line), 18);
    EXPECT_EQ(countPoints(pic(1), kBlue), 1);
    EXPECT_EQ(countPoints(pic(2), kBlue), 0);
    EXPECT_EQ(f.feitoF, 0);
    EXPECT_EQ(txt("Text15"), "0.0");
  }
}

// ---- The harmonic components.

TEST_F(SenoideTest, SecondHarmonicCountsItsAnglesTwice) {
  click(f, "segundaH(1)");
  EXPECT_EQ(txt("Text16"), "15.7");
  EXPECT_EQ(f.feito2, 1);
  const auto v = points(pic(1), kMagenta);
  ASSERT_EQ(v.size(), 1261u);
  EXPECT_EQ(countPoints(pic(2), kMagenta), 1261);
  EXPECT_FLOAT_EQ(v.front().x, 1000);
  EXPECT_FLOAT_EQ(v.back().x, 4780);
  // Drawn on top of nothing: no frame before the fundamental.
  EXPECT_EQ(countOps(pic(1), SurfaceOp::Line), 0);
  // velocidade is still 0: no pause at all.
  EXPECT_EQ(fv::testing::pacer().totalCount(), 0);

  // 90 degrees on the voltage bar shift the voltage by 180 degrees.
  f.scroll("HScroll2").setValue(90);
  f.scroll("VScroll1").setValue(11001);
  pic(1).cls();
  fv::testing::pacer().resetTotal();
  click(f, "segundaH(1)");
  const auto w = points(pic(1), kMagenta);
  EXPECT_NEAR(w.front().y, 2000 - (v.front().y - 2000), 1);
  // The pause is the quotient velocidade / 2, counted up to it.
  EXPECT_EQ(fv::testing::pacer().totalCount(), std::int64_t(w.size()) * 5501);
}

TEST_F(SenoideTest, ThirdHarmonicReadsItsFieldsAndStoredAngles) {
  click(f, "terceira");
  EXPECT_EQ(txt("Text37"), "23.6");
  EXPECT_EQ(f.feito3, 1);
  EXPECT_EQ(f.tensao3, 50);
  EXPECT_EQ(f.corrente3, 5);
  const auto v = points(pic(1), kBlack);
  ASSERT_EQ(v.size(), 1884u);
  EXPECT_EQ(countPoints(pic(2), kBlack), 1884);
  EXPECT_FLOAT_EQ(v.back().x, 1000 + 1883 * 2);

  pic(1).cls();
  type(f, "Text14", "70");
  type(f, "Text20", "90");
  f.scroll("VScroll1").setValue(11001);
  fv::testing::pacer().resetTotal();
  click(f, "terceira");
  const auto w = points(pic(1), kBlack);
  EXPECT_NEAR(minY(w), 1300, 1);
  EXPECT_EQ(fv::testing::pacer().totalCount(), std::int64_t(w.size()) * 3667);  // 11001 / 3

  // A voltage that is not a number: stopped before drawing, the flag left at 0.
  pic(1).cls();
  type(f, "Text14", "x");
  f.clearMessage();
  click(f, "terceira");
  EXPECT_FALSE(f.lastMessage().isEmpty());
  EXPECT_EQ(f.feito3, 0);
  EXPECT_EQ(txt("Text37"), "0.0");
  EXPECT_EQ(countPoints(pic(1), kBlack), 0);
}

TEST_F(SenoideTest, InterHarmonicDrawsABlueLineAlongTheTopEdge) {
  f.scroll("VScroll1").setValue(11001);
  click(f, "inter");
  EXPECT_EQ(txt("Text10"), "75.4");
  EXPECT_EQ(f.feitoI, 1);
  const auto v = points(pic(1), kGold);
  ASSERT_EQ(v.size(), 943u);
  EXPECT_EQ(countPoints(pic(2), kGold), 943);
  EXPECT_FLOAT_EQ(v.back().x, 1000 + 942 * 4);
  const auto top = points(pic(2), kBlue);
  ASSERT_EQ(top.size(), 943u);
  EXPECT_EQ(maxY(top), 0);
  EXPECT_EQ(minY(top), 0);
  // Each step paints voltage, magnitude, then the blue point, at the same x.
  const auto& ops = pic(2).ops();
  EXPECT_EQ(ops[0].color, kGold);
  EXPECT_EQ(ops[1].color, kBlue);
  EXPECT_FLOAT_EQ(ops[1].x1, ops[0].x1);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 943LL * 7334);  // 11001 / 1.5 counted up
}

TEST_F(SenoideTest, HarmonicOfOrderNAndItsQuirks) {
  f.scroll("VScroll1").setValue(11001);
  click(f, "executar");
  EXPECT_EQ(txt("Text38"), "94.2497495459564");
  EXPECT_EQ(txt("Text36"), ".");
  EXPECT_EQ(f.feitoN, 1);
  EXPECT_EQ(f.ordemN, 6);
  const auto v = points(pic(1), kRed);
  ASSERT_EQ(v.size(), 3780u);
  EXPECT_EQ(countPoints(pic(2), kRed), 3780);
  EXPECT_NEAR(v.back().x, 4779, 0.01);
  EXPECT_NEAR(minY(v), 1500, 1);                               // voltage scale 5: 100 V is 500 twips
  EXPECT_EQ(fv::testing::pacer().totalCount(), 3780LL * 612);  // 11001 / 18 counted up

  // 30 degrees become a whole number of radians: 1.
  type(f, "Text3", "30");
  EXPECT_EQ(f.anguloN, 30);
  pic(2).cls();
  click(f, "executar");
  EXPECT_EQ(f.anguloN, 1);
}

TEST_F(SenoideTest, HarmonicOfOrderNWithOrdersItCannotDraw) {
  // Orders start at 1, and 3 x n must fit 16 bits: the rest is refused
  // before anything is drawn, out-of-range text too.
  for (const QString bad : {"0", "-2", "10923", "40000", "abc", ""}) {
    f.clearMessage();
    type(f, "numero", bad);
    f.clearMessage();
    click(f, "executar");
    EXPECT_FALSE(f.lastMessage().isEmpty()) << bad.toStdString();
    EXPECT_TRUE(f.text("numero").highlighted()) << bad.toStdString();
    EXPECT_EQ(countPoints(pic(1), kRed), 0) << bad.toStdString();
    EXPECT_EQ(f.feitoN, 0);
  }
  type(f, "numero", "6");
  type(f, "Text3", "1e999");
  f.clearMessage();
  click(f, "executar");
  EXPECT_TRUE(f.text("Text3").highlighted());
  EXPECT_EQ(countPoints(pic(1), kRed), 0);
}

// ---- The resultant, the locked state and the reset.

TEST_F(SenoideTest, ResultantWithNothingDrawnIsFlat) {
  click(f, "resultante1");
  const Surface& s = pic(3);
  EXPECT_EQ(countOps(s, SurfaceOp::Line), 20);
  const auto v = points(s, kBlue), i = points(s, kRed);
  ASSERT_EQ(v.size(), 6281u);
  ASSERT_EQ(i.size(), 6281u);
  EXPECT_EQ(minY(v), 3000);
  EXPECT_EQ(maxY(v), 3000);
  EXPECT_EQ(minY(i), 3000);
  EXPECT_EQ(maxY(i), 3000);
  EXPECT_NEAR(v.back().x, 4768, 0.01);
  EXPECT_EQ(txt("Text39"), ".");
  EXPECT_EQ(fv::testing::pacer().totalCount(), 6281LL * 1000);

  // Locked: only reset and fim remain.
  for (const char* b : kDrawingButtons) EXPECT_FALSE(shown(b)) << b;
  EXPECT_TRUE(shown("reset"));
  EXPECT_EQ(txt("Text36"), "TECLE   RESET");
  EXPECT_EQ(f.text("Text36").backColor(), RGB(255, 255, 0));
}

TEST_F(SenoideTest, ResultantTakesTheComponentsDrawnSinceTheLastOne) {
  click(f, "Fundamental");
  pic(1).cls();
  click(f, "resultante1");
  EXPECT_EQ(f.feitoF, 0);
  auto v = points(pic(3), kBlue), i = points(pic(3), kRed);
  EXPECT_NEAR(minY(v), 1500, 1);
  EXPECT_NEAR(maxY(v), 4500, 1);
  EXPECT_NEAR(minY(i), 2750, 1);
  EXPECT_NEAR(maxY(i), 3250, 1);
  for (size_t k = 0; k < v.size(); k += 500) EXPECT_NEAR((v[k].y - 3000) / 6, i[k].y - 3000, 0.01);
  EXPECT_NE(txt("Text39"), ".");
  EXPECT_EQ(countOps(pic(1), SurfaceOp::Point), 0);  // Picture1 left as it was

  // After reset a new resultant is flat until the components are drawn again.
  click(f, "reset");
  click(f, "resultante1");
  EXPECT_EQ(minY(points(pic(3), kBlue)), 3000);
  EXPECT_EQ(maxY(points(pic(3), kRed)), 3000);

  // The order-6 component enters with a voltage twice as large as drawn.
  click(f, "reset");
  click(f, "executar");
  click(f, "resultante1");
  v = points(pic(3), kBlue);
  EXPECT_NEAR(minY(v), 2000, 1);
  EXPECT_NEAR(maxY(v), 4000, 1);
  // About 6 × 10 A × 1000 twips × ½ (the mean of sin²) over 6281 points, a millionth of it.
  EXPECT_EQ(txt("Text39"), "188.5");
}

TEST_F(SenoideTest, ResultantStopsAtABadAngleAndKeepsItsFlags) {
  click(f, "Fundamental");
  click(f, "inter");
  type(f, "Text8", "ângulo");
  f.clearMessage();
  click(f, "resultante1");
  EXPECT_FALSE(f.lastMessage().isEmpty());
  EXPECT_EQ(countOps(pic(3), SurfaceOp::Line), 20);
  EXPECT_EQ(countOps(pic(3), SurfaceOp::Point), 0);
  EXPECT_EQ(f.feitoF, 1);
  EXPECT_EQ(f.feitoI, 1);
  for (const char* b : kDrawingButtons) EXPECT_TRUE(shown(b)) << b;
}

TEST_F(SenoideTest, ResetClearsEverythingButTheKeptValues) {
  type(f, "Text14", "70");
  click(f, "Fundamental");
  click(f, "segundaH(1)");
  click(f, "terceira");
  click(f, "inter");
  click(f, "executar");
  click(f, "resultante1");
  f.scroll("HScroll1").setValue(120);
  click(f, "reset");
  for (const char* r : {"Text15", "Text16", "Text37", "Text38", "Text39", "Text10"}) EXPECT_EQ(txt(r), "0.0") << r;
  for (int i : {1, 2, 3}) EXPECT_TRUE(pic(i).ops().empty()) << i;
  EXPECT_EQ(f.text("Text36").backColor(), RGB(0, 255, 0));
  EXPECT_EQ(txt("Text36"), "VELMORA - Energia limpa para quem ensina");
  for (const char* b : kDrawingButtons) EXPECT_TRUE(shown(b)) << b;
  EXPECT_FALSE(shown("reset"));
  EXPECT_EQ(f.tensao3, 70);
  EXPECT_EQ(f.scroll("HScroll1").value(), 120);
  EXPECT_EQ(txt("Text14"), "70");
}

TEST_F(SenoideTest, SurfaceClicksClearOnlyTheirSurface) {
  click(f, "Fundamental");
  click(f, "resultante1");
  click(f, "Picture2");
  EXPECT_TRUE(pic(2).ops().empty());
  EXPECT_FALSE(pic(1).ops().empty());
  EXPECT_FALSE(pic(3).ops().empty());
  EXPECT_EQ(txt("Text15"), "471.2");
  click(f, "Picture3");
  EXPECT_TRUE(pic(3).ops().empty());
  click(f, "Picture1");
  EXPECT_TRUE(pic(1).ops().empty());
}

TEST_F(SenoideTest, FimUnlocksAndShowsTheMenuLeavingTheDrawings) {
  f.show();
  click(f, "Fundamental");
  click(f, "resultante1");
  click(f, "fim");
  for (const char* b : kDrawingButtons) EXPECT_TRUE(shown(b)) << b;
  EXPECT_FALSE(shown("reset"));
  EXPECT_TRUE(p.app.menu().isVisible());
  EXPECT_TRUE(f.isVisible());
  EXPECT_FALSE(pic(3).ops().empty());
  EXPECT_EQ(txt("Text36"), "TECLE   RESET");
  EXPECT_EQ(p.app.show("Senoide"), &f);
}

}  // namespace
}  // namespace fv

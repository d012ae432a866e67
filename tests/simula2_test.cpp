// Simulation 2: the window, its scroll bars and material options, and the
// open and closed trough runs with their read-outs, rings and colours.
#include <QScrollBar>
#include <QSignalSpy>
#include <cmath>
#include <set>

#include "application/app.hpp"
#include "simula2/simula2.hpp"
#include "simula2/simula2_field.hpp"
#include "support/testing.hpp"

namespace fv {
namespace {

using testing::click;
using testing::countOps;
using testing::countPoints;
using testing::Program;
using testing::type;

constexpr Color kCable1 = RGB(0, 161, 58);
constexpr Color kCable2 = RGB(0, 0, 150);
constexpr Color kFieldOpen = RGB(0, 192, 255);
constexpr Color kAbove = RGB(204, 218, 0);
constexpr Color kSteelOpen = RGB(210, 145, 153);
constexpr Color kCompartment = RGB(0, 194, 192);
constexpr Color kPlasticClosed = RGB(255, 127, 127);
constexpr Color kSteelClosed = RGB(215, 247, 255);

struct Pt {
  float x, y;
  Color c;
  auto operator<=>(const Pt&) const = default;
};

std::vector<Pt> points(const Surface& s) {
  std::vector<Pt> v;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Point) v.push_back({op.x1, op.y1, op.color});
  return v;
}

std::vector<Pt> onPicture(const std::vector<Pt>& v) {
  std::vector<Pt> out;
  for (const Pt& p : v)
    if (p.x >= 0 && p.y >= 0 && p.x < 14655 && p.y < 9495) out.push_back(p);
  return out;
}

// Centres of the circles of one colour, each with how many circles it has.
std::map<std::pair<float, float>, int> circles(const Surface& s, Color c) {
  std::map<std::pair<float, float>, int> m;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Circle && op.color == c) ++m[{op.x1, op.y1}];
  return m;
}

class Simula2Test : public ::testing::Test {
 protected:
  Program p{Edition::PT};
  Form& f = p.open("simula2");
  Surface& pic = f.surface("Picture2");
  QString t(const char* name) { return f.text(name).text(); }
};

TEST_F(Simula2Test, WindowReturnsToTheMenu) {
  click(f, "Command3");
  EXPECT_TRUE(p.app.menu().isVisible());
  EXPECT_TRUE(f.isVisible());
}

TEST(Simula2Edition, TheSpanishEditionComputesAsThePortuguese) {
  Program p(Edition::ES);
  Form& f = p.open("simula2");
  click(f, "Command1");
  EXPECT_EQ(f.text("Text12").text(), "6220.596");
}

TEST_F(Simula2Test, ScrollBarsWriteTheirFieldsWithWholeNumbers) {
  // The initial texts are what the handlers write for the initial values.
  f.scroll("HScroll1").setValue(30);
  EXPECT_EQ(t("Text22"), "75");
  f.scroll("HScroll1").setValue(29);
  EXPECT_EQ(t("Text22"), "73");  // 72.5, half away from zero
  f.scroll("HScroll1").setValue(5);
  EXPECT_EQ(t("Text22"), "13");
  f.scroll("HScroll4").setValue(1);
  EXPECT_EQ(t("Text2"), "6");
  f.scroll("HScroll4").setValue(100);
  EXPECT_EQ(t("Text2"), "550");
  f.scroll("HScroll3").setValue(7);
  EXPECT_EQ(t("Text4"), "7");
  f.scroll("VScroll1").setValue(0);
  EXPECT_EQ(t("Text23"), "");
  // Typing does not move the bars.
  type(f, "Text22", "40");
  EXPECT_EQ(f.scroll("HScroll1").value(), 5);
}

TEST_F(Simula2Test, OpenTroughAtInitialValues) {
  QSignalSpy text12(&f.text("Text12"), &TextField::changed);
  fv::testing::pacer().resetTotal();
  click(f, "Command1");
  EXPECT_EQ(f.lastMessage(), "");
  EXPECT_EQ(t("Text10"), "37.61");
  EXPECT_EQ(t("Text12"), "6220.596");
  EXPECT_EQ(text12.count(), 1);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 0);  // no pauses

  // Cable 1 is drawn twice (before and after the field), cable 2 once.
  const auto c1 = circles(pic, kCable1), c2 = circles(pic, kCable2);
  ASSERT_EQ(c1.size(), 1u);
  ASSERT_EQ(c2.size(), 1u);
  EXPECT_FLOAT_EQ(c1.begin()->first.first, 7710.15f);
  EXPECT_FLOAT_EQ(c1.begin()->first.second, 4517.f);
  EXPECT_EQ(c1.begin()->second, 60);
  EXPECT_FLOAT_EQ(c2.begin()->first.first, 9289.85f);
  EXPECT_FLOAT_EQ(c2.begin()->first.second, 4517.f);
  EXPECT_EQ(c2.begin()->second, 30);

  // 130 rings of 631 points, all in one colour for plastic.
  EXPECT_EQ(countOps(pic, SurfaceOp::Point), 82030);
  EXPECT_EQ(countPoints(pic, kFieldOpen), 82030);
  // The first point: theta = 4.75 on the first ring, r = 100.
  const Pt first = points(pic).front();
  EXPECT_FLOAT_EQ(first.x, float(9289.85 + 100 * std::sin(4.75)));
  EXPECT_FLOAT_EQ(first.y, float(4517 + 100 * std::cos(4.75)));
  // The outline, twice: 6 passes of floor, two walls and divider.
  EXPECT_EQ(countOps(pic, SurfaceOp::Line), 48);
}

// A material click resets both results and keeps the drawing; the next run
// uses the new material.
TEST_F(Simula2Test, OpenTroughResultsPerMaterial) {
  click(f, "Command1");
  const auto drawn = pic.ops().size();
  click(f, "Option2");
  EXPECT_EQ(t("Text10"), "0");
  EXPECT_EQ(t("Text12"), "0");
  EXPECT_EQ(pic.ops().size(), drawn);
  click(f, "Command1");
  EXPECT_EQ(t("Text12"), "3712.452");
  click(f, "Option3");
  click(f, "Command1");
  EXPECT_EQ(t("Text12"), "2157.303");
  EXPECT_EQ(t("Text10"), "37.61");
}

TEST_F(Simula2Test, ClosedTroughResultsPerMaterial) {
  click(f, "Command2");
  EXPECT_EQ(t("Text10"), "37.61");
  EXPECT_EQ(t("Text12"), "6220.596");
  EXPECT_EQ(countOps(pic, SurfaceOp::Point), 98436);  // 156 rings
  EXPECT_EQ(countPoints(pic, kPlasticClosed), 98436);
  // Both outlines have a lid; both cables are drawn again at the end.
  EXPECT_EQ(countOps(pic, SurfaceOp::Line), 60);
  EXPECT_EQ(circles(pic, kCable2).begin()->second, 60);

  click(f, "Option2");
  click(f, "Command2");
  EXPECT_EQ(t("Text12"), "519.864");
  const int inside = countPoints(pic, kCompartment);
  EXPECT_EQ(countPoints(pic, kSteelClosed), 98436);
  EXPECT_GT(inside, 0);

  click(f, "Option3");
  click(f, "Command2");
  EXPECT_EQ(t("Text12"), "148.85");
  // Aluminium: only the points strictly inside the right compartment,
  // the same ones steel paints twice.
  const auto pts = points(pic);
  EXPECT_EQ(int(pts.size()), inside);
  const float right = 8500 + 3066 / 2.0f, top = 5000 - 966;
  for (const Pt& q : pts) {
    ASSERT_EQ(q.c, kCompartment);
    ASSERT_TRUE(q.x > 8500 && q.x < right && q.y > top && q.y < 5100) << q.x << "," << q.y;
  }
}

TEST_F(Simula2Test, ClosedOutlineIsDrawnBlackThenInDarkReds) {
  click(f, "Command2");
  std::vector<SurfaceOp> lines;
  for (const auto& op : pic.ops())
    if (op.kind == SurfaceOp::Line) lines.push_back(op);
  ASSERT_EQ(lines.size(), 60u);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(lines[i].color, RGB(0, 0, 0));
  for (int i = 30; i < 60; ++i) EXPECT_EQ(lines[i].color, RGB((i - 30) / 5, 0, 0)) << i;
}

// A few points per region of the open trough: inside the band of the right
// compartment the field colour stays; outside it, the screen colour within
// the trough's height and yellow above it; below the floor the screen colour.
TEST_F(Simula2Test, OpenTroughRegionColours) {
  for (auto [opt, screen] : {std::pair{"Option2", kSteelOpen}, std::pair{"Option3", kCompartment}}) {
    click(f, opt);
    click(f, "Command1");
    std::set<Color> band, besideLow, besideHigh, leftHigh, below;
    for (const Pt& q : points(pic)) {
      if (q.x > 8600 && q.x < 10000 && q.y > 4200 && q.y < 5050) band.insert(q.c);
      if (q.x > 10100 && q.y > 4200 && q.y < 5050) besideLow.insert(q.c);
      if (q.x > 10100 && q.y < 4100) besideHigh.insert(q.c);
      if (q.x < 8400 && q.y < 4100) leftHigh.insert(q.c);
      if (q.y > 5110) below.insert(q.c);
    }
    EXPECT_EQ(band, std::set<Color>{kFieldOpen}) << opt;
    EXPECT_EQ(besideLow, std::set<Color>{screen}) << opt;
    EXPECT_EQ(besideHigh, std::set<Color>{kAbove}) << opt;
    EXPECT_EQ(leftHigh, std::set<Color>{kAbove}) << opt;
    EXPECT_EQ(below, std::set<Color>{screen}) << opt;
  }
}

TEST_F(Simula2Test, RingCountsFollowTheCurrent) {
  type(f, "Text4", "3");
  click(f, "Command1");
  EXPECT_EQ(countOps(pic, SurfaceOp::Point), 4417);  // 7 rings
  // No ring for I <= 1: both troughs show 0, not the last run's value.
  type(f, "Text4", "1");
  for (const char* run : {"Command1", "Command2"}) {
    click(f, run);
    EXPECT_EQ(countOps(pic, SurfaceOp::Point), 0) << run;
    EXPECT_EQ(t("Text12"), "0") << run;
    f.text("Text12").setText("3012.72");
  }
}

// A size the bars cannot set is refused in both troughs, the bars' own ends
// are not. "" stands for the height bar at 0, which writes an empty text.
TEST_F(Simula2Test, TroughSizesBeyondTheBarsAreRefused) {
  struct Case {
    const char *field, *text;
    bool refused;
  };
  for (const Case c : {Case{"Text22", "0", true},
                       {"Text22", "-10.58", true},
                       {"Text22", "12.4", true},
                       {"Text22", "250.1", true},
                       {"Text22", "1e307", true},
                       {"Text23", "0", true},
                       {"Text23", "-5", true},
                       {"Text23", "100.5", true},
                       {"Text23", "1e305", true},
                       {"Text23", "", true},
                       {"Text22", "12,5", false},
                       {"Text22", "250", false},
                       {"Text23", "1", false},
                       {"Text23", "100", false}}) {
    type(f, "Text22", "73");
    type(f, "Text23", "23");
    if (*c.text)
      type(f, c.field, c.text);
    else
      f.scroll("VScroll1").setValue(0);
    for (const char* run : {"Command1", "Command2"}) {
      f.clearMessage();
      click(f, run);
      EXPECT_EQ(f.text(c.field).highlighted(), c.refused) << c.field << " " << c.text << " " << run;
      EXPECT_EQ(f.lastMessage().contains(" mm"), c.refused) << c.field << " " << c.text << " " << run;
      EXPECT_EQ(countOps(pic, SurfaceOp::Point) == 0, c.refused) << c.field << " " << c.text << " " << run;
    }
  }
}

TEST_F(Simula2Test, VoltageFromTheFieldOpenAndFromTheBarClosed) {
  type(f, "Text2", "440");
  click(f, "Command1");
  EXPECT_EQ(t("Text12"), "12441.193");
  click(f, "Command2");
  EXPECT_EQ(t("Text12"), "6220.596");
  // The bar at 100 gives 550 V for both, without a range error.
  f.scroll("HScroll4").setValue(100);
  click(f, "Command1");
  const QString open = t("Text12");
  click(f, "Command2");
  EXPECT_EQ(t("Text12"), open);
  EXPECT_EQ(open, "15551.491");
  EXPECT_EQ(f.lastMessage(), "");
}

TEST_F(Simula2Test, FieldsThatAreNotNumbersStopTheRun) {
  // The open trough reads I first: nothing is drawn.
  type(f, "Text4", "quarenta");
  click(f, "Command1");
  EXPECT_NE(f.lastMessage(), "");
  EXPECT_TRUE(f.text("Text4").highlighted());
  EXPECT_TRUE(pic.ops().empty());
  EXPECT_EQ(t("Text10"), "0");

  // The closed trough reads I last: the cables and the outline stay, no field.
  f.clearMessage();
  click(f, "Command2");
  EXPECT_NE(f.lastMessage(), "");
  EXPECT_EQ(t("Text10"), "37.61");
  EXPECT_EQ(countOps(pic, SurfaceOp::Line), 30);
  EXPECT_EQ(countOps(pic, SurfaceOp::Point), 0);

  // A typed empty height is not a number.
  type(f, "Text4", "40");
  type(f, "Text23", "");
  f.clearMessage();
  click(f, "Command1");
  EXPECT_TRUE(f.text("Text23").highlighted());
  EXPECT_TRUE(pic.ops().empty());
}

TEST_F(Simula2Test, HugeCurrentDrawsTheSameVisibleRings) {
  // I = 111: every ring (r < 11100) is traced; the farthest corner of the
  // picture is 10540 twips from cable 2, so larger rings cannot show.
  type(f, "Text4", "111");
  click(f, "Command1");
  const auto bounded = onPicture(points(pic));
  for (const char* huge : {"10000", "1e9", "1e300"}) {
    type(f, "Text4", huge);
    click(f, "Command1");
    EXPECT_EQ(t("Text12"), huge == QString("10000") ? "1555149.071" : t("Text12"));
    EXPECT_LT(pic.ops().size(), 500000u) << huge;
    EXPECT_EQ(onPicture(points(pic)), bounded) << huge;
  }
}

// Each cable follows its own frame's bars: swapping them, or the height
// bars alone, moves both cables and changes the read-outs.
TEST_F(Simula2Test, EachCableFollowsItsOwnBars) {
  f.scroll("HScroll7").setValue(20);
  f.scroll("VScroll3").setValue(80);
  f.scroll("HScroll8").setValue(70);
  f.scroll("VScroll4").setValue(10);
  click(f, "Option2");
  for (const char* run : {"Command1", "Command2"}) {
    click(f, run);
    std::map<Color, std::pair<float, float>> centre;
    for (const auto& op : pic.ops())
      if (op.kind == SurfaceOp::Circle) centre[op.color] = {op.x1, op.y1};
    EXPECT_FLOAT_EQ(centre[kCable1].first, 8124.06) << run;
    EXPECT_FLOAT_EQ(centre[kCable1].second, 4227.2) << run;
    EXPECT_FLOAT_EQ(centre[kCable2].first, 9565.79) << run;
    EXPECT_FLOAT_EQ(centre[kCable2].second, 4903.4) << run;
    EXPECT_EQ(t("Text10"), "37.91");
  }
  EXPECT_EQ(t("Text12"), "511.586");
  click(f, "Command1");
  EXPECT_EQ(t("Text12"), "4008.141");  // weighs cable 1's height
}

// A centre far above the picture: the rings that cannot reach it are passed
// over, and the visible points are exactly those of tracing every ring.
TEST(Simula2Field, RingsSkippedBeforeThePictureKeepTheAngle) {
  const double x2 = 8600 + (3066.0 * 50 / 200) * 0.9, y2 = 5000 - 42000.0 * 50 / 100;
  std::vector<Pt> expected, traced;
  simula2::traceField({x2, y2}, 250, 25, [&](double x, double y) {
    traced.push_back({float(x), float(y), kPlasticClosed});
  });
  double theta = 4.75;
  for (double r = 100; r < 50 * 250.0 * 2; r += 25)
    for (int k = 0; k < 631; ++k) {
      expected.push_back({float(x2 + r * std::sin(theta)), float(y2 + r * std::cos(theta)), kPlasticClosed});
      theta -= 0.01;
    }
  const auto visible = onPicture(expected);
  ASSERT_GT(visible.size(), 1000u);
  EXPECT_EQ(onPicture(traced), visible);
  EXPECT_LT(traced.size(), expected.size() / 2);
}

TEST(Simula2Field, ThetaAfterMatchesOneStepAtATime) {
  for (double start : {4.75, -3.0, -1234.5678}) {
    double naive = start, fast = start;
    std::int64_t done = 0;
    for (std::int64_t n : {1, 630, 631, 5000, 123457, 3000000}) {
      for (std::int64_t i = 0; i < n; ++i) naive -= 0.01;
      fast = simula2::thetaAfter(fast, n);
      done += n;
      ASSERT_EQ(fast, naive) << start << " after " << done;
    }
  }
  // Far out a step no longer moves the angle.
  EXPECT_EQ(simula2::thetaAfter(-1e17, 1000000), -1e17);
}

}  // namespace
}  // namespace fv

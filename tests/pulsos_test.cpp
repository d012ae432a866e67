// The pulse harmonics window of both editions: layout, grids, curves, pauses.
#include <QApplication>
#include <QImage>
#include <cmath>
#include <vector>

#include "support/testing.hpp"

using namespace fv;
using fv::testing::click;
using fv::testing::countPoints;
using fv::testing::Program;

namespace {

constexpr Color kAxis = RGB(0, 255, 0);
constexpr Color kGrid = RGB(50, 50, 50);
constexpr Color kMarker = RGB(107, 161, 61);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kWhite = RGB(255, 255, 255);

// A straight run of points one twip apart, as found in a display list.
struct PointRun {
  bool across;  // horizontal: y fixed, x from..to
  int at, from, to;
  Color color;
  bool operator==(const PointRun&) const = default;
};

std::ostream& operator<<(std::ostream& os, const PointRun& r) {
  return os << (r.across ? "y=" : "x=") << r.at << " " << r.from << ".." << r.to << " #" << std::hex << r.color
            << std::dec;
}

// Splits the leading points of a display list into runs; stops at the first
// point that is not part of a grid (the curve) or at a text.
std::vector<PointRun> gridRuns(const Surface& s) {
  std::vector<PointRun> runs;
  for (const auto& op : s.ops()) {
    if (op.kind != SurfaceOp::Point || op.color == kBlue || op.color == kWhite) break;
    const int x = int(op.x1), y = int(op.y1);
    if (!runs.empty() && runs.back().color == op.color) {
      PointRun& r = runs.back();
      if (r.from == r.to && !r.across && y == r.from && x == r.at + 1) {  // a second point to the right
        r = {true, y, r.at, x, r.color};
        continue;
      }
      if (r.across ? (y == r.at && x == r.to + 1) : (x == r.at && y == r.to + 1)) {
        r.to = r.across ? x : y;
        continue;
      }
    }
    runs.push_back({false, x, y, y, op.color});
  }
  return runs;
}

const int kVerticalGrid[12] = {1475, 1950, 2425, 2900, 3375, 3850, 4325, 4800, 5275, 5750, 6225, 6700};

QRgb pixelAt(QImage& img, double xTwips, double yTwips) {
  return img.pixel(int(std::floor(xTwips / 15.0)), int(std::floor(yTwips / 15.0)));
}
QRgb rgb(Color c) { return qRgb(red(c), green(c), blue(c)); }

}  // namespace

TEST(Pulsos, TheMenuButtonOpensTheWindowInBothEditions) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Program p(e);
    EXPECT_EQ(p.app.window("HarmonicasPulsos"), nullptr);
    click(p.app.menu(), "Command3");
    Form* f = p.app.window("HarmonicasPulsos");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());

    // Tab order: Inicio, Picture1, resultante, Picture3, FIM, resultante2, Picture2.
    QStringList order;
    QWidget* w = &f->control("Inicio");
    for (int i = 0; i < 7; ++i, w = w->nextInFocusChain()) {
      while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty()) w = w->nextInFocusChain();
      order << w->objectName();
    }
    EXPECT_EQ(order, QStringList({"Inicio", "Picture1", "resultante", "Picture3", "FIM", "resultante2", "Picture2"}));

    // The return button brings the menu back; this window stays open.
    click(*f, "FIM");
    EXPECT_TRUE(p.app.menu().isVisible());
    EXPECT_TRUE(f->isVisible());
    click(p.app.menu(), "Command3");
    EXPECT_EQ(p.app.window("HarmonicasPulsos"), f);
  }
}

TEST(Pulsos, InicioDrawsTheSmallGridInItsOrderThenTextsAndCurve) {
  Program p(Edition::PT);
  Form& f = p.open("HarmonicasPulsos");
  click(f, "Inicio");
  const Surface& s = f.surface("Picture1");

  std::vector<PointRun> want = {{true, 2000, 100, 10000, kAxis}, {false, 1000, 50, 4700, kAxis}};
  for (int x : kVerticalGrid) want.push_back({false, x, 50, 4700, kGrid});
  want.push_back({false, 2900, 50, 4700, kMarker});
  want.push_back({false, 4800, 50, 4700, kMarker});
  for (int y : {2500, 1500, 3000, 1000, 3500, 500, 4000, 0}) want.push_back({true, y, 100, 10000, kGrid});
  EXPECT_EQ(gridRuns(s), want);

  // The time scale starts at the last grid point, right of the surface;
  // "Volts" starts the next text line at the left edge.
  std::vector<const SurfaceOp*> texts;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Text) texts.push_back(&op);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(s.opText(*texts[0]), "0          30s          60s");
  EXPECT_EQ(texts[0]->x1, 10000.f);
  EXPECT_EQ(texts[0]->y1, 0.f);
  EXPECT_EQ(s.opText(*texts[1]), "Volts");
  EXPECT_EQ(texts[1]->x1, 0.f);
  EXPECT_FLOAT_EQ(texts[1]->y1, float(s.lineHeight()));

  // 631 blue points from x = 1000 to 4780, six twips apart, after the texts.
  std::vector<const SurfaceOp*> curve;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Point && op.color == kBlue) curve.push_back(&op);
  ASSERT_EQ(curve.size(), 631u);
  EXPECT_GT(curve.front(), texts[1]);
  EXPECT_EQ(curve.front()->x1, 1000.f);
  EXPECT_FLOAT_EQ(curve.front()->y1, float(2000 + 1500 * std::sin(6.3)));
  EXPECT_EQ(curve.back()->x1, 4780.f);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 631 * 20000);

  // The lower surface is not touched.
  EXPECT_EQ(f.surface("Picture3").clsCount(), 0);
  EXPECT_TRUE(f.surface("Picture3").ops().empty());
}

TEST(Pulsos, ResultantsDrawTheLargeGridWithMarkersLastAndClearBeforeEachCurve) {
  Program p(Edition::ES);
  Form& f = p.open("HarmonicasPulsos");
  const Surface& s = f.surface("Picture3");

  std::vector<PointRun> want = {{true, 3200, 100, 10000, kAxis}, {false, 1000, 50, 6700, kAxis}};
  for (int x : kVerticalGrid) want.push_back({false, x, 50, 6700, kGrid});
  for (int y : {3700, 2700, 4200, 2200, 4700, 1700, 5200, 1200, 5700, 700, 6200, 200})
    want.push_back({true, y, 100, 10000, kGrid});
  want.push_back({false, 2900, 50, 10000, kMarker});
  want.push_back({false, 4800, 50, 10000, kMarker});

  click(f, "resultante");
  EXPECT_EQ(gridRuns(s), want);
  EXPECT_EQ(countPoints(s, kBlue), 6301);
  EXPECT_EQ(countPoints(s, kWhite), 0);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 6301 * 5000);

  click(f, "resultante2");
  EXPECT_EQ(s.clsCount(), 2);
  EXPECT_EQ(gridRuns(s), want);
  EXPECT_EQ(countPoints(s, kBlue), 0);
  EXPECT_EQ(countPoints(s, kWhite), 6301);
  EXPECT_EQ(fv::testing::countOps(s, SurfaceOp::Text), 0);
  EXPECT_EQ(fv::testing::pacer().totalCount(), 2 * 6301 * 5000);

  std::vector<const SurfaceOp*> curve;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Point && op.color == kWhite) curve.push_back(&op);
  EXPECT_EQ(curve.front()->x1, 1000.f);
  EXPECT_FLOAT_EQ(curve.front()->y1, float(3200 + 1500 * std::sin(6.3)));
  EXPECT_NEAR(curve.back()->x1, 4780, 0.01);

  // The upper surface is not touched.
  EXPECT_EQ(f.surface("Picture1").clsCount(), 0);
  EXPECT_TRUE(f.surface("Picture1").ops().empty());
}

TEST(Pulsos, MarkersCoverTheGridLinesAndTheCrossingsFollowTheDrawingOrder) {
  Program p(Edition::PT);
  Form& f = p.open("HarmonicasPulsos");
  click(f, "Inicio");
  click(f, "resultante");
  QImage up = f.surface("Picture1").image();
  QImage low = f.surface("Picture3").image();

  for (QImage* img : {&up, &low}) {
    // The grid lines at 2900 and 4800 are painted over by the marker lines.
    EXPECT_EQ(pixelAt(*img, 2900, 60), rgb(kMarker));
    EXPECT_EQ(pixelAt(*img, 4800, 3400), rgb(kMarker));
    EXPECT_EQ(pixelAt(*img, 3375, 60), rgb(kGrid));
    // The vertical lines cover the horizontal axis; the vertical axis is
    // crossed by the horizontal grid.
    EXPECT_EQ(pixelAt(*img, 1475, img == &up ? 2000 : 3200), rgb(kGrid));
    EXPECT_EQ(pixelAt(*img, 1000, img == &up ? 1000 : 1200), rgb(kGrid));
    EXPECT_EQ(pixelAt(*img, 1000, 60), rgb(kAxis));
  }
  // Upper surface: the horizontal grid, drawn last, covers the crossings.
  EXPECT_EQ(pixelAt(up, 2900, 2500), rgb(kGrid));
  EXPECT_EQ(pixelAt(up, 4800, 1000), rgb(kGrid));
  // Lower surface: the marker lines, drawn last, cover them.
  EXPECT_EQ(pixelAt(low, 2900, 3700), rgb(kMarker));
  EXPECT_EQ(pixelAt(low, 4800, 200), rgb(kMarker));
  // The upper grid line at y = 0 and the curves are on screen.
  EXPECT_EQ(pixelAt(up, 3000, 0), rgb(kGrid));
  EXPECT_EQ(pixelAt(up, 1000 + 6 * 150, 2000 + 1500 * std::sin(6.3 - 1.5)), rgb(kBlue));
  EXPECT_EQ(pixelAt(low, 1000 + 0.6 * 1500, 3200 + 1500 * std::sin(6.3 - 1.5)), rgb(kBlue));

  // "Volts" shows at the left edge, one text line down.
  const int top = int(f.surface("Picture1").lineHeight() / 15);
  int ink = 0;
  for (int y = top; y < top + 14; ++y)
    for (int x = 0; x < 40; ++x) ink += qGray(up.pixel(x, y)) < 96;
  EXPECT_GT(ink, 10);
}

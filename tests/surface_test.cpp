// Drawing surfaces: what each operation paints and where the current point goes.
#include <QPainter>

#include "support/testing.hpp"

using namespace fv;

namespace {

// A surface of 1500 x 1500 twips (100 x 100 pixels at zoom 1) on a white background.
struct Fixture : ::testing::Test {
  Surface s;
  Fixture() {
    s.resize(100, 100);
    s.setBackColor(RGB(255, 255, 255));
    s.setForeColor(RGB(0, 0, 0));
  }
  QRgb at(int x, int y) { return s.image().pixel(x, y); }
};

constexpr QRgb kWhite = 0xffffffff;

}  // namespace

TEST_F(Fixture, LineLeavesItsEndPointUnpaintedAndMovesTheCurrentPoint) {
  s.line(150, 150, 750, 150, RGB(255, 0, 0));
  EXPECT_EQ(s.currentX(), 750);
  EXPECT_EQ(s.currentY(), 150);
  EXPECT_EQ(at(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(at(49, 10), qRgb(255, 0, 0));
  EXPECT_EQ(at(50, 10), kWhite);  // the end point
  s.line(150, 300, 150, 900);
  EXPECT_EQ(at(10, 59), qRgb(0, 0, 0));
  EXPECT_EQ(at(10, 60), kWhite);
  s.line(300, 300, 900, 900);  // diagonal
  EXPECT_EQ(at(20, 20), qRgb(0, 0, 0));
  EXPECT_EQ(at(59, 59), qRgb(0, 0, 0));
  EXPECT_EQ(at(60, 60), kWhite);
}

TEST_F(Fixture, ALineOfNoLengthPaintsNothing) {
  s.line(300, 300, 300, 300, RGB(255, 0, 0));
  EXPECT_EQ(at(20, 20), kWhite);
  EXPECT_EQ(at(20, 21), kWhite);
}

TEST_F(Fixture, NewOperationsArePaintedInOneBatch) {
  s.show();
  QCoreApplication::processEvents();
  s.pset(300, 300, RGB(255, 0, 0));
  s.pset(450, 600, RGB(255, 0, 0));
  // Until the event loop runs, nothing is painted into the cache...
  EXPECT_EQ(s.ops().size(), 2u);
  QCoreApplication::processEvents();
  // ...then both points are, and the picture is right.
  EXPECT_EQ(at(20, 20), qRgb(255, 0, 0));
  EXPECT_EQ(at(30, 40), qRgb(255, 0, 0));
}

TEST_F(Fixture, LineToStartsAtTheCurrentPoint) {
  s.pset(150, 150);
  s.lineTo(150, 450, RGB(0, 0, 255));
  ASSERT_EQ(s.ops().size(), 2u);
  const SurfaceOp& l = s.ops()[1];
  EXPECT_EQ(l.kind, SurfaceOp::Line);
  EXPECT_EQ(l.x1, 150);
  EXPECT_EQ(l.y1, 150);
  EXPECT_EQ(l.color, RGB(0, 0, 255));
}

TEST_F(Fixture, PsetPaintsOnePixelAndBecomesTheCurrentPoint) {
  s.pset(300, 450, QBColor(14));
  EXPECT_EQ(s.currentX(), 300);
  EXPECT_EQ(s.currentY(), 450);
  EXPECT_EQ(at(20, 30), qRgb(255, 255, 0));
  EXPECT_EQ(at(21, 30), kWhite);
  EXPECT_EQ(at(20, 31), kWhite);
  s.pset(15, 15);  // without a colour: the foreground colour
  EXPECT_EQ(s.ops().back().color, RGB(0, 0, 0));
}

TEST_F(Fixture, CircleOutlineAroundItsCentre) {
  s.circle(750, 750, 450, QBColor(10));
  EXPECT_EQ(at(50, 50), kWhite);  // the centre stays empty
  EXPECT_EQ(at(80, 50), qRgb(0, 255, 0));
  EXPECT_EQ(at(50, 20), qRgb(0, 255, 0));
  EXPECT_EQ(s.currentX(), 750);
}

TEST_F(Fixture, ClsFillsWithTheBackgroundAndResetsTheCurrentPoint) {
  s.setBackColor(RGB(224, 224, 224));
  s.pset(300, 300);
  s.cls();
  EXPECT_TRUE(s.ops().empty());
  EXPECT_EQ(s.currentX(), 0);
  EXPECT_EQ(s.currentY(), 0);
  EXPECT_EQ(at(20, 20), qRgb(224, 224, 224));
}

TEST_F(Fixture, PrintWritesAtTheCurrentPointAndMovesToTheNextLine) {
  s.setCurrent(300, 150);
  s.print("Volts");
  EXPECT_EQ(s.currentX(), 0);
  EXPECT_NEAR(s.currentY(), 150 + s.lineHeight(), 0.01);
  EXPECT_GT(s.lineHeight(), 100);
  ASSERT_EQ(s.ops().size(), 1u);
  EXPECT_EQ(s.opText(s.ops()[0]), "Volts");
  QImage img = s.image();
  int dark = 0;
  for (int y = 10; y < 30; ++y)
    for (int x = 20; x < 60; ++x) dark += qGray(img.pixel(x, y)) < 128;
  EXPECT_GT(dark, 5);
}

TEST_F(Fixture, DrawingsOutsideAreClippedAndFarCoordinatesAreSafe) {
  s.line(-1e9, 750, 1e9, 750, RGB(255, 0, 0));
  s.pset(1e30, -1e30);
  s.circle(750, 750, 1e12);
  s.circle(-1e20, 0, 5);
  EXPECT_EQ(at(50, 50), qRgb(255, 0, 0));
  EXPECT_EQ(at(50, 49), kWhite);
}

TEST_F(Fixture, ZoomRendersTheSameDrawingAtTheNewScale) {
  s.line(150, 150, 750, 150, RGB(255, 0, 0));
  s.resize(200, 200);
  s.setZoom(2.0);
  EXPECT_EQ(at(20, 20), qRgb(255, 0, 0));  // 150 twips = 20 pixels at zoom 2
  EXPECT_EQ(at(98, 20), qRgb(255, 0, 0));
  EXPECT_EQ(at(60, 60), kWhite);
}

TEST(SurfaceClick, RunsTheClickHandlerOnRelease) {
  Surface s;
  s.resize(50, 50);
  int clicks = 0;
  s.onClick = [&] { ++clicks; };
  QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(&s, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks, 1);
}

TEST(SurfaceLongDrawing, StaysBoundedAndKeepsWhatWasDrawn) {
  Surface s;
  s.resize(100, 100);
  s.setBackColor(RGB(255, 255, 255));
  s.pset(150, 150, RGB(0, 0, 255));
  for (int i = 0; i < 1'000'000; ++i) s.pset(600, 600, RGB(255, 0, 0));
  EXPECT_LT(s.ops().size(), 500'000u);
  EXPECT_EQ(s.image().pixel(10, 10), qRgb(0, 0, 255));
  EXPECT_EQ(s.image().pixel(40, 40), qRgb(255, 0, 0));
}

// Drawing surfaces: what each operation paints and where the current point
// goes; the display list; incremental painting against a fresh rendering.
#include <QPainter>
#include <QScreen>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "drawing/pictures.hpp"
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
  s.pset(300, 450, RGB(255, 255, 0));
  EXPECT_EQ(s.currentX(), 300);
  EXPECT_EQ(s.currentY(), 450);
  EXPECT_EQ(at(20, 30), qRgb(255, 255, 0));
  EXPECT_EQ(at(21, 30), kWhite);
  EXPECT_EQ(at(20, 31), kWhite);
  s.pset(15, 15);  // without a colour: the foreground colour
  EXPECT_EQ(s.ops().back().color, RGB(0, 0, 0));
}

TEST_F(Fixture, CircleOutlineAroundItsCentre) {
  s.circle(750, 750, 450, RGB(0, 255, 0));
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

TEST(SurfaceLongDrawing, APointOfACurveTakesAboutTwoBytesAndStaysOnScreen) {
  Surface s;
  s.resize(100, 100);
  s.setBackColor(RGB(255, 255, 255));
  s.pset(150, 150, RGB(0, 0, 255));
  for (int i = 0; i < 1'000'000; ++i) s.pset(600 + i / 2000.0, 600, RGB(255, 0, 0));
  EXPECT_EQ(s.opCount(), 1'000'001u);
  EXPECT_LT(s.listBytes(), 2'500'000u);
  EXPECT_EQ(s.image().pixel(10, 10), qRgb(0, 0, 255));
  EXPECT_EQ(s.image().pixel(40, 40), qRgb(255, 0, 0));
  EXPECT_EQ(s.image().pixel(72, 40), qRgb(255, 0, 0));
}

TEST(SurfaceCircles, ConcentricCirclesCoverTheirRingsAndFarCirclesStillCross) {
  for (double zoom : {0.75, 1.0, 1.35, 2.0, 2.5}) {
    Surface s;
    s.resize(int(100 * zoom), int(100 * zoom));
    s.setZoom(zoom);
    s.setBackColor(RGB(255, 255, 255));
    for (int r = 10; r <= 700; ++r) s.circle(750, 750, r, RGB(0, 0, 255));
    s.circle(1e6 + 750, 750, 1e6 + 450, RGB(255, 0, 0));  // centre far off, the ring crosses x = 300
    s.circle(-5e5, 750, 4e5, RGB(255, 0, 0));             // centre and ring wholly off the surface
    const QImage img = s.image();
    const double pxPerTwip = zoom / 15;
    int holes = 0, red = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const double d = std::hypot((x + 0.5) / pxPerTwip - 750, (y + 0.5) / pxPerTwip - 750);
        holes += d < 680 && img.pixel(x, y) == qRgb(255, 255, 255);
        red += img.pixel(x, y) == qRgb(255, 0, 0);
      }
    EXPECT_EQ(holes, 0) << zoom;
    EXPECT_GT(red, img.height() / 2) << zoom;
    int crossing = 0;  // in the row of the centre, by x = 300 twips
    for (int x = int(300 * pxPerTwip) - 3; x <= int(300 * pxPerTwip) + 3; ++x)
      crossing += img.pixel(x, int(750 * pxPerTwip)) == qRgb(255, 0, 0);
    EXPECT_GT(crossing, 0) << zoom;
  }
}

TEST(DisplayList, ReadsBackExactlyWhatItWasGiven) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  const float odd[] = {0.0f, -0.0f, nan, inf, -inf, 1e-42f, std::numeric_limits<float>::max(), -3.0e38f, 1e-30f};
  std::mt19937 rng(11);
  std::uniform_real_distribution<float> any(-20000, 20000);
  std::vector<SurfaceOp> given;
  for (int i = 0; i < 200000; ++i) {
    const Color c = RGB(i % 7 == 0 ? int(rng() % 60) : 3 * (i % 3), 0, 0);  // three curves, and over 31 colours
    SurfaceOp op{SurfaceOp::Point, float(1000 + i * 0.37), float(2000 + 900 * std::sin(i * 0.01)), 0, 0, c};
    switch (rng() % 16) {
      case 0:
        op = {SurfaceOp::Line, any(rng), any(rng), any(rng), any(rng), c};
        break;
      case 1:
        op = {SurfaceOp::Circle, any(rng), any(rng), std::fabs(any(rng)), 0, c};
        break;
      case 2:
        op = {SurfaceOp::Text, any(rng), any(rng), 0, 0, c};
        break;
      case 3:
        op.x1 = odd[rng() % 9], op.y1 = odd[rng() % 9];
        break;
    }
    given.push_back(op);
  }
  auto same = [](const SurfaceOp& a, const SurfaceOp& b) {
    auto bits = [](float f) { return std::bit_cast<std::uint32_t>(f); };
    const bool twoPoints = a.kind == SurfaceOp::Line || a.kind == SurfaceOp::Circle;
    return a.kind == b.kind && a.color == b.color && bits(a.x1) == bits(b.x1) && bits(a.y1) == bits(b.y1) &&
           (!twoPoints || bits(a.x2) == bits(b.x2)) && (a.kind != SurfaceOp::Line || bits(a.y2) == bits(b.y2));
  };
  DisplayList list;
  // A reader at the end goes on with what is pushed afterwards.
  DisplayList::Reader tail(list);
  size_t read = 0, texts = 0;
  SurfaceOp op;
  for (size_t i = 0; i < given.size(); ++i) {
    list.push(given[i]);
    if (rng() % 100 == 0 || i + 1 == given.size()) {
      for (; tail.next(op); ++read) {
        ASSERT_TRUE(same(op, given[read])) << read;
        if (op.kind == SurfaceOp::Text) {
          EXPECT_EQ(op.text, int(texts++));
        }
      }
    }
  }
  EXPECT_EQ(read, given.size());
  EXPECT_EQ(list.size(), given.size());
  EXPECT_LT(list.bytes(), given.size() * 12);
  DisplayList::Reader again(list);
  for (read = 0; again.next(op); ++read) ASSERT_TRUE(same(op, given[read])) << read;
  EXPECT_EQ(read, given.size());
  list.clear();
  EXPECT_EQ(list.size(), 0u);
  EXPECT_FALSE(DisplayList::Reader(list).next(op));
}

namespace {

// One step of a random drawing.
struct Step {
  enum Kind { Point, Line, Circle, Text, Cls } kind;
  double x1, y1, x2, y2;
  Color c;
};

void apply(Surface& s, const Step& st) {
  switch (st.kind) {
    case Step::Point:
      return s.pset(st.x1, st.y1, st.c);
    case Step::Line:
      return s.line(st.x1, st.y1, st.x2, st.y2, st.c);
    case Step::Circle:
      return s.circle(st.x1, st.y1, st.x2, st.c);
    case Step::Text:
      s.setCurrent(st.x1, st.y1);
      s.setForeColor(st.c);
      return s.print(QStringLiteral("Vx %1").arg(int(st.x2)));
    case Step::Cls:
      return s.cls();
  }
}

// Mostly curves of points, as the windows draw them, with lines, circles
// (some huge, some far off), texts, coordinates that are not numbers and,
// rarely, a clear.
class RandomDrawing {
 public:
  explicit RandomDrawing(unsigned seed) : rng_(seed) {
    colours_[0] = RGB(0, 0, 255), colours_[1] = RGB(0, 160, 0), colours_[2] = RGB(255, 0, 0);
    for (int i = 3; i < 40; ++i) colours_[i] = RGB(37 * i % 256, 91 * i % 256, 53 * i % 256);
  }
  Step next() {
    const double w = 3000, h = 2250;  // the surface, in twips
    auto in = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); };
    const Color c = colours_[rng_() % 40];
    const unsigned roll = rng_() % 1000;
    if (roll < 800) {
      curve_ = (curve_ + 1) % 3;
      x_[curve_] = x_[curve_] > w + 100 ? -100 : x_[curve_] + in(0, 3);
      t_ += 0.003;
      return {Step::Point, x_[curve_], h / 2 + (h / 2 + 200) * std::sin(t_ * (curve_ + 1)), 0, 0, colours_[curve_]};
    }
    if (roll < 870) return {Step::Point, in(-300, w + 300), in(-300, h + 300), 0, 0, c};
    if (roll < 930)
      return {Step::Line, in(-1000, w + 1000), in(-1000, h + 1000), in(-1000, w + 1000), in(-1000, h + 1000), c};
    if (roll < 933) return {Step::Line, in(-1e12, 1e12), in(-1e7, 1e7), in(-1e12, 1e12), in(-1e7, 1e7), c};
    if (roll < 990) return {Step::Circle, in(-500, w + 500), in(-500, h + 500), in(0, 2500), 0, c};
    if (roll < 994) return {Step::Circle, in(-1e7, 1e7), in(-1e7, 1e7), in(0, 2e7), 0, c};
    if (roll < 996) return {Step::Point, std::nan(""), in(0, h), 0, 0, c};
    if (roll < 999 || !clears_) return {Step::Text, in(-200, w), in(-200, h), in(0, 1000), 0, c};
    --clears_;
    return {Step::Cls, 0, 0, 0, 0, 0};
  }
  int clears_ = 2;

 private:
  std::mt19937 rng_;
  double x_[3] = {0, 0, 0}, t_ = 0;
  int curve_ = 0;
  Color colours_[40];
};

// What the screen shows of a top-level widget.
QImage onScreen(QWidget& w) {
  return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The same operations given at once to a new surface of the same size and zoom.
QImage fresh(const Surface& like, const std::vector<Step>& steps) {
  Surface s;
  s.resize(like.size());
  s.setZoom(like.zoom());
  s.setBackColor(like.backColor());
  s.setFontSpec(like.fontSpec());
  for (const Step& st : steps) apply(s, st);
  return s.image().convertToFormat(QImage::Format_RGB32);
}

// How many pixels differ, and where the first one is.
std::string difference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return "sizes differ";
  int n = 0;
  QPoint first;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y) && n++ == 0) first = {x, y};
  return n ? std::to_string(n) + " pixels, the first at " + std::to_string(first.x()) + "," + std::to_string(first.y())
           : std::string();
}

}  // namespace

// Painted in batches as a handler's frames and the event loop paint them, the
// screen shows exactly what a fresh rendering of the operations shows, at
// every zoom and right after each change of zoom, for a drawing of more
// operations than a list held before it was folded into a raster.
TEST(SurfaceDifferential, IncrementalPaintingEqualsAFreshRendering) {
  RandomDrawing drawing(5);
  FrameList frames;
  Surface s;
  s.setFrames(&frames);
  s.setBackColor(RGB(224, 224, 224));
  s.resize(200, 150);
  s.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
  std::mt19937 rng(9);
  std::vector<Step> since;  // the steps since the last clear
  int checks = 0;
  for (double zoom : {1.0, 1.35, 2.5, 0.75, 2.0}) {
    s.resize(int(std::lround(200 * zoom)), int(std::lround(150 * zoom)));
    s.setZoom(zoom);
    QCoreApplication::processEvents();
    EXPECT_EQ(difference(onScreen(s), fresh(s, since)), "") << "after the zoom to " << zoom;
    for (int done = 0; done < 100000;) {
      const int batch = 1 + int(rng() % 4000);
      for (int i = 0; i < batch; ++i, ++done) {
        const Step st = drawing.next();
        if (st.kind == Step::Cls)
          since.clear();
        else
          since.push_back(st);
        apply(s, st);
      }
      const bool frame = rng() % 2;
      if (frame)
        frames.showAll();  // a frame in a handler's pause
      else
        QCoreApplication::processEvents();
      QCoreApplication::processEvents();  // what was asked to be repainted is repainted
      if (rng() % 8 == 0 && checks++ < 12) {
        EXPECT_EQ(difference(onScreen(s), fresh(s, since)), "")
            << "at zoom " << zoom << ", " << done << (frame ? " after a frame" : " after the event loop");
      }
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(difference(onScreen(s), fresh(s, since)), "") << "at zoom " << zoom;
  }
  EXPECT_GT(since.size(), 400000u);
  EXPECT_EQ(s.opCount(), since.size());
}

// A picture is the screen's drawing at its own scale: at the surface's zoom,
// pixel for pixel what the surface shows, folded part included.
TEST(SurfaceDifferential, APictureAtTheSurfacesScaleIsItsImage) {
  RandomDrawing drawing(11);
  Surface s;
  s.resize(200, 150);
  s.setBackColor(RGB(224, 224, 224));
  s.setListLimit(96 * 1024);
  for (double zoom : {1.0, 1.35, 2.5}) {
    s.resize(int(std::lround(200 * zoom)), int(std::lround(150 * zoom)));
    s.setZoom(zoom);
    for (int i = 0; i < 30000; ++i) apply(s, drawing.next());
    EXPECT_EQ(difference(surfacePicture(s, zoom), s.image()), "") << "at zoom " << zoom;
  }
  EXPECT_FALSE(s.base().isNull());
}

// A list that outgrows its limit is folded into a raster: nothing it held is
// lost from the screen, also when it was folded while the surface was tiny.
TEST(SurfaceDifferential, FoldingKeepsEveryPointOnTheScreen) {
  Surface s;
  s.setListLimit(128 * 1024);
  s.resize(200, 150);
  s.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
  // Three dense curves across the surface, shown a few hundred points at a
  // time; then more while the surface has no area, and while it is one pixel.
  std::vector<Step> all;
  for (const QSize size : {QSize(200, 150), QSize(0, 0), QSize(1, 1)}) {
    s.resize(size);
    s.setZoom(size.width() / 200.0);
    for (int i = int(all.size()), end = i + (i ? 100000 : 300000); i < end; ++i) {
      const double x = i % 300000 / 100.0, y = 1125 + 900 * std::sin(i * 0.003 * (i % 3 + 1));
      all.push_back({Step::Point, x, y, 0, 0, RGB(255 * (i % 3 == 0), 160 * (i % 3 == 1), 255 * (i % 3 == 2))});
      apply(s, all.back());
      if (i % 500 == 0) QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
  }
  s.resize(200, 150);
  s.setZoom(1);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_LT(s.opCount(), all.size());  // it was folded
  EXPECT_EQ(difference(onScreen(s), fresh(s, all)), "");
}

// An idle cache is dropped, and the screen goes on from the list as drawing
// resumes, after a cls, and after a zoom; a list too long to render quickly
// keeps its cache.
TEST(SurfaceIdle, AnIdleCacheIsDroppedAndDrawingGoesOnFromTheList) {
  Surface s;
  s.setBackColor(RGB(255, 255, 255));
  s.resize(300, 200);
  s.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
  std::vector<Step> all;
  auto draw = [&](int from, int to) {
    for (int i = from; i < to; ++i) {
      all.push_back({Step::Point, i / 4.0, 1500 + 1200 * std::sin(i * 0.002), 0, 0, RGB(255, 0, 0)});
      apply(s, all.back());
      if (i % 997 == 0) {
        all.push_back({Step::Line, i / 4.0, 0, i / 4.0, 3000, RGB(0, 0, 255)});
        apply(s, all.back());
      }
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  };
  auto idle = [&] {
    QTest::qWait(Surface::kIdleDelayMs + 200);
    return s.memoryBytes() - s.listBytes();
  };
  draw(0, 8000);
  for (int step = 0; step < 3; ++step) {
    EXPECT_EQ(idle(), 0u) << step;
    if (step == 1) {
      s.cls();
      all.clear();
    }
    if (step == 2) {
      s.resize(450, 300);
      s.setZoom(1.5);
    }
    draw(8000 + 4000 * step, 12000 + 4000 * step);
    EXPECT_EQ(difference(onScreen(s), fresh(s, all)), "") << step;
  }
  while (s.listBytes() <= Surface::kDropListBytes) draw(int(all.size()), int(all.size()) + 100000);
  EXPECT_EQ(idle(), std::size_t(450 * 300 * 4));
}

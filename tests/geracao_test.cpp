// The generation window: opening state, the generator animation, the pulse
// train, the waveforms with their powers, and the phase-angle scroll bar.
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <set>

#include "geracao/geracao.hpp"
#include "geracao/picture.hpp"
#include "support/testing.hpp"

using namespace fv;
using namespace fv::testing;

namespace {

constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kCyan = RGB(0, 255, 255);
constexpr Color kMagenta = RGB(255, 0, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kOrange = RGB(255, 100, 0);
constexpr Color kGreen = RGB(0, 255, 0);

constexpr const char* kHiddenAtStart[] = {"geração", "Picture3", "Frame1", "Frame2", "Text10", "Text11"};

std::vector<SurfaceOp> pointsOf(const Surface& s, Color c) {
  std::vector<SurfaceOp> v;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Point && op.color == c) v.push_back(op);
  return v;
}

std::vector<SurfaceOp> linesOf(const Surface& s) {
  std::vector<SurfaceOp> v;
  for (const auto& op : s.ops())
    if (op.kind == SurfaceOp::Line) v.push_back(op);
  return v;
}

// Points of the phase mark: black points on the voltage axis.
std::vector<float> phaseMark(const Surface& s) {
  std::vector<float> xs;
  for (const auto& op : pointsOf(s, kBlack))
    if (op.y1 == 2000.0f) xs.push_back(op.x1);
  return xs;
}

bool shown(Form& f, const char* name) { return f.control(QString::fromUtf8(name)).isVisibleTo(&f); }

struct Window {
  explicit Window(Edition e) : p(e), f(p.open(QStringLiteral("Geração"))) {}
  Program p;
  Form& f;
  Surface& s(const char* name) { return f.surface(QString::fromUtf8(name)); }
  QString t(const char* name) { return f.text(QString::fromUtf8(name)).text(); }
  void setAngle(int v) { f.scroll(QStringLiteral("HScroll1")).setValue(v); }
};

}  // namespace

TEST(Geracao, OpensReducedWithItsPictures) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Window w(e);
    for (const char* n : kHiddenAtStart) EXPECT_FALSE(shown(w.f, n)) << n;
    for (const char* n : {"go", "pulso", "volta", "CAPACITOR", "indutor", "Command1", "Picture1", "Picture2",
                          "Picture4", "Picture5", "Picture6", "Text9", "Text12", "logo"})
      EXPECT_TRUE(shown(w.f, n)) << n;
    // Every picture is found and drawable.
    for (const char* n : {"Picture4", "Picture5", "Picture6", "logo"}) {
      auto* pic = qobject_cast<FixedPicture*>(&w.f.control(QString::fromUtf8(n)));
      ASSERT_NE(pic, nullptr) << n;
      EXPECT_TRUE(pic->valid()) << n;
    }
    EXPECT_EQ(w.f.scroll("HScroll1").value(), 0);
  }
}

TEST(Geracao, TabOrderStartsAtVoltaAndSkipsTheFrames) {
  Window w(Edition::PT);
  QWidget* first = &w.f.control("volta");
  QWidget* next = first->nextInFocusChain();
  EXPECT_EQ(next, &w.f.control("Picture1"));
  EXPECT_EQ(next->nextInFocusChain(), &w.f.control("Picture2"));
  EXPECT_EQ(w.f.frame("Frame1").focusPolicy(), Qt::NoFocus);
}

TEST(Geracao, GoTurnsTheGeneratorAndRevealsGeracao) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Window w(e);
    click(w.f, "go");
    Surface& p1 = w.s("Picture1");
    Surface& p2 = w.s("Picture2");

    // Generator: 179 core, 61 ring and 21 rim circles.
    int core = 0, ring = 0, rim = 0;
    for (const auto& op : p2.ops()) {
      if (op.kind != SurfaceOp::Circle) continue;
      EXPECT_EQ(op.x1, 2000.0f);
      EXPECT_EQ(op.y1, 1900.0f);
      core += op.color == kBlue, ring += op.color == kRed, rim += op.color == kCyan;
    }
    EXPECT_EQ(core, 179);
    EXPECT_EQ(ring, 61);
    EXPECT_EQ(rim, 21);

    // 631 steps: four mark points and four erased points each, three pairs
    // of voltage points each.
    const auto mark = pointsOf(p2, kBlue);
    const auto erased = pointsOf(p2, kCyan);
    ASSERT_EQ(mark.size(), 631u * 4);
    ASSERT_EQ(erased.size(), 631u * 4);
    EXPECT_EQ(countPoints(p1, kBlue), 631 * 3);
    EXPECT_EQ(countPoints(p1, kMagenta), 631 * 3);
    EXPECT_EQ(fv::testing::pacer().totalCount(), 631LL * 200000);

    // The mark starts at the left of the rim, on its outer edge.
    EXPECT_NEAR(mark[0].x1, 2000 + 1300 * std::sin(4.75), 0.01);
    EXPECT_NEAR(mark[0].y1, 1900 + 1300 * std::cos(4.75), 0.01);
    EXPECT_LT(mark[0].x1, 710);
    EXPECT_NEAR(mark[3].x1, 2000 + 0.94 * 1300 * std::sin(4.75), 0.01);
    // Each step erases the mark of ten steps before.
    for (size_t i = 40; i < erased.size(); i += 97) {
      EXPECT_NEAR(erased[i].x1, mark[i - 40].x1, 0.05) << i;
      EXPECT_NEAR(erased[i].y1, mark[i - 40].y1, 0.05) << i;
    }

    // The voltage point moves within the strip at x = 4800 to 4820.
    for (const auto& op : pointsOf(p1, kBlue)) {
      EXPECT_TRUE(op.x1 == 4800.0f || op.x1 == 4810.0f || op.x1 == 4820.0f);
      EXPECT_GE(op.y1, 800.0f - 0.01f);
      EXPECT_LE(op.y1, 3200.0f + 0.01f);
    }
    const auto axes = linesOf(p1);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].color, RGB(255, 255, 255));
    EXPECT_EQ(axes[1].color, kBlack);

    EXPECT_TRUE(shown(w.f, "geração"));
    EXPECT_FALSE(shown(w.f, "Picture5"));
    for (const char* n : {"Picture3", "Frame1", "Frame2", "Text10", "Text11"}) EXPECT_FALSE(shown(w.f, n)) << n;
  }
}

TEST(Geracao, GoAgainStartsFromScratch) {
  Window w(Edition::PT);
  click(w.f, "go");
  const auto first = pointsOf(w.s("Picture2"), kBlue).front();
  const auto cls1 = w.s("Picture1").clsCount(), cls2 = w.s("Picture2").clsCount();
  click(w.f, "go");
  EXPECT_EQ(w.s("Picture1").clsCount(), cls1 + 1);
  EXPECT_EQ(w.s("Picture2").clsCount(), cls2 + 1);
  EXPECT_EQ(countPoints(w.s("Picture2"), kBlue), 631 * 4);
  EXPECT_EQ(pointsOf(w.s("Picture2"), kBlue).front().x1, first.x1);
}

TEST(Geracao, PulseTrainHasFourPulsesAndNoPause) {
  Window w(Edition::ES);
  click(w.f, "go");
  const size_t generator = w.s("Picture2").ops().size();
  fv::testing::pacer().resetTotal();
  click(w.f, "pulso");
  Surface& p1 = w.s("Picture1");
  EXPECT_EQ(fv::testing::pacer().totalCount(), 0);
  EXPECT_EQ(w.s("Picture2").ops().size(), generator);  // the generator stays

  // Leading edges start at the level line.
  std::vector<float> starts;
  for (const auto& op : pointsOf(p1, kOrange))
    if (op.y1 == 1100.0f) starts.push_back(op.x1);
  EXPECT_EQ(starts, (std::vector<float>{1499.5f, 2499.5f, 3499.5f, 4499.5f}));
  EXPECT_EQ(countPoints(p1, kOrange), 4 * (1401 + 1001));

  // Trailing edges half a twip after each bottom; the level line resumes
  // after each pulse and ends at 5000.
  std::set<float> trailing;
  float lastLevel = 0;
  int level = 0;
  for (const auto& op : pointsOf(p1, kRed)) {
    if (op.y1 == 1100.0f) lastLevel = std::max(lastLevel, op.x1), ++level;
    if (op.y1 == 1800.0f) trailing.insert(op.x1);
  }
  EXPECT_EQ(trailing, (std::set<float>{2000.0f, 3000.0f, 4000.0f, 5000.0f}));
  EXPECT_EQ(lastLevel, 5000.0f);
  EXPECT_GT(level, 4000);
  for (const auto& op : linesOf(p1)) EXPECT_EQ(op.color, kGreen);
}

TEST(Geracao, GeracaoDrawsWaveformsAndPowersAndRevealsTheRest) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Window w(e);
    click(w.f, "go");
    w.f.text("Text4").setText("99");  // overwritten by the run
    fv::testing::pacer().resetTotal();
    click(w.f, "geração");
    Surface& p1 = w.s("Picture1");
    // The PT edition lingers on each step.
    EXPECT_EQ(fv::testing::pacer().totalCount(), e == Edition::PT ? 631LL * 310000 : 631LL * 200000);

    // Grid: two axes and nine degree marks.
    const auto grid = linesOf(p1);
    ASSERT_EQ(grid.size(), 11u);
    EXPECT_EQ(grid[1].y1, 4000.0f);
    EXPECT_EQ(grid[10].x1, 4810.0f);
    for (const auto& l : grid) EXPECT_EQ(l.color, kGreen);

    // Voltage and current waveforms from x = 1000 in steps of 6.
    EXPECT_EQ(countPoints(p1, kBlue), 631 * 4);
    EXPECT_EQ(countPoints(p1, kMagenta), 631 * 4);
    // In phase: the mark is two points, and the power curve touches its axis
    // near 1010, 2895 and 4780.
    EXPECT_EQ(phaseMark(p1), (std::vector<float>{1000, 1006}));
    float lowest[3] = {0, 0, 0}, lowestX[3] = {0, 0, 0};
    for (const auto& op : pointsOf(p1, kBlack)) {
      if (op.y1 == 2000.0f) continue;
      const int part = op.x1 < 1950 ? 0 : op.x1 < 3850 ? 1 : 2;
      if (op.y1 > lowest[part]) lowest[part] = op.y1, lowestX[part] = op.x1;
    }
    EXPECT_NEAR(lowestX[0], 1010, 6);
    EXPECT_NEAR(lowestX[1], 2895, 6);
    EXPECT_NEAR(lowestX[2], 4780, 6);
    EXPECT_GT(lowest[1], 3999.0f);
    EXPECT_EQ(countPoints(p1, kBlack), 631 + 2);

    EXPECT_EQ(w.t("Text5"), "720.");
    EXPECT_EQ(w.t("Text4"), "720.");
    EXPECT_EQ(w.t("Text21"), ".");
    // The angle, the power factor and the triangle wait for the scroll bar.
    EXPECT_EQ(w.t("Text3"), "0");
    EXPECT_EQ(w.t("Text8"), "1");
    EXPECT_TRUE(w.s("Picture3").ops().empty());
    for (const char* n : kHiddenAtStart) EXPECT_TRUE(shown(w.f, n)) << n;
    EXPECT_FALSE(shown(w.f, "Picture5"));
  }
}

TEST(Geracao, ScrollBarAtFullAngle) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Window w(e);
    click(w.f, "go");
    click(w.f, "geração");
    fv::testing::pacer().resetTotal();
    w.setAngle(100);
    EXPECT_EQ(fv::testing::pacer().totalCount(), 631LL * 10000);
    EXPECT_EQ(w.t("Text3"), "57.3");
    EXPECT_EQ(w.t("Text8"), ".54");
    EXPECT_EQ(w.t("Text18"), QStringLiteral("Ø =57.3"));
    EXPECT_EQ(w.t("Text5"), "720.");
    EXPECT_EQ(w.t("Text4"), "389.");
    EXPECT_EQ(w.t("Text21"), "605.9");
    EXPECT_EQ(w.t("Text14"), "Potencia Reativa");
    EXPECT_EQ(w.t("Text15"), QStringLiteral("Q=V*I*sen Ø"));
    EXPECT_EQ(w.t("Text16"), "Potencia Aparente");
    EXPECT_EQ(w.t("Text17"), "S=V*I");
    EXPECT_EQ(w.t("Text13"), QStringLiteral("Potencia Ativa = V*I*Cos Ø"));

    // The phase mark runs from 1000 to 1606.
    const auto mark = phaseMark(w.s("Picture1"));
    ASSERT_EQ(mark.size(), 102u);
    EXPECT_EQ(mark.front(), 1000.0f);
    EXPECT_EQ(mark.back(), 1606.0f);

    // The triangle: base, upright and hypotenuse.
    const auto tri = linesOf(w.s("Picture3"));
    ASSERT_EQ(tri.size(), 3u);
    const float cx = float(300 + 2500 * std::cos(1.0)), cy = float(2500 - 2500 * std::sin(1.0));
    EXPECT_EQ(tri[0].color, RGB(255, 255, 255));
    EXPECT_EQ(tri[1].color, RGB(100, 255, 100));
    EXPECT_EQ(tri[2].color, kMagenta);
    EXPECT_EQ(tri[0].x1, 300.0f);
    EXPECT_EQ(tri[0].y1, 2500.0f);
    EXPECT_FLOAT_EQ(tri[0].x2, cx);
    EXPECT_EQ(tri[0].y2, 2500.0f);
    EXPECT_FLOAT_EQ(tri[1].x2, cx);
    EXPECT_FLOAT_EQ(tri[1].y2, cy);
    EXPECT_FLOAT_EQ(tri[2].x2, cx);
    EXPECT_FLOAT_EQ(tri[2].y2, cy);
    EXPECT_NEAR(std::hypot(tri[2].x2 - 300, tri[2].y2 - 2500), 2500, 0.01);
    EXPECT_FALSE(shown(w.f, "Picture5"));
  }
}

TEST(Geracao, ScrollBarBackToZeroKeepsTheLoneSeparator) {
  Window w(Edition::PT);
  click(w.f, "go");
  click(w.f, "geração");
  w.setAngle(100);
  w.setAngle(0);
  EXPECT_TRUE(w.f.lastMessage().isEmpty());
  EXPECT_EQ(w.t("Text3"), ".");
  EXPECT_EQ(w.t("Text8"), "1.");
  EXPECT_EQ(w.t("Text18"), QStringLiteral("Ø =."));
  EXPECT_EQ(w.t("Text21"), ".");
  EXPECT_EQ(phaseMark(w.s("Picture1")).size(), 2u);
  EXPECT_EQ(linesOf(w.s("Picture3")).size(), 3u);  // cleared, then drawn flat
}

TEST(Geracao, TypedTextNeverBreaksALaterRun) {
  Window w(Edition::ES);
  click(w.f, "go");
  click(w.f, "geração");
  for (const char* n : {"Text3", "Text8", "Text5", "Text4", "Text21", "Text18", "Text13"}) type(w.f, n, "abc");
  type(w.f, "Text3", "57.3");  // the text the handler is about to write
  w.setAngle(100);
  EXPECT_TRUE(w.f.lastMessage().isEmpty());
  EXPECT_EQ(w.t("Text18"), QStringLiteral("Ø =57.3"));
  EXPECT_EQ(w.t("Text8"), ".54");
  EXPECT_EQ(w.t("Text4"), "389.");
  EXPECT_EQ(w.t("Text13"), QStringLiteral("Potencia Ativa = V*I*Cos Ø"));
}

TEST(Geracao, CommaLocaleReadsBackItsOwnAngle) {
  Window w(Edition::PT);
  fv::testing::setDecimalSeparator(QChar(','));
  click(w.f, "go");
  click(w.f, "geração");
  w.setAngle(100);
  fv::testing::setDecimalSeparator(QChar('.'));
  EXPECT_TRUE(w.f.lastMessage().isEmpty());
  EXPECT_EQ(w.t("Text3"), "57,3");
  EXPECT_EQ(w.t("Text18"), QStringLiteral("Ø =57,3"));
  EXPECT_EQ(w.t("Text8"), ",54");
  EXPECT_EQ(w.t("Text21"), "605,9");
}

TEST(Geracao, ButtonsWithoutActionAndReturn) {
  for (Edition e : {Edition::PT, Edition::ES}) {
    Window w(e);
    for (const char* n : {"CAPACITOR", "indutor", "Command1"}) click(w.f, n);
    EXPECT_EQ(fv::testing::pacer().totalCount(), 0);
    EXPECT_TRUE(w.s("Picture1").ops().empty());
    EXPECT_TRUE(w.s("Picture2").ops().empty());
    for (const char* n : kHiddenAtStart) EXPECT_FALSE(shown(w.f, n)) << n;
    EXPECT_TRUE(shown(w.f, "Picture5"));

    click(w.f, "volta");
    EXPECT_TRUE(w.p.app.menu().isVisible());
    EXPECT_TRUE(w.f.isVisible());  // neither hidden nor closed
    EXPECT_EQ(w.p.app.show(QStringLiteral("Geração")), &w.f);
  }
}

// An arrow held down steps again after each run, never inside one, and stops
// as soon as it is released: only the run in progress then ends.
TEST(Geracao, HeldArrowStepsOneRunAtATime) {
  Window w(Edition::PT);
  click(w.f, "go");
  click(w.f, "geração");
  QScrollBar* bar = w.f.scroll("HScroll1").bar();
  int changes = 0, overlapping = 0, atRelease = -1;
  QObject::connect(bar, &QScrollBar::actionTriggered, [&] { overlapping += w.f.running(); });
  QObject::connect(bar, &QScrollBar::valueChanged, [&] { ++changes; });
  fv::testing::pacer().setInstant(false);
  const QPoint arrow(bar->width() - 4, bar->height() / 2);
  QTimer::singleShot(1500, [&] {
    QTest::mouseRelease(bar, Qt::LeftButton, {}, arrow);
    atRelease = bar->value();
  });
  QTest::mousePress(bar, Qt::LeftButton, {}, arrow);
  QTest::qWait(2500);
  fv::testing::pacer().setInstant(true);
  EXPECT_GE(atRelease, 2);
  EXPECT_EQ(w.f.scroll("HScroll1").value(), atRelease);
  EXPECT_EQ(changes, atRelease);
  EXPECT_EQ(overlapping, 0);
}

// Long drawings in the windows reach the screen whole.
#include <QScreen>

#include "support/testing.hpp"

using namespace fv;
using fv::testing::Program;

namespace {

// What the screen shows of a surface.
QImage shown(Surface& s) {
  QWidget* w = s.window();
  const QPoint at = s.mapTo(w, QPoint(0, 0));
  return w->screen()->grabWindow(w->winId(), at.x(), at.y(), s.width(), s.height()).toImage();
}

}  // namespace

// The n-th harmonic of order 700 and of order 10922 (441 000 and 6.9 million
// points on each surface): every column of the band shows its colour.
TEST(LongDrawing, TheHarmonicBandIsCompleteOnBothSurfaces) {
  Program p(Edition::PT);
  Form& f = p.open("Senoide");
  for (const char* order : {"700", "10922"}) {
    fv::testing::type(f, "numero", order);
    fv::testing::click(f, "Picture1");
    fv::testing::click(f, "Picture2");
    fv::testing::click(f, "executar");
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    for (const char* name : {"Picture1", "Picture2"}) {
      const QImage img = shown(f.surface(name));
      int empty = 0;
      // x runs from 1000 twips by 6 twips a period of the fundamental, 630 of them.
      for (int x = 1000 / 15 + 1; x < (1000 + 630 * 6) / 15 - 1; ++x) {
        bool red = false;
        for (int y = 0; y < img.height() && !red; ++y) red = img.pixel(x, y) == qRgb(255, 0, 0);
        empty += !red;
      }
      EXPECT_EQ(empty, 0) << name << " at order " << order;
    }
  }
}

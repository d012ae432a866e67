#include "drawing/fonts.hpp"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "drawing/twips.hpp"

namespace fv {

QString installedFamily(const char* family) {
  const QString f = QString::fromUtf8(family ? family : "MS Sans Serif").toLower();
  if (f == "times new roman") return QStringLiteral("Liberation Serif");
  if (f == "courier new" || f == "courier") return QStringLiteral("Liberation Mono");
  if (f == "arial narrow") return QStringLiteral("Nimbus Sans Narrow");
  if (f == "century gothic") return QStringLiteral("URW Gothic");
  return QStringLiteral("Liberation Sans");  // MS Sans Serif, Arial and the rest
}

int pixelSize(double pt, double zoom) { return std::max(1, static_cast<int>(std::lround(pt * 96.0 / 72.0 * zoom))); }

QFont makeFont(const FontSpec& layout, double zoom) {
  QFont font(installedFamily(layout.family));
  font.setPixelSize(pixelSize(layout.pt, zoom));
  font.setBold(layout.bold);
  font.setItalic(layout.italic);
  font.setStyleStrategy(QFont::PreferAntialias);
  if (layout.digitAdvance > 0) {
    // Pixel sizes grow in whole steps; every advance is scaled alike to
    // make up the difference.
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF fm(font);
    font.setLetterSpacing(QFont::PercentageSpacing,
                          100.0 * layout.digitAdvance * zoom / kTwipsPerPixel / fm.horizontalAdvance(QLatin1Char('0')));
  }
  if (layout.wordSpacing != 0) font.setWordSpacing(layout.wordSpacing * zoom / kTwipsPerPixel);
  return font;
}

QFont fitFont(QFont font, const QString& text, int room) {
  auto widest = [&](const QFont& f) {
    QFontMetrics fm(f);
    int w = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) w = std::max(w, fm.horizontalAdvance(line));
    return w;
  };
  const int need = widest(font);
  if (need <= room || room <= 0 || text.isEmpty()) return font;
  int stretch = std::max(75, 100 * room / need);
  for (; stretch > 75; --stretch) {
    font.setStretch(stretch);
    if (widest(font) <= room) break;
  }
  font.setStretch(stretch);
  // A box a little too small even for the narrowest cut gets a smaller size
  // (pixel sizes grow in whole steps); a number far too long for its box
  // keeps a legible size and loses its last digits from view.
  const int smallest = std::max(1, int(std::lround(font.pixelSize() * 0.8)));
  while (widest(font) > room && font.pixelSize() > smallest) font.setPixelSize(font.pixelSize() - 1);
  return font;
}

QFont fitWrapped(QFont font, const QString& text, QSize box) {
  // The height of the text broken into lines at its blanks, or more than the
  // box when a word alone is wider than the box.
  auto need = [&](const QFont& f) {
    const QRect r = QFontMetrics(f).boundingRect(QRect(0, 0, box.width(), 1 << 20), Qt::TextWordWrap, text);
    return r.width() > box.width() ? box.height() + 1 : r.height();
  };
  if (text.isEmpty() || box.isEmpty() || need(font) <= box.height()) return font;
  for (int stretch = 99; stretch >= 75; --stretch) {
    font.setStretch(stretch);
    if (need(font) <= box.height()) return font;
  }
  const int smallest = std::max(1, int(std::lround(font.pixelSize() * 0.8)));
  while (need(font) > box.height() && font.pixelSize() > smallest) font.setPixelSize(font.pixelSize() - 1);
  return font;
}

}  // namespace fv

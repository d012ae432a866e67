#include "shell/fonts.hpp"

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

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
  font.setUnderline(layout.underline);
  font.setStyleStrategy(QFont::PreferAntialias);
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
  return font;
}

}  // namespace fv

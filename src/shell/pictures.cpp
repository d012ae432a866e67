#include "shell/pictures.hpp"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>

#include "shell/app.hpp"
#include "shell/form.hpp"
#include "shell/help.hpp"
#include "shell/surface.hpp"

namespace fv {

namespace {

constexpr double kTwipsPerPixel = 15.0;

QString hex(Color c) { return toQColor(c).name(QColor::HexRgb); }

QString num(double v) { return QString::number(v, 'g', 7); }

QString escaped(QString t) { return t.toHtmlEscaped(); }

}  // namespace

QImage surfacePicture(const Surface& s, double scale) {
  const QSizeF logical(s.width() / s.zoom(), s.height() / s.zoom());
  QImage img((logical * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  img.fill(toQColor(s.backColor()));
  QPainter p(&img);
  const double k = scale / kTwipsPerPixel;  // device pixels per twip
  QPen pen;
  pen.setWidthF(scale);
  pen.setCapStyle(Qt::FlatCap);
  const QFont font = makeFont(s.fontSpec(), scale);
  const QFontMetricsF fm(font);
  p.setFont(font);
  for (const SurfaceOp& op : s.ops()) {
    pen.setColor(toQColor(op.color));
    switch (op.kind) {
      case SurfaceOp::Line:
        p.setPen(pen);
        p.drawLine(QPointF(op.x1 * k, op.y1 * k), QPointF(op.x2 * k, op.y2 * k));
        break;
      case SurfaceOp::Point:
        p.fillRect(QRectF(std::floor(op.x1 * k), std::floor(op.y1 * k), scale, scale), toQColor(op.color));
        break;
      case SurfaceOp::Circle:
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(op.x1 * k, op.y1 * k), op.x2 * k, op.x2 * k);
        break;
      case SurfaceOp::Text:
        p.setPen(toQColor(op.color));
        p.drawText(QPointF(op.x1 * k, op.y1 * k + fm.ascent()), s.opText(op));
        break;
    }
  }
  return img;
}

QByteArray surfaceSvg(const Surface& s) {
  const double w = s.width() / s.zoom(), h = s.height() / s.zoom();
  const double k = 1 / kTwipsPerPixel;
  const FontSpec& f = s.fontSpec();
  const QFont font = makeFont(f, 1.0);
  const double ascent = QFontMetricsF(font).ascent();
  QString out;
  out += QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n"
             "<rect class=\"background\" x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"%3\"/>\n")
             .arg(num(w), num(h), hex(s.backColor()));
  for (const SurfaceOp& op : s.ops()) {
    switch (op.kind) {
      case SurfaceOp::Line:
        out += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"1\"/>\n")
                   .arg(num(op.x1 * k), num(op.y1 * k), num(op.x2 * k), num(op.y2 * k), hex(op.color));
        break;
      case SurfaceOp::Point:
        out += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"1\" height=\"1\" fill=\"%3\"/>\n")
                   .arg(num(std::floor(op.x1 * k)), num(std::floor(op.y1 * k)), hex(op.color));
        break;
      case SurfaceOp::Circle:
        out += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"%4\" stroke-width=\"1\"/>\n")
                   .arg(num(op.x1 * k), num(op.y1 * k), num(op.x2 * k), hex(op.color));
        break;
      case SurfaceOp::Text:
        out += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-size=\"%4px\"%5 fill=\"%6\">%7</text>\n")
                   .arg(num(op.x1 * k), num(op.y1 * k + ascent), escaped(font.family()), num(font.pixelSize()),
                        f.bold ? QStringLiteral(" font-weight=\"bold\"") : QString(), hex(op.color),
                        escaped(s.opText(op)));
        break;
    }
  }
  out += QStringLiteral("</svg>\n");
  return out.toUtf8();
}

QString pictureFileName(const QString& window, const QString& surface, const QDate& date) {
  QString name = window + QLatin1Char('-') + surface + QLatin1Char('-') + date.toString(Qt::ISODate);
  // Accents and brackets ("Geração", "Picture(1)") become plain characters.
  name = name.normalized(QString::NormalizationForm_D);
  name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")));
  return name + QStringLiteral(".png");
}

bool savePicture(const Surface& s, const QString& path) {
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(surfaceSvg(s)) >= 0 && file.flush();
  }
  return surfacePicture(s, 2.0).save(path, "PNG");
}

QMenu* pictureMenu(Form& window, Surface& s) {
  auto* menu = new QMenu(&s);
  menu->setObjectName(QStringLiteral("pictureMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(window.tx(QStringLiteral("picture.copy")), &s,
                  [&s] { QApplication::clipboard()->setImage(surfacePicture(s, 2.0)); });
  menu->addAction(window.tx(QStringLiteral("picture.save")), &s, [&window, &s] {
    auto* dialog = new QFileDialog(&window, window.tx(QStringLiteral("picture.saveTitle")));
    dialog->setObjectName(QStringLiteral("pictureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)")});
    dialog->selectFile(pictureFileName(window.objectName(), s.objectName(), QDate::currentDate()));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
      dialog->setDefaultSuffix(filter.startsWith(QLatin1String("SVG")) ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog->setDefaultSuffix(QStringLiteral("png"));
    QPointer<Surface> surface(&s);
    QObject::connect(dialog, &QFileDialog::fileSelected, &window, [&window, surface](const QString& path) {
      if (surface && !savePicture(*surface, path))
        window.showMessage(window.tx(QStringLiteral("picture.notSaved")).arg(path));
    });
    dialog->open();
  });
  menu->addAction(window.tx(QStringLiteral("picture.window")), &window,
                  [&window] { QApplication::clipboard()->setImage(window.grab().toImage()); });
  menu->addSeparator();
  menu->addAction(window.tx(QStringLiteral("picture.help")), &window,
                  [&window] { showHelp(window.app(), window.objectName()); });
  return menu;
}

}  // namespace fv

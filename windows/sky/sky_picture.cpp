#include "windows/sky/sky_picture.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "windows/map/label_layout.h"
#include "windows/sky/sky_mask.h"

namespace rdz {
namespace {

constexpr double kMarginLines = 3.0;  // text lines kept free above the plot

QString Time(const CivilTime& t) { return QString::fromStdString(FormatTime(t)); }

QPointF ToPixel(const AzEl& at, const QPointF& centre, double radius) {
  const SkyXY xy = SkyPoint(at);
  return {centre.x() + xy.x * radius, centre.y() + xy.y * radius};
}

}  // namespace

QPointF SkyCentre(const QSizeF& size) {
  const double text = std::max(12.0, size.height() / 30.0);
  return {size.width() / 2.0, kMarginLines * text + SkyRadius(size) + text};
}

double SkyRadius(const QSizeF& size) {
  const double text = std::max(12.0, size.height() / 30.0);
  return std::max(10.0, std::min(size.width(), size.height() - (kMarginLines + 1) * text) / 2.0 -
                            2.5 * text);
}

void SkyPainter::Paint(QPainter& painter, const QSize& size, const SkyScene& scene) {
  const QSizeF area(size);
  const QPointF c = SkyCentre(area);
  const double r = SkyRadius(area);
  painter.save();
  painter.fillRect(QRectF(QPointF(0, 0), area), skycolour::kBackground);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(std::max(11.0, size.height() / 40.0)));
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  LabelLayout layout(QRectF(QPointF(0, 0), area), metrics);

  // Heading lines.
  QStringList heading{QString::fromStdString(scene.name) + "  " +
                      QString::fromStdString(FormatDate(scene.utc)) + " " + Time(scene.utc) +
                      " UTC"};
  if (!scene.pass) {
    heading << QStringLiteral("No pass within 24 hours");
  } else if (scene.pass->current) {
    heading << QStringLiteral("Pass under way");
  } else if (scene.pass->aos) {
    heading << QStringLiteral("Next pass: AOS ") +
                   QString::fromStdString(FormatDate(scene.pass->aos->utc)) + " " +
                   Time(scene.pass->aos->utc) + " UTC";
  }
  painter.setPen(Qt::white);
  double y = metrics.height() * 0.3;
  for (const QString& line : heading) {
    const QRectF box(6, y, metrics.horizontalAdvance(line) + 2, metrics.height());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, line);
    layout.Reserve(box);
    y += metrics.height();
  }

  // Horizon and the 30 and 60 degree rings, with the compass points.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(skycolour::kRings, 1.5));
  painter.drawEllipse(c, r, r);
  painter.setPen(QPen(skycolour::kRings, 1, Qt::DashLine));
  for (double el : {30.0, 60.0}) {
    const double ring = r * (90.0 - el) / 90.0;
    painter.drawEllipse(c, ring, ring);
  }
  painter.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
  painter.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
  DrawHorizonMask(painter, c, r, scene.horizon);
  painter.setPen(skycolour::kRings);
  const std::pair<const char*, double> compass[] = {{"N", 0}, {"E", 90}, {"S", 180}, {"W", 270}};
  for (const auto& [letter, az] : compass) {
    const QString text = QString::fromLatin1(letter);
    const QPointF at = ToPixel({az, -12.0}, c, r);
    const QRectF box(at.x() - metrics.horizontalAdvance(text) / 2 - 1, at.y() - metrics.height() / 2,
                     metrics.horizontalAdvance(text) + 2, metrics.height());
    painter.drawText(box, Qt::AlignCenter, text);
    layout.Reserve(box);
  }
  for (double el : {30.0, 60.0}) {
    const QString text = QString::number(el) + QChar(0xB0);
    const QPointF at = ToPixel({45.0, el}, c, r);
    if (const auto box = layout.Place(at, text, 2.0)) painter.drawText(*box, Qt::AlignCenter, text);
  }

  for (const SkyBodyView& body : scene.bodies) {
    const QColor colour = body.body == SkyBody::Sun ? skycolour::kSun : skycolour::kMoon;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    for (const std::vector<AzEl>& piece : body.path) {
      QPolygonF line;
      for (const AzEl& p : piece) line << ToPixel(p, c, r);
      painter.drawPolyline(line);
    }
    if (body.now.el < 0) continue;
    const QPointF px = ToPixel(body.now, c, r);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    painter.drawEllipse(px, 7.0, 7.0);
    painter.setPen(colour);
    const QString name = QString::fromLatin1(BodyName(body.body));
    if (const auto box = layout.Place(px, name, 9.0)) painter.drawText(*box, Qt::AlignCenter, name);
  }

  if (scene.pass) {
    const SkyPass& pass = *scene.pass;
    QPolygonF path;
    for (const AzEl& p : pass.path) path << ToPixel(p, c, r);
    painter.setPen(QPen(skycolour::kPath, 2));
    painter.drawPolyline(path);
    struct Mark {
      const SkyPassPoint* point;
      QString text;
    };
    std::vector<Mark> marks;
    if (pass.aos) marks.push_back({&*pass.aos, "AOS " + Time(pass.aos->utc)});
    marks.push_back({&pass.highest, "MAX " + Time(pass.highest.utc) + " " +
                                        QString::number(std::lround(pass.highest.at.el)) +
                                        QChar(0xB0)});
    if (pass.los) marks.push_back({&*pass.los, "LOS " + Time(pass.los->utc)});
    for (const Mark& m : marks) {
      // Crossings sit just below the horizon; show them on it.
      AzEl at = m.point->at;
      at.el = std::max(at.el, 0.0);
      const QPointF px = ToPixel(at, c, r);
      painter.setPen(QPen(Qt::black, 1));
      painter.setBrush(skycolour::kMark);
      painter.drawEllipse(px, 3.5, 3.5);
      painter.setPen(skycolour::kMark);
      if (const auto box = layout.Place(px, m.text, 6.0)) painter.drawText(*box, Qt::AlignCenter, m.text);
    }
  }

  if (scene.now && scene.now->el >= 0.0) {
    const QPointF px = ToPixel(*scene.now, c, r);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(skycolour::kNow);
    painter.drawEllipse(px, 5.0, 5.0);
  }
  labels_ = layout.Boxes();
  painter.restore();
}

QImage SkyPainter::Render(const SkyScene& scene, int size) {
  const QSize s(std::max(size, 40), std::max(size, 40));
  QImage image(s, QImage::Format_RGB32);
  QPainter painter(&image);
  Paint(painter, s, scene);
  return image;
}

}  // namespace rdz

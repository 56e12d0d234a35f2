#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace quorvan::ui {
namespace {

// A rounded sheet with text lines on the left, a funnel, and fewer, cleaner lines on the right.
void drawMark(QPainter& painter, const QRectF& area) {
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal w = area.width();
  const qreal h = area.height();
  const QPointF origin = area.topLeft();

  QLinearGradient sky(origin, origin + QPointF(0, h));
  sky.setColorAt(0, QColor(0x2f, 0x7d, 0xd1));
  sky.setColorAt(1, QColor(0x16, 0x4e, 0x9a));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sky);
  painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), h * 0.16, h * 0.16);

  painter.setPen(
      QPen(QColor(255, 255, 255, 200), std::max(h * 0.05, 1.0), Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 5; ++i) {
    const qreal y = origin.y() + h * (0.22 + 0.14 * i);
    const qreal length = w * (0.22 + 0.06 * ((i * 7) % 3));
    painter.drawLine(QPointF(origin.x() + w * 0.10, y), QPointF(origin.x() + w * 0.10 + length, y));
  }

  QPainterPath funnel;
  funnel.moveTo(origin + QPointF(w * 0.44, h * 0.18));
  funnel.lineTo(origin + QPointF(w * 0.64, h * 0.18));
  funnel.lineTo(origin + QPointF(w * 0.57, h * 0.52));
  funnel.lineTo(origin + QPointF(w * 0.57, h * 0.80));
  funnel.lineTo(origin + QPointF(w * 0.51, h * 0.72));
  funnel.lineTo(origin + QPointF(w * 0.51, h * 0.52));
  funnel.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xff, 0xc1, 0x3b));
  painter.drawPath(funnel);

  painter.setPen(QPen(Qt::white, std::max(h * 0.05, 1.0), Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    const qreal y = origin.y() + h * (0.36 + 0.14 * i);
    painter.drawLine(QPointF(origin.x() + w * 0.70, y), QPointF(origin.x() + w * 0.90, y));
  }
}

}  // namespace

QPixmap aboutPicture() {
  QPixmap picture(88, 64);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  drawMark(painter, QRectF(0, 0, 88, 64));
  return picture;
}

QIcon windowIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawMark(painter, QRectF(0, size * 0.14, size, size * 0.72));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace quorvan::ui

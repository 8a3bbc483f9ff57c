#include "app/TAppIconPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace kes {
namespace {

void Stroke(QPainter& painter, const QColor& color, qreal width) {
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

} // namespace

void TAppIconPainter::Paint(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);

    // The pad and its binding.
    Stroke(painter, QColor(0x54575c), 1.5);
    painter.setBrush(QColor(0xfdfcf6));
    painter.drawRoundedRect(QRectF(7, 7, 28, 37), 3, 3);
    Stroke(painter, QColor(0x6b2a18), 1.5);
    painter.setBrush(QColor(0xb4472b));
    painter.drawRoundedRect(QRectF(7, 4, 28, 9), 3, 3);

    // The lines written so far.
    Stroke(painter, QColor(0x94a9c0), 2);
    painter.drawLine(QLineF(12, 20, 30, 20));
    painter.drawLine(QLineF(12, 26, 30, 26));
    painter.drawLine(QLineF(12, 32, 24, 32));
    painter.drawLine(QLineF(12, 38, 18, 38));

    // The feather: its vane with the dark bars of a kestrel's, the shaft and the nib.
    QPainterPath vane(QPointF(23.2, 32.6));
    vane.cubicTo(31.6, 32.3, 42.9, 17.9, 43, 6);
    vane.cubicTo(34.2, 10.3, 24.3, 23.6, 23.2, 32.6);
    Stroke(painter, QColor(0x6b3414), 1.2);
    painter.setBrush(QColor(0xd9823f));
    painter.drawPath(vane);
    Stroke(painter, QColor(0x6b3414), 1.6);
    painter.drawLine(QLineF(26, 23.8, 34, 26.5));
    painter.drawLine(QLineF(29.7, 18.9, 37.7, 21.6));
    painter.drawLine(QLineF(33.3, 14, 41.3, 16.7));
    Stroke(painter, QColor(0xf6ead6), 1.2);
    painter.drawLine(QLineF(19.6, 37.5, 42, 7.4));
    Stroke(painter, QColor(0x33363b), 1);
    painter.setBrush(QColor(0x33363b));
    painter.drawPolygon(QPolygonF({QPointF(17, 41), QPointF(24.6, 33.6), QPointF(21.9, 31.6)}));
}

} // namespace kes

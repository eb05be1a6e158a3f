#include "widgets/focus_ring.h"

#include <QPainter>

void drawFocusRing(QPainter &painter, const QRectF &outside)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(outside.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(QColor(255, 255, 0), 2));
    painter.drawRect(outside.adjusted(3, 3, -3, -3));
    painter.restore();
}

#include "games/pairs/drag_source_label.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

DragSourceLabel::DragSourceLabel(QWidget *parent) : PressableLabel(parent) {}

QString DragSourceLabel::mimeType()
{
    return QStringLiteral("application/x-zahlzeichen-pair-label-%1")
        .arg(QApplication::applicationPid());
}

void DragSourceLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint moved = event->position().toPoint() - pressPoint();
    if (!pressPending() || moved.manhattanLength() < QApplication::startDragDistance()) {
        PressableLabel::mouseMoveEvent(event);
        return;
    }
    forgetPress();
    event->accept();
    auto *data = new QMimeData;
    data->setData(mimeType(), objectName().toUtf8());
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(outline());
    drag->setHotSpot(pressPoint());
    drag->exec(Qt::MoveAction);
}

QPixmap DragSourceLabel::outline()
{
    // The label's own picture, faint, inside a heavy frame: it reads as the label moving
    // on desktops that show the pixmap translucent and on those that show it opaque.
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setOpacity(0.6);
    painter.drawPixmap(0, 0, grab());
    painter.setOpacity(1.0);
    QPen pen(QColor(64, 64, 64), 3);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    return pixmap;
}

#include "games/pairs/drag_source_label.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <memory>

DragSourceLabel::DragSourceLabel(QWidget *parent) : PressableLabel(parent) {}

QString DragSourceLabel::mimeType()
{
    return QStringLiteral("application/x-zahlzeichen-pair-label-%1")
        .arg(QApplication::applicationPid());
}

QMimeData *DragSourceLabel::carriedData() const
{
    auto *data = new QMimeData;
    data->setData(mimeType(), objectName().toUtf8());
    return data;
}

void DragSourceLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (fingerOutline) {
        event->accept();
        followFinger(event->position().toPoint());
        return;
    }
    const QPoint moved = event->position().toPoint() - pressPoint();
    if (!pressPending() || moved.manhattanLength() < QApplication::startDragDistance()) {
        PressableLabel::mouseMoveEvent(event);
        return;
    }
    forgetPress();
    event->accept();
    const QPointingDevice *device = event->pointingDevice();
    if (device && device->type() == QInputDevice::DeviceType::TouchScreen) {
        fingerOutline = new QLabel(window());
        fingerOutline->setPixmap(outline());
        fingerOutline->resize(size());
        fingerOutline->setAttribute(Qt::WA_TransparentForMouseEvents);
        fingerOutline->show();
        fingerOutline->raise();
        followFinger(event->position().toPoint());
        return;
    }
    auto *drag = new QDrag(this);
    drag->setMimeData(carriedData());
    drag->setPixmap(outline());
    drag->setHotSpot(pressPoint());
    drag->exec(Qt::MoveAction);
}

void DragSourceLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (!fingerOutline) {
        PressableLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    delete fingerOutline;
    fingerOutline = nullptr;
    dropUnderFinger(event->position().toPoint());
}

void DragSourceLabel::followFinger(QPoint point)
{
    // The outline keeps the place where the finger took hold of the label.
    fingerOutline->move(mapTo(window(), point - pressPoint()));
}

// The drop goes the way a platform drop goes, to whatever lies under the finger: entered,
// then dropped on if it takes the game's labels.
void DragSourceLabel::dropUnderFinger(QPoint point)
{
    const QPoint inWindow = mapTo(window(), point);
    QWidget *target = window()->childAt(inWindow);
    if (!target || target == this)
        return;
    const std::unique_ptr<QMimeData> data(carriedData());
    const QPointF at = target->mapFrom(window(), QPointF(inWindow));
    QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, data.get(), Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
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

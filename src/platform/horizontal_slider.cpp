#include "platform/horizontal_slider.h"

#include "platform/focus_ring.h"

#include <QKeyEvent>
#include <QPainter>

HorizontalSlider::HorizontalSlider(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void HorizontalSlider::keyPressEvent(QKeyEvent *event)
{
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepSub;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
    triggerAction(action);
}

void HorizontalSlider::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusRing(painter, QRectF(rect()));
    }
}

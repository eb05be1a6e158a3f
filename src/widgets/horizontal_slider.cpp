#include "widgets/horizontal_slider.h"

#include "widgets/focus_ring.h"

#include <QKeyEvent>
#include <QPainter>
#include <array>
#include <utility>

HorizontalSlider::HorizontalSlider(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void HorizontalSlider::keyPressEvent(QKeyEvent *event)
{
    static constexpr std::array<std::pair<int, SliderAction>, 8> actions = {{
        {Qt::Key_Right, SliderSingleStepAdd},
        {Qt::Key_Up, SliderSingleStepAdd},
        {Qt::Key_PageUp, SliderPageStepAdd},
        {Qt::Key_End, SliderToMaximum},
        {Qt::Key_Left, SliderSingleStepSub},
        {Qt::Key_Down, SliderSingleStepSub},
        {Qt::Key_PageDown, SliderPageStepSub},
        {Qt::Key_Home, SliderToMinimum},
    }};
    for (const auto &[key, action] : actions) {
        if (event->key() == key) {
            event->accept();
            triggerAction(action);
            return;
        }
    }
    QScrollBar::keyPressEvent(event);
}

void HorizontalSlider::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusRing(painter, QRectF(rect()));
    }
}

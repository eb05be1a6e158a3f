#include "widgets/pressable_label.h"

#include "widgets/focus_ring.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

PressableLabel::PressableLabel(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void PressableLabel::setMarked(bool mark)
{
    if (marked == mark)
        return;
    marked = mark;
    update();
    // The mark is part of what a screen reader says for the label.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void PressableLabel::mousePressEvent(QMouseEvent *event)
{
    pending = event->button() == Qt::LeftButton;
    pressedAt = event->position().toPoint();
    event->accept();
}

namespace
{
// The label that the last click released on: only there is a double click a second click.
QPointer<const PressableLabel> lastClicked;
} // namespace

// A double click is one press. Qt 6.8 and later may make two quick taps on two labels a
// double click on the second, which never had the first: there it is a press of its own.
void PressableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (lastClicked != this) {
        mousePressEvent(event);
        return;
    }
    pending = false;
    event->accept();
}

void PressableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pending && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pending = false;
    event->accept();
    if (!click)
        return;
    lastClicked = this;
    press();
}

void PressableLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        press();
}

void PressableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!marked && !hasFocus())
        return;
    QPainter painter(this);
    if (marked) {
        QPen frame(QColor(0, 0, 128), 4);
        frame.setJoinStyle(Qt::MiterJoin);
        painter.setPen(frame);
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
    if (hasFocus())
        drawFocusRing(painter, QRectF(rect()).adjusted(5, 5, -5, -5));
}

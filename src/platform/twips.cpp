#include "platform/twips.h"

#include <QCoreApplication>
#include <QMoveEvent>
#include <QWidget>

void setLeftTwips(QWidget *widget, int left)
{
    const QPoint before = widget->pos();
    widget->move(twips(left), widget->y());
    // Qt holds a hidden widget's move event back until it is shown again. A panel put away
    // out of sight is hidden, and what watches the panels must hear of its move now.
    if (widget->isHidden() && widget->pos() != before) {
        QMoveEvent moved(widget->pos(), before);
        QCoreApplication::sendEvent(widget, &moved);
    }
}

bool isAtLeftTwips(const QWidget *widget, int left)
{
    return widget->x() == twips(left);
}

#include "platform/twips.h"

#include <QWidget>

void setLeftTwips(QWidget *widget, int left)
{
    widget->move(twips(left), widget->y());
}

bool isAtLeftTwips(const QWidget *widget, int left)
{
    return widget->x() == twips(left);
}

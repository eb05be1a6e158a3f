#include "widgets/grid_focus.h"

#include <QKeyEvent>
#include <QWidget>

GridFocus::GridFocus(const QList<QWidget *> &cells, int columns, QObject *parent)
    : QObject(parent), cells(cells), columns(columns)
{
    for (QWidget *cell : cells) {
        cell->setFocusPolicy(Qt::NoFocus);
        cell->installEventFilter(this);
    }
    makeCurrent(0);
}

// Only the current cell is in the Tab chain; the others take the focus by arrow key alone.
void GridFocus::makeCurrent(qsizetype index)
{
    cells.at(current)->setFocusPolicy(Qt::NoFocus);
    current = index;
    cells.at(current)->setFocusPolicy(Qt::TabFocus);
}

bool GridFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const qsizetype index = cells.indexOf(static_cast<QWidget *>(watched));
    if (index < 0)
        return false;
    const qsizetype row = index / columns;
    const qsizetype column = index % columns;
    const qsizetype rows = (cells.size() + columns - 1) / columns;
    qsizetype target = index;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Left:
        target = column > 0 ? index - 1 : index;
        break;
    case Qt::Key_Right:
        target = column + 1 < columns && index + 1 < cells.size() ? index + 1 : index;
        break;
    case Qt::Key_Up:
        target = row > 0 ? index - columns : index;
        break;
    case Qt::Key_Down:
        target = row + 1 < rows && index + columns < cells.size() ? index + columns : index;
        break;
    default:
        return false;
    }
    makeCurrent(target);
    cells.at(target)->setFocus(Qt::TabFocusReason);
    return true;
}

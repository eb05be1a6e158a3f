#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Controls laid out in a grid, row by row with the given number of columns, are one stop
// of the Tab chain: Tab enters the grid at the control last focused in it, the arrow keys
// move from there to the neighbouring control (not past an edge), Tab leaves the grid.
class GridFocus : public QObject
{
    Q_OBJECT

public:
    GridFocus(const QList<QWidget *> &cells, int columns, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeCurrent(qsizetype index);

    QList<QWidget *> cells;
    int columns;
    qsizetype current = 0;
};

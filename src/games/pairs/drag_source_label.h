#pragma once

#include <QLabel>

// A label of the lower box: pressing the mouse button on it starts dragging it at once.
// Only its outline follows the pointer; the label itself stays where it is.
class DragSourceLabel : public QLabel
{
    Q_OBJECT

public:
    // The private type under which a drag carries the objectName of its source label. It
    // names this process, so a label dragged over from a second copy of the program, whose
    // labels have the same names, is not taken for one of ours.
    static QString mimeType();

    explicit DragSourceLabel(QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap outline();
};

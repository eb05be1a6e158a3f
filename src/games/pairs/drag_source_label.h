#pragma once

#include "widgets/pressable_label.h"

class QMimeData;

// A label of the lower box. Dragged with the mouse once the button, held on it, has moved
// past the desktop's drag distance; only its outline follows the pointer, the label itself
// stays where it is. A click without such a move is a press, as are Space and Enter. A finger
// drags it the same way, with the outline drawn in the window, since a platform drag started
// from a touch is not carried out everywhere; lifting the finger drops it where it is.
class DragSourceLabel : public PressableLabel
{
    Q_OBJECT

public:
    // The private type under which a drag carries the objectName of its source label. It
    // names this process, so a label dragged over from a second copy of the program, whose
    // labels have the same names, is not taken for one of ours.
    static QString mimeType();

    explicit DragSourceLabel(QWidget *parent);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap outline();
    QMimeData *carriedData() const;
    void followFinger(QPoint point);
    void dropUnderFinger(QPoint point);

    // The outline following a finger, while one drags the label.
    QLabel *fingerOutline = nullptr;
};

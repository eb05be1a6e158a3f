#pragma once

#include <QScrollBar>

// A horizontal slider that a keyboard user can work: it is in the Tab chain (a click leaves
// the focus where it was), shows a ring while it has the focus, and its keys move the thumb
// the way it moves on screen: Right, Up, Page Up and End towards the larger value (Qt's own
// scroll bar runs the horizontal arrow keys backwards). A key triggers the same action as a
// click on an arrow or in the track, so the value changes exactly as by the mouse.
class HorizontalSlider : public QScrollBar
{
    Q_OBJECT

public:
    explicit HorizontalSlider(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

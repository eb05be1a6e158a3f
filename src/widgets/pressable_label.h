#pragma once

#include <QLabel>

// A label that acts as a button: a single click of the left button, Space or Enter while it
// has the focus, and the press action of assistive technology all report one press. The
// second click of a double click is not a press of its own, so a quick double click on a
// memory card counts once. It takes the focus from the keyboard only, so a mouse user sees
// no focus ring; the ring is drawn to stand out on a dark, a light and a white label alike.
// A marked label (a numeral picked up to be placed) wears a heavy frame.
class PressableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PressableLabel(QWidget *parent);

    void setMarked(bool marked);
    bool isMarked() const { return marked; }

    // Reports a press, as a click does.
    void press() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // Where the left button went down on the label, while that press may still become a
    // click; a drag that starts from it forgets it.
    bool pressPending() const { return pending; }
    QPoint pressPoint() const { return pressedAt; }
    void forgetPress() { pending = false; }

private:
    bool pending = false;
    QPoint pressedAt;
    bool marked = false;
};

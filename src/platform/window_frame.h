#pragma once

#include <QSize>

class QWidget;

// A top-level window of the program: fixed client size, a dialog frame without minimise
// or maximise button, the program's icon and the given title. Maximised all the same (Qt's own
// title bar on Wayland offers it), it takes the size it is given until it is back to normal.
void setUpFixedWindow(QWidget *window, QSize clientSize, const QString &title);

// Shows a window of the program and makes it the one the learner works in.
void showAndActivate(QWidget *window);

// Left = (screen width - window width) / 2, Top likewise, measured with the frame. A window
// without a frame yet is measured with the frame its predecessors had, and centred again
// once the window manager has framed it if its frame differs.
void centreOnScreen(QWidget *window);

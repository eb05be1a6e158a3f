#pragma once

#include <QSize>

class QWidget;

// A top-level window of the program: fixed client size, a dialog frame without minimise
// or maximise button, the program's icon and the given title.
void setUpFixedWindow(QWidget *window, QSize clientSize, const QString &title);

// Shows a window of the program and makes it the one the learner works in.
void showAndActivate(QWidget *window);

// Left = (screen width - window width) / 2, Top likewise, measured with the frame.
void centreOnScreen(QWidget *window);

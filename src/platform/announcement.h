#pragma once

#include <QString>

class QWidget;

// Tells a listening screen reader what just happened where no move of the focus says it: a
// new task, a judgement, a turned card. Names that change on a control in place are not
// spoken by every screen reader, so the text goes out as a notification of the control's
// window, which is presented as soon as it arrives. Nothing is made or sent while no
// assistive technology listens, and nothing changes on screen.
void announce(QWidget *control, const QString &text);

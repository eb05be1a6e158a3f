#pragma once

#include <QStringList>

class QWidget;

// One line for every text of the window that the eye sees and that stands out from its
// background less than the web accessibility guidelines ask (4.5:1, large text 3:1), measured
// on the window's rendered pixels: labels, buttons, text boxes, list lines, the printed table.
QStringList illegibleTexts(QWidget *window);

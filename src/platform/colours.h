#pragma once

#include <QColor>

class QWidget;

// Entries of the classic 16-colour palette that the program names by number.
QColor paletteColour(int index);

// Background and text colour of a label, button, panel, list or text box. A background always
// comes with a text colour (black unless setForeground gives another, before or after), and a
// list or text box with the colours of its marked line, so no colour of the desktop's scheme
// ends up on a background of the program's own.
void setBackground(QWidget *widget, const QColor &colour);
// The same colours for the face that a box or button draws itself, without filling the rest
// of its rectangle: the desktop's frame keeps its corners.
void setFaceColour(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);
QColor background(const QWidget *widget);

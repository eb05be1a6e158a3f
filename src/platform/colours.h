#pragma once

#include <QColor>

class QWidget;

// Entries of the classic 16-colour palette that the program names by number.
QColor paletteColour(int index);

// Background and text colour of a label, button, panel, list or text box.
void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);
QColor background(const QWidget *widget);

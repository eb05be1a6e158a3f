#pragma once

#include <QRect>

class QWidget;

// Geometry is written in twips, so every number in the code can be found in the layout
// tables; 15 twips make one device-independent pixel and Qt's scaling does the rest.
constexpr int twips(int value)
{
    return value >= 0 ? (value + 7) / 15 : -((-value + 7) / 15);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Panels are shown and hidden by their Left alone; these read and set it in twips.
void setLeftTwips(QWidget *widget, int left);
bool isAtLeftTwips(const QWidget *widget, int left);

#include "platform/colours.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QWidget>
#include <array>

QColor paletteColour(int index)
{
    static constexpr std::array<QRgb, 16> colours = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(colours.at(static_cast<std::size_t>(index)));
}

// Text boxes and lists paint their content with Base, buttons their face with Button,
// everything else with Window. Only that role is set, so a coloured window or panel
// leaves the standard faces of the boxes and buttons on it alone.
static QPalette::ColorRole backgroundRole(const QWidget *widget)
{
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractItemView *>(widget))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton *>(widget))
        return QPalette::Button;
    return QPalette::Window;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole(widget), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QColor background(const QWidget *widget)
{
    return widget->palette().color(backgroundRole(widget));
}

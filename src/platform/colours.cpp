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

namespace
{

// The marked line of a list (or marked text of a box) on a background of the program's own:
// the blue of the standard light desktop, which stands out from every light background the
// program uses, with black text, which reads on it far better than white.
const QColor selectionColour(48, 140, 198);
const QColor selectionTextColour(Qt::black);

// Text boxes and lists paint their content with Base, buttons their face with Button,
// everything else with Window. Only that role is set, so a coloured window or panel
// leaves the standard faces of the boxes and buttons on it alone.
QPalette::ColorRole backgroundRole(const QWidget *widget)
{
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractItemView *>(widget))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton *>(widget))
        return QPalette::Button;
    return QPalette::Window;
}

// The role each kind of control draws its text in over that background.
QPalette::ColorRole textRole(const QWidget *widget)
{
    switch (backgroundRole(widget)) {
    case QPalette::Base:
        return QPalette::Text;
    case QPalette::Button:
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

} // namespace

// Colours come in pairs: the desktop's colour scheme may be dark or high-contrast, and a text
// colour taken from it would vanish on a background of the program's own. So a control given
// a background also gets its text colour: the one the program gave it, else black.
void setFaceColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole(widget), colour);
    if (!palette.isBrushSet(QPalette::Active, textRole(widget)))
        palette.setColor(textRole(widget), Qt::black);
    if (backgroundRole(widget) == QPalette::Base) {
        palette.setColor(QPalette::Highlight, selectionColour);
        palette.setColor(QPalette::HighlightedText, selectionTextColour);
    }
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    setFaceColour(widget, colour);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(textRole(widget), colour);
    widget->setPalette(palette);
}

QColor background(const QWidget *widget)
{
    return widget->palette().color(backgroundRole(widget));
}

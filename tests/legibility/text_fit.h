#pragma once

#include <QRect>
#include <QRgb>
#include <QString>
#include <QStringList>

class QWidget;

// Measures the texts of a window the way its controls draw them, in their own fonts.

// The room a control gives its text: a label's contents less margin and frame indent, a
// button's contents as its style lays them out, a text box's text area.
QRect textRoom(const QWidget *control);

// The rectangle the visible characters of the control's text take up, placed in that room
// as the control aligns and wraps them (every line of a multi-line caption counted, blanks
// at the ends of a line not); empty when the control shows no text.
QRect textExtent(const QWidget *control);

// Whether the control's visible text lies wholly inside its room (no text always fits).
bool textFits(const QWidget *control);

// Whether the eye can see the control: shown, inside its window and not lying behind an
// opaque control placed in front of it (a panel).
bool seenByTheEye(const QWidget *control);

// One line for every label, button and text box of the window that the eye sees and whose
// text sticks out of its room: name, text, the size it needs and the size it has.
QStringList misfits(const QWidget *window);

// One line for every text of the window that the eye sees and that stands out from its
// background less than WCAG 2 asks (4.5:1, large text 3:1), measured on the rendered window.
QStringList illegibleTexts(QWidget *window);

class QImage;

// The ink and background of a text's pixels, and their contrast ratio.
struct InkOnBackground {
    QRgb ink = 0;
    QRgb background = 0;
    double contrast = 1.0;
};
InkOnBackground inkOnBackground(const QImage &image, const QRect &pixels);

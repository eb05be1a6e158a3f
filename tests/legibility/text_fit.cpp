#include "text_fit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>

namespace
{

// The room QLabel draws plain text in: contents less margin, and with a frame but no indent
// of its own, half an "x" on the sides the text is aligned to.
QRect labelRoom(const QLabel *label)
{
    const int margin = label->margin();
    QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align = label->alignment();
        if (align & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (align & Qt::AlignRight)
            room.setRight(room.right() - indent);
        if (align & Qt::AlignTop)
            room.setTop(room.top() + indent);
        if (align & Qt::AlignBottom)
            room.setBottom(room.bottom() - indent);
    }
    return room;
}

QRect buttonRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

// The text area of a line edit: its contents less the frame, the text margins and the
// small fixed margin the line edit keeps around its text (2 pixels across, 1 down).
QRect lineEditRoom(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    option.state |= QStyle::State_Sunken;
    QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return room.marginsRemoved(margins).adjusted(2, 1, -2, -1);
}

// Where the visible characters of a text end up in the room: every line aligned on its own,
// blanks at either end of a line left out because nothing of them is seen (the spaced
// numerals begin and end with one). Wrapped text ends where its words do.
QRect inkExtent(const QFontMetrics &metrics, const QRect &room, Qt::Alignment align,
                const QString &text, bool wordWrap)
{
    if (text.trimmed().isEmpty())
        return {};
    const QRect box = metrics.boundingRect(
        room, int(align) | (wordWrap ? int(Qt::TextWordWrap) : 0) | int(Qt::TextShowMnemonic),
        text);
    if (wordWrap)
        return box;
    int left = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString visible = line.trimmed();
        if (visible.isEmpty())
            continue;
        const int width = metrics.horizontalAdvance(line);
        int x = room.left();
        if (align & Qt::AlignRight)
            x = room.right() + 1 - width;
        else if (align & Qt::AlignHCenter)
            x = room.left() + (room.width() - width) / 2;
        const int start = x + metrics.horizontalAdvance(line.left(line.indexOf(visible)));
        left = std::min(left, start);
        right = std::max(right, start + metrics.horizontalAdvance(visible));
    }
    return QRect(QPoint(left, box.top()), QPoint(right - 1, box.bottom()));
}

QString describe(const QWidget *control, const QRect &room, const QRect &extent)
{
    QString text;
    if (auto *label = qobject_cast<const QLabel *>(control))
        text = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(control))
        text = button->text();
    else if (auto *edit = qobject_cast<const QLineEdit *>(control))
        text = edit->text();
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QStringLiteral("%1 \"%2\" (%3 %4 pt): needs %5 x %6 at %7,%8, has %9 x %10 at %11,%12")
        .arg(control->objectName(), text, control->font().family())
        .arg(control->font().pointSizeF())
        .arg(extent.width())
        .arg(extent.height())
        .arg(extent.x())
        .arg(extent.y())
        .arg(room.width())
        .arg(room.height())
        .arg(room.x())
        .arg(room.y());
}

} // namespace

QRect textRoom(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return labelRoom(label);
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return buttonRoom(button);
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return lineEditRoom(edit);
    return control->contentsRect();
}

QRect textExtent(const QWidget *control)
{
    const QRect room = textRoom(control);
    if (auto *label = qobject_cast<const QLabel *>(control))
        return inkExtent(control->fontMetrics(), room, label->alignment(), label->text(),
                         label->wordWrap());
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return inkExtent(control->fontMetrics(), room, Qt::AlignCenter, button->text(), false);
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return inkExtent(control->fontMetrics(), room, edit->alignment(), edit->text(), false);
    return {};
}

bool textFits(const QWidget *control)
{
    const QRect extent = textExtent(control);
    return extent.isEmpty() || textRoom(control).contains(extent);
}

bool seenByTheEye(const QWidget *control)
{
    if (!control->isVisible())
        return false;
    const QWidget *window = control->window();
    const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
    if (!window->rect().intersects(inWindow))
        return false;
    // Later siblings are painted in front; an opaque one in sight that covers the control
    // (or the panel holding it) hides it.
    for (const QWidget *widget = control; widget != window; widget = widget->parentWidget()) {
        const QWidget *parent = widget->parentWidget();
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(widget) + 1; i < siblings.size(); ++i) {
            const auto *sibling = qobject_cast<const QWidget *>(siblings.at(i));
            if (sibling && sibling->isVisible() && sibling->autoFillBackground() &&
                parent->rect().intersects(sibling->geometry()) &&
                sibling->geometry().contains(widget->geometry()))
                return false;
        }
    }
    return true;
}

QStringList misfits(const QWidget *window)
{
    QStringList found;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const bool hasText = qobject_cast<const QLabel *>(control) ||
                             qobject_cast<const QAbstractButton *>(control) ||
                             qobject_cast<const QLineEdit *>(control);
        if (!hasText || !seenByTheEye(control))
            continue;
        if (!textFits(control))
            found << describe(control, textRoom(control), textExtent(control));
    }
    return found;
}

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>

namespace bench
{

// Answers every message box as soon as it is shown: it presses the box's Escape button (OK, or
// "Nein" of a confirmation) from inside the box's own event loop, so a handler that ends in a
// box returns without anyone at the keyboard. A filter removes itself when it is destroyed.
class MessageBoxAutoAnswer : public QObject
{
public:
    MessageBoxAutoAnswer() { QApplication::instance()->installEventFilter(this); }
    int boxesAnswered = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = event->type() == QEvent::Show ? qobject_cast<QMessageBox *>(watched) : nullptr;
        if (!box)
            return false;
        ++boxesAnswered;
        // Queued, and dropped with the box: exec() shows the box before its loop runs.
        QMetaObject::invokeMethod(
            box,
            [box] {
                QAbstractButton *button =
                    box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
                if (button)
                    button->click();
                else
                    box->reject();
            },
            Qt::QueuedConnection);
        return false;
    }
};

} // namespace bench

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>

namespace bench
{

// Answers every message box as soon as it is shown, while it lives: it presses the box's
// Escape button (OK, or "Nein" of a confirmation) from inside the box's own event loop, so a
// handler that ends in a box returns without anyone at the keyboard.
class MessageBoxAutoAnswer : public QObject
{
public:
    MessageBoxAutoAnswer() { QApplication::instance()->installEventFilter(this); }
    ~MessageBoxAutoAnswer() override { QApplication::instance()->removeEventFilter(this); }
    int boxesAnswered = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *shown = event->type() == QEvent::Show ? qobject_cast<QMessageBox *>(watched) : nullptr;
        if (!shown)
            return false;
        ++boxesAnswered;
        // Queued: the box is being shown by exec(), whose event loop has not started yet.
        QMetaObject::invokeMethod(
            shown,
            [box = QPointer<QMessageBox>(shown)] {
                QAbstractButton *button = box ? box->escapeButton() : nullptr;
                if (!button && box && !box->buttons().isEmpty())
                    button = box->buttons().constFirst();
                if (button)
                    button->click();
                else if (box)
                    box->reject();
            },
            Qt::QueuedConnection);
        return false;
    }
};

} // namespace bench

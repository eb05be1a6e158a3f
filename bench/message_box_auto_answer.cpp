#include "message_box_auto_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>

namespace bench
{

MessageBoxAutoAnswer::MessageBoxAutoAnswer()
{
    QApplication::instance()->installEventFilter(this);
}

MessageBoxAutoAnswer::~MessageBoxAutoAnswer()
{
    QApplication::instance()->removeEventFilter(this);
}

bool MessageBoxAutoAnswer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show)
        return false;
    auto *box = qobject_cast<QMessageBox *>(watched);
    if (!box)
        return false;
    ++answered;
    // Queued: the box is being shown by exec(), whose event loop has not started yet.
    QMetaObject::invokeMethod(
        box,
        [box = QPointer<QMessageBox>(box)] {
            if (!box)
                return;
            QAbstractButton *button = box->escapeButton();
            if (!button && !box->buttons().isEmpty())
                button = box->buttons().constFirst();
            if (button)
                button->click();
            else
                box->reject();
        },
        Qt::QueuedConnection);
    return false;
}

} // namespace bench

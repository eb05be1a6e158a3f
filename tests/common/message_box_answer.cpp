#include "message_box_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimerEvent>

MessageBoxAnswer::MessageBoxAnswer(QString button) : buttonToPress(std::move(button))
{
    timerId = startTimer(10);
}

MessageBoxAnswer::~MessageBoxAnswer()
{
    killTimer(timerId);
}

void MessageBoxAnswer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == timerId)
        poll();
}

void MessageBoxAnswer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    ++count;
    text = box->text();
    title = box->windowTitle();
    icon = box->icon();
    buttons.clear();
    for (QAbstractButton *button : box->buttons())
        buttons << button->text();
    defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
    escapeButton = box->escapeButton() ? box->escapeButton()->text() : QString();
    if (buttonToPress == QLatin1String(Escape)) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
    }
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == buttonToPress) {
            button->click();
            return;
        }
    }
    box->reject();
}

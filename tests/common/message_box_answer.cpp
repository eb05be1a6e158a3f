#include "message_box_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimerEvent>

// A button's words as the user reads them: an accelerator mark is not a letter.
static QString wordsOf(const QAbstractButton *button)
{
    return button ? button->text().remove(QLatin1Char('&')) : QString();
}

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
        buttons << wordsOf(button);
    defaultButton = wordsOf(box->defaultButton());
    escapeButton = wordsOf(box->escapeButton());
    if (buttonToPress == QLatin1String(Escape)) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
    }
    for (QAbstractButton *button : box->buttons()) {
        if (wordsOf(button) == buttonToPress) {
            button->click();
            return;
        }
    }
    box->reject();
}

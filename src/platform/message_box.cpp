#include "platform/message_box.h"

#include "platform/after_handler.h"
#include "platform/announcement.h"

static QString shownText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

static void prepare(QMessageBox &box, const QString &text, const QString &title)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(shownText(text));
    box.setWindowTitle(title);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Screen readers of the releases that ship this Qt read a box's description as its text
    // and look among the box's labels only where there is none, a search that misses the
    // text with Qt 6.11. Older ones read both, so there the text is left to the labels.
    // They also present a box as it appears, ahead of announcements still in their queue:
    // what the handler announced just before (the move that won a game) is said with the
    // box, first.
    QStringList said =
        box.parentWidget() ? takeAnnouncementsForBox(box.parentWidget()) : QStringList();
    box.setAccessibleDescription((said << shownText(text)).join(QLatin1Char('\n')));
#endif
    // What else the handler left for its end is done before the box: older screen readers
    // hear its announcements before the box takes their attention.
    runWhatWaitsForHandler();
}

void informationBox(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(parent);
    prepare(box, text, title);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

QMessageBox::StandardButton confirmationBox(QWidget *parent, const QString &text,
                                            const QString &title)
{
    QMessageBox box(parent);
    prepare(box, text, title);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::No;
}

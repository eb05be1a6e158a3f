#include "platform/message_box.h"

#include <QAbstractButton>

static QString shownText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

static void prepare(QMessageBox &box, const QString &text, const QString &title)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(shownText(text));
    box.setWindowTitle(title);
}

void informationBox(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(parent);
    prepare(box, text, title);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

QMessageBox::StandardButton confirmationBox(QWidget *parent, const QString &text,
                                            const QString &title)
{
    QMessageBox box(parent);
    prepare(box, text, title);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::No;
}

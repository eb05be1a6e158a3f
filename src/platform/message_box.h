#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The program's two kinds of modal message box. Texts are passed as the program keeps
// them; a carriage return is shown as a line break. The buttons are Qt's, in German once
// its German texts are loaded.

// Information: text, title, OK only, no icon.
void informationBox(QWidget *parent, const QString &text, const QString &title);

// Confirmation: Yes and No, question icon, No the default and the Escape answer.
// Returns QMessageBox::Yes or QMessageBox::No.
QMessageBox::StandardButton confirmationBox(QWidget *parent, const QString &text,
                                            const QString &title);

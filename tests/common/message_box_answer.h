#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>

// Answers the next modal message box from inside a test: once it is open, records what it
// shows and presses the button with the given caption ("OK", "Ja", "Nein"), or Escape.
// Create it before the action that opens the box; check seen() and the record afterwards.
class MessageBoxAnswer : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *Escape = "<Escape>";

    explicit MessageBoxAnswer(QString buttonToPress);
    ~MessageBoxAnswer() override;

    bool seen() const { return count > 0; }
    int boxesSeen() const { return count; }

    // As shown: carriage returns appear as line breaks.
    QString text;
    QString title;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultButton;
    QString escapeButton;

private:
    void poll();

    QString buttonToPress;
    int count = 0;
    int timerId = 0;

protected:
    void timerEvent(QTimerEvent *event) override;
};

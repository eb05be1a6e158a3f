#pragma once

#include <QObject>

namespace bench
{

// Answers every message box as soon as it is shown, while it lives: it presses the box's
// Escape button (OK, or "Nein" of a confirmation) from inside the box's own event loop, so
// a handler that ends in a box returns without anyone at the keyboard.
class MessageBoxAutoAnswer : public QObject
{
    Q_OBJECT

public:
    MessageBoxAutoAnswer();
    ~MessageBoxAutoAnswer() override;

    int boxesAnswered() const { return answered; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int answered = 0;
};

} // namespace bench

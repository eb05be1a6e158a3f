#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// Makes the clock-seeded draw of the next task give the wanted number (1 to 3999): fixes
// the clock to the first moment of a day whose time of day seeds that draw.
void fixClockToDraw(int number);

// One exercise panel ("reading" or "writing") shown at its place on a plain stand-in for
// the main window, 682 x 435, with the two counters; driven through its real buttons.
class ExerciseBench
{
public:
    explicit ExerciseBench(const QString &exercise);

    void newTask();
    // Clicks, for each character, the key with that caption.
    void pressKeys(const QString &captions);
    void pressClear();

    QPushButton *key(QChar caption) const;
    QLineEdit *answerBox() const;
    QString answer() const;
    QColor answerColour() const;
    QString task() const;
    QString solution() const;

    QWidget host;
    QLabel *right;
    QLabel *wrong;
    QWidget *panel;

private:
    struct ControlNames {
        const char *answerBox;
        const char *taskLabel;
        const char *solutionLabel;
        const char *clearButton;
    };
    ControlNames names{};
};

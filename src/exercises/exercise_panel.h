#pragma once

#include <QAbstractButton>
#include <QWidget>

class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the reading and the writing panel have in common: their place and look, the
// building of their controls, the keys that append their character, and the one answer
// check that judges every change of the answer box.
class ExercisePanel : public QWidget
{
    Q_OBJECT

protected:
    // The counters belong to the main window; both exercises add to the same two.
    ExercisePanel(const char *name, QLabel *rightCounter, QLabel *wrongCounter, QWidget *parent);

    // Controls in the panel. Each panel has exactly one answer box, one solution label and
    // one task label; adding them also makes them the ones the answer check works on.
    QLabel *addHeading(const char *name, const QString &caption);
    PictureBox *addTablet(const char *name);
    QLabel *addTaskLabel(const char *name, const QRect &geometry);
    QLineEdit *addAnswerBox(const char *name, const QRect &geometry);
    QLabel *addSolutionLabel(const char *name, const QRect &geometry);
    QPushButton *addClearButton(const char *name);
    // A key shows its character as its caption and keeps it as data to append.
    template <class Panel>
    QPushButton *addKey(const char *name, const char *character, const QRect &geometry,
                        void (Panel::*click)())
    {
        QPushButton *key = makeKey(name, character, geometry);
        connect(key, &QAbstractButton::clicked, static_cast<Panel *>(this), click);
        return key;
    }

    // A task's first steps, in this order: empty the answer (its check still runs against
    // the old solution), empty the solution, reseed from the clock, draw. Returns the number.
    int beginTask();

    // A key appends its own character to the answer.
    void appendKeyCharacter(const QPushButton *key);
    void clearAnswer();

    // Runs on every change of the answer box, also nested inside a change it causes.
    void checkAnswer();

    // Tells a listening screen reader the task just shown.
    void announceTask();

    // The panel's own new task, drawn after a right answer.
    virtual void startNewTask() = 0;

    void showEvent(QShowEvent *event) override;

private:
    QPushButton *makeKey(const char *name, const char *character, const QRect &geometry);
    void raiseCounter(QLabel *counter);

    QLabel *rightCounter;
    QLabel *wrongCounter;
    QLineEdit *answerBox = nullptr;
    QLabel *solutionLabel = nullptr;
    QLabel *taskLabel = nullptr;
};

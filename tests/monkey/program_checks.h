#pragma once

#include <QString>
#include <QStringList>

class Form1;
class QWidget;

// What must hold after every action of a monkey, whatever the action was: the score only
// ever climbs, one step at a time; an exercise's task, answer and colour agree; the number
// field shows its sliders; the editor's three lists stay parallel and hold exactly the
// numbers added minus those deleted; the memory game shows at most the two cards of the
// turn and exactly its found pairs white; the pair game's count is its emptied numerals;
// and exactly one window of the program is shown. Each check returns what it found broken,
// or an empty text.
class ProgramChecks
{
public:
    // A new main window: the score starts at 0 and the editor empty.
    void startSession();

    // The editor changes the last action was meant to make; the model follows them.
    void expectAddition(const QString &padded);
    void expectRemoval(int row);
    void expectAllRemoved();

    // praised: how many right answers the program has praised in a message box since it
    // started; each of them, and nothing else, raises the count of right answers.
    QString check(const Form1 &window, int praised);

    int numbersInEditor() const { return static_cast<int>(editorNumbers.size()); }

    static QWidget *gameWindow(const char *name);

private:
    QString checkScore(const Form1 &window, int praised);
    QString checkMainWindowKept(const Form1 &window);
    static QString checkExercises(const Form1 &window);
    static QString checkNumberField(const Form1 &window);
    QString checkEditor(const Form1 &window);
    static QString checkMemory(const QWidget &memo);
    static QString checkPairs(const QWidget &form2);
    static QString checkWindows(const Form1 &window);

    int right = 0;
    int wrong = 0;
    QStringList editorNumbers;
    bool lastLinesSelected = false;
    // The main window as it was last seen, to compare when it comes back from a game.
    QStringList mainWindowState;
    bool mainWindowShown = true;
};

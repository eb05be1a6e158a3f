#pragma once

#include "program_checks.h"
#include "random_box_answerer.h"

#include <QCryptographicHash>
#include <QDate>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <memory>
#include <random>

class Form1;
class QLabel;
class QWidget;

// A seeded monkey that plays the whole program as a restless learner would: it clicks what
// can be seen and reached, types into the editor, moves the sliders, drags numerals in the
// pair game, answers every message box at random, opens and leaves the games and now and
// then ends the program, which it then starts afresh. After every action it checks the
// rules in ProgramChecks. The same seed gives the same run.
class ProgramMonkey : public QObject
{
    Q_OBJECT

public:
    // The window the monkey mostly plays in; it visits the others on the way.
    enum class Focus { MainWindow, Memory, Pairs };

    ProgramMonkey(Focus focus, std::uint64_t seed, int actions);
    ~ProgramMonkey() override;

    // Plays until the actions are spent. Returns the first broken rule with the actions
    // that led to it, or an empty text.
    QString run();

    // What was done: actions by kind, message boxes by title and answer, programs started.
    QString summary() const;
    int actionsDone() const { return done; }
    // A digest of every action taken, to tell two runs apart.
    QByteArray fingerprint() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Choice {
        double weight;
        const char *name;
        std::function<void()> act;
    };

    void startProgram();
    void endProgram();
    void play();
    void step();
    void choose(const std::vector<Choice> &choices);
    void advanceClock();
    void fail(const QString &what);
    void checkRules();

    // Where the learner is.
    QWidget *shownWindow() const;
    QWidget *memoWindow() const;
    QWidget *pairWindow() const;
    bool editorOpen() const;

    // Input as the platform delivers it: a click lands on whatever lies on top at that point.
    bool reachable(const QWidget *control) const;
    void click(QWidget *control, QPoint at = QPoint(-1, -1));
    void clickPoint(QWidget *window, QPoint at);
    void anticipate(const QWidget *clicked);
    void makeActive(QWidget *window);
    QWidget *named(const QWidget *window, const QString &name) const;
    QLabel *label(const QWidget *window, int number) const;

    // The main window.
    void mainWindowActions(std::vector<Choice> &choices);
    void pressAnswerKey();
    void typeIntoEntry();
    void pasteIntoEntry();
    void clickListLine();
    void moveSlider();
    void useKeyboard(QWidget *window);
    void turnWheel(QWidget *window);
    void goToGame(const char *opener);

    // The games.
    void memoryActions(std::vector<Choice> &choices);
    void clickCard(bool doubleClick);
    void pairActions(std::vector<Choice> &choices);
    void dropNumeral(bool correct);
    void dropForeign();
    void leaveGame(QWidget *game);

    int draw(int low, int high);
    bool chance(double probability);
    void note(const QString &what);

    Focus focus;
    std::uint64_t seed;
    int budget;
    int done = 0;
    int programs = 0;
    int praisedBefore = 0; // right answers praised in earlier runs of the program
    bool programEnded = false;
    QDate today;
    int millisecondOfDay = 0;
    std::mt19937_64 random;
    RandomBoxAnswerer answerer;
    ProgramChecks checks;
    std::unique_ptr<Form1> form;
    QMap<QString, int> actionCounts;
    QStringList recent;
    QCryptographicHash trace{QCryptographicHash::Sha1};
    QString failure;
};

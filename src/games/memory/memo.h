#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

class PressableLabel;
class QLabel;
class QListWidget;
class QPushButton;

// The memory game's window: 18 cards in three rows, nine pairs of a number and its
// numeral at the level of ones, tens or hundreds. The game keeps its state in hidden
// labels and lists of its own. The window is created once and only hidden afterwards;
// leaving the game shows the main window again.
class memo : public QWidget
{
    Q_OBJECT

public:
    // mainWindow is only shown again when the learner leaves the game.
    explicit memo(QWidget *mainWindow);

    // Runs each time the main window opens the game, before showing it.
    void Form_Activate();

    void Befehl1_Click();
    void Befehl2_Click();
    void Befehl3_Click();
    void Befehl4_Click();

    void Bezeichnung1_Click() { cardClick(1); }
    void Bezeichnung2_Click() { cardClick(2); }
    void Bezeichnung3_Click() { cardClick(3); }
    void Bezeichnung4_Click() { cardClick(4); }
    void Bezeichnung5_Click() { cardClick(5); }
    void Bezeichnung6_Click() { cardClick(6); }
    void Bezeichnung7_Click() { cardClick(7); }
    void Bezeichnung8_Click() { cardClick(8); }
    void Bezeichnung9_Click() { cardClick(9); }
    void Bezeichnung10_Click() { cardClick(10); }
    void Bezeichnung11_Click() { cardClick(11); }
    void Bezeichnung12_Click() { cardClick(12); }
    void Bezeichnung13_Click() { cardClick(13); }
    void Bezeichnung14_Click() { cardClick(14); }
    void Bezeichnung15_Click() { cardClick(15); }
    void Bezeichnung16_Click() { cardClick(16); }
    void Bezeichnung17_Click() { cardClick(17); }
    void Bezeichnung18_Click() { cardClick(18); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    QLabel *createStateLabel(const char *name, QRect geometry, const QString &caption);
    QListWidget *createList(const char *name, QRect geometry);

    void cardClick(int card);
    void chooseLevel(const QString &title, const QString &letter);
    void leaveGame();
    QListWidget *numeralList(char level) const;
    QList<PressableLabel *> turnCards() const;

    void PlayCard();
    void CloseTurn();
    void MarkPairFound();
    void FinishGame();
    void DealCards();
    void FillNumeralLists();
    void ResetCards();

    QPointer<QWidget> mainWindow;

    QPushButton *Befehl1 = nullptr;
    QPushButton *Befehl2 = nullptr;
    QPushButton *Befehl3 = nullptr;
    QPushButton *Befehl4 = nullptr;
    std::array<PressableLabel *, 18> cards{}; // Bezeichnung1 … Bezeichnung18
    QLabel *Bezeichnung19 = nullptr;
    QLabel *Bezeichnung20 = nullptr; // "1" while a game runs
    QLabel *Bezeichnung21 = nullptr; // pair string
    QLabel *Bezeichnung22 = nullptr; // remaining mask
    QLabel *Bezeichnung23 = nullptr; // first card of the turn
    QLabel *Bezeichnung24 = nullptr; // second card of the turn
    QLabel *Bezeichnung25 = nullptr; // card last clicked
    QLabel *Bezeichnung26 = nullptr; // level letter
    QListWidget *Liste1 = nullptr;   // card values
    QListWidget *Liste2 = nullptr;   // hundreds numerals
    QListWidget *Liste3 = nullptr;   // tens numerals
    QListWidget *Liste4 = nullptr;   // ones numerals
};

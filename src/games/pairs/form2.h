#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

class DragSourceLabel;
class PressableLabel;
class DropTargetLabel;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

// The pair game: nine numbers in the upper field, their numerals sorted in the lower box;
// the learner drags each numeral onto its number. A round lives entirely in the controls.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    // The main window is only shown again when the learner leaves the game.
    explicit Form2(QWidget *mainWindow);

    void Form_Load();
    // Run by the main window each time it opens the game, before showing it.
    void Form_Activate();

    void Befehl1_Click();
    void Befehl2_Click();
    void Befehl3_Click();

    void Bezeichnung1_DragDrop(QWidget *source) { dropOn(1, source); }
    void Bezeichnung2_DragDrop(QWidget *source) { dropOn(2, source); }
    void Bezeichnung3_DragDrop(QWidget *source) { dropOn(3, source); }
    void Bezeichnung4_DragDrop(QWidget *source) { dropOn(4, source); }
    void Bezeichnung5_DragDrop(QWidget *source) { dropOn(5, source); }
    void Bezeichnung6_DragDrop(QWidget *source) { dropOn(6, source); }
    void Bezeichnung7_DragDrop(QWidget *source) { dropOn(7, source); }
    void Bezeichnung8_DragDrop(QWidget *source) { dropOn(8, source); }
    void Bezeichnung9_DragDrop(QWidget *source) { dropOn(9, source); }

    void SetUpRound();
    void FinishRound();

protected:
    // Closing through the frame is leaving the game, without asking.
    void closeEvent(QCloseEvent *event) override;
    // Escape lets go of a numeral picked up.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    QPushButton *createButton(const char *name, const char *text, int top);
    QFrame *createField(const char *name, int top, const QColor &fill);
    void setUpGameLabel(PressableLabel *label, int number, int top);
    QListWidget *createStore(const char *name, int top);

    void setNumberCaption(QLabel *label, const QString &text);
    void dropOn(int target, QWidget *source);
    // Placing without dragging: a numeral is picked up by a press and put down on a number
    // by a press there, judged by that number's drop handler.
    void numeralPressed(DragSourceLabel *numeral);
    void pick(DragSourceLabel *numeral);
    void leaveGame();

    QPointer<QWidget> mainWindow;
    // The numeral picked up to be placed by a press on a number, if any.
    QPointer<DragSourceLabel> picked;

    QPushButton *Befehl1 = nullptr;
    QPushButton *Befehl2 = nullptr;
    QPushButton *Befehl3 = nullptr;
    QFrame *Figur1 = nullptr;
    QFrame *Figur2 = nullptr;
    // Bezeichnung1 ... Bezeichnung9: the numbers, drop targets.
    std::array<DropTargetLabel *, 9> numberLabels{};
    // Bezeichnung10 ... Bezeichnung18: the numerals, drag sources.
    std::array<DragSourceLabel *, 9> numeralLabels{};
    // The count of correct drops in this round, as decimal text.
    QLabel *Bezeichnung19 = nullptr;
    // Number captions and numerals in the order drawn, and the numerals sorted.
    QListWidget *Liste1 = nullptr;
    QListWidget *Liste2 = nullptr;
    QListWidget *Liste3 = nullptr;
};

#pragma once

#include "exercises/exercise_panel.h"

// The reading exercise: a numeral is shown and the learner writes its number with the ten
// digit keys; every change of the answer is judged at once.
class ReadingPanel : public ExercisePanel
{
    Q_OBJECT

public:
    ReadingPanel(QLabel *rightCounter, QLabel *wrongCounter, QWidget *parent);

    void NewReadingTask();
    void Text2_Change() { checkAnswer(); }
    void Befehl13_Click() { clearAnswer(); }

    void Befehl14_Click() { appendKeyCharacter(Befehl14); }
    void Befehl15_Click() { appendKeyCharacter(Befehl15); }
    void Befehl16_Click() { appendKeyCharacter(Befehl16); }
    void Befehl17_Click() { appendKeyCharacter(Befehl17); }
    void Befehl18_Click() { appendKeyCharacter(Befehl18); }
    void Befehl19_Click() { appendKeyCharacter(Befehl19); }
    void Befehl20_Click() { appendKeyCharacter(Befehl20); }
    void Befehl21_Click() { appendKeyCharacter(Befehl21); }
    void Befehl22_Click() { appendKeyCharacter(Befehl22); }
    void Befehl23_Click() { appendKeyCharacter(Befehl23); }

protected:
    void startNewTask() override { NewReadingTask(); }

private:
    QLabel *Bezeichnung8;
    PictureBox *Bild5;
    QLabel *Bezeichnung9;
    QLineEdit *Text2;
    QLabel *Bezeichnung10;
    QPushButton *Befehl13;
    QPushButton *Befehl14;
    QPushButton *Befehl15;
    QPushButton *Befehl16;
    QPushButton *Befehl17;
    QPushButton *Befehl18;
    QPushButton *Befehl19;
    QPushButton *Befehl20;
    QPushButton *Befehl21;
    QPushButton *Befehl22;
    QPushButton *Befehl23;
};

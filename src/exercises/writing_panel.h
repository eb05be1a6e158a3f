#pragma once

#include "exercises/exercise_panel.h"

// The writing exercise: a number is shown and the learner composes its numeral with the
// seven letter keys; every change of the answer is judged at once.
class WritingPanel : public ExercisePanel
{
    Q_OBJECT

public:
    WritingPanel(QLabel *rightCounter, QLabel *wrongCounter, QWidget *parent);

    void NewWritingTask();
    void Text1_Change() { checkAnswer(); }
    void Befehl12_Click() { clearAnswer(); }

    void Befehl5_Click() { appendKeyCharacter(Befehl5); }
    void Befehl6_Click() { appendKeyCharacter(Befehl6); }
    void Befehl7_Click() { appendKeyCharacter(Befehl7); }
    void Befehl8_Click() { appendKeyCharacter(Befehl8); }
    void Befehl9_Click() { appendKeyCharacter(Befehl9); }
    void Befehl10_Click() { appendKeyCharacter(Befehl10); }
    void Befehl11_Click() { appendKeyCharacter(Befehl11); }

protected:
    void startNewTask() override { NewWritingTask(); }

private:
    QLabel *Bezeichnung5;
    PictureBox *Bild1;
    QLabel *Bezeichnung6;
    QLineEdit *Text1;
    QLabel *Bezeichnung7;
    QPushButton *Befehl12;
    QPushButton *Befehl5;
    QPushButton *Befehl6;
    QPushButton *Befehl7;
    QPushButton *Befehl8;
    QPushButton *Befehl9;
    QPushButton *Befehl10;
    QPushButton *Befehl11;
};

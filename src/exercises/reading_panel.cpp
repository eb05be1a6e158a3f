#include "exercises/reading_panel.h"

#include "exercises/exercise_task.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ReadingPanel::ReadingPanel(QLabel *rightCounter, QLabel *wrongCounter, QWidget *parent)
    : ExercisePanel("Bild4", rightCounter, wrongCounter, parent)
{
    setAccessibleName(QStringLiteral("Leseübung"));
    Bezeichnung8 = addHeading("Bezeichnung8",
                              QStringLiteral("Schreibe die deutsche Zahl mit Hilfe der Tafeln:"));
    Bild5 = addTablet("Bild5");
    Bezeichnung9 = addTaskLabel("Bezeichnung9", twipsRect(1800, 600, 5895, 495));
    Text2 = addAnswerBox("Text2", twipsRect(1800, 1080, 5895, 735));
    Bezeichnung10 = addSolutionLabel("Bezeichnung10", twipsRect(1800, 1920, 5895, 255));
    Befehl13 = addClearButton("Befehl13");
    connect(Befehl13, &QPushButton::clicked, this, &ReadingPanel::Befehl13_Click);

    // "0" stands first, left of "1" … "9".
    Befehl14 =
        addKey("Befehl14", "1", twipsRect(2400, 2400, 495, 735), &ReadingPanel::Befehl14_Click);
    Befehl15 =
        addKey("Befehl15", "2", twipsRect(3000, 2400, 495, 735), &ReadingPanel::Befehl15_Click);
    Befehl16 =
        addKey("Befehl16", "3", twipsRect(3600, 2400, 495, 735), &ReadingPanel::Befehl16_Click);
    Befehl17 =
        addKey("Befehl17", "4", twipsRect(4200, 2400, 495, 735), &ReadingPanel::Befehl17_Click);
    Befehl18 =
        addKey("Befehl18", "5", twipsRect(4800, 2400, 495, 735), &ReadingPanel::Befehl18_Click);
    Befehl19 =
        addKey("Befehl19", "6", twipsRect(5400, 2400, 495, 735), &ReadingPanel::Befehl19_Click);
    Befehl20 =
        addKey("Befehl20", "7", twipsRect(6000, 2400, 495, 735), &ReadingPanel::Befehl20_Click);
    Befehl21 =
        addKey("Befehl21", "8", twipsRect(6600, 2400, 495, 735), &ReadingPanel::Befehl21_Click);
    Befehl22 =
        addKey("Befehl22", "9", twipsRect(7200, 2400, 495, 735), &ReadingPanel::Befehl22_Click);
    Befehl23 =
        addKey("Befehl23", "0", twipsRect(1800, 2400, 495, 735), &ReadingPanel::Befehl23_Click);
    // Tab follows the keys as they stand, "0" first.
    setTabOrder(Befehl13, Befehl23);
    setTabOrder(Befehl23, Befehl14);

    connect(Text2, &QLineEdit::textChanged, this, &ReadingPanel::Text2_Change);
}

void ReadingPanel::NewReadingTask()
{
    const ExerciseTask task = ReadingTask(beginTask());
    Bezeichnung10->setText(QString::fromStdString(task.solution));
    Bezeichnung9->setText(QString::fromStdString(task.shown));
    announceTask();
}

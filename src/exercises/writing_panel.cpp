#include "exercises/writing_panel.h"

#include "exercises/exercise_task.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

WritingPanel::WritingPanel(QLabel *rightCounter, QLabel *wrongCounter, QWidget *parent)
    : ExercisePanel("Bild2", rightCounter, wrongCounter, parent)
{
    setAccessibleName(QStringLiteral("Schreibübung"));
    Bezeichnung5 = addHeading("Bezeichnung5",
                              QStringLiteral("Schreibe die römische Zahl mit Hilfe der Tafeln:"));
    Bild1 = addTablet("Bild1");
    Bezeichnung6 = addTaskLabel("Bezeichnung6", twipsRect(2040, 600, 5655, 495));
    Text1 = addAnswerBox("Text1", twipsRect(2040, 1080, 5655, 735));
    Bezeichnung7 = addSolutionLabel("Bezeichnung7", twipsRect(2040, 1920, 5655, 255));
    Befehl12 = addClearButton("Befehl12");
    connect(Befehl12, &QPushButton::clicked, this, &WritingPanel::Befehl12_Click);

    // Descending value from left to right, "M" first.
    Befehl11 =
        addKey("Befehl11", "M", twipsRect(2040, 2400, 615, 735), &WritingPanel::Befehl11_Click);
    Befehl10 =
        addKey("Befehl10", "D", twipsRect(2880, 2400, 615, 735), &WritingPanel::Befehl10_Click);
    Befehl9 = addKey("Befehl9", "C", twipsRect(3720, 2400, 615, 735), &WritingPanel::Befehl9_Click);
    Befehl8 = addKey("Befehl8", "L", twipsRect(4560, 2400, 615, 735), &WritingPanel::Befehl8_Click);
    Befehl7 = addKey("Befehl7", "X", twipsRect(5400, 2400, 615, 735), &WritingPanel::Befehl7_Click);
    Befehl6 = addKey("Befehl6", "V", twipsRect(6240, 2400, 615, 735), &WritingPanel::Befehl6_Click);
    Befehl5 = addKey("Befehl5", "I", twipsRect(7080, 2400, 615, 735), &WritingPanel::Befehl5_Click);

    connect(Text1, &QLineEdit::textChanged, this, &WritingPanel::Text1_Change);
}

void WritingPanel::NewWritingTask()
{
    const ExerciseTask task = WritingTask(beginTask());
    Bezeichnung6->setText(QString::fromStdString(task.shown));
    Bezeichnung7->setText(QString::fromStdString(task.solution));
    announceTask();
}

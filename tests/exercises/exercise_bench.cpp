#include "exercise_bench.h"

#include "exercises/reading_panel.h"
#include "exercises/writing_panel.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/random.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void fixClockToDraw(int number)
{
    RandomSource random;
    for (int msecs = 0; msecs < 24 * 60 * 60 * 1000; ++msecs) {
        const QTime time = QTime::fromMSecsSinceStartOfDay(msecs);
        random.seed(time.msecsSinceStartOfDay() / 1000.0);
        if (random.between(1, 3999) == number) {
            Clock::setFixed(QDateTime(QDate(2024, 1, 15), time));
            return;
        }
    }
    QFAIL("no time of day draws the number");
}

ExerciseBench::ExerciseBench(const QString &exercise)
{
    host.setFixedSize(682, 435);
    right = new QLabel(QStringLiteral("0"), &host);
    right->setObjectName(QStringLiteral("Bezeichnung12"));
    right->setGeometry(twipsRect(240, 5760, 615, 255));
    wrong = new QLabel(QStringLiteral("0"), &host);
    wrong->setObjectName(QStringLiteral("Bezeichnung14"));
    wrong->setGeometry(twipsRect(1080, 5760, 615, 255));
    if (exercise == QLatin1String("reading")) {
        panel = new ReadingPanel(right, wrong, &host);
        names = {"Text2", "Bezeichnung9", "Bezeichnung10", "Befehl13"};
    } else {
        panel = new WritingPanel(right, wrong, &host);
        names = {"Text1", "Bezeichnung6", "Bezeichnung7", "Befehl12"};
    }
    setLeftTwips(panel, 2160);
    host.show();
    if (!QTest::qWaitForWindowExposed(&host))
        qWarning("the bench window was not exposed");
}

void ExerciseBench::newTask()
{
    if (auto *reading = qobject_cast<ReadingPanel *>(panel))
        reading->NewReadingTask();
    else
        qobject_cast<WritingPanel *>(panel)->NewWritingTask();
}

QPushButton *ExerciseBench::key(QChar caption) const
{
    for (QPushButton *button : panel->findChildren<QPushButton *>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

void ExerciseBench::pressKeys(const QString &captions)
{
    for (QChar caption : captions) {
        QPushButton *button = key(caption);
        QVERIFY2(button, "no key with that caption");
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void ExerciseBench::pressClear()
{
    QTest::mouseClick(panel->findChild<QPushButton *>(QString::fromLatin1(names.clearButton)),
                      Qt::LeftButton);
}

QLineEdit *ExerciseBench::answerBox() const
{
    return panel->findChild<QLineEdit *>(QString::fromLatin1(names.answerBox));
}

QString ExerciseBench::answer() const
{
    return answerBox()->text();
}

QColor ExerciseBench::answerColour() const
{
    return background(answerBox());
}

QString ExerciseBench::task() const
{
    return panel->findChild<QLabel *>(QString::fromLatin1(names.taskLabel))->text();
}

QString ExerciseBench::solution() const
{
    return panel->findChild<QLabel *>(QString::fromLatin1(names.solutionLabel))->text();
}

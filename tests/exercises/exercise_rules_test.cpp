#include "exercises/answer_rules.h"
#include "exercises/exercise_task.h"
#include "test_registry.h"

#include <QTest>

class ExerciseRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answerIsAcceptableWhereverItOccursInTheSolution_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<bool>("acceptable");
        for (const char *part : {"", "1", "99", "94", "1994"})
            QTest::addRow("1994 holds '%s'", part) << part << "1994" << true;
        for (const char *other : {"2", "91", "19941"})
            QTest::addRow("1994 lacks '%s'", other) << other << "1994" << false;
        for (const char *part : {"CM", "CIV"})
            QTest::addRow("MCMXCIV holds '%s'", part) << part << "MCMXCIV" << true;
        for (const char *other : {"MM", "IX", "mc"})
            QTest::addRow("MCMXCIV lacks '%s'", other) << other << "MCMXCIV" << false;
    }

    void answerIsAcceptableWhereverItOccursInTheSolution()
    {
        QFETCH(QString, answer);
        QFETCH(QString, solution);
        QFETCH(bool, acceptable);
        QCOMPARE(IsAcceptableAnswer(answer.toStdString(), solution.toStdString()), acceptable);
    }

    void tasksShowAndSolveTheirNumber_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("readingShown");
        QTest::addColumn<QString>("readingSolution");
        QTest::addColumn<QString>("writingShown");
        QTest::addColumn<QString>("writingSolution");
        const char *rows[][5] = {
            {"7", " V I I ", "7", "   7 ", "VII"},
            {"2005", " M M V ", "2005", "   2 0 0 5 ", "MMV"},
            {"3888", " M M M D C C C L X X X V I I I ", "3888", "   3 8 8 8 ", "MMMDCCCLXXXVIII"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]).toInt() << row[1] << row[2]
                                  << row[3] << row[4];
    }

    void tasksShowAndSolveTheirNumber()
    {
        QFETCH(int, number);
        QFETCH(QString, readingShown);
        QFETCH(QString, readingSolution);
        QFETCH(QString, writingShown);
        QFETCH(QString, writingSolution);
        const ExerciseTask reading = ReadingTask(number);
        QCOMPARE(QString::fromStdString(reading.shown), readingShown);
        QCOMPARE(QString::fromStdString(reading.solution), readingSolution);
        const ExerciseTask writing = WritingTask(number);
        QCOMPARE(QString::fromStdString(writing.shown), writingShown);
        QCOMPARE(QString::fromStdString(writing.solution), writingSolution);
    }
};

ZAHLZEICHEN_TEST(ExerciseRulesTest)

#include "exercise_rules_test.moc"

#include "controls.h"
#include "exercise_bench.h"
#include "heard.h"
#include "message_box_answer.h"
#include "platform/clock.h"
#include "platform/twips.h"
#include "shell/form1.h"
#include "test_registry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace
{

const QColor white(255, 255, 255);
const QColor red(255, 0, 0);

void addExerciseRows()
{
    QTest::addColumn<QString>("exercise");
    QTest::newRow("reading") << QStringLiteral("reading");
    QTest::newRow("writing") << QStringLiteral("writing");
}

} // namespace

// Both exercises run the same answer check on their own controls; the cases run on both.
class ExercisePanelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Clock::setSystem(); }

    void rightAnswerIsPraisedCountedAndFollowedByANewTask_data()
    {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("rightBefore");
        QTest::addColumn<QString>("rightAfter");
        struct Row {
            const char *name, *exercise;
            int number;
            const char *shown, *keys, *title, *rightBefore, *rightAfter;
        };
        const Row rows[] = {{"reading 1994", "reading", 1994, " M C M X C I V ", "1994",
                             " M C M X C I V  = 1994", "0", "1"},
                            {"writing 1994", "writing", 1994, "   1 9 9 4 ", "MCMXCIV",
                             "   1 9 9 4  = MCMXCIV", "0", "1"},
                            {"reading 3888, counter read leniently", "reading", 3888,
                             " M M M D C C C L X X X V I I I ", "3888",
                             " M M M D C C C L X X X V I I I  = 3888", " 41", "42"},
                            {"writing 3888, the longest numeral", "writing", 3888, "   3 8 8 8 ",
                             "MMMDCCCLXXXVIII", "   3 8 8 8  = MMMDCCCLXXXVIII", "", "1"}};
        for (const Row &row : rows)
            QTest::newRow(row.name)
                << QString::fromLatin1(row.exercise) << row.number << QString::fromLatin1(row.shown)
                << QString::fromLatin1(row.keys) << QString::fromLatin1(row.title)
                << QString::fromLatin1(row.rightBefore) << QString::fromLatin1(row.rightAfter);
    }

    void rightAnswerIsPraisedCountedAndFollowedByANewTask()
    {
        QFETCH(QString, exercise);
        QFETCH(int, number);
        QFETCH(QString, shown);
        QFETCH(QString, keys);
        QFETCH(QString, title);
        QFETCH(QString, rightBefore);
        QFETCH(QString, rightAfter);

        ExerciseBench bench(exercise);
        bench.right->setText(rightBefore);
        fixClockToDraw(number);
        bench.newTask();
        QCOMPARE(bench.task(), shown);

        MessageBoxAnswer answer(QStringLiteral("OK"));
        bench.pressKeys(keys.chopped(1));
        QCOMPARE(bench.answer(), keys.chopped(1));
        QCOMPARE(bench.answerColour(), white);
        QVERIFY(!answer.seen());

        // The next task is another number, so a right answer judged against it would count.
        fixClockToDraw(7);
        bench.pressKeys(keys.right(1));

        QCOMPARE(answer.boxesSeen(), 1);
        QCOMPARE(answer.text, QStringLiteral("Prima, die Eingabe ist richtig!\n\n"));
        QCOMPARE(answer.title, title);
        QCOMPARE(answer.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(answer.icon, QMessageBox::NoIcon);
        QCOMPARE(bench.right->text(), rightAfter);
        QCOMPARE(bench.wrong->text(), QStringLiteral("0"));
        QCOMPARE(bench.answer(), QString());
        QCOMPARE(bench.answerColour(), white);
        QCOMPARE(bench.solution(), exercise == QLatin1String("reading") ? "7" : "VII");
        QVERIFY(bench.task() != shown);
    }

    void eachChangeLeavingTheAnswerOutsideTheSolutionTurnsRedAndCounts_data()
    {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("wrongAfterEachKey");
        QTest::newRow("1994: 2 then 0") << "reading" << 1994 << "20" << QList<int>{1, 2};
        QTest::newRow("1994: 9 9 4 occur within")
            << "reading" << 1994 << "994" << QList<int>{0, 0, 0};
        QTest::newRow("7: 07 never accepted") << "reading" << 7 << "07" << QList<int>{1, 2};
        QTest::newRow("IV: I then I then V") << "writing" << 4 << "IIV" << QList<int>{0, 1, 2};
        QTest::newRow("MCMXCIV: C I V occur within")
            << "writing" << 1994 << "CIV" << QList<int>{0, 0, 0};
    }

    void eachChangeLeavingTheAnswerOutsideTheSolutionTurnsRedAndCounts()
    {
        QFETCH(QString, exercise);
        QFETCH(int, number);
        QFETCH(QString, keys);
        QFETCH(QList<int>, wrongAfterEachKey);

        ExerciseBench bench(exercise);
        fixClockToDraw(number);
        bench.newTask();
        MessageBoxAnswer answer(QStringLiteral("OK"));
        QVERIFY(QTest::qWaitForWindowActive(&bench.host));
        afterHandlerReturned();
        int wrongBefore = 0;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            Heard heard;
            bench.pressKeys(keys.mid(i, 1));
            afterHandlerReturned();
            const int wrongNow = wrongAfterEachKey.at(i);
            QCOMPARE(bench.wrong->text(), QString::number(wrongNow));
            QCOMPARE(bench.answerColour(), wrongNow > wrongBefore ? red : white);
            // A screen reader hears what only the colour shows.
            QCOMPARE(heard.said, wrongNow > wrongBefore ? QStringList{QStringLiteral("falsch")}
                                                        : QStringList());
            wrongBefore = wrongNow;
        }
        QCOMPARE(bench.answer(), keys);

        // Emptying makes the answer acceptable again and counts nothing.
        bench.pressClear();
        QCOMPARE(bench.answer(), QString());
        QCOMPARE(bench.answerColour(), white);
        QCOMPARE(bench.wrong->text(), QString::number(wrongBefore));
        QCOMPARE(bench.right->text(), QStringLiteral("0"));
        QVERIFY(!answer.seen());
    }

    void answerLongerThanTwentyIsCountedThenEmptied_data()
    {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<QChar>("wrongKey");
        QTest::newRow("reading") << "reading" << QChar(u'2');
        QTest::newRow("writing") << "writing" << QChar(u'D');
    }

    void answerLongerThanTwentyIsCountedThenEmptied()
    {
        QFETCH(QString, exercise);
        QFETCH(QChar, wrongKey);

        ExerciseBench bench(exercise);
        fixClockToDraw(1994);
        bench.newTask();
        bench.pressKeys(QString(20, wrongKey));
        QCOMPARE(bench.answer(), QString(20, wrongKey));
        QCOMPARE(bench.wrong->text(), QStringLiteral("20"));
        QCOMPARE(bench.answerColour(), red);

        bench.pressKeys(QString(wrongKey));
        QCOMPARE(bench.wrong->text(), QStringLiteral("21"));
        QCOMPARE(bench.answer(), QString());
        QCOMPARE(bench.answerColour(), white);
    }

    void newTaskEmptiesTheAnswerWithoutCounting_data()
    {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QColor>("colourBefore");
        QTest::newRow("reading, red answer") << "reading"
                                             << "25" << red;
        QTest::newRow("reading, acceptable answer") << "reading"
                                                    << "19" << white;
        QTest::newRow("writing, red answer") << "writing"
                                             << "DD" << red;
        QTest::newRow("writing, acceptable answer") << "writing"
                                                    << "MC" << white;
    }

    void newTaskEmptiesTheAnswerWithoutCounting()
    {
        QFETCH(QString, exercise);
        QFETCH(QString, keys);
        QFETCH(QColor, colourBefore);

        ExerciseBench bench(exercise);
        fixClockToDraw(1994);
        bench.newTask();
        bench.pressKeys(keys);
        QCOMPARE(bench.answerColour(), colourBefore);
        const QString wrongBefore = bench.wrong->text();

        // Would catch a box opened by an emptied answer matching an emptied solution.
        MessageBoxAnswer answer(QStringLiteral("OK"));
        fixClockToDraw(3888);
        bench.newTask();
        QVERIFY(!answer.seen());
        QCOMPARE(bench.answer(), QString());
        QCOMPARE(bench.answerColour(), white);
        QCOMPARE(bench.right->text(), QStringLiteral("0"));
        QCOMPARE(bench.wrong->text(), wrongBefore);
        QCOMPARE(bench.solution(),
                 exercise == QLatin1String("reading") ? "3888" : "MMMDCCCLXXXVIII");
    }

    void answerIsWhiteFromTheFirstMomentUnderADarkScheme_data() { addExerciseRows(); }

    void answerIsWhiteFromTheFirstMomentUnderADarkScheme()
    {
        QFETCH(QString, exercise);
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20)); // Breeze Dark's
        QApplication::setPalette(dark);
        ExerciseBench bench(exercise);
        bench.newTask();
        const QColor shown = bench.answerColour();
        QApplication::setPalette(light);
        QCOMPARE(shown, white);
    }

    void keysAppendTheirCharacterEvenWhenTheDesktopMarksTheCaption_data()
    {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<QStringList>("namesLeftToRight");
        QTest::addColumn<QString>("captionsLeftToRight");
        QTest::newRow("reading") << "reading"
                                 << QStringList{"Befehl23", "Befehl14", "Befehl15", "Befehl16",
                                                "Befehl17", "Befehl18", "Befehl19", "Befehl20",
                                                "Befehl21", "Befehl22"}
                                 << "0123456789";
        QTest::newRow("writing") << "writing"
                                 << QStringList{"Befehl11", "Befehl10", "Befehl9", "Befehl8",
                                                "Befehl7",  "Befehl6",  "Befehl5"}
                                 << "MDCLXVI";
    }

    void keysAppendTheirCharacterEvenWhenTheDesktopMarksTheCaption()
    {
        QFETCH(QString, exercise);
        QFETCH(QStringList, namesLeftToRight);
        QFETCH(QString, captionsLeftToRight);

        ExerciseBench bench(exercise);
        MessageBoxAnswer answer(QStringLiteral("OK"));
        int previousLeft = -1;
        QString appended;
        for (qsizetype i = 0; i < namesLeftToRight.size(); ++i) {
            auto *key = bench.panel->findChild<QPushButton *>(namesLeftToRight.at(i));
            QVERIFY2(key, qPrintable(namesLeftToRight.at(i)));
            QCOMPARE(key->text(), captionsLeftToRight.mid(i, 1));
            QVERIFY(key->x() > previousLeft);
            previousLeft = key->x();
            // As a desktop theme adds an accelerator mark to a button's caption.
            key->setText(QLatin1Char('&') + key->text());
            QTest::mouseClick(key, Qt::LeftButton);
            appended += captionsLeftToRight.at(i);
        }
        QCOMPARE(bench.answer(), appended);
        QVERIFY(!answer.seen());
    }

    void answerBoxTakesNeitherFocusNorTyping_data() { addExerciseRows(); }

    void answerBoxTakesNeitherFocusNorTyping()
    {
        QFETCH(QString, exercise);

        ExerciseBench bench(exercise);
        QLineEdit *box = bench.answerBox();
        QVERIFY(box->isEnabled()); // legible, not greyed
        QTest::keyClicks(box, QStringLiteral("12MC"));
        QTest::mouseDClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QString());
        QCOMPARE(bench.wrong->text(), QStringLiteral("0"));
    }

    void keysTakeTheFocusByTabOnlyWhileThePanelIsInSight_data() { addExerciseRows(); }

    // The main window keeps what is out of sight out of reach, so the panel is tried there.
    void keysTakeTheFocusByTabOnlyWhileThePanelIsInSight()
    {
        QFETCH(QString, exercise);

        Form1 window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *panel = window.findChild<QWidget *>(exercise == QLatin1String("reading")
                                                         ? QStringLiteral("Bild4")
                                                         : QStringLiteral("Bild2"));
        QWidget *outside = window.findChild<QWidget *>(QStringLiteral("Befehl1"));
        const auto tabLandsInPanel = [&] {
            outside->setFocus();
            for (int press = 0; press < 20; ++press) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (panel->isAncestorOf(QApplication::focusWidget()))
                    return true;
            }
            return false;
        };
        QVERIFY(!tabLandsInPanel());

        setLeftTwips(panel, 2160);
        afterHandlerReturned();
        QVERIFY(tabLandsInPanel());
        // In sight, the answer shows in its designed size (the box gets it only then).
        const QFont answerFont = panel->findChild<QLineEdit *>()->font();
        QCOMPARE(answerFont.pointSizeF(), 18.0);
        QVERIFY(answerFont.bold());

        setLeftTwips(panel, 10800);
        afterHandlerReturned();
        QVERIFY(!panel->isAncestorOf(QApplication::focusWidget()));
        QVERIFY(!tabLandsInPanel());
    }
};

ZAHLZEICHEN_TEST(ExercisePanelsTest)

#include "exercise_panels_test.moc"

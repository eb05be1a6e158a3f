#include "controls.h"
#include "message_box_answer.h"
#include "platform/clock.h"
#include "platform/twips.h"
#include "shell/form1.h"
#include "test_registry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

// A learner without a mouse: Tab reaches every key in the order the eye reads them, Space
// presses it, and nothing out of sight (a panel put away, a control behind a panel) takes
// the focus or a click.
namespace
{

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

// The names of the controls Tab visits, from the given one round to it again.
QStringList tabRound(QWidget *window, const QString &first)
{
    control(window, first)->setFocus(Qt::TabFocusReason);
    QStringList visited{focusName()};
    for (int step = 0; step < 60; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (focusName() == first)
            return visited;
        visited << focusName();
    }
    return visited << QStringLiteral("<no way back>");
}

QStringList names(const char *const list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '));
}

// Tabs to the control and presses Space on it, as a learner without a mouse does.
void tabToAndPress(QWidget *window, const QString &name)
{
    for (int step = 0; step < 60 && focusName() != name; ++step)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                        Qt::Key_Tab);
    QCOMPARE(focusName(), name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
}

const char *const LeftColumn = "Befehl1 Befehl2 Befehl3 Befehl4 Befehl24 Befehl25 Befehl26";
const char *const DigitKeys =
    "Befehl13 Befehl23 Befehl14 Befehl15 Befehl16 Befehl17 Befehl18 Befehl19 Befehl20 "
    "Befehl21 Befehl22";
const char *const NumeralKeys =
    "Befehl12 Befehl11 Befehl10 Befehl9 Befehl8 Befehl7 Befehl6 Befehl5";
const char *const Editor = "Befehl27 Befehl28 Befehl31 Befehl32 Befehl33 Befehl34 Text3 Befehl29 "
                           "Befehl30 Liste5 Liste6 Liste7";

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> window;

    void click(const QString &button) const
    {
        QTest::mouseClick(control<QPushButton>(window.get(), button), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixed(QDateTime(QDate(2026, 12, 8), QTime(13, 30, 15, 250)));
        window = std::make_unique<Form1>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        Clock::setSystem();
    }

    // The left column top to bottom, then the keys of the panel in the work area, left to
    // right. The sliders of the number field are mouse controls.
    void tabVisitsTheMainWindowInReadingOrder_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("round");
        QTest::newRow("start") << QStringList() << QStringLiteral("Befehl1") << names(LeftColumn);
        QTest::newRow("reading") << QStringList{QStringLiteral("Befehl2")}
                                 << QStringLiteral("Befehl1")
                                 << names(LeftColumn) + names(DigitKeys);
        QTest::newRow("writing") << QStringList{QStringLiteral("Befehl3")}
                                 << QStringLiteral("Befehl1")
                                 << names(LeftColumn) + names(NumeralKeys);
        QTest::newRow("table") << QStringList{QStringLiteral("Befehl3"), QStringLiteral("Befehl4")}
                               << QStringLiteral("Befehl1")
                               << names(LeftColumn) + names(NumeralKeys);
        QTest::newRow("table put away again")
            << QStringList{QStringLiteral("Befehl4"), QStringLiteral("Befehl4")}
            << QStringLiteral("Befehl1") << names(LeftColumn);
        QTest::newRow("editor over everything")
            << QStringList{QStringLiteral("Befehl2"), QStringLiteral("Befehl4"),
                           QStringLiteral("Befehl26")}
            << QStringLiteral("Befehl27") << names(Editor);
        QTest::newRow("editor closed over the table")
            << QStringList{QStringLiteral("Befehl2"), QStringLiteral("Befehl4"),
                           QStringLiteral("Befehl26"), QStringLiteral("Befehl27")}
            << QStringLiteral("Befehl1") << names(LeftColumn) + names(DigitKeys);
    }
    void tabVisitsTheMainWindowInReadingOrder()
    {
        QFETCH(QStringList, presses);
        QFETCH(QString, first);
        QFETCH(QStringList, round);
        for (const QString &button : presses)
            click(button);
        QCOMPARE(tabRound(window.get(), first), round);
    }

    // What Tab does not reach must not take a click either, nor the focus when it is asked
    // for directly.
    void controlsOutOfSightTakeNeitherClicksNorFocus()
    {
        click(QStringLiteral("Befehl4"));
        click(QStringLiteral("Befehl26"));
        for (const char *name : {"Befehl1", "Befehl4", "HBildlauf2", "Befehl14", "Befehl11"}) {
            QWidget *hidden = control(window.get(), QString::fromLatin1(name));
            hidden->setFocus();
            QVERIFY2(!hidden->hasFocus(), name);
        }
        {
            MessageBoxAnswer none(QStringLiteral("Nein"));
            click(QStringLiteral("Befehl1"));
            QVERIFY(!none.seen());
        }
        click(QStringLiteral("Befehl27"));
        auto *slider = control<QScrollBar>(window.get(), QStringLiteral("HBildlauf4"));
        // The ones of 2026; a click on the slider's right arrow adds one, once it is in sight.
        QCOMPARE(slider->value(), 6);
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 4, 4));
        QCOMPARE(slider->value(), 6); // still under the table
        click(QStringLiteral("Befehl4"));
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 4, 4));
        QCOMPARE(slider->value(), 7);
    }

    // An exercise without the mouse: open it, type with the digit keys, clear the answer.
    void anExerciseIsWorkedWithTabAndSpace()
    {
        control(window.get(), QStringLiteral("Befehl1"))->setFocus(Qt::TabFocusReason);
        tabToAndPress(window.get(), QStringLiteral("Befehl2"));
        QVERIFY(isAtLeftTwips(control(window.get(), QStringLiteral("Bild4")), 2160));
        tabToAndPress(window.get(), QStringLiteral("Befehl23"));
        tabToAndPress(window.get(), QStringLiteral("Befehl16"));
        QCOMPARE(control<QLineEdit>(window.get(), QStringLiteral("Text2"))->text(),
                 QStringLiteral("03"));
        QVERIFY(!control(window.get(), QStringLiteral("Text2"))->hasFocus());
        control(window.get(), QStringLiteral("Befehl13"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(control<QLineEdit>(window.get(), QStringLiteral("Text2"))->text(), QString());
    }

    // Opening the editor with Space leaves the focus in the editor, not on a key behind it;
    // closing it gives the focus back to the key that opened it.
    void theEditorIsOpenedUsedAndClosedFromTheKeyboard()
    {
        control(window.get(), QStringLiteral("Befehl1"))->setFocus(Qt::TabFocusReason);
        tabToAndPress(window.get(), QStringLiteral("Befehl26"));
        QVERIFY(isAtLeftTwips(control(window.get(), QStringLiteral("Bild7")), 120));
        QVERIFY(control(window.get(), QStringLiteral("Bild7"))
                    ->isAncestorOf(QApplication::focusWidget()));
        tabToAndPress(window.get(), QStringLiteral("Befehl29")); // a random number
        QCOMPARE(control<QListWidget>(window.get(), QStringLiteral("Liste5"))->count(), 1);
        tabToAndPress(window.get(), QStringLiteral("Befehl27"));
        QVERIFY(isAtLeftTwips(control(window.get(), QStringLiteral("Bild7")), 10800));
        QCOMPARE(focusName(), QStringLiteral("Befehl26"));
    }

    void gameWindowsAreVisitedInReadingOrderAndPressedWithSpace_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QStringList>("round");
        QTest::newRow("memory game")
            << QStringLiteral("memo") << names("Befehl1 Befehl2 Befehl3 Befehl4");
        QTest::newRow("pair game") << QStringLiteral("Form2") << names("Befehl1 Befehl2 Befehl3");
    }
    void gameWindowsAreVisitedInReadingOrderAndPressedWithSpace()
    {
        QFETCH(QString, game);
        QFETCH(QStringList, round);
        click(game == QLatin1String("memo") ? QStringLiteral("Befehl24")
                                            : QStringLiteral("Befehl25"));
        QWidget *shown = topLevel(game);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QCOMPARE(tabRound(shown, QStringLiteral("Befehl1")), round);

        // The last key of the round: "H" chooses hundreds, "H i l f e" shows the
        // instructions. Then "Beenden", answered No, and the game goes on.
        {
            MessageBoxAnswer instructions(QStringLiteral("OK"));
            tabToAndPress(shown, round.last());
            if (game == QLatin1String("memo"))
                QCOMPARE(shown->windowTitle(), QStringLiteral("Tavlo-Memospiel (Hunderter)"));
            else
                QCOMPARE(instructions.title, QStringLiteral("Anleitung zum Tavlo-Paarspiel"));
        }
        // Offscreen, nothing gives the window back its activation when a box closes; a
        // desktop does.
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        MessageBoxAnswer stay(QStringLiteral("Nein"));
        tabToAndPress(shown, QStringLiteral("Befehl1"));
        QVERIFY(stay.seen());
        QVERIFY(shown->isVisible());
    }
};

ZAHLZEICHEN_TEST(KeyboardTest)
#include "keyboard_test.moc"

#include "accessibility_tree.h"
#include "controls.h"
#include "message_box_answer.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/twips.h"
#include "shell/form1.h"
#include "test_registry.h"
#include "widgets/pressable_label.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
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
    afterHandlerReturned();
}

// Walks with the arrow keys from where the focus is: across first, then up or down.
void arrows(int down, int right)
{
    for (int step = 0; step < std::abs(right); ++step)
        QTest::keyClick(QApplication::focusWidget(), right > 0 ? Qt::Key_Right : Qt::Key_Left);
    for (int step = 0; step < std::abs(down); ++step)
        QTest::keyClick(QApplication::focusWidget(), down > 0 ? Qt::Key_Down : Qt::Key_Up);
}

const char *const LeftColumn = "Befehl1 Befehl2 Befehl3 Befehl4 Befehl24 Befehl25 Befehl26";
const char *const Sliders = "HBildlauf1 HBildlauf2 HBildlauf3 HBildlauf4";
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
        afterHandlerReturned();
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

    // The left column top to bottom, the sliders of the number field unless the table covers
    // them, then the keys of the panel in the work area, left to right.
    void tabVisitsTheMainWindowInReadingOrder_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("round");
        QTest::newRow("start") << QStringList() << QStringLiteral("Befehl1")
                               << names(LeftColumn) + names(Sliders);
        QTest::newRow("reading") << QStringList{QStringLiteral("Befehl2")}
                                 << QStringLiteral("Befehl1")
                                 << names(LeftColumn) + names(Sliders) + names(DigitKeys);
        QTest::newRow("writing") << QStringList{QStringLiteral("Befehl3")}
                                 << QStringLiteral("Befehl1")
                                 << names(LeftColumn) + names(Sliders) + names(NumeralKeys);
        QTest::newRow("table") << QStringList{QStringLiteral("Befehl3"), QStringLiteral("Befehl4")}
                               << QStringLiteral("Befehl1")
                               << names(LeftColumn) + names(NumeralKeys);
        QTest::newRow("table put away again")
            << QStringList{QStringLiteral("Befehl4"), QStringLiteral("Befehl4")}
            << QStringLiteral("Befehl1") << names(LeftColumn) + names(Sliders);
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
        QVERIFY(control(window.get(), QStringLiteral("Text2"))->accessibleDescription().isEmpty());
    }

    // Opening the editor with Space leaves the focus in "Zahl eingeben", not on a key behind
    // it; closing it gives the focus back to the key that opened it.
    void theEditorIsOpenedUsedAndClosedFromTheKeyboard()
    {
        control(window.get(), QStringLiteral("Befehl1"))->setFocus(Qt::TabFocusReason);
        tabToAndPress(window.get(), QStringLiteral("Befehl26"));
        QVERIFY(isAtLeftTwips(control(window.get(), QStringLiteral("Bild7")), 120));
        QCOMPARE(focusName(), QStringLiteral("Text3"));          // ready for typing
        tabToAndPress(window.get(), QStringLiteral("Befehl29")); // a random number
        QCOMPARE(control<QListWidget>(window.get(), QStringLiteral("Liste5"))->count(), 1);
        tabToAndPress(window.get(), QStringLiteral("Befehl27"));
        QVERIFY(isAtLeftTwips(control(window.get(), QStringLiteral("Bild7")), 10800));
        QCOMPARE(focusName(), QStringLiteral("Befehl26"));
        // Given back once only: later, a key leaving with its panel hands the focus on.
        click(QStringLiteral("Befehl2"));
        control(window.get(), QStringLiteral("Befehl22"))->setFocus(Qt::TabFocusReason);
        window->Befehl3_Click();
        afterHandlerReturned();
        QCOMPARE(focusName(), QStringLiteral("Befehl12"));
    }

    // Buttons pressed as a screen reader presses them, the focus staying put, while the
    // control with the focus goes out of reach: the focus moves once, into the panel that
    // came, else to the next control in reach, and stops nowhere on its way.
    void focusGoesOnInReachWhenItsControlGoesAway_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QStringList>("focusMoves");
        QTest::newRow("reading key, writing replaces reading")
            << "Befehl2"
            << "Befehl22"
            << "Befehl3" << QStringList{"Befehl12"};
        QTest::newRow("writing key, reading replaces writing")
            << "Befehl3"
            << "Befehl5"
            << "Befehl2" << QStringList{"Befehl13"};
        // From the middle of the Tab chain: the next control in reach, not the window's first.
        QTest::newRow("slider, the table covers it") << "Befehl3"
                                                     << "HBildlauf2"
                                                     << "Befehl4" << QStringList{"Befehl12"};
        QTest::newRow("reading key, the editor covers all") << "Befehl2"
                                                            << "Befehl22"
                                                            << "Befehl26" << QStringList{"Text3"};
    }
    void focusGoesOnInReachWhenItsControlGoesAway()
    {
        QFETCH(QString, opened);
        QFETCH(QString, focused);
        QFETCH(QString, pressed);
        QFETCH(QStringList, focusMoves);
        click(opened);
        control(window.get(), focused)->setFocus(Qt::TabFocusReason);
        QStringList moves;
        const QMetaObject::Connection watch =
            connect(qApp, &QApplication::focusChanged, [&moves](QWidget *, QWidget *now) {
                moves << (now ? now->objectName() : QStringLiteral("<none>"));
            });
        control<QPushButton>(window.get(), pressed)->click();
        afterHandlerReturned();
        disconnect(watch);
        QCOMPARE(moves, focusMoves);
    }

    // The number field without a mouse: each key moves the thumb the way it points, and the
    // digit and the numeral follow as they do for a click on the slider.
    void slidersMoveTheWayTheKeyPoints_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("ones");
        QTest::addColumn<QString>("numeral");
        // From 2026, the ones slider at 6.
        QTest::newRow("Right") << int(Qt::Key_Right) << 7 << QStringLiteral(" M M X X V I I ");
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 7 << QStringLiteral(" M M X X V I I ");
        QTest::newRow("End") << int(Qt::Key_End) << 9 << QStringLiteral(" M M X X I X ");
        QTest::newRow("Left") << int(Qt::Key_Left) << 5 << QStringLiteral(" M M X X V ");
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 5 << QStringLiteral(" M M X X V ");
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << QStringLiteral(" M M X X ");
    }
    void slidersMoveTheWayTheKeyPoints()
    {
        QFETCH(int, key);
        QFETCH(int, ones);
        QFETCH(QString, numeral);
        control(window.get(), QStringLiteral("HBildlauf3"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("HBildlauf4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(control<QScrollBar>(window.get(), QStringLiteral("HBildlauf4"))->value(), ones);
        QCOMPARE(control<QLabel>(window.get(), QStringLiteral("Bezeichnung4"))->text(),
                 QString::number(ones));
        QCOMPARE(control<QLabel>(window.get(), QStringLiteral("feld1"))->text(), numeral);
        QCOMPARE(spokenName(window.get(), QStringLiteral("HBildlauf4")),
                 QStringLiteral("Einer: %1").arg(ones));
    }

    // The memory board is one stop of Tab; the arrows move through its 6 x 3 grid and stop
    // at its edges; Space turns a card as a click does.
    void memoryCardsAreFoundWithArrowsAndTurnedWithSpace()
    {
        window->Befehl24_Click();
        QWidget *memo = topLevel(QStringLiteral("memo"));
        QVERIFY(QTest::qWaitForWindowActive(memo));
        control(memo, QStringLiteral("Bezeichnung1"))->setFocus(Qt::TabFocusReason);
        arrows(-1, -1); // the top left corner holds
        QCOMPARE(focusName(), QStringLiteral("Bezeichnung1"));
        arrows(3, 7); // right to the last column of the top row, down to the last row
        QCOMPARE(focusName(), QStringLiteral("Bezeichnung18"));
        arrows(-1, -3);
        QCOMPARE(focusName(), QStringLiteral("Bezeichnung9"));

        auto *card = control<QLabel>(memo, QStringLiteral("Bezeichnung9"));
        QTest::keyClick(card, Qt::Key_Space);
        QVERIFY(!caption(card).isEmpty()); // face up
        QCOMPARE(control<QLabel>(memo, QStringLiteral("Bezeichnung23"))->text(),
                 QStringLiteral("9"));

        // Tab leaves the board; coming back, it enters at the card last focused.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Befehl1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Bezeichnung9"));
    }

    // The pair game without dragging: a numeral picked up by a click or Space is placed by a
    // press on a number and judged there as a drop; pressing it again lets go, and an
    // emptied label cannot be picked.
    void pairGameIsPlayedByPickingAndPlacing()
    {
        window->Befehl25_Click();
        QWidget *pairs = topLevel(QStringLiteral("Form2"));
        QVERIFY(QTest::qWaitForWindowActive(pairs));
        const auto label = [pairs](int number) {
            return control<PressableLabel>(pairs, numbered("Bezeichnung", number));
        };
        const auto answerKey = [pairs](int number) {
            return control<QListWidget>(pairs, QStringLiteral("Liste2"))->item(number - 1)->text();
        };
        // The lower label that belongs on upper label 1.
        int source = 10;
        while (caption(label(source)) != answerKey(1))
            ++source;

        // Jitter short of the drag distance still picks; a drag begun by mistake ends at once.
        const QPoint jitter(QApplication::startDragDistance(), 1); // from (1, 1)
        QTimer::singleShot(0, &QDrag::cancel);
        QTest::mousePress(label(source), Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseMove(label(source), jitter);
        QTest::mouseRelease(label(source), Qt::LeftButton, {}, jitter);
        QVERIFY(label(source)->isMarked());
        QTest::mouseClick(label(source), Qt::LeftButton);
        QVERIFY(!label(source)->isMarked());

        // From the keyboard: into the board at upper label 1, down and across to the
        // numeral, Space, back up to the number, Space.
        control(pairs, QStringLiteral("Befehl3"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Bezeichnung1"));
        const int row = (source - 1) / 3;
        const int column = (source - 1) % 3;
        arrows(row, column);
        QCOMPARE(focusName(), label(source)->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(label(source)->isMarked());
        // Space held down repeats: the numeral is pressed once, and stays picked up.
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(label(source), &held);
        QVERIFY(label(source)->isMarked());
        arrows(-row, -column);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(caption(label(1)).section(QLatin1Char('\r'), 1), answerKey(1));
        QCOMPARE(caption(label(source)), QString());
        QVERIFY(!label(source)->isMarked());
        QCOMPARE(control<QLabel>(pairs, QStringLiteral("Bezeichnung19"))->text(),
                 QStringLiteral("1"));
        QTest::mouseClick(label(source), Qt::LeftButton); // emptied: nothing to hold
        QVERIFY(!label(source)->isMarked());
    }

    void gameWindowsAreVisitedInReadingOrderAndPressedWithSpace_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QStringList>("round");
        // Each board is one stop, entered at its first label.
        QTest::newRow("memory game")
            << QStringLiteral("memo") << names("Befehl1 Befehl2 Befehl3 Befehl4 Bezeichnung1");
        QTest::newRow("pair game")
            << QStringLiteral("Form2") << names("Befehl1 Befehl2 Befehl3 Bezeichnung1");
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

        // The last key before the board: "H" chooses hundreds, "H i l f e" shows the
        // instructions. Then "Beenden", answered No, and the game goes on.
        {
            MessageBoxAnswer instructions(QStringLiteral("OK"));
            tabToAndPress(shown, round.at(round.size() - 2));
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

#include "accessibility_tree.h"
#include "controls.h"
#include "message_box_answer.h"
#include "pair_board.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "shell/form1.h"
#include "task_clock.h"
#include "test_registry.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <memory>

// What a screen reader finds in the three windows: a German name for every control the eye
// sees, names that say what a bare count, a digit or a card is, names that keep in step with
// the captions, a face-down card that keeps its secret, and nothing of the hidden store.
namespace
{

// 13:30:15.250 on a day in 2026: the number field opens on MMXXVI.
const QDateTime StartMoment(QDate(2026, 12, 8), QTime(13, 30, 15, 250));

// Every text of an accessible interface a screen reader can ask for.
QStringList allTexts(QAccessibleInterface *interface)
{
    QStringList texts;
    for (QAccessible::Text kind :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        texts << interface->text(kind);
    return texts;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> window;

    void click(const QString &button) const
    {
        QTest::mouseClick(control<QPushButton>(window.get(), button), Qt::LeftButton);
        afterHandlerReturned();
    }

    // Brings the program into one of the states a learner meets and gives its window.
    QWidget *bringAbout(const QString &state)
    {
        if (state == QLatin1String("reading"))
            click(QStringLiteral("Befehl2"));
        else if (state == QLatin1String("writing"))
            click(QStringLiteral("Befehl3"));
        else if (state == QLatin1String("table"))
            click(QStringLiteral("Befehl4"));
        else if (state == QLatin1String("editor"))
            click(QStringLiteral("Befehl26"));
        else if (state == QLatin1String("memory game"))
            window->Befehl24_Click();
        else if (state == QLatin1String("pair game"))
            window->Befehl25_Click();
        if (state == QLatin1String("memory game"))
            return topLevel(QStringLiteral("memo"));
        if (state == QLatin1String("pair game"))
            return topLevel(QStringLiteral("Form2"));
        return window.get();
    }

    void addStates()
    {
        QTest::addColumn<QString>("state");
        for (const char *state :
             {"start", "reading", "writing", "table", "editor", "memory game", "pair game"})
            QTest::newRow(state) << QString::fromLatin1(state);
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixed(StartMoment);
        window = std::make_unique<Form1>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        Clock::setSystem();
    }

    void everyControlOnShowHasANameToSpeak_data() { addStates(); }
    void everyControlOnShowHasANameToSpeak()
    {
        QFETCH(QString, state);
        QWidget *shown = bringAbout(state);
        QVERIFY(shown && shown->isVisible());
        int named = 0;
        for (const ExposedControl &control : exposedControls(shown)) {
            // Frames are drawn lines, not controls; a screen reader passes them by.
            if (control.state.invisible || control.role == QAccessible::Border)
                continue;
            QVERIFY2(!control.name.trimmed().isEmpty(), qPrintable(control.widget->objectName()));
            ++named;
        }
        QVERIFY(named >= 8);
    }

    // Hidden for good (state labels, stores) or for now (a panel out of sight, a control
    // behind a panel in sight): a screen reader finds none of it in the tree.
    void onlyControlsInSightAreInTheTree_data() { addStates(); }
    void onlyControlsInSightAreInTheTree()
    {
        QFETCH(QString, state);
        QWidget *shown = bringAbout(state);
        for (const ExposedControl &control : exposedControls(shown))
            QVERIFY2(control.widget->isVisible(), qPrintable(control.widget->objectName()));
        // The keys of both exercises and of the editor: in the tree exactly when in sight.
        for (const char *key : {"Befehl14", "Befehl11", "Befehl27"}) {
            QWidget *widget = control(window.get(), QString::fromLatin1(key));
            const bool inSight = widget->parentWidget()->geometry().intersects(window->rect());
            QCOMPARE(exposed(window.get(), QString::fromLatin1(key)).interface != nullptr,
                     inSight && shown == window.get());
        }
    }

    void namesSayWhatEachControlIs_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *state, const char *control, const char *name) {
            QTest::addRow("%s %s", state, control)
                << QString::fromLatin1(state) << QString::fromLatin1(control)
                << QString::fromUtf8(name);
        };
        row("start", "Befehl1", "Beenden");
        row("start", "Befehl2", "Lesen");
        row("start", "Befehl4", "Tabelle");
        row("start", "Befehl26", "Editor");
        row("start", "Bezeichnung12", "Richtig: 0");
        row("start", "Bezeichnung14", "Falsch: 0");
        row("start", "feld1", "Römische Zahl M M X X V I");
        row("start", "Bezeichnung1", "Tausender: 2");
        row("start", "Bezeichnung2", "Hunderter: 0");
        row("start", "Bezeichnung3", "Zehner: 2");
        row("start", "Bezeichnung4", "Einer: 6");
        row("start", "HBildlauf1", "Tausender: 2");
        row("start", "HBildlauf4", "Einer: 6");
        row("start", "Bild6", "Bild einer römischen Säule");
        row("reading", "Bild4", "Leseübung");
        row("reading", "Bild5", "Tafel mit den Zahlzeichen I, II, III und IV");
        row("reading", "Text2", "Deine Antwort");
        row("reading", "Befehl23", "0");
        row("writing", "Bild2", "Schreibübung");
        row("writing", "Text1", "Deine Antwort");
        row("writing", "Befehl11", "M");
        row("table", "Befehl4", "Zahlenfeld");
        row("table", "Bild3", "Zahlentabelle");
        row("editor", "Bild7", "Arbeitsblatt-Editor");
        row("editor", "Text3", "Zahl eingeben");
        row("editor", "Liste5", "Deutsche Zahlen");
        row("editor", "Liste6", "Römische Zahlen");
        row("editor", "Liste7", "Arbeitsblatt");
        row("memory game", "Befehl2", "Einer");
        row("memory game", "Befehl3", "Zehner");
        row("memory game", "Befehl4", "Hunderter");
        row("memory game", "Bezeichnung7", "Karte 7, verdeckt");
        row("pair game", "Befehl2", "Neu");
        row("pair game", "Befehl3", "Hilfe");
    }
    void namesSayWhatEachControlIs()
    {
        QFETCH(QString, state);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QCOMPARE(spokenName(bringAbout(state), control), name);
    }

    // The printed table is a picture to the eye; the ear gets it row by row.
    void theNumberTableCanBeReadOutRowByRow()
    {
        click(QStringLiteral("Befehl4"));
        const QString table = exposed(window.get(), QStringLiteral("Bild3"))
                                  .interface->text(QAccessible::Description);
        const QStringList rows = table.split(QStringLiteral("; "));
        QCOMPARE(rows.size(), 9);
        QCOMPARE(rows.first(), QStringLiteral("M = 1000, C = 100, X = 10, I = 1"));
        QCOMPARE(rows.at(3), QStringLiteral("C D = 400, X L = 40, I V = 4"));
        QCOMPARE(rows.last(), QStringLiteral("C M = 900, X C = 90, I X = 9"));
    }

    // A numeral is spelled letter by letter: read as a word, or as the number it stands
    // for, it would give the reading exercise's answer away.
    void tasksAreSpokenAsWhatTheyAre_data()
    {
        QTest::addColumn<QString>("exerciseButton");
        QTest::addColumn<QString>("taskLabel");
        QTest::addColumn<QString>("name");
        QTest::newRow("reading") << QStringLiteral("Befehl2") << QStringLiteral("Bezeichnung9")
                                 << QStringLiteral(
                                        "Aufgabe: Römische Zahl M M M D C C C L X X X V I I I");
        QTest::newRow("writing") << QStringLiteral("Befehl3") << QStringLiteral("Bezeichnung6")
                                 << QStringLiteral("Aufgabe: Zahl 3888");
    }
    void tasksAreSpokenAsWhatTheyAre()
    {
        QFETCH(QString, exerciseButton);
        QFETCH(QString, taskLabel);
        QFETCH(QString, name);
        fixClockToDraw(3888);
        click(exerciseButton);
        QCOMPARE(spokenName(window.get(), taskLabel), name);
    }

    void namesKeepInStepWithTheCaptions()
    {
        click(QStringLiteral("Befehl4"));
        QCOMPARE(spokenName(window.get(), QStringLiteral("Befehl4")), QStringLiteral("Zahlenfeld"));
        click(QStringLiteral("Befehl4"));
        QCOMPARE(spokenName(window.get(), QStringLiteral("Befehl4")), QStringLiteral("Tabelle"));

        control<QScrollBar>(window.get(), QStringLiteral("HBildlauf1"))->setValue(3);
        QCOMPARE(spokenName(window.get(), QStringLiteral("Bezeichnung1")),
                 QStringLiteral("Tausender: 3"));
        QCOMPARE(spokenName(window.get(), QStringLiteral("feld1")),
                 QStringLiteral("Römische Zahl M M M X X V I"));

        // Writing 1994: "M" is a right start, "MM" is not.
        fixClockToDraw(1994);
        click(QStringLiteral("Befehl3"));
        click(QStringLiteral("Befehl11"));
        click(QStringLiteral("Befehl11"));
        QCOMPARE(spokenName(window.get(), QStringLiteral("Bezeichnung14")),
                 QStringLiteral("Falsch: 1"));
        click(QStringLiteral("Befehl12"));
        MessageBoxAnswer praise(QStringLiteral("OK"));
        for (const char *key :
             {"Befehl11", "Befehl9", "Befehl11", "Befehl7", "Befehl9", "Befehl5", "Befehl6"})
            click(QString::fromLatin1(key));
        QVERIFY(praise.seen());
        QCOMPARE(spokenName(window.get(), QStringLiteral("Bezeichnung12")),
                 QStringLiteral("Richtig: 1"));
    }

    // Walks a game through its turns; whatever happens, a card is named by its value only
    // while that value can be seen.
    void memoryCardsNameTheirValueOnlyWhileFaceUp()
    {
        window->Befehl24_Click();
        QWidget *game = topLevel(QStringLiteral("memo"));
        QVERIFY(game);
        const auto card = [game](int n) {
            return control<QLabel>(game, numbered("Bezeichnung", n));
        };
        const auto value = [game](int n) {
            return control<QListWidget>(game, QStringLiteral("Liste1"))->item(n - 1)->text();
        };
        const auto pairOf = [game](int n) {
            return control<QLabel>(game, QStringLiteral("Bezeichnung21"))->text().at(n - 1);
        };
        const auto faceUpName = [&value](int n) {
            const QString shown = value(n);
            if (shown.at(0).isDigit())
                return QStringLiteral("Karte %1: Zahl %2").arg(n).arg(shown);
            return QStringLiteral("Karte %1: Römische Zahl %2")
                .arg(n)
                .arg(shown.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char(' ')));
        };
        const auto verifyFaceDown = [game](int n) {
            const ExposedControl exposedCard = exposed(game, numbered("Bezeichnung", n));
            QVERIFY(exposedCard.interface);
            QCOMPARE(allTexts(exposedCard.interface),
                     (QStringList{QStringLiteral("Karte %1, verdeckt").arg(n), QString(), QString(),
                                  QString()}));
        };

        for (int n = 1; n <= 18; ++n)
            verifyFaceDown(n);

        QTest::mouseClick(card(1), Qt::LeftButton); // deals, card 1 face up
        QCOMPARE(spokenName(game, QStringLiteral("Bezeichnung1")), faceUpName(1));
        int other = 2;
        while (pairOf(other) == pairOf(1))
            ++other;
        QTest::mouseClick(card(other), Qt::LeftButton); // no pair: both stay up
        QCOMPARE(spokenName(game, numbered("Bezeichnung", other)), faceUpName(other));
        for (int n = 1; n <= 18; ++n) {
            if (n != 1 && n != other)
                verifyFaceDown(n);
        }

        int third = 2;
        while (third == other)
            ++third;
        QTest::mouseClick(card(third), Qt::LeftButton); // turns the two down again
        verifyFaceDown(1);
        verifyFaceDown(other);
        int partner = 1;
        while (partner == third || pairOf(partner) != pairOf(third))
            ++partner;
        QTest::mouseClick(card(partner), Qt::LeftButton); // a pair: both found
        // A found card keeps its caption, white on white: the eye sees a plain card.
        QVERIFY(!caption(card(partner)).isEmpty());
        for (const int n : {third, partner}) {
            QCOMPARE(allTexts(exposed(game, numbered("Bezeichnung", n)).interface),
                     (QStringList{QStringLiteral("Karte %1, gefunden").arg(n), QString(), QString(),
                                  QString()}));
        }

        MessageBoxAnswer leave(QStringLiteral("Ja"));
        control<QPushButton>(game, QStringLiteral("Befehl1"))->click();
        QVERIFY(leave.seen());
        window->Befehl24_Click();
        for (int n = 1; n <= 18; ++n)
            verifyFaceDown(n);
    }

    void pairGameLabelsNameTheirNumbersAndNumerals()
    {
        window->Befehl25_Click();
        auto *game = qobject_cast<Form2 *>(topLevel(QStringLiteral("Form2")));
        QVERIFY(game);
        layPairBoard(*game, {3888, 12, 12, 7, 8, 9, 10, 11, 13});
        QCOMPARE(spokenName(game, QStringLiteral("Bezeichnung1")), QStringLiteral("Zahl 3888"));

        QLabel *widest = lowerLabelShowing(*game, QStringLiteral("MMMDCCCLXXXVIII"));
        QVERIFY(widest);
        QCOMPARE(spokenName(game, widest->objectName()),
                 QStringLiteral("Römische Zahl M M M D C C C L X X X V I I I"));
        game->Bezeichnung1_DragDrop(widest);
        QCOMPARE(spokenName(game, QStringLiteral("Bezeichnung1")),
                 QStringLiteral("Zahl 3888, Römische Zahl M M M D C C C L X X X V I I I"));
        QCOMPARE(spokenName(game, widest->objectName()), QStringLiteral("Leeres Feld"));

        // The same number drawn twice takes both of its numerals.
        game->Bezeichnung2_DragDrop(lowerLabelShowing(*game, QStringLiteral("XII")));
        game->Bezeichnung2_DragDrop(lowerLabelShowing(*game, QStringLiteral("XII")));
        QCOMPARE(spokenName(game, QStringLiteral("Bezeichnung2")),
                 QStringLiteral("Zahl 12, Römische Zahl X I I, Römische Zahl X I I"));

        game->Befehl2_Click();
        for (int number = 1; number <= 9; ++number) {
            QVERIFY(spokenName(game, numbered("Bezeichnung", number))
                        .contains(QRegularExpression(QStringLiteral("^Zahl \\d+$"))));
        }
    }

    // The names a rule gives replace the widgets' own interfaces; their buttons must still
    // be pressable through the screen reader.
    void aButtonWithASpokenNameIsPressedThroughItsAction()
    {
        const ExposedControl table = exposed(window.get(), QStringLiteral("Befehl4"));
        QCOMPARE(table.role, QAccessible::PushButton);
        QAccessibleActionInterface *actions = table.interface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(control<QPushButton>(window.get(), QStringLiteral("Befehl4"))->text(),
                     QStringLiteral("Zahlenfeld"));
    }
};

ZAHLZEICHEN_TEST(AccessibilityTest)
#include "accessibility_test.moc"

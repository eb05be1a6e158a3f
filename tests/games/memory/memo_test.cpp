#include "controls.h"
#include "games/memory/memo.h"
#include "heard.h"
#include "level_numerals.h"
#include "message_box_answer.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/twips.h"
#include "test_registry.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace
{

const QDateTime firstMoment(QDate(2024, 3, 14), QTime(9, 26, 53, 589));
const QDateTime laterMoment(QDate(2024, 3, 14), QTime(15, 2, 7, 31));

// The game window opened by a plain stand-in for the main window, as the opening button does.
struct Game {
    QWidget mainWindow;
    memo window{&mainWindow};

    Game() { open(); }
    void open()
    {
        mainWindow.hide();
        window.Form_Activate();
        window.show();
        window.activateWindow();
    }

    QLabel *label(int n) const
    {
        return window.findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(n));
    }
    QString state(int n) const { return label(n)->text(); }
    QString turn() const { return state(23) + QLatin1Char('/') + state(24); }
    QStringList list(int n) const
    {
        QStringList entries;
        const auto *list = window.findChild<QListWidget *>(QStringLiteral("Liste%1").arg(n));
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        return entries;
    }
    QList<int> cardsUp() const
    {
        QList<int> up;
        for (int card = 1; card <= 18; ++card) {
            if (!label(card)->text().isEmpty())
                up << card;
        }
        return up;
    }
    bool white(int card) const { return background(label(card)) == paletteColour(15); }

    void click(int card) { QTest::mouseClick(label(card), Qt::LeftButton); }
    void press(const QString &button)
    {
        QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
    }

    // The other card of the pair, or the first card in play of another pair.
    int partnerOf(int card, bool samePair = true, const QList<int> &avoid = {}) const
    {
        const QString pairs = state(21);
        for (int other = 1; other <= 18; ++other) {
            if (other != card && !avoid.contains(other) && state(22).at(other - 1) == '1' &&
                (pairs.at(other - 1) == pairs.at(card - 1)) == samePair)
                return other;
        }
        return 0;
    }
    int strangerOf(int card, const QList<int> &avoid = {}) const
    {
        return partnerOf(card, false, avoid);
    }
};

QString pairStringDealtNow(char level)
{
    RandomSource random;
    random.seed(Clock::secondsSinceMidnight());
    return QString::fromStdString(dealMemoryBoard(level, levelNumerals(level), random).pairString);
}

} // namespace

class MemoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixed(firstMoment); }
    void cleanupTestCase() { Clock::setSystem(); }

    void openedWindowShowsEighteenBlankBlueCardsAndHidesItsState()
    {
        Game game;
        QCOMPARE(game.window.windowTitle(), QStringLiteral("Tavlo-Memospiel (Einer)"));
        QCOMPARE(game.window.size(), QSize(458, 467));
        for (int card = 1; card <= 18; ++card) {
            QVERIFY(game.label(card)->isVisible());
            QCOMPARE(background(game.label(card)), paletteColour(1));
        }
        QVERIFY(game.cardsUp().isEmpty());
        QCOMPARE(game.label(12)->geometry(), twipsRect(5640, 3000, 975, 1815));
        QCOMPARE(game.label(13)->geometry(), twipsRect(240, 4920, 975, 1815));
        QCOMPARE(game.state(19),
                 QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke "
                                "  jedes Einzelfeld an und suche alle Zahlenpaare."));
        for (int n = 20; n <= 26; ++n)
            QVERIFY(!game.label(n)->isVisible());
        for (const QListWidget *list : game.window.findChildren<QListWidget *>())
            QVERIFY(!list->isVisible());
        QCOMPARE(game.state(20) + game.state(26), QStringLiteral("0E"));
        QCOMPARE(game.list(2).mid(3, 2), (QStringList{"CCC", "CD"}));
        QCOMPARE(game.list(3).size(), 10);
        QCOMPARE(game.list(4).first(), QString());
        QCOMPARE(game.list(4).last(), QStringLiteral("IX"));
    }

    void firstClickDealsFromTheClockAndTurnsTheCard()
    {
        Game game;
        game.click(5);
        QCOMPARE(game.state(20), QStringLiteral("1"));
        QCOMPARE(game.state(21), pairStringDealtNow('E'));
        QCOMPARE(game.state(22), QString(18, QLatin1Char('1')));
        const QString value = game.list(1).at(4);
        QCOMPARE(caption(game.label(5)), value + QStringLiteral("\r\r\r\r") + value);
        QCOMPARE(game.label(5)->text(), value + QStringLiteral("\n\n\n\n") + value);
        QCOMPARE(game.cardsUp(), QList<int>{5});
        QCOMPARE(game.turn(), QStringLiteral("5/0"));
    }

    void unmatchedCardsStayUpUntilTheThirdClick_data()
    {
        QTest::addColumn<int>("third"); // 0 = a card of neither
        QTest::newRow("another card") << 0;
        QTest::newRow("the first of the two") << 1;
        QTest::newRow("the second of the two") << 2;
    }

    void unmatchedCardsStayUpUntilTheThirdClick()
    {
        QFETCH(int, third);
        Game game;
        game.click(1);
        const int second = game.strangerOf(1);
        game.click(second);
        QCOMPARE(game.cardsUp(), (QList<int>{1, second}));
        QVERIFY(!game.white(1) && !game.white(second));

        const int target = third == 1 ? 1 : third == 2 ? second : game.strangerOf(1, {second});
        game.click(target);
        QCOMPARE(game.cardsUp(), QList<int>{target});
        QCOMPARE(game.turn(), QString::number(target) + QStringLiteral("/0"));
    }

    void foundPairTurnsWhiteAtOnceAndThenIgnoresClicks()
    {
        Game game;
        game.click(1);
        game.click(1);
        QCOMPARE(game.cardsUp(), QList<int>{1});
        QCOMPARE(game.turn(), QStringLiteral("1/0"));

        const int partner = game.partnerOf(1);
        game.click(partner);
        QVERIFY(game.white(1) && game.white(partner));
        QCOMPARE(game.cardsUp(), (QList<int>{1, partner})); // white text on white
        QCOMPARE(game.state(22).count(QLatin1Char('0')), 2);
        QCOMPARE(game.turn(), QStringLiteral("0/0"));
        game.click(partner);
        QCOMPARE(game.turn(), QStringLiteral("0/0"));

        const int x = game.strangerOf(1);
        const int y = game.strangerOf(x);
        game.click(x);
        game.click(y);
        game.click(1);
        QCOMPARE(game.turn(), QStringLiteral("%1/%2").arg(x).arg(y));
        QList<int> up{1, partner, x, y};
        std::sort(up.begin(), up.end());
        QCOMPARE(game.cardsUp(), up);
    }

    void ninthPairEndsTheGameAndTheNextVisitDealsAfresh()
    {
        Game game;
        game.press(QStringLiteral("Befehl3"));
        auto findNextPair = [&game] {
            const int card = game.state(22).indexOf(QLatin1Char('1')) + 1;
            game.click(card);
            game.click(game.partnerOf(card));
        };
        for (int pair = 1; pair <= 8; ++pair)
            findNextPair();
        QVERIFY(game.window.isVisible());
        const QString finishedPairs = game.state(21);
        {
            MessageBoxAnswer answer(QStringLiteral("OK"));
            QVERIFY(QTest::qWaitForWindowActive(&game.window));
            afterHandlerReturned();
            Heard heard;
            const int card = game.state(22).indexOf(QLatin1Char('1')) + 1;
            const int partner = game.partnerOf(card);
            game.click(card);
            game.click(partner);
            // The last pair is told, each thing once and in order, before the box takes the
            // screen reader's attention.
            QCOMPARE(heard.said.size(), 4);
            QVERIFY(heard.said.at(0).startsWith(QStringLiteral("Karte %1: ").arg(card)));
            QVERIFY(heard.said.at(1).startsWith(QStringLiteral("Karte %1: ").arg(partner)));
            QCOMPARE(heard.said.mid(2),
                     (QStringList{QStringLiteral("Paar gefunden!"),
                                  QStringLiteral("Box:   Das Spiel ist beendet!\n")}));
            QCOMPARE(answer.boxesSeen(), 1);
            QCOMPARE(answer.text, QStringLiteral("  Das Spiel ist beendet!\n"));
            QCOMPARE(answer.title, QStringLiteral("Tavlo-Memory"));
            QCOMPARE(answer.buttons, QStringList{QStringLiteral("OK")});
            QCOMPARE(answer.icon, QMessageBox::NoIcon);
        }
        QVERIFY(game.window.isHidden() && game.mainWindow.isVisible());
        QCOMPARE(game.state(20), QStringLiteral("0"));

        Clock::setFixed(laterMoment);
        game.open();
        QCOMPARE(game.window.windowTitle(), QStringLiteral("Tavlo-Memospiel (Zehner)"));
        QVERIFY(game.cardsUp().isEmpty() && !game.white(1) && !game.white(18));
        game.click(2);
        QCOMPARE(game.state(21), pairStringDealtNow('Z'));
        QVERIFY(game.state(21) != finishedPairs);
        QCOMPARE(game.cardsUp(), QList<int>{2});
    }

    void leavingAskedNoKeepsTheTurnAndYesReturnsToTheMainWindow()
    {
        Game game;
        game.click(1);
        const int second = game.strangerOf(1);
        game.click(second);
        {
            MessageBoxAnswer answer(QStringLiteral("Nein"));
            game.press(QStringLiteral("Befehl1"));
            QCOMPARE(answer.text, QStringLiteral("  Dieses Spiel jetzt beenden?"));
            QCOMPARE(answer.title, QStringLiteral("Tavlo-Memospiel"));
            QCOMPARE(answer.icon, QMessageBox::Question);
            QCOMPARE(answer.defaultButton, QStringLiteral("Nein"));
        }
        QVERIFY(game.window.isVisible() && game.mainWindow.isHidden());
        QCOMPARE(game.cardsUp(), (QList<int>{1, second}));
        QCOMPARE(game.turn(), QStringLiteral("1/%1").arg(second));
        {
            MessageBoxAnswer answer(QStringLiteral("Ja"));
            game.press(QStringLiteral("Befehl1"));
        }
        QVERIFY(game.window.isHidden() && game.mainWindow.isVisible());
        QCOMPARE(game.state(20), QStringLiteral("0"));
        QVERIFY(game.cardsUp().isEmpty());

        // Closing the hidden window, as the end of the program does, brings nothing back.
        game.mainWindow.hide();
        game.window.close();
        QVERIFY(game.mainWindow.isHidden());
    }

    void levelButtonTurnsCardsDownAndDealsItsLevel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<char>("level");
        QTest::newRow("E") << "Befehl2"
                           << "Tavlo-Memospiel (Einer)" << 'E';
        QTest::newRow("Z") << "Befehl3"
                           << "Tavlo-Memospiel (Zehner)" << 'Z';
        QTest::newRow("H") << "Befehl4"
                           << "Tavlo-Memospiel (Hunderter)" << 'H';
    }

    void levelButtonTurnsCardsDownAndDealsItsLevel()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(char, level);
        Game game;
        game.click(1);
        game.click(game.strangerOf(1));
        game.press(button);

        QCOMPARE(game.window.windowTitle(), title);
        QCOMPARE(game.state(20) + game.state(26), QStringLiteral("1") + QLatin1Char(level));
        QVERIFY(game.cardsUp().isEmpty());
        QStringList values = game.list(1);
        values.sort();
        QCOMPARE(values, levelValues(level));
        game.click(7);
        QCOMPARE(game.cardsUp(), QList<int>{7});
        QCOMPARE(game.turn(), QStringLiteral("7/0"));
    }

    void closingThroughTheFrameLeavesTheGame()
    {
        Game game;
        game.click(3);
        QVERIFY(game.window.close());
        QVERIFY(game.window.isHidden() && game.mainWindow.isVisible());
        QCOMPARE(game.state(20), QStringLiteral("0"));
        QVERIFY(game.cardsUp().isEmpty());
    }

    void doubleClickOnACardCountsOnce()
    {
        Game game;
        game.click(1);
        const int second = game.strangerOf(1);
        game.click(second);
        QTest::mouseDClick(game.label(second), Qt::LeftButton);
        QTest::mouseRelease(game.label(second), Qt::LeftButton);
        QCOMPARE(game.cardsUp(), (QList<int>{1, second}));
        // Two quick taps on two cards may come as a double click on the second, which never
        // had the first click: that is a click of its own.
        const int third = game.strangerOf(1, {second});
        QTest::mouseDClick(game.label(third), Qt::LeftButton);
        QTest::mouseRelease(game.label(third), Qt::LeftButton);
        QCOMPARE(game.cardsUp(), QList<int>{third});
    }

    void everyFaceAndTheInstructionFitTheirLabels()
    {
        Game game;
        const QLabel *card = game.label(1);
        const QRect inside = card->contentsRect();
        for (const char level : {'E', 'Z', 'H'}) {
            for (const QString &value : levelValues(level)) {
                const QString face = value + QStringLiteral("\n\n\n\n") + value;
                QVERIFY2(inside.contains(
                             card->fontMetrics().boundingRect(inside, Qt::AlignCenter, face)),
                         qPrintable(value));
            }
        }
        const QLabel *instruction = game.label(19);
        const QRect room = instruction->contentsRect();
        QVERIFY(room.contains(instruction->fontMetrics().boundingRect(
            room, Qt::AlignCenter | Qt::TextWordWrap, instruction->text())));
    }
};

ZAHLZEICHEN_TEST(MemoTest)
#include "memo_test.moc"

#include "program_monkey.h"
#include "test_registry.h"

#include <QElapsedTimer>
#include <QTest>

// Seeded monkeys, one for each window: thousands of random actions with the rules of
// ProgramChecks checked after each. A failing run names its seed; to replay it or try
// another, add a row with that seed.
class MonkeyTest : public QObject
{
    Q_OBJECT

    static void seeds()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("actions");
        QTest::newRow("seed 1") << quint64(1) << 2500;
        QTest::newRow("seed 20260308") << quint64(20260308) << 2500;
        QTest::newRow("seed 3999") << quint64(3999) << 2500;
    }

    static void play(ProgramMonkey::Focus focus)
    {
        QFETCH(quint64, seed);
        QFETCH(int, actions);
        qInfo("monkey seed %llu", static_cast<unsigned long long>(seed));
        QElapsedTimer clock;
        clock.start();
        ProgramMonkey monkey(focus, seed, actions);
        const QString failure = monkey.run();
        qInfo("%s\n  in %lld ms", qPrintable(monkey.summary()),
              static_cast<long long>(clock.elapsed()));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(monkey.actionsDone(), actions);
    }

private Q_SLOTS:
    void mainWindowKeepsItsRulesUnderRandomUse_data() { seeds(); }
    void mainWindowKeepsItsRulesUnderRandomUse() { play(ProgramMonkey::Focus::MainWindow); }

    void memoryGameKeepsItsRulesUnderRandomUse_data() { seeds(); }
    void memoryGameKeepsItsRulesUnderRandomUse() { play(ProgramMonkey::Focus::Memory); }

    void pairGameKeepsItsRulesUnderRandomUse_data() { seeds(); }
    void pairGameKeepsItsRulesUnderRandomUse() { play(ProgramMonkey::Focus::Pairs); }

    // A failing seed can only be replayed if a seed always gives the same run.
    void sameSeedGivesTheSameRun()
    {
        const auto runOf = [](std::uint64_t seed) {
            ProgramMonkey monkey(ProgramMonkey::Focus::MainWindow, seed, 400);
            const QString failure = monkey.run();
            return failure.isEmpty() ? monkey.fingerprint() : failure.toUtf8();
        };
        const QByteArray first = runOf(7);
        QCOMPARE(runOf(7), first);
        QVERIFY(runOf(8) != first);
    }
};

ZAHLZEICHEN_TEST(MonkeyTest)
#include "monkey_test.moc"

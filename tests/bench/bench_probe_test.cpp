#include "message_box_auto_answer.h"
#include "platform/message_box.h"
#include "startup_measurement.h"
#include "test_registry.h"

#include <QTest>

using namespace bench;

namespace
{

QString benchProgram()
{
    return qEnvironmentVariable("ZAHLZEICHEN_BENCH");
}

} // namespace

// The parts of the benchmark that run real windows and processes: if the answerer stopped
// answering, a measured handler would wait for the learner for ever; if the probe stopped
// reporting, start-up would not be measured at all.
class BenchProbeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyMessageBoxIsAnsweredWithItsEscapeButton()
    {
        const MessageBoxAutoAnswer answers;
        informationBox(nullptr, QStringLiteral("Das Spiel ist beendet!\r"),
                       QStringLiteral("Tavlo-Memory"));
        QCOMPARE(answers.boxesAnswered(), 1);
        // A confirmation is answered "Nein", as Escape would: nothing is left or ended.
        QCOMPARE(confirmationBox(nullptr, QStringLiteral("Das Programm jetzt beenden?"),
                                 QStringLiteral("Römische Zahlzeichen")),
                 QMessageBox::No);
        QCOMPARE(answers.boxesAnswered(), 2);
    }

    void probesOfBothWindowsReportTheirStartupInTurn()
    {
        if (benchProgram().isEmpty())
            QSKIP("ZAHLZEICHEN_BENCH names no benchmark program");
        const StartupSeries series = measureStartup(benchProgram(), QStringLiteral("offscreen"),
                                                    {QSize(682, 435), 10}, 2, 1);
        QVERIFY2(series.failure.isEmpty(), qPrintable(series.failure));
        QCOMPARE(series.mainWindow.size(), std::size_t(2));
        QCOMPARE(series.bareWindow.size(), std::size_t(2));
        for (const auto *samples : {&series.mainWindow, &series.bareWindow}) {
            for (const StartupSample &sample : *samples) {
                QVERIFY(sample.milliseconds > 0);
                QVERIFY(sample.cpuMilliseconds > 0);
                QVERIFY(sample.peakKiB > 1024);
            }
        }
    }

    void aProbeThatCannotStartEndsTheSeriesWithAReason()
    {
        const StartupSeries series =
            measureStartup(QStringLiteral("/nonexistent/zahlzeichen_bench"),
                           QStringLiteral("offscreen"), {QSize(682, 435), 10}, 3, 0);
        QVERIFY(!series.failure.isEmpty());
        QVERIFY(series.mainWindow.empty());
        QVERIFY(series.bareWindow.empty());
    }
};

ZAHLZEICHEN_TEST(BenchProbeTest)
#include "bench_probe_test.moc"

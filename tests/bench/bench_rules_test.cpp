#include "bench_statistics.h"
#include "machine_facts.h"
#include "performance_report.h"
#include "startup_probe.h"
#include "test_registry.h"

#include <QTest>

using namespace bench;

using Samples = std::vector<double>;
using OptionalKiB = std::optional<long>;
Q_DECLARE_METATYPE(OptionalKiB)

class BenchRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void summaryOfSamplesInAnyOrder_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<double>("median");
        QTest::addColumn<double>("lowerQuartile");
        QTest::addColumn<double>("upperQuartile");
        QTest::addColumn<double>("maximum");
        QTest::newRow("one sample is every quantile") << Samples{7} << 7.0 << 7.0 << 7.0 << 7.0;
        QTest::newRow("even count: median between the middle two")
            << Samples{4, 1, 3, 2} << 2.5 << 1.75 << 3.25 << 4.0;
        QTest::newRow("odd count, unsorted, with a repeat")
            << Samples{9, 1, 5, 5, 3} << 5.0 << 3.0 << 5.0 << 9.0;
        QTest::newRow("one outlier moves the maximum, not the median")
            << Samples{1, 1, 1, 1, 100} << 1.0 << 1.0 << 1.0 << 100.0;
    }

    void summaryOfSamplesInAnyOrder()
    {
        QFETCH(Samples, samples);
        const Summary summary = summarise(samples);
        QCOMPARE(summary.count, samples.size());
        QFETCH(double, median);
        QFETCH(double, lowerQuartile);
        QFETCH(double, upperQuartile);
        QFETCH(double, maximum);
        QCOMPARE(summary.median, median);
        QCOMPARE(summary.lowerQuartile, lowerQuartile);
        QCOMPARE(summary.upperQuartile, upperQuartile);
        QCOMPARE(summary.maximum, maximum);
    }

    void summaryOfNoSamplesIsZeroNotACrash()
    {
        const Summary summary = summarise({});
        QCOMPARE(summary.count, std::size_t(0));
        QCOMPARE(summary.median, 0.0);
        QCOMPARE(quantile({}, 0.5), 0.0);
    }

    void quantileStaysWithinTheSamplesForAnyFraction()
    {
        const Samples ascending{10, 20, 30};
        QCOMPARE(quantile(ascending, 0.0), 10.0);
        QCOMPARE(quantile(ascending, 0.9), 28.0);
        QCOMPARE(quantile(ascending, 1.0), 30.0);
        QCOMPARE(quantile(ascending, 1.5), 30.0);
        QCOMPARE(quantile(ascending, -1.0), 10.0);
    }

    void measuredBlockGoesBetweenTheMarkersKeepingTheRest()
    {
        const std::string begin(MeasuredBegin);
        const std::string end(MeasuredEnd);
        const std::string document =
            "# Performance\n\nintro\n" + begin + "\nold table\n" + end + "\n\n## Notes\nkept\n";
        const auto updated = withMeasuredBlock(document, "new table\n");
        QVERIFY(updated);
        QCOMPARE(*updated, "# Performance\n\nintro\n" + begin + "\nnew table\n" + end +
                               "\n\n## Notes\nkept\n");
        // A second run finds its own markers again and changes only the block.
        QCOMPARE(*withMeasuredBlock(*updated, "newer\n"),
                 "# Performance\n\nintro\n" + begin + "\nnewer\n" + end + "\n\n## Notes\nkept\n");
    }

    void documentWithoutMarkersGetsTheBlockAtItsEnd()
    {
        const std::string begin(MeasuredBegin);
        const std::string end(MeasuredEnd);
        QCOMPARE(*withMeasuredBlock("# Performance", "table\n"),
                 "# Performance\n\n" + begin + "\ntable\n" + end + "\n");
        QCOMPARE(*withMeasuredBlock("", "table\n"), begin + "\ntable\n" + end + "\n");
    }

    void damagedMarkersLeaveTheDocumentUnwritten_data()
    {
        const std::string begin(MeasuredBegin);
        const std::string end(MeasuredEnd);
        QTest::addColumn<QString>("document");
        QTest::newRow("begin only") << QString::fromStdString("a\n" + begin + "\nnotes\n");
        QTest::newRow("end only") << QString::fromStdString("a\n" + end + "\nnotes\n");
        QTest::newRow("end before begin")
            << QString::fromStdString(end + "\nnotes\n" + begin + "\n");
    }

    void damagedMarkersLeaveTheDocumentUnwritten()
    {
        QFETCH(QString, document);
        QVERIFY(!withMeasuredBlock(document.toStdString(), "table\n"));
    }

    void markdownTablePadsShortRows()
    {
        QCOMPARE(markdownTable({"A", "B"}, {{"1", "2"}, {"3"}}),
                 std::string("| A | B |\n| --- | --- |\n| 1 | 2 |\n| 3 |  |\n"));
    }

    void millisecondsKeepAboutFourSignificantDigits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("below one") << 0.04249 << QStringLiteral("0.042 ms");
        QTest::newRow("just below ten") << 9.9994 << QStringLiteral("9.999 ms");
        QTest::newRow("tens") << 45.123 << QStringLiteral("45.12 ms");
        QTest::newRow("hundreds") << 145.16 << QStringLiteral("145.2 ms");
    }

    void millisecondsKeepAboutFourSignificantDigits()
    {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(milliseconds(value)), shown);
    }

    void cpuModelFromTheFirstMatchingLine_data()
    {
        QTest::addColumn<QString>("cpuinfo");
        QTest::addColumn<QString>("model");
        QTest::newRow("x86") << QStringLiteral("processor\t: 0\nvendor_id\t: GenuineIntel\n"
                                               "model\t\t: 85\nmodel name\t: Intel(R) Xeon(R) "
                                               "CPU @ 2.20GHz\n\nprocessor\t: 1\n"
                                               "model name\t: other\n")
                             << QStringLiteral("Intel(R) Xeon(R) CPU @ 2.20GHz");
        QTest::newRow("arm without model name")
            << QStringLiteral("processor\t: 0\nBogoMIPS\t: 48.00\nHardware\t: BCM2835\n")
            << QStringLiteral("BCM2835");
        QTest::newRow("nothing known")
            << QStringLiteral("processor : 0\n") << QStringLiteral("unknown");
    }

    void cpuModelFromTheFirstMatchingLine()
    {
        QFETCH(QString, cpuinfo);
        QFETCH(QString, model);
        QCOMPARE(QString::fromStdString(cpuModel(cpuinfo.toStdString())), model);
    }

    void kibibytesOfAKeyExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<OptionalKiB>("expected");
        const QString status = QStringLiteral("Name:\tbench\nVmPeak:\t  300000 kB\n"
                                              "VmHWM:\t   51234 kB\nVmRSS:\t   40000 kB\n");
        QTest::newRow("peak resident") << status << QStringLiteral("VmHWM") << OptionalKiB(51234);
        QTest::newRow("a key that only begins another is not it")
            << status << QStringLiteral("VmHW") << OptionalKiB();
        QTest::newRow("meminfo") << QStringLiteral("MemTotal:       24683520 kB\nMemFree: 1 kB\n")
                                 << QStringLiteral("MemTotal") << OptionalKiB(24683520);
        QTest::newRow("no number")
            << QStringLiteral("VmHWM:\t kB\n") << QStringLiteral("VmHWM") << OptionalKiB();
    }

    void kibibytesOfAKeyExactly()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(OptionalKiB, expected);
        QCOMPARE(kibibytesOf(text.toStdString(), key.toStdString()), expected);
    }

    void osNamePrefersThePrettyName()
    {
        QCOMPARE(osName("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 "
                        "(bookworm)\"\nVERSION_ID=\"12\"\n"),
                 std::string("Debian GNU/Linux 12 (bookworm)"));
        QCOMPARE(osName("NAME=Plain\n"), std::string("Plain"));
        QCOMPARE(osName(""), std::string("unknown"));
    }

    void probeReportIsReadBackExactly()
    {
        const auto sample =
            parseProbeReport(QStringLiteral("Qt noise\n") + probeReport(123456789, 51234, 98765) +
                             QStringLiteral("more noise\n"));
        QVERIFY(sample);
        QCOMPARE(sample->milliseconds, 123.456789);
        QCOMPARE(sample->peakKiB, 51234L);
        QCOMPARE(sample->cpuMilliseconds, 98.765);
    }

    void probeReportThatIsCutOrGarbledIsNoSample_data()
    {
        QTest::addColumn<QString>("output");
        QTest::newRow("nothing") << QString();
        QTest::newRow("cut") << QStringLiteral("startup 123 5\n");
        QTest::newRow("not a number") << QStringLiteral("startup 12x 5 7\n");
        QTest::newRow("negative time") << QStringLiteral("startup -5 5 7\n");
        QTest::newRow("negative CPU time") << QStringLiteral("startup 5 5 -7\n");
    }

    void probeReportThatIsCutOrGarbledIsNoSample()
    {
        QFETCH(QString, output);
        QVERIFY(!parseProbeReport(output));
    }

    void probeCommandLineCarriesTheBareWindowsShape()
    {
        const QStringList arguments =
            probeArguments(ProbeWindow::BareWindow, {QSize(682, 435), 10}, 42);
        QCOMPARE(arguments, QStringList({QStringLiteral("--probe"), QStringLiteral("bare"),
                                         QStringLiteral("42"), QStringLiteral("682"),
                                         QStringLiteral("435"), QStringLiteral("10")}));
        QByteArrayList bytes;
        std::vector<char *> argv{const_cast<char *>("zahlzeichen_bench")};
        for (const QString &argument : arguments)
            bytes << argument.toLatin1();
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        QVERIFY(isProbeCommandLine(static_cast<int>(argv.size()), argv.data()));
        char program[] = "zahlzeichen_bench";
        char output[] = "--output";
        char file[] = "performance.md";
        char quick[] = "--quick";
        char *plain[] = {program, output, file, quick, nullptr};
        QVERIFY(!isProbeCommandLine(4, plain));
    }
};

ZAHLZEICHEN_TEST(BenchRulesTest)
#include "bench_rules_test.moc"

#include "startup_measurement.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace bench
{

namespace
{

constexpr int ProbeTimeoutMilliseconds = 30000;

struct ProbeResult {
    std::optional<StartupSample> sample;
    QString failure;
};

ProbeResult runProbe(const QString &program, const QString &platform, ProbeWindow window,
                     const BareWindowShape &bare)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process.setProcessEnvironment(environment);
    process.setProgram(program);
    // The clock is read last, right before the child is started.
    const std::int64_t start = monotonicNanoseconds();
    process.setArguments(probeArguments(window, bare, start));
    process.start();
    if (!process.waitForFinished(ProbeTimeoutMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return {std::nullopt, QStringLiteral("probe did not finish: ") + process.errorString()};
    }
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (auto sample = parseProbeReport(output))
        return {sample, QString()};
    return {std::nullopt,
            QStringLiteral("probe reported nothing (exit %1): %2")
                .arg(process.exitCode())
                .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed().left(300))};
}

} // namespace

StartupSeries measureStartup(const QString &program, const QString &platform,
                             const BareWindowShape &bare, int rounds, int warmUps)
{
    StartupSeries series;
    series.platform = platform;
    for (int round = -warmUps; round < rounds; ++round) {
        const bool mainFirst = round % 2 == 0;
        for (const ProbeWindow window :
             {mainFirst ? ProbeWindow::MainWindow : ProbeWindow::BareWindow,
              mainFirst ? ProbeWindow::BareWindow : ProbeWindow::MainWindow}) {
            ProbeResult result = runProbe(program, platform, window, bare);
            if (!result.sample) {
                series.failure = result.failure;
                return series;
            }
            if (round < 0)
                continue;
            auto &samples =
                window == ProbeWindow::MainWindow ? series.mainWindow : series.bareWindow;
            samples.push_back(*result.sample);
        }
    }
    return series;
}

} // namespace bench

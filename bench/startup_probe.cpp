#include "startup_probe.h"

#include "machine_facts.h"
#include "shell/form1.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace bench
{

namespace
{

constexpr const char *ProbeOption = "--probe";
constexpr const char *MainWindowName = "form1";
constexpr const char *BareWindowName = "bare";

// Reports once the window's first paint has been handled: the zero timer runs after the
// paint pass that holds it, flush to the screen included.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget *window, std::int64_t startNanoseconds)
        : window(window), start(startNanoseconds)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted && watched == window && event->type() == QEvent::Paint) {
            painted = true;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        const std::int64_t elapsed = monotonicNanoseconds() - start;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L +
                         usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
        std::fputs(qPrintable(probeReport(elapsed, peakResidentKiB(), cpu)), stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget *window;
    std::int64_t start;
    bool painted = false;
};

std::unique_ptr<QWidget> bareWindow(const BareWindowShape &shape)
{
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(shape.size);
    // Placed by hand in four columns, as the program places its controls: no layout.
    constexpr int columns = 4;
    const int width = shape.size.width() / columns;
    constexpr int height = 24;
    for (int i = 0; i < shape.labels; ++i) {
        auto *label = new QLabel(QStringLiteral("Label %1").arg(i + 1), window.get());
        label->setGeometry((i % columns) * width, (i / columns) * height, width, height);
    }
    return window;
}

} // namespace

std::int64_t monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QStringList probeArguments(ProbeWindow window, const BareWindowShape &bare,
                           std::int64_t startNanoseconds)
{
    QStringList arguments{QString::fromLatin1(ProbeOption)};
    if (window == ProbeWindow::MainWindow) {
        arguments << QString::fromLatin1(MainWindowName) << QString::number(startNanoseconds);
    } else {
        arguments << QString::fromLatin1(BareWindowName) << QString::number(startNanoseconds)
                  << QString::number(bare.size.width()) << QString::number(bare.size.height())
                  << QString::number(bare.labels);
    }
    return arguments;
}

bool isProbeCommandLine(int argc, char **argv)
{
    return argc >= 4 && std::strcmp(argv[1], ProbeOption) == 0;
}

int runStartupProbe(int argc, char **argv)
{
    const bool mainWindow = std::strcmp(argv[2], MainWindowName) == 0;
    if (!mainWindow && (std::strcmp(argv[2], BareWindowName) != 0 || argc < 7)) {
        std::fputs("probe: expected 'form1 START' or 'bare START WIDTH HEIGHT LABELS'\n", stderr);
        return 2;
    }
    const std::int64_t start = std::strtoll(argv[3], nullptr, 10);

    // As in the program's main(): the application, the window, show, the event loop.
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (mainWindow) {
        window = std::make_unique<Form1>();
    } else {
        BareWindowShape shape;
        shape.size = QSize(std::atoi(argv[4]), std::atoi(argv[5]));
        shape.labels = std::atoi(argv[6]);
        window = bareWindow(shape);
    }
    FirstPaintWatch watch(window.get(), start);
    window->show();
    return QApplication::exec();
}

QString probeReport(std::int64_t elapsedNanoseconds, long peakKiB, long cpuMicroseconds)
{
    return QStringLiteral("startup %1 %2 %3\n")
        .arg(elapsedNanoseconds)
        .arg(peakKiB)
        .arg(cpuMicroseconds);
}

std::optional<StartupSample> parseProbeReport(const QString &output)
{
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() != 4 || words[0] != QLatin1String("startup"))
            continue;
        bool elapsedRead = false;
        bool peakRead = false;
        bool cpuRead = false;
        const qlonglong elapsed = words[1].toLongLong(&elapsedRead);
        const long peak = words[2].toLong(&peakRead);
        const long cpu = words[3].toLong(&cpuRead);
        if (!elapsedRead || !peakRead || !cpuRead || elapsed < 0 || peak < 0 || cpu < 0)
            return std::nullopt;
        return StartupSample{static_cast<double>(elapsed) / 1e6, peak,
                             static_cast<double>(cpu) / 1e3};
    }
    return std::nullopt;
}

} // namespace bench

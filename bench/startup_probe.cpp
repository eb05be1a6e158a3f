// Start-up to the first painted frame, for hyperfine to time: the main window exactly as the
// program's main() builds it, or a bare window of the same size with as many plain labels.
// Ends at once after the window's first paint, so that neither pays for tearing down.
//
//   zahlzeichen_startup_probe form1 | bare WIDTH HEIGHT LABELS
//   zahlzeichen_startup_probe shape     prints the main window's WIDTH HEIGHT LABELS in sight

#include "platform/qt_texts.h"
#include "shell/form1.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

// A name of its own, so that callgrind can stop counting here (--dump-before).
[[gnu::noinline]] void firstFrameShown()
{
    std::_Exit(0);
}

namespace
{

// The zero timer runs after the paint pass that holds the first paint, flush included.
struct FirstPaintWatch : QObject {
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !std::exchange(painted, true))
            QTimer::singleShot(0, firstFrameShown);
        return false;
    }
    bool painted = false;
};

// Placed by hand in four columns, as the program places its controls: no layout.
std::unique_ptr<QWidget> bareWindow(int width, int height, int labels)
{
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(width, height);
    for (int i = 0; i < labels; ++i) {
        auto *label = new QLabel(QStringLiteral("Label %1").arg(i + 1), window.get());
        label->setGeometry(i % 4 * (width / 4), i / 4 * 24, width / 4, 24);
    }
    return window;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "form1" && mode != "shape" && (mode != "bare" || argc != 5)) {
        std::fputs("usage: zahlzeichen_startup_probe form1 | bare W H LABELS | shape\n", stderr);
        return 2;
    }
    // As the program's main(): the application, Qt's German texts, the window, show, the loop.
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (mode == "bare") {
        window = bareWindow(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    } else {
        loadQtTextsInGerman();
        window = std::make_unique<Form1>();
    }
    FirstPaintWatch watch;
    if (mode != "shape")
        window->installEventFilter(&watch);
    window->show();
    if (mode != "shape")
        return QApplication::exec();
    QCoreApplication::processEvents();
    int labels = 0; // shown and not clipped away
    for (const QLabel *label : window->findChildren<QLabel *>())
        labels += label->isVisibleTo(window.get()) && !label->visibleRegion().isEmpty();
    std::printf("%d %d %d\n", window->width(), window->height(), labels);
    return 0;
}

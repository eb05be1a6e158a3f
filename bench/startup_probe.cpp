// Start-up to the first painted frame, for hyperfine to time: builds the main window exactly as
// the program's main() does, or a bare window of the same size with as many plain labels, and
// ends at once after the window's first paint, so that neither run pays for tearing down.
//
//   zahlzeichen_startup_probe form1
//   zahlzeichen_startup_probe bare WIDTH HEIGHT LABELS
//   zahlzeichen_startup_probe shape    prints WIDTH HEIGHT LABELS of the main window

#include "platform/qt_texts.h"
#include "shell/form1.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

// Called once the first paint has ended; a name of its own so that callgrind can stop
// counting here (--dump-before='*firstFrameShown*').
[[gnu::noinline]] void firstFrameShown()
{
    std::fflush(stdout);
    std::_Exit(0);
}

namespace
{

// The zero timer runs after the paint pass that holds the window's first paint event, flush
// to the screen included.
class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(QWidget *window) : window(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted && watched == window && event->type() == QEvent::Paint) {
            painted = true;
            QTimer::singleShot(0, this, firstFrameShown);
        }
        return false;
    }

private:
    QWidget *window;
    bool painted = false;
};

// Placed by hand in four columns, as the program places its controls: no layout.
std::unique_ptr<QWidget> bareWindow(int width, int height, int labels)
{
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(width, height);
    constexpr int columns = 4;
    constexpr int rowHeight = 24;
    for (int i = 0; i < labels; ++i) {
        auto *label = new QLabel(QStringLiteral("Label %1").arg(i + 1), window.get());
        label->setGeometry((i % columns) * (width / columns), (i / columns) * rowHeight,
                           width / columns, rowHeight);
    }
    return window;
}

// The labels of the main window that can be seen at start: shown and not clipped away.
int labelsInSight(const QWidget &window)
{
    int count = 0;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->isVisibleTo(&window) && !label->visibleRegion().isEmpty())
            ++count;
    }
    return count;
}

} // namespace

int main(int argc, char **argv)
{
    const char *mode = argc > 1 ? argv[1] : "";
    const bool bare = std::strcmp(mode, "bare") == 0 && argc == 5;
    if (std::strcmp(mode, "form1") != 0 && std::strcmp(mode, "shape") != 0 && !bare) {
        std::fputs("usage: zahlzeichen_startup_probe form1 | bare WIDTH HEIGHT LABELS | shape\n",
                   stderr);
        return 2;
    }
    // As the program's main(): the application, its German texts, the window, show, the loop.
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = bareWindow(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    } else {
        loadQtTextsInGerman();
        window = std::make_unique<Form1>();
    }
    if (std::strcmp(mode, "shape") == 0) {
        window->show();
        QCoreApplication::processEvents();
        std::printf("%d %d %d\n", window->width(), window->height(), labelsInSight(*window));
        return 0;
    }
    const FirstPaintWatch watch(window.get());
    window->show();
    return QApplication::exec();
}

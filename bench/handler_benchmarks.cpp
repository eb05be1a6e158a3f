// The handlers' costs under Google Benchmark, offscreen, on real windows built as the program
// builds them. Each case clicks a button or calls a handler; what it needs prepared or undone
// between two calls, and the event loop catching up, is not timed. Message boxes are answered
// at once. The aim of a case rides along as the counter aim_ms, for the report.
//
//   zahlzeichen_bench [--smoke] [Google Benchmark options]
//
// --smoke runs every case once, on a short editor sheet: only to see that all of them still run.

#include "exercises/reading_panel.h"
#include "exercises/writing_panel.h"
#include "games/memory/memo.h"
#include "games/pairs/form2.h"
#include "message_box_auto_answer.h"
#include "shell/form1.h"
#include "worksheets/editor_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>

namespace
{

constexpr double LightAim = 1.0;   // milliseconds, median of CPU time
constexpr double EditorAim = 10.0; // the two 1,000-line editor cases

bool smoke = false;
int editorLines = 1000;
std::unique_ptr<Form1> form; // the one main window most cases share, made at first use
const bench::MessageBoxAutoAnswer *answers = nullptr;

const std::function<void()> nothing = [] {};

// Lets the event loop catch up (layouts, deferred deletes); not part of any handler's cost.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

Form1 &mainWindow()
{
    if (!form) {
        form = std::make_unique<Form1>();
        form->show();
        settle();
    }
    return *form;
}

template <class Widget> Widget *child(const QObject *parent, const char *name)
{
    auto *widget = parent->findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("bench: no control %s in %s", name, qPrintable(parent->objectName()));
    return widget;
}

template <class Window> Window *topLevel(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return qobject_cast<Window *>(widget);
    }
    qFatal("bench: no window %s", name);
}

void timed(benchmark::State &state, const std::function<void()> &prepare,
           const std::function<void()> &act, const std::function<void()> &restore = nothing)
{
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        settle();
        state.ResumeTiming();
        act();
        state.PauseTiming();
        restore();
        settle();
        state.ResumeTiming();
    }
}

struct Exercise {
    QWidget *(*panel)(Form1 &);
    QPushButton *(*opener)(Form1 &);
    const char *solution;
    const char *clear;
    const char *const *keys;
    void (*newTask)(Form1 &);
};

const char *const digitKeys[] = {"Befehl14", "Befehl15", "Befehl16", "Befehl17", "Befehl18",
                                 "Befehl19", "Befehl20", "Befehl21", "Befehl22", "Befehl23",
                                 nullptr};
const char *const letterKeys[] = {"Befehl5", "Befehl6",  "Befehl7",  "Befehl8",
                                  "Befehl9", "Befehl10", "Befehl11", nullptr};
const Exercise reading{[](Form1 &f) -> QWidget * { return f.Bild4; },
                       [](Form1 &f) { return f.Befehl2; },
                       "Bezeichnung10",
                       "Befehl13",
                       digitKeys,
                       [](Form1 &f) { f.Bild4->NewReadingTask(); }};
const Exercise writing{[](Form1 &f) -> QWidget * { return f.Bild2; },
                       [](Form1 &f) { return f.Befehl3; },
                       "Bezeichnung7",
                       "Befehl12",
                       letterKeys,
                       [](Form1 &f) { f.Bild2->NewWritingTask(); }};

// A key whose caption occurs nowhere in the solution (judged wrong) or one whose caption starts
// it (judged fitting). The task is drawn again until both exist and one key press cannot be the
// whole solution.
QPushButton *exerciseKey(const Exercise &exercise, bool wrong)
{
    Form1 &f = mainWindow();
    exercise.opener(f)->click();
    settle();
    const QWidget *panel = exercise.panel(f);
    const QLabel *solution = child<QLabel>(panel, exercise.solution);
    for (;;) {
        QPushButton *wrongKey = nullptr;
        QPushButton *fittingKey = nullptr;
        const QString solved = solution->text();
        for (const char *const *name = exercise.keys; *name; ++name) {
            auto *key = child<QPushButton>(panel, *name);
            if (!solved.contains(key->text()))
                wrongKey = key;
            else if (solved.startsWith(key->text()))
                fittingKey = key;
        }
        if (solved.size() > 1 && wrongKey && fittingKey)
            return wrong ? wrongKey : fittingKey;
        exercise.newTask(f);
    }
}

void pressKey(benchmark::State &state, const Exercise *exercise, bool wrong)
{
    QPushButton *key = exerciseKey(*exercise, wrong);
    QPushButton *clear = child<QPushButton>(exercise->panel(mainWindow()), exercise->clear);
    const int boxesBefore = answers->boxesAnswered();
    timed(
        state, [clear] { clear->click(); }, [key] { key->click(); });
    if (answers->boxesAnswered() != boxesBefore)
        qFatal("bench: a key press was judged a right answer");
}

void newTask(benchmark::State &state, const Exercise *exercise)
{
    Form1 &f = mainWindow();
    exercise->opener(f)->click();
    timed(state, nothing, [exercise, &f] { exercise->newTask(f); });
}

void memoryLevelButton(benchmark::State &state)
{
    mainWindow().Befehl24_Click();
    auto *game = topLevel<memo>("memo");
    QPushButton *level = child<QPushButton>(game, "Befehl4");
    timed(state, nothing, [level] { level->click(); });
    game->close();
}

// The game's flag says "not dealt yet", as after leaving a game: the click deals first.
void memoryFirstCard(benchmark::State &state)
{
    mainWindow().Befehl24_Click();
    auto *game = topLevel<memo>("memo");
    QLabel *dealt = child<QLabel>(game, "Bezeichnung20");
    timed(
        state, [dealt] { dealt->setText(QStringLiteral("0")); },
        [game] { game->Bezeichnung1_Click(); });
    game->close();
}

void pairNewRound(benchmark::State &state)
{
    mainWindow().Befehl25_Click();
    auto *game = topLevel<Form2>("Form2");
    QPushButton *newRound = child<QPushButton>(game, "Befehl2");
    timed(state, nothing, [newRound] { newRound->click(); });
    game->close();
}

// The editor holding `lines` numbers; added once and kept for all editor cases.
QListWidget *editorWith(int lines)
{
    Form1 &f = mainWindow();
    f.show();
    f.Befehl26_Click();
    auto *entry = child<QLineEdit>(&f, "Text3");
    auto *numbers = child<QListWidget>(&f, "Liste5");
    for (int i = numbers->count(); numbers->count() < lines; ++i) {
        entry->setText(QString::number(i * 37 % 4000));
        f.Bild7->AddEditorNumber();
        if (i > 2 * lines)
            qFatal("bench: the editor does not take the numbers");
    }
    settle();
    return numbers;
}

void addThousandthNumber(benchmark::State &state)
{
    QListWidget *numbers = editorWith(editorLines - 1);
    Form1 &f = mainWindow();
    auto *entry = child<QLineEdit>(&f, "Text3");
    QPushButton *remove = child<QPushButton>(&f, "Befehl30");
    timed(
        state, [entry] { entry->setText(QStringLiteral("3888")); },
        [&f] { f.Bild7->AddEditorNumber(); },
        [remove, numbers] {
            // The added number is the one selected: removing it leaves the sheet as it was.
            remove->click();
            if (numbers->count() != editorLines - 1)
                qFatal("bench: the editor holds %d numbers", numbers->count());
        });
}

// Timed from the click to the clipboard's change notice that the handler's setText sends: the
// copy itself, without the information box that follows.
void copySheet(benchmark::State &state)
{
    editorWith(editorLines);
    QPushButton *copy = child<QPushButton>(&mainWindow(), "Befehl34");
    bool copied = false;
    const QMetaObject::Connection watch =
        QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [&] {
            if (!copied)
                state.PauseTiming();
            copied = true;
        });
    for (auto _ : state) {
        copied = false;
        copy->click();
        if (!copied)
            qFatal("bench: the clipboard did not change");
        settle();
        state.ResumeTiming();
    }
    QObject::disconnect(watch);
    const auto lines = QGuiApplication::clipboard()->text().count(QStringLiteral("\r\n"));
    if (lines != editorLines)
        qFatal("bench: the clipboard holds %lld lines", static_cast<long long>(lines));
}

void copySheetWithBox(benchmark::State &state)
{
    editorWith(editorLines);
    QPushButton *copy = child<QPushButton>(&mainWindow(), "Befehl34");
    timed(state, nothing, [copy] { copy->click(); });
}

// Notes the first paint of a top-level window, by name.
class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(const char *windowName) : name(QLatin1String(windowName))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow() && watched->objectName() == name)
            painted = true;
        return false;
    }

private:
    QLatin1String name;
};

// A game opened the first time, on a fresh main window each time; with untilPainted, until
// the event loop has ended the game window's first paint.
void firstOpening(benchmark::State &state, void (Form1::*open)(), const char *window,
                  bool untilPainted)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = std::make_unique<Form1>();
        fresh->show();
        settle();
        const FirstPaintWatch watch(window);
        state.ResumeTiming();
        (fresh.get()->*open)();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (untilPainted && !watch.painted && std::chrono::steady_clock::now() < deadline)
            QCoreApplication::processEvents();
        state.PauseTiming();
        if (untilPainted && !watch.painted)
            qFatal("bench: %s was not painted", window);
        fresh.reset();
        settle();
        state.ResumeTiming();
    }
}

// Each case with its aim (0: none) and iterations per repetition, in the order they run. The
// first openings come first, so that they meet fonts and styles no game has used yet, as the
// program's first opening does.
void registerCases()
{
    const auto add = [](const char *name, double aim, int iterations, auto call) {
        benchmark::RegisterBenchmark(name,
                                     [=](benchmark::State &state) {
                                         call(state);
                                         if (aim > 0)
                                             state.counters["aim_ms"] = aim;
                                     })
            ->Iterations(smoke ? 1 : iterations)
            ->Repetitions(smoke ? 1 : 10)
            ->ReportAggregatesOnly(!smoke)
            ->Unit(benchmark::kMillisecond);
    };
    using namespace std::placeholders;
    add("Befehl24_Click: memory game opened the first time (fresh Form1)", LightAim, 4,
        std::bind(firstOpening, _1, &Form1::Befehl24_Click, "memo", false));
    add("Befehl24_Click: memory game opened the first time, until its first paint has ended", 0,
        4, std::bind(firstOpening, _1, &Form1::Befehl24_Click, "memo", true));
    add("Befehl25_Click: pair game opened the first time (fresh Form1)", LightAim, 4,
        std::bind(firstOpening, _1, &Form1::Befehl25_Click, "Form2", false));
    add("Befehl25_Click: pair game opened the first time, until its first paint has ended", 0, 4,
        std::bind(firstOpening, _1, &Form1::Befehl25_Click, "Form2", true));
    add("Reading (Text2_Change): key judged wrong (answer turns red, wrong counter raised)",
        LightAim, 100, std::bind(pressKey, _1, &reading, true));
    add("Reading (Text2_Change): key judged fitting (answer stays white)", LightAim, 100,
        std::bind(pressKey, _1, &reading, false));
    add("NewReadingTask", LightAim, 100, std::bind(newTask, _1, &reading));
    add("Writing (Text1_Change): key judged wrong (answer turns red, wrong counter raised)",
        LightAim, 100, std::bind(pressKey, _1, &writing, true));
    add("Writing (Text1_Change): key judged fitting (answer stays white)", LightAim, 100,
        std::bind(pressKey, _1, &writing, false));
    add("NewWritingTask", LightAim, 100, std::bind(newTask, _1, &writing));
    add("Memory game: level button \"H\" (Befehl4_Click: ResetCards, DealCards)", LightAim, 100,
        memoryLevelButton);
    add("Memory game: first card click of a game (DealCards, card face up)", LightAim, 100,
        memoryFirstCard);
    add("Pair game: \"N  e  u\" (Befehl2_Click: SetUpRound)", LightAim, 100, pairNewRound);
    add("Editor: AddEditorNumber, the 1,000th number (solution sheet rebuilt)", EditorAim, 20,
        addThousandthNumber);
    add("Editor: Befehl34_Click, copying a sheet of 1,000 lines to the clipboard", EditorAim, 20,
        copySheet);
    add("Editor: Befehl34_Click with its message box, answered at once", 0, 20,
        copySheetWithBox);
}

QtMessageHandler passOn = nullptr;

// The offscreen platform says for every raise() and size hint that it cannot do it; that says
// nothing about the program and would bury what does.
void withoutOffscreenNotices(QtMsgType type, const QMessageLogContext &context,
                             const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        passOn(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0) {
            smoke = true;
            editorLines = 10;
            std::copy(argv + i + 1, argv + argc + 1, argv + i);
            --argc;
            break;
        }
    }
    passOn = qInstallMessageHandler(withoutOffscreenNotices);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bench::MessageBoxAutoAnswer answerer;
    answers = &answerer;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::AddCustomContext("qt_version", qVersion());
    benchmark::AddCustomContext("build_type", ZAHLZEICHEN_BENCH_BUILD_TYPE);
    benchmark::AddCustomContext("compiler", ZAHLZEICHEN_BENCH_COMPILER);
    registerCases();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    form.reset();
    return 0;
}

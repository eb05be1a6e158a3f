// The handlers' costs under Google Benchmark, offscreen, on real windows built as the program
// builds them. What a call needs prepared or undone, and the event loop catching up, is not
// timed; message boxes are answered at once; a case's aim rides along as the counter aim_ms.
//   zahlzeichen_bench [--smoke: every case once, on a short sheet] [Google Benchmark options]

#include "exercises/reading_panel.h"
#include "exercises/writing_panel.h"
#include "games/memory/memo.h"
#include "shell/form1.h"
#include "worksheets/editor_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

namespace
{

using benchmark::State;
using Step = std::function<void()>;

bool smoke = false;
int editorLines = 1000;
Form1 *form = nullptr;
int boxesAnswered = 0;

// Answers every message box as soon as it is shown: its Escape button (OK, or "Nein" of a
// confirmation) is pressed from inside the box's own event loop, so a handler that ends in a
// box returns without anyone at the keyboard.
struct MessageBoxAutoAnswer : QObject {
    MessageBoxAutoAnswer() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = event->type() == QEvent::Show ? qobject_cast<QMessageBox *>(watched) : nullptr;
        if (box) {
            ++boxesAnswered;
            // Queued, and dropped with the box: exec() shows the box before its loop runs.
            QMetaObject::invokeMethod(
                box, [box] { box->escapeButton() ? box->escapeButton()->click() : box->reject(); },
                Qt::QueuedConnection);
        }
        return false;
    }
};

// Lets the event loop catch up (layouts, deferred deletes); not part of any handler's cost.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

template <class Widget> Widget *child(const QObject *parent, const QString &name)
{
    if (auto *widget = parent->findChild<Widget *>(name))
        return widget;
    qFatal("bench: no control %s in %s", qPrintable(name), qPrintable(parent->objectName()));
}

QWidget *topLevel(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return widget;
    }
    qFatal("bench: no window %s", name);
}

void timed(State &state, const Step &prepare, const Step &act, const Step &restore = {})
{
    for (auto _ : state) {
        state.PauseTiming();
        if (prepare)
            prepare();
        settle();
        state.ResumeTiming();
        act();
        state.PauseTiming();
        if (restore)
            restore();
        settle();
        state.ResumeTiming();
    }
}

QStringList buttons(int first, int last)
{
    QStringList names;
    for (int number = first; number <= last; ++number)
        names.append(QStringLiteral("Befehl%1").arg(number));
    return names;
}

struct Exercise {
    QPushButton *opener;
    QWidget *panel;
    QString solution, clear;
    QStringList keys;
    Step newTask;
};

// A key whose caption occurs nowhere in the solution (judged wrong) or one whose caption starts
// it (judged fitting); the task is drawn again until both exist and one key press cannot be the
// whole solution.
void pressKey(State &state, const Exercise &exercise, bool wrong)
{
    exercise.opener->click();
    settle();
    const auto *solution = child<QLabel>(exercise.panel, exercise.solution);
    QPushButton *keys[2] = {}; // judged wrong, judged fitting
    for (; !keys[0] || !keys[1] || solution->text().size() < 2; exercise.newTask()) {
        keys[0] = keys[1] = nullptr;
        for (const QString &name : exercise.keys) {
            auto *key = child<QPushButton>(exercise.panel, name);
            if (!solution->text().contains(key->text()))
                keys[0] = key;
            else if (solution->text().startsWith(key->text()))
                keys[1] = key;
        }
    }
    auto *clear = child<QPushButton>(exercise.panel, exercise.clear);
    const int boxes = boxesAnswered;
    timed(
        state, [clear] { clear->click(); }, [key = keys[wrong ? 0 : 1]] { key->click(); });
    if (boxesAnswered != boxes)
        qFatal("bench: a key press was judged a right answer");
}

// A button of a game window, with nothing prepared between two clicks.
void gameButton(State &state, void (Form1::*open)(), const char *window, const char *button)
{
    (form->*open)();
    QWidget *game = topLevel(window);
    auto *pressed = child<QPushButton>(game, QLatin1String(button));
    timed(state, {}, [pressed] { pressed->click(); });
    game->close();
}

// The game's flag says "not dealt yet", as after leaving a game: the click deals first.
void memoryFirstCard(State &state)
{
    form->Befehl24_Click();
    auto *game = static_cast<memo *>(topLevel("memo"));
    auto *dealt = child<QLabel>(game, QStringLiteral("Bezeichnung20"));
    timed(
        state, [dealt] { dealt->setText(QStringLiteral("0")); },
        [game] { game->Bezeichnung1_Click(); });
    game->close();
}

// The editor holding `lines` numbers, added once and kept for all editor cases.
QListWidget *editorWith(int lines)
{
    form->show();
    form->Befehl26_Click();
    auto *entry = child<QLineEdit>(form, QStringLiteral("Text3"));
    auto *numbers = child<QListWidget>(form, QStringLiteral("Liste5"));
    for (int i = numbers->count(); numbers->count() < lines && i < 2 * lines; ++i) {
        entry->setText(QString::number(i * 37 % 4000));
        form->Bild7->AddEditorNumber();
    }
    if (numbers->count() != lines)
        qFatal("bench: the editor holds %d numbers, not %d", numbers->count(), lines);
    settle();
    return numbers;
}

void addLastNumber(State &state)
{
    QListWidget *numbers = editorWith(editorLines - 1);
    auto *entry = child<QLineEdit>(form, QStringLiteral("Text3"));
    auto *remove = child<QPushButton>(form, QStringLiteral("Befehl30"));
    timed(
        state, [entry] { entry->setText(QStringLiteral("3888")); },
        [] { form->Bild7->AddEditorNumber(); },
        // The added number is the one selected: removing it leaves the sheet as it was.
        [remove, numbers] {
            remove->click();
            if (numbers->count() != editorLines - 1)
                qFatal("bench: the editor holds %d numbers", numbers->count());
        });
}

// Timed from the click to the clipboard's change notice that the handler's setMimeData sends:
// the copy itself, without the information box after it.
void copySheet(State &state)
{
    editorWith(editorLines);
    auto *copy = child<QPushButton>(form, QStringLiteral("Befehl34"));
    bool copied = false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    // The handler's clear() is noticed too, with nothing on the clipboard yet.
    const auto watch = QObject::connect(clipboard, &QClipboard::dataChanged, [&] {
        if (clipboard->mimeData() && !std::exchange(copied, true))
            state.PauseTiming();
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
    if (clipboard->text().count(QStringLiteral("\r\n")) != editorLines)
        qFatal("bench: the clipboard does not hold the sheet");
}

// A game opened the first time on a fresh main window: it meets fonts and styles that no game
// has used yet.
void firstOpening(State &state, void (Form1::*open)())
{
    std::unique_ptr<Form1> fresh;
    timed(
        state,
        [&fresh] {
            fresh = std::make_unique<Form1>();
            fresh->show();
        },
        [&fresh, open] { (fresh.get()->*open)(); }, [&fresh] { fresh.reset(); });
}

void add(const char *name, double aimMilliseconds, int calls, std::function<void(State &)> run)
{
    benchmark::RegisterBenchmark(name,
                                 [=](State &state) {
                                     run(state);
                                     state.counters["aim_ms"] = aimMilliseconds;
                                 })
        ->Iterations(smoke ? 1 : calls)
        ->Repetitions(smoke ? 1 : 10)
        ->ReportAggregatesOnly(!smoke)
        ->Unit(benchmark::kMillisecond);
}

// In the order they run. The first openings come first, so that they meet fonts and styles no
// game has used yet, as the program's first opening does.
void registerCases()
{
    using namespace std::placeholders;
    add("Befehl24_Click: memory game opened the first time (fresh Form1)", 1, 4,
        std::bind(firstOpening, _1, &Form1::Befehl24_Click));
    add("Befehl25_Click: pair game opened the first time (fresh Form1)", 1, 4,
        std::bind(firstOpening, _1, &Form1::Befehl25_Click));
    static const Exercise reading{form->Befehl2, form->Bild4, "Bezeichnung10", "Befehl13",
                                  buttons(14, 23), [] { form->Bild4->NewReadingTask(); }};
    static const Exercise writing{form->Befehl3, form->Bild2, "Bezeichnung7", "Befehl12",
                                  buttons(5, 11), [] { form->Bild2->NewWritingTask(); }};
    for (const auto &[exercise, name, task] :
         {std::tuple(&reading, "Reading (Text2_Change)", "NewReadingTask"),
          std::tuple(&writing, "Writing (Text1_Change)", "NewWritingTask")}) {
        const std::string check = name;
        add((check + ": key judged wrong (answer turns red, wrong counter raised)").c_str(), 1,
            100, std::bind(pressKey, _1, std::cref(*exercise), true));
        add((check + ": key judged fitting (answer stays white)").c_str(), 1, 100,
            std::bind(pressKey, _1, std::cref(*exercise), false));
        add(task, 1, 100, [exercise = exercise](State &state) {
            exercise->opener->click();
            timed(state, {}, exercise->newTask);
        });
    }
    add("Memory game: level button \"H\" (Befehl4_Click: ResetCards, DealCards)", 1, 100,
        std::bind(gameButton, _1, &Form1::Befehl24_Click, "memo", "Befehl4"));
    add("Memory game: first card click of a game (DealCards, card face up)", 1, 100,
        memoryFirstCard);
    add("Pair game: \"N  e  u\" (Befehl2_Click: SetUpRound)", 1, 100,
        std::bind(gameButton, _1, &Form1::Befehl25_Click, "Form2", "Befehl2"));
    add("Editor: AddEditorNumber, the 1,000th number (solution sheet rebuilt)", 10, 20,
        addLastNumber);
    add("Editor: Befehl34_Click, copying a sheet of 1,000 lines to the clipboard", 10, 20,
        copySheet);
}

QtMessageHandler passOn = nullptr;

// The offscreen platform says for every raise() and size hint that it cannot do it; that says
// nothing about the program and would bury what does.
void withoutOffscreenNotices(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        passOn(type, context, text);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--smoke") == 0) {
        smoke = true;
        editorLines = 10;
        std::copy(argv + 2, argv + argc + 1, argv + 1);
        --argc;
    }
    passOn = qInstallMessageHandler(withoutOffscreenNotices);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::AddCustomContext("qt_version", qVersion());
    benchmark::AddCustomContext("build_type", ZAHLZEICHEN_BENCH_BUILD_TYPE);
    benchmark::AddCustomContext("compiler", ZAHLZEICHEN_BENCH_COMPILER);
    MessageBoxAutoAnswer answerer;
    Form1 window; // the main window most cases share
    window.show();
    settle();
    form = &window;
    registerCases();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

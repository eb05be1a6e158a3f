#include "handler_costs.h"

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
#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <memory>

namespace bench
{

namespace
{

using Steady = std::chrono::steady_clock;

constexpr double LightAim = 1.0;
constexpr double EditorAim = 10.0;

double millisecondsBetween(Steady::time_point from, Steady::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Time this thread has run: what other programs on the machine cannot stretch.
double threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Timings {
    std::vector<double> wall;
    std::vector<double> cpu;
};

HandlerCost cost(std::string what, Timings timings, double aim, std::string note = {})
{
    return {std::move(what), std::move(timings.wall), std::move(timings.cpu), aim, std::move(note)};
}

// Lets the event loop catch up between two measurements (layouts, deferred deletes); what it
// does is not part of any handler's cost.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
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

Timings timed(int repetitions, const std::function<void()> &prepare,
              const std::function<void()> &act, const std::function<void()> &restore)
{
    Timings timings;
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        settle();
        const double cpuStart = threadCpuMilliseconds();
        const Steady::time_point start = Steady::now();
        act();
        const Steady::time_point end = Steady::now();
        timings.cpu.push_back(threadCpuMilliseconds() - cpuStart);
        timings.wall.push_back(millisecondsBetween(start, end));
        restore();
        settle();
    }
    return timings;
}

const std::function<void()> nothing = [] {};

// A key whose caption occurs nowhere in the solution (judged wrong) and one whose caption
// starts it (judged fitting). The task is drawn again until both exist and one key press
// cannot be the whole solution.
struct ExerciseKeys {
    QPushButton *wrong = nullptr;
    QPushButton *fitting = nullptr;
};

ExerciseKeys keysFor(const QWidget *panel, const QLabel *solution, const char *const *keyNames,
                     const std::function<void()> &newTask)
{
    for (;;) {
        ExerciseKeys keys;
        const QString solved = solution->text();
        for (const char *const *name = keyNames; *name; ++name) {
            auto *key = child<QPushButton>(panel, *name);
            if (!solved.contains(key->text()))
                keys.wrong = key;
            else if (solved.startsWith(key->text()))
                keys.fitting = key;
        }
        if (solved.size() > 1 && keys.wrong && keys.fitting)
            return keys;
        newTask();
    }
}

struct ExerciseNames {
    std::string check;   // the change handler that judges a key
    std::string newTask; // the procedure that draws a task
};

void measureExercise(std::vector<HandlerCost> &costs, int repetitions, const ExerciseNames &names,
                     QWidget *panel, const char *solutionName, const char *clearName,
                     const char *const *keyNames, const std::function<void()> &newTask,
                     const MessageBoxAutoAnswer &answers)
{
    const std::string &label = names.check;
    const int boxesBefore = answers.boxesAnswered();
    const ExerciseKeys keys = keysFor(panel, child<QLabel>(panel, solutionName), keyNames, newTask);
    QPushButton *clear = child<QPushButton>(panel, clearName);
    const auto clearAnswer = [clear] { clear->click(); };
    costs.push_back(cost(label + ": key judged wrong (\"" + keys.wrong->text().toStdString() +
                             "\": answer turns red, wrong counter raised)",
                         timed(
                             repetitions, clearAnswer, [&keys] { keys.wrong->click(); }, nothing),
                         LightAim));
    costs.push_back(cost(label + ": key judged fitting (\"" + keys.fitting->text().toStdString() +
                             "\": answer stays white)",
                         timed(
                             repetitions, clearAnswer, [&keys] { keys.fitting->click(); }, nothing),
                         LightAim));
    if (answers.boxesAnswered() != boxesBefore)
        qFatal("bench: a key press was judged a right answer");
    costs.push_back(cost(names.newTask, timed(repetitions, nothing, newTask, nothing), LightAim));
}

void measureExercises(std::vector<HandlerCost> &costs, Form1 &form, int repetitions,
                      const MessageBoxAutoAnswer &answers)
{
    static const char *const digitKeys[] = {"Befehl14", "Befehl15", "Befehl16", "Befehl17",
                                            "Befehl18", "Befehl19", "Befehl20", "Befehl21",
                                            "Befehl22", "Befehl23", nullptr};
    static const char *const letterKeys[] = {"Befehl5", "Befehl6",  "Befehl7",  "Befehl8",
                                             "Befehl9", "Befehl10", "Befehl11", nullptr};
    form.Befehl2->click();
    measureExercise(
        costs, repetitions, {"Reading (Text2_Change)", "NewReadingTask"}, form.Bild4,
        "Bezeichnung10", "Befehl13", digitKeys, [&form] { form.Bild4->NewReadingTask(); }, answers);
    form.Befehl3->click();
    measureExercise(
        costs, repetitions, {"Writing (Text1_Change)", "NewWritingTask"}, form.Bild2,
        "Bezeichnung7", "Befehl12", letterKeys, [&form] { form.Bild2->NewWritingTask(); }, answers);
}

// A button whose click handler needs nothing prepared or undone between two clicks.
HandlerCost buttonCost(std::string what, QPushButton *button, int repetitions)
{
    return cost(std::move(what),
                timed(
                    repetitions, nothing, [button] { button->click(); }, nothing),
                LightAim);
}

void measureGames(std::vector<HandlerCost> &costs, Form1 &form, int repetitions)
{
    form.Befehl24_Click();
    auto *memoWindow = topLevel<memo>("memo");
    costs.push_back(buttonCost("Memory game: level button \"H\" (Befehl4_Click: ResetCards, "
                               "DealCards)",
                               child<QPushButton>(memoWindow, "Befehl4"), repetitions));
    // The game's flag says "not dealt yet", as after leaving a game: the click deals first.
    QLabel *dealt = child<QLabel>(memoWindow, "Bezeichnung20");
    costs.push_back(cost("Memory game: first card click of a game (DealCards, card face up)",
                         timed(
                             repetitions, [dealt] { dealt->setText(QStringLiteral("0")); },
                             [memoWindow] { memoWindow->Bezeichnung1_Click(); }, nothing),
                         LightAim));
    memoWindow->close();

    form.Befehl25_Click();
    auto *pairWindow = topLevel<Form2>("Form2");
    costs.push_back(buttonCost("Pair game: \"N  e  u\" (Befehl2_Click: SetUpRound)",
                               child<QPushButton>(pairWindow, "Befehl2"), repetitions));
    pairWindow->close();
    settle();
}

void measureEditor(std::vector<HandlerCost> &costs, Form1 &form, int repetitions)
{
    constexpr int present = 999;
    form.Befehl26_Click();
    auto *entry = child<QLineEdit>(&form, "Text3");
    auto *numbers = child<QListWidget>(&form, "Liste5");
    for (int i = 0; i < present; ++i) {
        entry->setText(QString::number(i * 37 % 4000));
        form.Bild7->AddEditorNumber();
    }
    QPushButton *remove = child<QPushButton>(&form, "Befehl30");
    costs.push_back(cost("Editor: AddEditorNumber, the 1,000th number (solution sheet rebuilt)",
                         timed(
                             repetitions, [entry] { entry->setText(QStringLiteral("3888")); },
                             [&form] { form.Bild7->AddEditorNumber(); },
                             [remove, numbers] {
                                 // The added number is the one selected: removing it leaves the 999
                                 // again.
                                 remove->click();
                                 if (numbers->count() != present)
                                     qFatal("bench: the editor holds %d numbers", numbers->count());
                             }),
                         EditorAim));

    entry->setText(QStringLiteral("3888"));
    form.Bild7->AddEditorNumber();
    QPushButton *copy = child<QPushButton>(&form, "Befehl34");
    Steady::time_point changed;
    double cpuChanged = 0;
    const QMetaObject::Connection watch = QObject::connect(
        QGuiApplication::clipboard(), &QClipboard::dataChanged, [&changed, &cpuChanged] {
            cpuChanged = threadCpuMilliseconds();
            changed = Steady::now();
        });
    Timings copies;
    Timings wholeClicks;
    for (int i = 0; i < repetitions; ++i) {
        settle();
        const double cpuStart = threadCpuMilliseconds();
        const Steady::time_point start = Steady::now();
        changed = start;
        copy->click();
        const Steady::time_point end = Steady::now();
        const double cpuEnd = threadCpuMilliseconds();
        if (changed == start)
            qFatal("bench: the clipboard did not change");
        copies.wall.push_back(millisecondsBetween(start, changed));
        copies.cpu.push_back(cpuChanged - cpuStart);
        wholeClicks.wall.push_back(millisecondsBetween(start, end));
        wholeClicks.cpu.push_back(cpuEnd - cpuStart);
    }
    QObject::disconnect(watch);
    const QString copied = QGuiApplication::clipboard()->text();
    if (copied.count(QStringLiteral("\r\n")) != present + 1)
        qFatal("bench: the clipboard holds %lld lines", copied.count(QStringLiteral("\r\n")));
    costs.push_back(
        cost("Editor: Befehl34_Click, copying a sheet of 1,000 lines (to the clipboard)", copies,
             EditorAim, "from the click to the clipboard's change notice that setText sends"));
    costs.push_back(cost("Editor: Befehl34_Click with its message box, answered at once",
                         wholeClicks, 0, "adds building, showing and closing the box"));
    form.Bild7->Befehl27_Click();
}

// Notes the first paint of a top-level window, by name.
class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(const char *windowName) : name(QLatin1String(windowName))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool painted() const { return seen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow() && watched->objectName() == name)
            seen = true;
        return false;
    }

private:
    QLatin1String name;
    bool seen = false;
};

void measureFirstOpening(std::vector<HandlerCost> &costs, int repetitions, void (Form1::*open)(),
                         const char *windowName, const std::string &what, const std::string &note)
{
    Timings handler;
    Timings painted;
    for (int i = 0; i < repetitions; ++i) {
        auto form = std::make_unique<Form1>();
        form->show();
        settle();
        const FirstPaintWatch watch(windowName);
        const double cpuStart = threadCpuMilliseconds();
        const Steady::time_point start = Steady::now();
        (form.get()->*open)();
        handler.wall.push_back(millisecondsBetween(start, Steady::now()));
        handler.cpu.push_back(threadCpuMilliseconds() - cpuStart);
        // The paint pass that holds the window's first paint event ends before processEvents
        // returns.
        const Steady::time_point deadline = start + std::chrono::seconds(5);
        while (!watch.painted() && Steady::now() < deadline)
            QCoreApplication::processEvents();
        if (!watch.painted())
            qFatal("bench: %s was not painted", windowName);
        painted.wall.push_back(millisecondsBetween(start, Steady::now()));
        painted.cpu.push_back(threadCpuMilliseconds() - cpuStart);
        form.reset();
        settle();
    }
    costs.push_back(cost(what, std::move(handler), LightAim, note));
    costs.push_back(cost(what + ", until the window's first paint has ended", std::move(painted), 0,
                         "the handler and the event loop's first paint of the window"));
}

void measureFirstOpenings(std::vector<HandlerCost> &costs, int repetitions)
{
    measureFirstOpening(costs, repetitions, &Form1::Befehl24_Click, "memo",
                        "Befehl24_Click: memory game opened the first time (fresh Form1)",
                        "creates the window, Form_Activate, show");
    measureFirstOpening(costs, repetitions, &Form1::Befehl25_Click, "Form2",
                        "Befehl25_Click: pair game opened the first time (fresh Form1)",
                        "creates the window, Form_Activate (SetUpRound), show");
}

} // namespace

std::vector<HandlerCost> measureHandlerCosts(const HandlerRepetitions &repetitions)
{
    std::vector<HandlerCost> costs;
    const MessageBoxAutoAnswer answers;
    // First, so that its first repetition meets fonts and styles that no game has used yet,
    // as the program's first opening does.
    measureFirstOpenings(costs, repetitions.openings);
    const auto openings = static_cast<std::ptrdiff_t>(costs.size());
    {
        Form1 form;
        form.show();
        settle();
        measureExercises(costs, form, repetitions.light, answers);
        measureGames(costs, form, repetitions.light);
        form.show();
        settle();
        measureEditor(costs, form, repetitions.editor);
    }
    // Listed last, after the handlers of the windows they open.
    std::rotate(costs.begin(), costs.begin() + openings, costs.end());
    return costs;
}

} // namespace bench

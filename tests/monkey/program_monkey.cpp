#include "program_monkey.h"

#include "games/pairs/drag_source_label.h"
#include "numerals/numerals.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/lenient_number.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "shell/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace
{

constexpr int DayInMilliseconds = 24 * 60 * 60 * 1000;
constexpr int RecentActionsShown = 15;
const QString Praise = QStringLiteral("Prima, die Eingabe ist richtig!");

int number(const QLabel *label)
{
    return lenientNumber(label->text().toStdString());
}

// Every caption of the pair game's 19 labels.
QStringList pairBoard(const QWidget *form2)
{
    QStringList captions;
    for (int k = 1; k <= 19; ++k)
        captions << caption(form2->findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(k)));
    return captions;
}

// Carries a drag onto a widget as the platform would; returns whether the widget took it.
bool dragOnto(QWidget *target, const QString &format, const QByteArray &payload)
{
    QMimeData data;
    data.setData(format, payload);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return true;
}

// The offscreen platform says so each time a fixed-size window is shown or raised; in a run
// of thousands of actions that would bury the report.
QtMessageHandler previousHandler = nullptr;

void quietPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

// Under a real windowing system the window manager activates windows in its own time, and
// pressing a numeral of the pair game starts a drag that waits for the real mouse; there
// drops stand in for presses. The offscreen platform ends such a drag at once.
bool realWindowSystem()
{
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}

} // namespace

ProgramMonkey::ProgramMonkey(Focus focus, std::uint64_t seed, int actions)
    : focus(focus), seed(seed), budget(actions), random(seed), answerer(seed ^ 0x5eed)
{
    QApplication::instance()->installEventFilter(this);
    previousHandler = qInstallMessageHandler(quietPlatformNotes);
}

ProgramMonkey::~ProgramMonkey()
{
    qInstallMessageHandler(previousHandler);
    QApplication::instance()->removeEventFilter(this);
    form.reset();
    Clock::setSystem();
}

bool ProgramMonkey::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QApplication::instance() && event->type() == QEvent::Quit)
        programEnded = true;
    return false;
}

int ProgramMonkey::draw(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool ProgramMonkey::chance(double probability)
{
    return std::bernoulli_distribution(probability)(random);
}

void ProgramMonkey::note(const QString &what)
{
    trace.addData(what.toUtf8());
    recent << QStringLiteral("%1: %2").arg(done + 1).arg(what);
    if (recent.size() > RecentActionsShown)
        recent.removeFirst();
}

void ProgramMonkey::fail(const QString &what)
{
    if (failure.isEmpty())
        failure = QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                      .arg(seed)
                      .arg(done)
                      .arg(what, recent.join(QStringLiteral("\n  ")));
}

QString ProgramMonkey::run()
{
    millisecondOfDay = draw(0, DayInMilliseconds - 1);
    while (done < budget && failure.isEmpty()) {
        startProgram();
        QTimer::singleShot(0, this, &ProgramMonkey::play);
        QApplication::exec();
        endProgram();
    }
    return failure;
}

void ProgramMonkey::startProgram()
{
    ++programs;
    programEnded = false;
    // A year the number field can show; the clock's time of day seeds every draw.
    today = QDate(draw(1000, 3999), draw(1, 12), draw(1, 28));
    Clock::setFixed(QDateTime(today, QTime::fromMSecsSinceStartOfDay(millisecondOfDay)));
    form = std::make_unique<Form1>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        fail(QStringLiteral("the main window did not appear"));
    checks.startSession();
    praisedBefore = answerer.boxesSaying(Praise);
    note(QStringLiteral("program started in %1").arg(today.year()));
    checkRules();
}

void ProgramMonkey::checkRules()
{
    const int praised = answerer.boxesSaying(Praise) - praisedBefore;
    if (const QString broken = checks.check(*form, praised); !broken.isEmpty())
        fail(broken);
    if (!answerer.fault().isEmpty())
        fail(answerer.fault());
}

void ProgramMonkey::endProgram()
{
    if (programEnded) {
        for (const QWidget *window :
             {static_cast<QWidget *>(form.get()), memoWindow(), pairWindow()}) {
            if (window && window->isVisible())
                fail(window->objectName() + QStringLiteral(" still shown after the program ended"));
        }
    }
    form.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProgramMonkey::play()
{
    while (done < budget && failure.isEmpty()) {
        advanceClock();
        step();
        ++done;
        // Between two inputs the event loop runs, as it does between a learner's clicks, and
        // the learner waits for a window that has just come up to be given the focus.
        QApplication::processEvents();
        if (programEnded)
            return; // the event loop ends by itself
        QWidget *window = shownWindow();
        if (realWindowSystem() && window && QApplication::activeWindow() != window)
            (void)QTest::qWaitForWindowActive(window, 1000);
        if (!failure.isEmpty())
            break;
        checkRules();
    }
    QCoreApplication::exit(0);
}

void ProgramMonkey::advanceClock()
{
    millisecondOfDay = (millisecondOfDay + draw(1, 90000)) % DayInMilliseconds;
    Clock::setFixed(QDateTime(today, QTime::fromMSecsSinceStartOfDay(millisecondOfDay)));
}

QWidget *ProgramMonkey::memoWindow() const
{
    return ProgramChecks::gameWindow("memo");
}

QWidget *ProgramMonkey::pairWindow() const
{
    return ProgramChecks::gameWindow("Form2");
}

QWidget *ProgramMonkey::shownWindow() const
{
    for (QWidget *window : {static_cast<QWidget *>(form.get()), memoWindow(), pairWindow()}) {
        if (window && window->isVisible())
            return window;
    }
    return nullptr;
}

bool ProgramMonkey::editorOpen() const
{
    return isAtLeftTwips(named(form.get(), QStringLiteral("Bild7")), 120);
}

QWidget *ProgramMonkey::named(const QWidget *window, const QString &name) const
{
    return window->findChild<QWidget *>(name);
}

QLabel *ProgramMonkey::label(const QWidget *window, int number) const
{
    return window->findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(number));
}

void ProgramMonkey::step()
{
    QWidget *window = shownWindow();
    if (!window) {
        fail(QStringLiteral("no window is shown"));
        return;
    }
    std::vector<Choice> choices;
    if (window == form.get()) {
        const char *opener = focus == Focus::Memory  ? "Befehl24"
                             : focus == Focus::Pairs ? "Befehl25"
                                                     : nullptr;
        if (opener && chance(0.85))
            choices.push_back({1, "go to the game", [this, opener] { goToGame(opener); }});
        else
            mainWindowActions(choices);
    } else {
        const bool focused = (window == memoWindow() && focus == Focus::Memory) ||
                             (window == pairWindow() && focus == Focus::Pairs);
        if (!focused && chance(0.6))
            choices.push_back({1, "leave the game", [this, window] { leaveGame(window); }});
        else if (window == memoWindow())
            memoryActions(choices);
        else
            pairActions(choices);
    }
    choose(choices);
}

void ProgramMonkey::choose(const std::vector<Choice> &choices)
{
    double total = 0;
    for (const Choice &choice : choices)
        total += choice.weight;
    double pick = std::uniform_real_distribution<double>(0, total)(random);
    for (const Choice &choice : choices) {
        pick -= choice.weight;
        if (pick <= 0 || &choice == &choices.back()) {
            ++actionCounts[QString::fromLatin1(choice.name)];
            choice.act();
            return;
        }
    }
}

bool ProgramMonkey::reachable(const QWidget *control) const
{
    if (!control || !control->isVisible() || !control->isEnabled())
        return false;
    const QWidget *window = control->window();
    const QPoint centre = control->mapTo(window, control->rect().center());
    if (!window->rect().contains(centre))
        return false;
    const QWidget *hit = window->childAt(centre);
    return hit == control || control->isAncestorOf(hit);
}

void ProgramMonkey::click(QWidget *control, QPoint at)
{
    if (at.x() < 0)
        at = control->rect().center();
    clickPoint(control->window(), control->mapTo(control->window(), at));
}

void ProgramMonkey::clickPoint(QWidget *window, QPoint at)
{
    QWidget *hit = window->childAt(at);
    if (!hit)
        hit = window;
    if (qobject_cast<DragSourceLabel *>(hit) && realWindowSystem())
        return;
    note(QStringLiteral("click %1 in %2").arg(hit->objectName(), window->objectName()));
    anticipate(hit);
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(window, at));
}

// The editor's buttons change the lists; the model of the lists follows what they should do.
void ProgramMonkey::anticipate(const QWidget *clicked)
{
    if (!form || clicked->window() != form.get() || !clicked->isEnabled())
        return;
    const QString name = clicked->objectName();
    if (name == QLatin1String("Befehl29")) {
        RandomSource source;
        source.seed(Clock::secondsSinceMidnight());
        const int drawn = static_cast<int>(source.fraction() * 4000);
        checks.expectAddition(QString::fromStdString(PadNumber(std::to_string(drawn))));
    } else if (name == QLatin1String("Befehl30")) {
        const auto *numbers = form->findChild<QListWidget *>(QStringLiteral("Liste5"));
        const QList<QListWidgetItem *> selected = numbers->selectedItems();
        if (!selected.isEmpty())
            checks.expectRemoval(numbers->row(selected.first()));
    } else if (name == QLatin1String("Befehl33")) {
        checks.expectAllRemoved();
    }
}

void ProgramMonkey::makeActive(QWidget *window)
{
    if (QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, 1000))
        fail(window->objectName() + QStringLiteral(" does not become the active window"));
}

// ---------------------------------------------------------------------------------------
// The main window

void ProgramMonkey::mainWindowActions(std::vector<Choice> &choices)
{
    QList<QPushButton *> buttons;
    for (QPushButton *button : form->findChildren<QPushButton *>()) {
        const QString name = button->objectName();
        const bool leaves = name == QLatin1String("Befehl1") || name == QLatin1String("Befehl24") ||
                            name == QLatin1String("Befehl25");
        if (!leaves && reachable(button))
            buttons << button;
    }
    if (!buttons.isEmpty()) {
        choices.push_back({40, "click a button", [this, buttons] {
                               click(buttons.at(draw(0, static_cast<int>(buttons.size()) - 1)));
                           }});
    }
    const bool exercise = isAtLeftTwips(named(form.get(), QStringLiteral("Bild4")), 2160) ||
                          isAtLeftTwips(named(form.get(), QStringLiteral("Bild2")), 2160);
    if (exercise && !editorOpen())
        choices.push_back({30, "press the right key", [this] { pressAnswerKey(); }});
    if (editorOpen()) {
        choices.push_back({20, "type into Text3", [this] { typeIntoEntry(); }});
        choices.push_back({3, "paste into Text3", [this] { pasteIntoEntry(); }});
        choices.push_back({8, "click a list line", [this] { clickListLine(); }});
    } else {
        choices.push_back({2, "Enter with the editor closed", [this] {
                               makeActive(form.get());
                               QWidget *target = QApplication::focusWidget();
                               if (!target || target->window() != form.get())
                                   target = form.get();
                               note(QStringLiteral("Enter on %1").arg(target->objectName()));
                               QTest::keyClick(target, Qt::Key_Return);
                           }});
    }
    if (reachable(form->findChild<QScrollBar *>(QStringLiteral("HBildlauf1"))))
        choices.push_back({10, "move a slider", [this] { moveSlider(); }});
    choices.push_back({4, "use the keyboard", [this] { useKeyboard(form.get()); }});
    choices.push_back({3, "turn the wheel", [this] { turnWheel(form.get()); }});
    choices.push_back({3, "click anywhere", [this] {
                           clickPoint(form.get(), QPoint(draw(0, form->width() - 1),
                                                         draw(0, form->height() - 1)));
                       }});
    for (const char *opener : {"Befehl24", "Befehl25"}) {
        if (reachable(named(form.get(), QString::fromLatin1(opener))))
            choices.push_back({1.5, "open a game", [this, opener] { goToGame(opener); }});
    }
    if (reachable(form->Befehl1))
        choices.push_back({0.6, "Beenden", [this] { click(form->Befehl1); }});
    choices.push_back({0.2, "close the main window", [this] {
                           note(QStringLiteral("close the main window"));
                           form->close();
                       }});
}

void ProgramMonkey::goToGame(const char *opener)
{
    QWidget *button = named(form.get(), QString::fromLatin1(opener));
    if (reachable(button))
        click(button);
    else if (editorOpen())
        click(named(form.get(), QStringLiteral("Befehl27"))); // "Abbrechen" first
    else
        click(button); // whatever covers it takes the click
}

// Presses the key that continues the right answer, or "löschen" when the answer is off
// track, so right answers come often enough to be tested.
void ProgramMonkey::pressAnswerKey()
{
    const bool reading = isAtLeftTwips(named(form.get(), QStringLiteral("Bild4")), 2160);
    QWidget *panel = named(form.get(), reading ? QStringLiteral("Bild4") : QStringLiteral("Bild2"));
    const QString solution = panel
                                 ->findChild<QLabel *>(reading ? QStringLiteral("Bezeichnung10")
                                                               : QStringLiteral("Bezeichnung7"))
                                 ->text();
    const QString answer =
        panel->findChild<QLineEdit *>(reading ? QStringLiteral("Text2") : QStringLiteral("Text1"))
            ->text();
    QPushButton *key = nullptr;
    if (solution.startsWith(answer) && answer.size() < solution.size()) {
        for (QPushButton *button : panel->findChildren<QPushButton *>()) {
            if (button->text() == solution.at(answer.size()))
                key = button;
        }
    } else {
        key = panel->findChild<QPushButton *>(reading ? QStringLiteral("Befehl13")
                                                      : QStringLiteral("Befehl12"));
    }
    if (key)
        click(key);
}

void ProgramMonkey::typeIntoEntry()
{
    auto *entry = form->findChild<QLineEdit *>(QStringLiteral("Text3"));
    makeActive(form.get());
    if (QApplication::focusWidget() != entry)
        click(entry);
    const int kind = draw(1, 100);
    if (kind <= 55) {
        const char digit = static_cast<char>('0' + draw(0, 9));
        note(QStringLiteral("type %1").arg(QLatin1Char(digit)));
        QTest::keyClick(entry, digit);
    } else if (kind <= 65) {
        const char other = "aZ-+ .,x"[draw(0, 7)];
        note(QStringLiteral("type '%1'").arg(QLatin1Char(other)));
        QTest::keyClick(entry, other);
    } else if (kind <= 78) {
        note(QStringLiteral("Enter with \"%1\" in Text3").arg(entry->text()));
        if (!entry->text().isEmpty())
            checks.expectAddition(QString::fromStdString(PadNumber(entry->text().toStdString())));
        QTest::keyClick(entry, chance(0.8) ? Qt::Key_Return : Qt::Key_Enter);
    } else {
        // Deleting, moving the caret, selecting, and the edit commands of the box.
        static constexpr std::pair<Qt::Key, Qt::KeyboardModifiers::Int> keys[] = {
            {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::NoModifier},
            {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
            {Qt::Key_Left, Qt::ShiftModifier},   {Qt::Key_Home, Qt::ShiftModifier},
            {Qt::Key_A, Qt::ControlModifier},    {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Y, Qt::ControlModifier}};
        const auto [key, modifiers] = keys[draw(0, 11)];
        note(QStringLiteral("key %1").arg(QKeySequence(int(key) | modifiers).toString()));
        QTest::keyClick(entry, key, Qt::KeyboardModifiers(modifiers));
    }
}

void ProgramMonkey::pasteIntoEntry()
{
    auto *entry = form->findChild<QLineEdit *>(QStringLiteral("Text3"));
    makeActive(form.get());
    if (QApplication::focusWidget() != entry)
        click(entry);
    // Mostly a few characters of its own; sometimes whatever "Kopieren" left there, a
    // whole worksheet.
    if (chance(0.7)) {
        QString text;
        const int length = draw(1, 9);
        for (int i = 0; i < length; ++i)
            text += QLatin1Char("01234567899999a- "[draw(0, 16)]);
        QGuiApplication::clipboard()->setText(text);
    }
    note(QStringLiteral("paste \"%1\"").arg(QGuiApplication::clipboard()->text().left(40)));
    QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
}

void ProgramMonkey::clickListLine()
{
    const QString name = QStringLiteral("Liste%1").arg(draw(5, 7));
    auto *list = form->findChild<QListWidget *>(name);
    if (list->count() == 0) {
        click(list->viewport(), QPoint(draw(0, list->viewport()->width() - 1), 5));
        return;
    }
    QListWidgetItem *item = list->item(draw(0, list->count() - 1));
    list->scrollToItem(item); // the learner scrolls to the line first
    click(list->viewport(), list->visualItemRect(item).center());
}

// Keys that walk the focus and press what has it, on whatever has the focus.
void ProgramMonkey::useKeyboard(QWidget *window)
{
    makeActive(window);
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != window)
        target = window;
    static constexpr Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space,
                                       Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Escape};
    const Qt::Key key = keys[draw(0, 5)];
    note(QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), target->objectName()));
    if (key == Qt::Key_Space && qobject_cast<QAbstractButton *>(target))
        anticipate(target);
    QTest::keyClick(target, key);
    // Tab takes the learner only to controls that can be seen and used.
    QWidget *focus = QApplication::focusWidget();
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && focus && focus->window() == window &&
        focus != window && !reachable(focus))
        fail(QStringLiteral("Tab brings the focus to %1, which cannot be seen")
                 .arg(focus->objectName()));
}

void ProgramMonkey::turnWheel(QWidget *window)
{
    const QPoint at(draw(0, window->width() - 1), draw(0, window->height() - 1));
    QWidget *hit = window->childAt(at);
    if (!hit)
        hit = window;
    const QPointF local = hit->mapFrom(window, at);
    const QPoint angle(0, chance(0.5) ? 120 : -120);
    note(QStringLiteral("wheel %1 on %2").arg(angle.y()).arg(hit->objectName()));
    QWheelEvent wheel(local, hit->mapToGlobal(local), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(hit, &wheel);
}

void ProgramMonkey::moveSlider()
{
    auto *slider = form->findChild<QScrollBar *>(QStringLiteral("HBildlauf%1").arg(draw(1, 4)));
    switch (draw(1, 4)) {
    case 1: {
        const int value = draw(slider->minimum(), slider->maximum());
        note(QStringLiteral("set %1 to %2").arg(slider->objectName()).arg(value));
        slider->setValue(value);
        break;
    }
    case 2: {
        static constexpr QAbstractSlider::SliderAction actions[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        const int action = draw(0, 5);
        note(QStringLiteral("step %1 by action %2").arg(slider->objectName()).arg(action));
        slider->triggerAction(actions[action]);
        break;
    }
    case 3: {
        // The thumb dragged through a few places before it is let go.
        note(QStringLiteral("drag the thumb of %1").arg(slider->objectName()));
        slider->setSliderDown(true);
        for (int moves = draw(1, 4); moves > 0; --moves)
            slider->setSliderPosition(draw(slider->minimum(), slider->maximum()));
        slider->setSliderDown(false);
        break;
    }
    default:
        click(slider, QPoint(draw(0, slider->width() - 1), slider->height() / 2));
        break;
    }
}

// ---------------------------------------------------------------------------------------
// The games

void ProgramMonkey::leaveGame(QWidget *game)
{
    if (chance(0.8)) {
        click(named(game, QStringLiteral("Befehl1")));
    } else {
        note(QStringLiteral("close %1 through its frame").arg(game->objectName()));
        game->close();
    }
}

void ProgramMonkey::memoryActions(std::vector<Choice> &choices)
{
    QWidget *memo = memoWindow();
    choices.push_back({70, "click a card", [this] { clickCard(false); }});
    choices.push_back({3, "double-click a card", [this] { clickCard(true); }});
    choices.push_back({1.5, "choose a level", [this, memo] {
                           click(named(memo, QStringLiteral("Befehl%1").arg(draw(2, 4))));
                       }});
    choices.push_back(
        {2, "click anywhere", [this, memo] {
             clickPoint(memo, QPoint(draw(0, memo->width() - 1), draw(0, memo->height() - 1)));
         }});
    choices.push_back(
        {2, "press a card and slide off", [this, memo] {
             QLabel *card = label(memo, draw(1, 18));
             note(QStringLiteral("press %1, release beside it").arg(card->objectName()));
             QTest::mousePress(card, Qt::LeftButton);
             QTest::mouseRelease(card, Qt::LeftButton, Qt::NoModifier,
                                 QPoint(card->width() + 3, card->height() / 2));
         }});
    choices.push_back({2, "use the keyboard", [this, memo] { useKeyboard(memo); }});
    choices.push_back({1, "leave the game", [this, memo] { leaveGame(memo); }});
}

// Often the partner of the card that is up, so that pairs are found and games end.
void ProgramMonkey::clickCard(bool doubleClick)
{
    QWidget *memo = memoWindow();
    int card = draw(1, 18);
    const QString pairs = label(memo, 21)->text();
    const int first = number(label(memo, 23));
    if (first >= 1 && first <= 18 && number(label(memo, 24)) == 0 && pairs.size() == 18 &&
        chance(0.75)) {
        for (int other = 1; other <= 18; ++other) {
            if (other != first && pairs.at(other - 1) == pairs.at(first - 1))
                card = other;
        }
    }
    QLabel *target = label(memo, card);
    if (!doubleClick) {
        click(target);
        return;
    }
    // Press, release, press again as a double click, release: one click of the card.
    click(target);
    note(QStringLiteral("second click of a double click on %1").arg(target->objectName()));
    QTest::mouseDClick(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
}

void ProgramMonkey::pairActions(std::vector<Choice> &choices)
{
    QWidget *form2 = pairWindow();
    choices.push_back({30, "drop a numeral on its number", [this] { dropNumeral(true); }});
    choices.push_back({30, "drop a numeral anywhere", [this] { dropNumeral(false); }});
    choices.push_back({4, "drop something else", [this] { dropForeign(); }});
    if (!realWindowSystem())
        choices.push_back(
            {5, "press a numeral", [this, form2] { click(label(form2, draw(10, 18))); }});
    choices.push_back(
        {3, "click anywhere", [this, form2] {
             clickPoint(form2, QPoint(draw(0, form2->width() - 1), draw(0, form2->height() - 1)));
         }});
    choices.push_back(
        {3, "N  e  u", [this, form2] { click(named(form2, QStringLiteral("Befehl2"))); }});
    choices.push_back(
        {2, "H i l f e", [this, form2] { click(named(form2, QStringLiteral("Befehl3"))); }});
    choices.push_back({2, "use the keyboard", [this, form2] { useKeyboard(form2); }});
    choices.push_back({2.4, "leave the game", [this, form2] { leaveGame(form2); }});
}

// Drops a lower label on an upper one and checks that exactly the right drops count: the
// numeral moves under its number and the count rises, or the ninth one ends the round.
void ProgramMonkey::dropNumeral(bool correct)
{
    QWidget *form2 = pairWindow();
    const auto *answerKey = form2->findChild<QListWidget *>(QStringLiteral("Liste2"));
    int source = draw(10, 18);
    int target = draw(1, 9);
    if (correct) {
        QList<int> full;
        for (int k = 10; k <= 18; ++k)
            if (!caption(label(form2, k)).isEmpty())
                full << k;
        if (full.isEmpty())
            return;
        source = full.at(draw(0, static_cast<int>(full.size()) - 1));
        QList<int> places;
        for (int k = 1; k <= 9; ++k)
            if (answerKey->item(k - 1)->text() == caption(label(form2, source)))
                places << k;
        if (places.isEmpty()) {
            fail(QStringLiteral("%1 has no number").arg(caption(label(form2, source))));
            return;
        }
        target = places.at(draw(0, static_cast<int>(places.size()) - 1));
    }
    QLabel *dragged = label(form2, source);
    QLabel *onto = label(form2, target);
    const QString numeral = caption(dragged);
    const bool right = !numeral.isEmpty() && answerKey->item(target - 1)->text() == numeral;
    const QStringList before = pairBoard(form2);
    const int boxesBefore = answerer.boxesAnswered();
    note(QStringLiteral("drop %1 \"%2\" on %3 \"%4\"")
             .arg(dragged->objectName(), numeral, onto->objectName(), caption(onto)));
    if (!dragOnto(onto, DragSourceLabel::mimeType(), dragged->objectName().toUtf8())) {
        fail(onto->objectName() + QStringLiteral(" refuses a numeral"));
        return;
    }

    const QStringList after = pairBoard(form2);
    if (!right) {
        if (after != before)
            fail(QStringLiteral("a wrong drop changed the board"));
        return;
    }
    if (before.at(18) == QLatin1String("8")) {
        if (answerer.boxesAnswered() != boxesBefore + 1 || after.at(18) != QLatin1String("0"))
            fail(QStringLiteral("the ninth right drop did not end the round"));
        return;
    }
    QStringList expected = before;
    expected[target - 1] += QLatin1Char('\r') + numeral;
    expected[source - 1].clear();
    expected[18] = QString::number(before.at(18).toInt() + 1);
    if (after != expected)
        fail(QStringLiteral("a right drop left the board as [%1]")
                 .arg(after.join(QLatin1Char('|'))));
}

// What is not a numeral of this game: nothing on the board may change.
void ProgramMonkey::dropForeign()
{
    QWidget *form2 = pairWindow();
    const QStringList before = pairBoard(form2);
    QLabel *onto = label(form2, draw(1, 9));
    const int kind = draw(1, 4);
    if (kind == 1) {
        note(QStringLiteral("drop plain text on %1").arg(onto->objectName()));
        if (dragOnto(onto, QStringLiteral("text/plain"), QByteArrayLiteral("XLII")))
            fail(onto->objectName() + QStringLiteral(" takes a drop of plain text"));
    } else if (kind == 2) {
        // A number label, a button, nothing: none of them is a numeral of the lower box.
        static const char *const sources[] = {"Bezeichnung1", "Bezeichnung5", "Befehl2", "",
                                              "Bezeichnung99"};
        const char *name = sources[draw(0, 4)];
        note(QStringLiteral("drop \"%1\" on %2").arg(QLatin1String(name), onto->objectName()));
        dragOnto(onto, DragSourceLabel::mimeType(), QByteArray(name));
    } else {
        // Over a place that takes no drop: a numeral, a button, the field.
        static const char *const places[] = {"Bezeichnung14", "Befehl2", "Figur1", "Figur2"};
        QWidget *place = named(form2, QString::fromLatin1(places[draw(0, 3)]));
        note(QStringLiteral("drop Bezeichnung10 over %1").arg(place->objectName()));
        if (dragOnto(place, DragSourceLabel::mimeType(), QByteArrayLiteral("Bezeichnung10")))
            fail(place->objectName() + QStringLiteral(" takes a drop"));
    }
    if (pairBoard(form2) != before)
        fail(QStringLiteral("a drop of something else changed the board"));
}

QByteArray ProgramMonkey::fingerprint() const
{
    return trace.result().toHex();
}

QString ProgramMonkey::summary() const
{
    QStringList lines;
    lines << QStringLiteral("seed %1: %2 actions, %3 program starts, %4 message boxes")
                 .arg(seed)
                 .arg(done)
                 .arg(programs)
                 .arg(answerer.boxesAnswered());
    for (auto it = actionCounts.cbegin(); it != actionCounts.cend(); ++it)
        lines << QStringLiteral("  %1 x %2").arg(it.value(), 5).arg(it.key());
    QStringList boxes;
    for (auto it = answerer.answersByText().cbegin(); it != answerer.answersByText().cend(); ++it)
        boxes << QStringLiteral("  %1 x box %2").arg(it.value(), 5).arg(it.key());
    boxes.sort();
    return (lines + boxes).join(QLatin1Char('\n'));
}

#include "shell/form1.h"

#include "exercises/number_field.h"
#include "exercises/number_table_panel.h"
#include "exercises/reading_panel.h"
#include "exercises/writing_panel.h"
#include "games/memory/memo.h"
#include "games/pairs/form2.h"
#include "numerals/numerals.h"
#include "platform/after_handler.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "widgets/outline.h"
#include "widgets/picture_box.h"
#include "widgets/shown_children.h"
#include "widgets/spoken_name.h"
#include "worksheets/editor_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMoveEvent>
#include <QPushButton>
#include <algorithm>
#include <utility>

namespace
{

const QColor windowColour(128, 255, 255);

QPushButton *columnButton(QWidget *window, const char *name, const QString &text, int top)
{
    auto *button = new QPushButton(text, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twipsRect(240, top, 1455, 495));
    button->setFont(sansFont(9.75));
    speakPlainWords(button);
    return button;
}

QLabel *label(QWidget *window, const char *name, const QString &text, QRect geometry)
{
    auto *result = new QLabel(text, window);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(geometry);
    setBackground(result, windowColour);
    return result;
}

} // namespace

Form1::Form1()
{
    // Before the first window is shown: a Wayland dock finds the program's icon and name
    // through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZAHLZEICHEN_APP_ID));
    setObjectName(QStringLiteral("Form1"));
    exposeShownChildrenOnly(this);
    setUpFixedWindow(this, twipsRect(0, 0, 10230, 6525).size(),
                     QStringLiteral("Römische Zahlzeichen"));
    setBackground(this, windowColour);
    setFont(sansFont(8.25));
    createControls();
    createPanels();
    // The window sees every key before the control that has the focus, and every move of a
    // panel.
    QApplication::instance()->installEventFilter(this);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    Befehl1 = columnButton(this, "Befehl1", QStringLiteral("Beenden"), 240);
    Befehl2 = columnButton(this, "Befehl2", QStringLiteral("L e s e n"), 720);
    Befehl3 = columnButton(this, "Befehl3", QStringLiteral("Schreiben"), 1200);
    Befehl4 = columnButton(this, "Befehl4", QStringLiteral("T a b e l l e"), 1680);
    Befehl24 = columnButton(this, "Befehl24", QStringLiteral("Memospiel"), 2160);
    Befehl25 = columnButton(this, "Befehl25", QStringLiteral("Paarspiel"), 2640);
    Befehl26 = columnButton(this, "Befehl26", QStringLiteral("E d i t o r"), 3120);
    connect(Befehl1, &QPushButton::clicked, this, &Form1::Befehl1_Click);

    Figur3 = outlineShape(this, "Figur3", twipsRect(240, 3840, 1455, 2295));
    Bild6 = new PictureBox(QStringLiteral("column"), windowColour, this);
    Bild6->setObjectName(QStringLiteral("Bild6"));
    Bild6->setGeometry(twipsRect(360, 3960, 1215, 1215));
    Bild6->setAccessibleName(QStringLiteral("Bild einer römischen Säule"));

    Bezeichnung13 = label(this, "Bezeichnung13", QStringLiteral("richtig  falsch"),
                          twipsRect(240, 5400, 1455, 255));
    Bezeichnung13->setAlignment(Qt::AlignCenter);
    Bezeichnung13->setFont(sansFont(9.75));
    Bezeichnung12 =
        label(this, "Bezeichnung12", QStringLiteral("0"), twipsRect(240, 5760, 615, 255));
    Bezeichnung12->setAlignment(Qt::AlignCenter);
    Bezeichnung14 =
        label(this, "Bezeichnung14", QStringLiteral("0"), twipsRect(1080, 5760, 615, 255));
    Bezeichnung14->setAlignment(Qt::AlignCenter);
    // A bare "3" says nothing to the ear; the score says what it counts.
    setSpokenName(Bezeichnung12,
                  [this] { return QStringLiteral("Richtig: ") + Bezeichnung12->text(); });
    setSpokenName(Bezeichnung14,
                  [this] { return QStringLiteral("Falsch: ") + Bezeichnung14->text(); });

    numberField = new NumberField(this);

    Figur4 = outlineShape(this, "Figur4", twipsRect(2160, 2760, 7815, 3375));
    Bezeichnung15 = label(this, "Bezeichnung15", QString(), twipsRect(2280, 2880, 7575, 3135));
    Bezeichnung15->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Bezeichnung15->setWordWrap(true);
    Bezeichnung15->setFont(sansFont(9.75));
    setForeground(Bezeichnung15, QColor(0, 0, 128));

    Bezeichnung11 = label(this, "Bezeichnung11", QString(), twipsRect(2160, 6150, 7815, 255));
    Bezeichnung11->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The numeral tables, shown nowhere: they lie below the client area and stay hidden.
    for (std::size_t i = 0; i < numeralLists.size(); ++i) {
        auto *list = new QListWidget(this);
        list->setObjectName(QStringLiteral("Liste") + QString::number(i + 1));
        list->setGeometry(twipsRect(120 + 1200 * static_cast<int>(i), 7200, 1095, 3030));
        list->setFont(sansFont(12));
        setBackground(list, QColor(192, 255, 255));
        list->setVisible(false);
        numeralLists[i] = list;
    }
}

void Form1::createPanels()
{
    // Created last, so they lie in front of every control of the window; the editor in
    // front of the other three.
    Bild3 = new NumberTablePanel(this);
    Bild4 = new ReadingPanel(Bezeichnung12, Bezeichnung14, this);
    Bild2 = new WritingPanel(Bezeichnung12, Bezeichnung14, this);
    Bild7 = new EditorPanel(this);
    keepHiddenControlsOutOfReach();

    connect(Befehl2, &QPushButton::clicked, this, &Form1::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &Form1::Befehl3_Click);
    connect(Befehl4, &QPushButton::clicked, this, &Form1::Befehl4_Click);
    connect(Befehl24, &QPushButton::clicked, this, &Form1::Befehl24_Click);
    connect(Befehl25, &QPushButton::clicked, this, &Form1::Befehl25_Click);
    connect(Befehl26, &QPushButton::clicked, this, &Form1::Befehl26_Click);
}

void Form1::Form_Load()
{
    Bezeichnung11->setText(QStringLiteral("Römische Zahlzeichen, Version %1")
                               .arg(QStringLiteral(ZAHLZEICHEN_VERSION)));
    BuildNumeralTables();
    centreOnScreen(this);
    numberField->setDigitsOf(Clock::currentYear());
}

void Form1::BuildNumeralTables()
{
    const auto fill = [](QListWidget *list, const auto &table) {
        list->clear();
        for (std::string_view part : table)
            list->addItem(QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size())));
    };
    fill(numeralLists[0], Thousands);
    fill(numeralLists[1], Hundreds);
    fill(numeralLists[2], Tens);
    fill(numeralLists[3], Ones);
    setCaption(Bezeichnung15, QString::fromStdString(IntroductionText()));
}

void Form1::Befehl1_Click()
{
    if (confirmationBox(this, QStringLiteral("Das Programm jetzt beenden?"),
                        QStringLiteral("Römische Zahlzeichen")) != QMessageBox::No)
        QApplication::quit();
}

void Form1::Befehl2_Click()
{
    setLeftTwips(Bild4, 2160);
    setLeftTwips(Bild2, 10800);
    Bild4->NewReadingTask();
}

void Form1::Befehl3_Click()
{
    setLeftTwips(Bild4, 10800);
    setLeftTwips(Bild2, 2160);
    Bild2->NewWritingTask();
}

void Form1::Befehl4_Click()
{
    if (isAtLeftTwips(Bild3, 2160)) {
        setLeftTwips(Bild3, 10800);
        Befehl4->setText(QStringLiteral("T a b e l l e"));
    } else {
        Befehl4->setText(QStringLiteral("Zahlenfeld"));
        setLeftTwips(Bild3, 2160);
        Bild3->PrintNumberTable();
    }
}

template <typename Game> void Form1::openGame(std::unique_ptr<Game> &game)
{
    hide();
    if (!game)
        game = std::make_unique<Game>(this);
    // Activation is run here, where the main window shows the game, and nowhere else: a
    // game's own message box closing or a return from another program must not reset it.
    game->Form_Activate();
    showAndActivate(game.get());
}

void Form1::Befehl24_Click()
{
    openGame(memoWindow);
}

void Form1::Befehl25_Click()
{
    openGame(pairWindow);
}

void Form1::Befehl26_Click()
{
    focusBeforeEditor = focusWidget();
    setLeftTwips(Bild7, 120);
}

void Form1::Form_KeyDown(int keyCode, Qt::KeyboardModifiers)
{
    const bool enter = keyCode == Qt::Key_Return || keyCode == Qt::Key_Enter;
    if (enter && isAtLeftTwips(Bild7, 120))
        Bild7->AddEditorNumber();
}

QList<QWidget *> Form1::panels() const
{
    return {Bild3, Bild4, Bild2, Bild7};
}

// Out of sight is out of reach: a panel outside the client area, and every control that a
// panel in sight lies in front of (the number field under the table, the whole window under
// the editor), is disabled and hidden, so that neither Tab, a click nor a screen reader finds
// it; the eye sees no difference. The numeral lists below the client area stay hidden by the
// same rule. Panels are shown and put away only by moving them; this runs once the handler
// that moved them has returned, so that it sees where all of them ended up.
void Form1::keepHiddenControlsOutOfReach()
{
    const QObjectList &backToFront = children();
    const QList<QWidget *> movingPanels = panels();
    QList<QWidget *> inReach;
    QList<QWidget *> outOfReach;
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow()) // a message box of the window
            continue;
        bool reachable = rect().intersects(control->geometry());
        for (QWidget *panel : movingPanels) {
            const bool inFront = backToFront.indexOf(panel) > backToFront.indexOf(control);
            if (inFront && rect().intersects(panel->geometry()) &&
                panel->geometry().intersects(control->geometry()))
                reachable = false;
        }
        (reachable ? inReach : outOfReach).append(control);
    }
    QWidget *cameIntoReach = nullptr;
    for (QWidget *control : inReach) {
        if (!control->isVisible() && movingPanels.contains(control))
            cameIntoReach = control;
        control->setEnabled(true);
        control->setVisible(true);
    }
    handFocusOn(outOfReach, cameIntoReach);
    // Hidden before disabled: a hidden control hands the focus on, but a key disabled with
    // its panel drops it and leaves the window without one.
    for (QWidget *control : outOfReach) {
        control->setVisible(false);
        control->setEnabled(false);
    }
    // Closing the editor takes the focus with it; it goes back to where it was before, and
    // that place is forgotten: kept, it would pull the focus back there at every later move.
    if (focusBeforeEditor && !isAtLeftTwips(Bild7, 120)) {
        QWidget *before = std::exchange(focusBeforeEditor, nullptr);
        if (before && before->isVisible())
            before->setFocus(Qt::OtherFocusReason);
    }
}

namespace
{
// The first control after from along the Tab chain where Tab would stop and that fits.
template <typename Fits> QWidget *nextTabStop(QWidget *from, Fits fits)
{
    for (QWidget *next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() &&
            fits(next))
            return next;
    }
    return nullptr;
}
} // namespace

// In one step, before the controls go: left to hiding, the focus would pass through every
// control about to be hidden after it, and a screen reader would announce each of them. It
// goes into the panel that came into reach (a panel that replaces another takes the focus
// that the other hands on), else to the next control in reach along the Tab chain.
void Form1::handFocusOn(const QList<QWidget *> &outOfReach, QWidget *cameIntoReach)
{
    const auto goingAway = [&outOfReach](const QWidget *widget) {
        return std::any_of(outOfReach.begin(), outOfReach.end(), [widget](const QWidget *control) {
            return control == widget || control->isAncestorOf(widget);
        });
    };
    QWidget *focused = focusWidget();
    if (!focused || !goingAway(focused))
        return;
    QWidget *next = cameIntoReach ? entryInto(cameIntoReach) : nullptr;
    if (!next)
        next = nextTabStop(focused, [&](const QWidget *widget) {
            return isAncestorOf(widget) && !goingAway(widget);
        });
    // As by Tab, so that a key shows its focus ring; but a text box given the focus by Tab
    // selects its text and tells a screen reader so before it tells of the focus, which Orca
    // then takes as old news and does not speak.
    if (next)
        next->setFocus(qobject_cast<QLineEdit *>(next) ? Qt::OtherFocusReason : Qt::TabFocusReason);
}

// Where the focus enters a panel: the editor opens ready for typing, a teacher's first digits
// going into "Zahl eingeben"; any other panel at its first key.
QWidget *Form1::entryInto(QWidget *panel)
{
    if (panel == Bild7)
        return Bild7->numberEntry();
    return nextTabStop(panel,
                       [panel](const QWidget *widget) { return panel->isAncestorOf(widget); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move && watched->isWidgetType() &&
        panels().contains(static_cast<QWidget *>(watched))) {
        // A widget being shown hears of its place again, unmoved; only a move changes reach.
        const auto *move = static_cast<QMoveEvent *>(event);
        if (move->pos() != move->oldPos())
            afterHandler(this, [this] { keepHiddenControlsOutOfReach(); });
    } else if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        // A key travels from the focused control up to its parents; look at it once, on
        // its first stop.
        auto *receiver = static_cast<QWidget *>(watched);
        QWidget *focus = QApplication::focusWidget();
        if (receiver->window() == this && (receiver == focus || (!focus && receiver == this))) {
            const auto *key = static_cast<QKeyEvent *>(event);
            Form_KeyDown(key->key(), key->modifiers());
        }
    }
    return false;
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing through the frame ends the whole program, hidden game windows included.
    event->accept();
    QApplication::quit();
}

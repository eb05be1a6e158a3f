#include "games/memory/memo.h"

#include "games/memory/memory_deal.h"
#include "numerals/numerals.h"
#include "platform/announcement.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/fonts.h"
#include "platform/lenient_number.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/spoken_words.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "widgets/grid_focus.h"
#include "widgets/pressable_label.h"
#include "widgets/shown_children.h"
#include "widgets/spoken_name.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

namespace
{

const QColor windowColour(128, 255, 255);
const QColor instructionColour(192, 255, 255);
const QColor instructionTextColour(0, 0, 192);
const QColor designCardColour(0, 0, 192);
const QColor stateLabelColour(255, 255, 0);
const QColor levelLabelColour(255, 0, 0);
const QColor levelLabelTextColour(255, 255, 0);
constexpr int cardBack = 1;
constexpr int cardFound = 15;

int number(const QLabel *label)
{
    return lenientNumber(label->text().toStdString());
}

void setNumber(QLabel *label, int value)
{
    label->setText(QString::number(value));
}

QString faceText(const QString &value)
{
    return value + QStringLiteral("\r\r\r\r") + value;
}

void setSingleLineBorder(QLabel *label)
{
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
}

// What a screen reader says for card n: its value only while the eye sees it too. A face-down
// card has no caption; a found card keeps its caption, white on white, and shows nothing.
QString spokenCard(int n, const QLabel *card)
{
    const QString face = caption(card);
    const CardFace shown = face.isEmpty()                                 ? CardFace::Down
                           : background(card) == paletteColour(cardFound) ? CardFace::Found
                                                                          : CardFace::Up;
    const QString value = face.section(QLatin1Char('\r'), 0, 0);
    return QString::fromStdString(CardPhrase(n, shown, value.toStdString()));
}

void fillNumeralList(QListWidget *list, const std::array<std::string_view, 10> &table)
{
    list->clear();
    for (const std::string_view part : table)
        list->addItem(QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size())));
}

} // namespace

memo::memo(QWidget *mainWindow) : QWidget(nullptr), mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("memo"));
    exposeShownChildrenOnly(this);
    setUpFixedWindow(this, QSize(twips(6870), twips(7005)),
                     QStringLiteral("Tavlo-Memospiel (Einer)"));
    setFont(sansFont(8.25));
    setBackground(this, windowColour);

    createControls();
    // The lists are filled again on every activation; filling them now as well means a deal
    // never meets an empty list, however the window comes to be shown.
    FillNumeralLists();
}

void memo::createControls()
{
    using Handler = void (memo::*)();
    const std::array<std::pair<QPushButton **, Handler>, 4> buttons = {{
        {&Befehl1, &memo::Befehl1_Click},
        {&Befehl2, &memo::Befehl2_Click},
        {&Befehl3, &memo::Befehl3_Click},
        {&Befehl4, &memo::Befehl4_Click},
    }};
    const std::array<std::pair<const char *, QRect>, 4> buttonLayout = {{
        {"Beenden", twipsRect(120, 120, 1095, 495)},
        {"E", twipsRect(5640, 120, 375, 495)},
        {"Z", twipsRect(6000, 120, 375, 495)},
        {"H", twipsRect(6360, 120, 375, 495)},
    }};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QPushButton *button = new QPushButton(QString::fromUtf8(buttonLayout[i].first), this);
        button->setObjectName(QStringLiteral("Befehl%1").arg(i + 1));
        button->setGeometry(buttonLayout[i].second);
        connect(button, &QPushButton::clicked, this, buttons[i].second);
        *buttons[i].first = button;
    }
    // The level buttons' letters spoken as the levels they choose.
    Befehl2->setAccessibleName(QStringLiteral("Einer"));
    Befehl3->setAccessibleName(QStringLiteral("Zehner"));
    Befehl4->setAccessibleName(QStringLiteral("Hunderter"));

    Bezeichnung19 = new QLabel(this);
    Bezeichnung19->setObjectName(QStringLiteral("Bezeichnung19"));
    Bezeichnung19->setGeometry(twipsRect(1200, 120, 4455, 495));
    Bezeichnung19->setTextFormat(Qt::PlainText);
    Bezeichnung19->setText(QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   "
                                          "jedes Einzelfeld an und suche alle Zahlenpaare."));
    Bezeichnung19->setWordWrap(true);
    Bezeichnung19->setAlignment(Qt::AlignCenter);
    setSingleLineBorder(Bezeichnung19);
    setBackground(Bezeichnung19, instructionColour);
    setForeground(Bezeichnung19, instructionTextColour);

    static constexpr std::array<Handler, 18> cardHandlers = {
        &memo::Bezeichnung1_Click,  &memo::Bezeichnung2_Click,  &memo::Bezeichnung3_Click,
        &memo::Bezeichnung4_Click,  &memo::Bezeichnung5_Click,  &memo::Bezeichnung6_Click,
        &memo::Bezeichnung7_Click,  &memo::Bezeichnung8_Click,  &memo::Bezeichnung9_Click,
        &memo::Bezeichnung10_Click, &memo::Bezeichnung11_Click, &memo::Bezeichnung12_Click,
        &memo::Bezeichnung13_Click, &memo::Bezeichnung14_Click, &memo::Bezeichnung15_Click,
        &memo::Bezeichnung16_Click, &memo::Bezeichnung17_Click, &memo::Bezeichnung18_Click};
    const QFont cardFont = sansFont(13.5);
    for (int n = 1; n <= MemoryCardCount; ++n) {
        const int row = (n - 1) / 6;
        const int column = (n - 1) % 6;
        PressableLabel *card = new PressableLabel(this);
        card->setObjectName(QStringLiteral("Bezeichnung%1").arg(n));
        card->setGeometry(twipsRect(240 + 1080 * column, 1080 + 1920 * row, 975, 1815));
        card->setTextFormat(Qt::PlainText);
        card->setAlignment(Qt::AlignCenter);
        card->setFont(cardFont);
        setSingleLineBorder(card);
        setBackground(card, designCardColour);
        setForeground(card, Qt::white);
        connect(card, &PressableLabel::clicked, this,
                cardHandlers.at(static_cast<std::size_t>(n - 1)));
        setSpokenName(card, [n, card] { return spokenCard(n, card); });
        cards.at(static_cast<std::size_t>(n - 1)) = card;
    }
    // The board is one stop of the Tab chain; the arrow keys move through its six columns.
    new GridFocus(QList<QWidget *>(cards.begin(), cards.end()), 6, this);

    Bezeichnung20 =
        createStateLabel("Bezeichnung20", twipsRect(120, 720, 375, 255), QStringLiteral("0"));
    Bezeichnung21 = createStateLabel("Bezeichnung21", twipsRect(480, 720, 1935, 255), QString());
    Bezeichnung22 = createStateLabel("Bezeichnung22", twipsRect(2400, 720, 1935, 255), QString());
    Bezeichnung23 = createStateLabel("Bezeichnung23", twipsRect(4320, 720, 375, 255), QString());
    Bezeichnung24 = createStateLabel("Bezeichnung24", twipsRect(4680, 720, 375, 255), QString());
    Bezeichnung25 = createStateLabel("Bezeichnung25", twipsRect(5040, 720, 375, 255), QString());
    Bezeichnung26 =
        createStateLabel("Bezeichnung26", twipsRect(5640, 720, 1095, 255), QStringLiteral("E"));
    setBackground(Bezeichnung26, levelLabelColour);
    setForeground(Bezeichnung26, levelLabelTextColour);

    Liste1 = createList("Liste1", twipsRect(7080, 120, 1095, 3540));
    Liste2 = createList("Liste2", twipsRect(7080, 3840, 1095, 2175));
    Liste3 = createList("Liste3", twipsRect(8280, 3840, 1095, 2175));
    Liste4 = createList("Liste4", twipsRect(9480, 3840, 1095, 2175));
}

QLabel *memo::createStateLabel(const char *name, QRect geometry, const QString &caption)
{
    QLabel *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    setSingleLineBorder(label);
    setBackground(label, stateLabelColour);
    label->setVisible(false);
    return label;
}

QListWidget *memo::createList(const char *name, QRect geometry)
{
    QListWidget *list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVisible(false);
    return list;
}

void memo::Form_Activate()
{
    centreOnScreen(this);
    FillNumeralLists();
    ResetCards();
}

void memo::Befehl1_Click()
{
    if (confirmationBox(this, QStringLiteral("  Dieses Spiel jetzt beenden?"),
                        QStringLiteral("Tavlo-Memospiel")) == QMessageBox::Yes)
        leaveGame();
}

void memo::Befehl2_Click()
{
    chooseLevel(QStringLiteral("Tavlo-Memospiel (Einer)"), QStringLiteral("E"));
}

void memo::Befehl3_Click()
{
    chooseLevel(QStringLiteral("Tavlo-Memospiel (Zehner)"), QStringLiteral("Z"));
}

void memo::Befehl4_Click()
{
    chooseLevel(QStringLiteral("Tavlo-Memospiel (Hunderter)"), QStringLiteral("H"));
}

// The dealt flag is left alone: before the first card click of a game that click deals
// afresh, during a game this board is the one played.
void memo::chooseLevel(const QString &title, const QString &letter)
{
    setWindowTitle(title);
    Bezeichnung26->setText(letter);
    Bezeichnung23->setText(QStringLiteral("0"));
    Bezeichnung24->setText(QStringLiteral("0"));
    ResetCards();
    DealCards();
}

void memo::cardClick(int card)
{
    setNumber(Bezeichnung25, card);
    PlayCard();
}

void memo::PlayCard()
{
    if (Bezeichnung20->text() == QLatin1String("0")) {
        DealCards();
        Bezeichnung20->setText(QStringLiteral("1"));
        Bezeichnung23->setText(QStringLiteral("0"));
        Bezeichnung24->setText(QStringLiteral("0"));
    }

    int clicked = number(Bezeichnung25);
    if (clicked < 1 || clicked > MemoryCardCount)
        return;
    // A card of a found pair is out of play: whatever is face up stays face up.
    if (Bezeichnung22->text().mid(clicked - 1, 1) == QLatin1String("0"))
        return;
    if (number(Bezeichnung23) > 0 && number(Bezeichnung24) > 0)
        CloseTurn();

    clicked = number(Bezeichnung25);
    const int first = number(Bezeichnung23);
    const QListWidgetItem *value = Liste1->item(clicked - 1);
    PressableLabel *card = cards.at(static_cast<std::size_t>(clicked - 1));
    setCaption(card, faceText(value ? value->text() : QString()));
    announce(card, spokenName(card));
    if (first == 0) {
        setNumber(Bezeichnung23, clicked);
        return;
    }

    setNumber(Bezeichnung24, clicked);
    if (clicked == first) {
        Bezeichnung24->setText(QStringLiteral("0"));
        return;
    }
    const QString pairs = Bezeichnung21->text();
    if (pairs.mid(first - 1, 1) == pairs.mid(clicked - 1, 1)) {
        QString remaining = Bezeichnung22->text();
        remaining.replace(first - 1, 1, QLatin1Char('0'));
        remaining.replace(clicked - 1, 1, QLatin1Char('0'));
        Bezeichnung22->setText(remaining);
        MarkPairFound();
    }
    if (Bezeichnung22->text() == QString(MemoryCardCount, QLatin1Char('0')))
        FinishGame();
}

QList<PressableLabel *> memo::turnCards() const
{
    QList<PressableLabel *> turn;
    for (const int n : {number(Bezeichnung23), number(Bezeichnung24)}) {
        if (n >= 1 && n <= MemoryCardCount)
            turn.append(cards.at(static_cast<std::size_t>(n - 1)));
    }
    return turn;
}

void memo::CloseTurn()
{
    for (PressableLabel *card : turnCards())
        setCaption(card, QString());
    Bezeichnung23->setText(QStringLiteral("0"));
    Bezeichnung24->setText(QStringLiteral("0"));
    announce(this, QString::fromStdString(CardsTurnedBackPhrase()));
}

// The caption stays: a found card's white text on white shows a plain white card.
void memo::MarkPairFound()
{
    for (PressableLabel *card : turnCards())
        setBackground(card, paletteColour(cardFound));
    Bezeichnung23->setText(QStringLiteral("0"));
    Bezeichnung24->setText(QStringLiteral("0"));
    announce(this, QString::fromStdString(PairFoundPhrase()));
}

void memo::FinishGame()
{
    informationBox(this, QStringLiteral("  Das Spiel ist beendet!\r"),
                   QStringLiteral("Tavlo-Memory"));
    leaveGame();
}

// "Beenden" answered Yes, the end of a game and the frame's close button all leave the
// game this one way; the level and the title stay for the next visit.
void memo::leaveGame()
{
    ResetCards();
    Bezeichnung20->setText(QStringLiteral("0"));
    hide();
    if (mainWindow)
        showAndActivate(mainWindow);
}

void memo::closeEvent(QCloseEvent *event)
{
    // Closing the hidden window, as the program does when it ends, must not bring the
    // main window back.
    if (isVisible())
        leaveGame();
    event->accept();
}

QListWidget *memo::numeralList(char level) const
{
    switch (level) {
    case 'H':
        return Liste2;
    case 'Z':
        return Liste3;
    default:
        return Liste4;
    }
}

void memo::DealCards()
{
    reseedFromClock();
    const QString letter = Bezeichnung26->text();
    const char level = letter.isEmpty() ? ' ' : letter.at(0).toLatin1();

    MemoryNumerals numerals;
    const QListWidget *list = numeralList(level);
    for (int d = 0; d < list->count() && d < static_cast<int>(numerals.size()); ++d)
        numerals.at(static_cast<std::size_t>(d)) = list->item(d)->text().toStdString();

    const MemoryBoard board = dealMemoryBoard(level, numerals, programRandom());
    Bezeichnung21->setText(QString::fromStdString(board.pairString));
    Bezeichnung22->setText(QString(MemoryCardCount, QLatin1Char('1')));
    Liste1->clear();
    for (const std::string &value : board.values)
        Liste1->addItem(QString::fromStdString(value));
}

void memo::FillNumeralLists()
{
    fillNumeralList(Liste2, Hundreds);
    fillNumeralList(Liste3, Tens);
    fillNumeralList(Liste4, Ones);
}

void memo::ResetCards()
{
    for (PressableLabel *card : cards)
        setBackground(card, paletteColour(cardBack));
    for (PressableLabel *card : cards)
        setCaption(card, QString());
}

#include "games/pairs/form2.h"

#include "games/pairs/drag_source_label.h"
#include "games/pairs/drop_target_label.h"
#include "games/pairs/numeral_order.h"
#include "games/pairs/pair_round.h"
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
#include "widgets/shown_children.h"
#include "widgets/spoken_name.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

static const QString Title = QStringLiteral("Tavlo-Paarspiel");

// Lefts of the three columns and Tops of the rows of the upper field and the lower box.
static constexpr std::array<int, 3> LabelLefts = {1800, 4560, 7320};
static constexpr std::array<int, 3> NumberTops = {360, 1320, 2280};
static constexpr std::array<int, 3> NumeralTops = {3480, 4440, 5400};
// The game labels' font, and the least a crowded number label may step down to.
static constexpr qreal NumberPointSize = 13.5;
static constexpr qreal SmallestNumberPointSize = 9.75;

static QString spokenLetGo(const QLabel *numeral)
{
    return QString::fromStdString(LetGoPhrase(caption(numeral).toStdString()));
}

// The lines of a game label's caption: the number first, then the numerals it has received.
static std::vector<std::string> captionLines(const QLabel *label)
{
    std::vector<std::string> lines;
    for (const QString &line : caption(label).split(QLatin1Char('\r')))
        lines.push_back(line.toStdString());
    return lines;
}

static QString spokenGameLabel(const PressableLabel *label)
{
    return QString::fromStdString(GameLabelPhrase(captionLines(label), label->isMarked()));
}

Form2::Form2(QWidget *mainWindow) : QWidget(nullptr), mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Form2"));
    exposeShownChildrenOnly(this);
    createControls();
    Form_Load();
}

void Form2::createControls()
{
    setUpFixedWindow(this, twipsRect(0, 0, 10245, 6495).size(), Title);
    setBackground(this, QColor(128, 255, 255));
    setFont(sansFont(8.25));

    Befehl1 = createButton("Befehl1", "Beenden", 240);
    Befehl2 = createButton("Befehl2", "N  e  u", 840);
    Befehl3 = createButton("Befehl3", "H i l f e", 1440);
    connect(Befehl1, &QPushButton::clicked, this, &Form2::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &Form2::Befehl2_Click);
    connect(Befehl3, &QPushButton::clicked, this, &Form2::Befehl3_Click);

    // The fields first, so the labels made afterwards lie in front of them.
    Figur1 = createField("Figur1", 240, QColor(128, 255, 128));
    Figur2 = createField("Figur2", 3360, QColor(128, 128, 255));

    static constexpr std::array<void (Form2::*)(QWidget *), 9> dropHandlers = {
        &Form2::Bezeichnung1_DragDrop, &Form2::Bezeichnung2_DragDrop,
        &Form2::Bezeichnung3_DragDrop, &Form2::Bezeichnung4_DragDrop,
        &Form2::Bezeichnung5_DragDrop, &Form2::Bezeichnung6_DragDrop,
        &Form2::Bezeichnung7_DragDrop, &Form2::Bezeichnung8_DragDrop,
        &Form2::Bezeichnung9_DragDrop};
    for (std::size_t index = 0; index < numberLabels.size(); ++index) {
        numberLabels[index] = new DropTargetLabel(this);
        setUpGameLabel(numberLabels[index], static_cast<int>(index) + 1, NumberTops[index / 3]);
        const auto handler = dropHandlers[index];
        connect(numberLabels[index], &DropTargetLabel::dropped, this,
                [this, handler](const QString &sourceName) {
                    // An empty name would match any child.
                    QWidget *source =
                        sourceName.isEmpty() ? nullptr : findChild<QWidget *>(sourceName);
                    (this->*handler)(source);
                });
        connect(numberLabels[index], &PressableLabel::clicked, this, [this, handler] {
            if (picked)
                (this->*handler)(picked);
        });
    }
    for (std::size_t index = 0; index < numeralLabels.size(); ++index) {
        DragSourceLabel *numeral = new DragSourceLabel(this);
        setUpGameLabel(numeral, static_cast<int>(index) + 10, NumeralTops[index / 3]);
        connect(numeral, &PressableLabel::clicked, this,
                [this, numeral] { numeralPressed(numeral); });
        numeralLabels[index] = numeral;
    }
    // Both boxes are one stop of the Tab chain, three columns wide as on screen: the arrow
    // keys lead from a numeral up to the numbers.
    QList<QWidget *> board(numberLabels.begin(), numberLabels.end());
    board.append(QList<QWidget *>(numeralLabels.begin(), numeralLabels.end()));
    new GridFocus(board, 3, this);

    Bezeichnung19 = new QLabel(this);
    Bezeichnung19->setObjectName(QStringLiteral("Bezeichnung19"));
    Bezeichnung19->setFrameStyle(QFrame::Box | QFrame::Plain);
    Bezeichnung19->setGeometry(twipsRect(10920, 240, 1455, 375));
    Bezeichnung19->setVisible(false);

    Liste1 = createStore("Liste1", 720);
    Liste2 = createStore("Liste2", 2640);
    Liste3 = createStore("Liste3", 4560);
}

QPushButton *Form2::createButton(const char *name, const char *text, int top)
{
    auto *button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twipsRect(120, top, 1455, 495));
    button->setFont(sansFont(9.75));
    speakPlainWords(button);
    return button;
}

QFrame *Form2::createField(const char *name, int top, const QColor &fill)
{
    auto *field = new QFrame(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(twipsRect(1680, top, 8415, 3015));
    field->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackground(field, fill);
    return field;
}

void Form2::setUpGameLabel(PressableLabel *label, int number, int top)
{
    const int column = (number - 1) % 3;
    label->setObjectName(QStringLiteral("Bezeichnung%1").arg(number));
    label->setGeometry(twipsRect(LabelLefts[static_cast<std::size_t>(column)], top, 2655, 855));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(sansFont(NumberPointSize));
    setBackground(label, QColor(192, 255, 255));
    setSpokenName(label, [label] { return spokenGameLabel(label); });
}

// The labels are laid out for a number and its numeral. A number drawn twice in a round can
// take its numeral twice; the three lines are more than the label's height, so that label
// alone steps its font down until they fit, and is back at its own size in the next round.
void Form2::setNumberCaption(QLabel *label, const QString &text)
{
    setCaption(label, text);
    QFont font = sansFont(NumberPointSize);
    const QRect room = label->contentsRect();
    for (qreal size = NumberPointSize; size >= SmallestNumberPointSize; size -= 0.75) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font, label);
        if (room.contains(metrics.boundingRect(room, Qt::AlignCenter, label->text())))
            break;
    }
    label->setFont(font);
}

QListWidget *Form2::createStore(const char *name, int top)
{
    auto *list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setGeometry(twipsRect(10920, top, 1455, 1785));
    list->setVisible(false);
    return list;
}

void Form2::Form_Load()
{
    centreOnScreen(this);
}

void Form2::Form_Activate()
{
    SetUpRound();
}

// The sorted list takes each entry at the place the numeral order gives it.
static void insertSorted(QListWidget *list, const QString &numeral)
{
    std::vector<std::string> entries;
    for (int row = 0; row < list->count(); ++row)
        entries.push_back(list->item(row)->text().toStdString());
    const std::size_t place = sortedPlace(entries, numeral.toStdString());
    list->insertItem(static_cast<int>(place), numeral);
}

void Form2::SetUpRound()
{
    pick(nullptr);
    Liste1->clear();
    Liste2->clear();
    Liste3->clear();
    reseedFromClock();
    const PairRound round = drawPairRound(programRandom());
    for (std::size_t index = 0; index < PairRound::Size; ++index) {
        Liste1->addItem(QString::fromStdString(round.numberCaptions[index]));
        const QString numeral = QString::fromStdString(round.numerals[index]);
        Liste2->addItem(numeral);
        insertSorted(Liste3, numeral);
    }
    for (std::size_t index = 0; index < numberLabels.size(); ++index)
        setNumberCaption(numberLabels[index], Liste1->item(static_cast<int>(index))->text());
    for (std::size_t index = 0; index < numeralLabels.size(); ++index)
        setCaption(numeralLabels[index], Liste3->item(static_cast<int>(index))->text());
    setCaption(Bezeichnung19, QStringLiteral("0"));
}

// Counts are read leniently: leading blanks are skipped and reading stops at the first
// character that is not a digit, so an empty caption counts as 0.
void Form2::dropOn(int target, QWidget *source)
{
    if (auto *sourceLabel = qobject_cast<QLabel *>(source)) {
        const QListWidgetItem *answer = Liste2->item(target - 1);
        const QString numeral = caption(sourceLabel);
        DropTargetLabel *targetLabel = numberLabels[static_cast<std::size_t>(target - 1)];
        if (answer && answer->text() == numeral) {
            setNumberCaption(targetLabel, caption(targetLabel) + QLatin1Char('\r') + numeral);
            setCaption(sourceLabel, QString());
            setCaption(Bezeichnung19,
                       QString::fromStdString(raisedNumber(caption(Bezeichnung19).toStdString())));
            // A numeral placed is no longer held, however it came.
            if (sourceLabel == picked)
                pick(nullptr);
            announce(targetLabel,
                     QString::fromStdString(RightPlacePhrase(captionLines(targetLabel))));
        } else {
            // The eye sees the numeral stay where it was; the ear is told why.
            announce(sourceLabel, QString::fromStdString(WrongPlacePhrase(
                                      numeral.toStdString(), captionLines(targetLabel).front())));
        }
    }
    if (caption(Bezeichnung19) == QLatin1String("9"))
        FinishRound();
}

// A press on the numeral held, or on an emptied label, lets go; on another numeral, takes
// that one instead.
void Form2::numeralPressed(DragSourceLabel *numeral)
{
    const bool letGo = numeral == picked;
    pick(letGo || caption(numeral).isEmpty() ? nullptr : numeral);
    announce(numeral, letGo ? spokenLetGo(numeral) : spokenGameLabel(numeral));
}

void Form2::pick(DragSourceLabel *numeral)
{
    if (picked)
        picked->setMarked(false);
    picked = numeral;
    if (picked)
        picked->setMarked(true);
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && picked) {
        announce(picked, spokenLetGo(picked));
        pick(nullptr);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form2::FinishRound()
{
    informationBox(this, QStringLiteral("Prima, du hast alle Aufgaben gelöst.\r"), Title);
    SetUpRound();
}

void Form2::Befehl2_Click()
{
    SetUpRound();
}

void Form2::Befehl3_Click()
{
    informationBox(this,
                   QStringLiteral("Fasse die römischen Zahlen im unteren Kasten mit der Maus\r"
                                  "und schiebe sie auf die entsprechende Zahl im oberen Feld.\r"
                                  "Ist die Zuordnung richtig, dann wird das Zahlfeld im unteren\r"
                                  "Kasten gelöscht und in das obere Feld geschrieben. Mit dem\r"
                                  "NEU-Button kannst du dir auch andere Zahlenpaare erstellen.\r"
                                  "\r"),
                   QStringLiteral("Anleitung zum Tavlo-Paarspiel"));
}

void Form2::Befehl1_Click()
{
    if (confirmationBox(this, QStringLiteral("  Dieses Spiel jetzt beenden?"), Title) ==
        QMessageBox::Yes)
        leaveGame();
}

void Form2::leaveGame()
{
    hide();
    if (mainWindow)
        showAndActivate(mainWindow);
}

void Form2::closeEvent(QCloseEvent *event)
{
    // A hidden game window is only ever closed by the program ending; let that through.
    if (!isVisible()) {
        event->accept();
        return;
    }
    event->ignore();
    leaveGame();
}

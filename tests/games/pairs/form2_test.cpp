#include "controls.h"
#include "games/pairs/drag_source_label.h"
#include "games/pairs/form2.h"
#include "games/pairs/numeral_order.h"
#include "games/pairs/pair_round.h"
#include "heard.h"
#include "message_box_answer.h"
#include "numerals/numerals.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "test_registry.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace
{

using DropHandler = void (Form2::*)(QWidget *);
constexpr std::array<DropHandler, 9> DropHandlers = {
    &Form2::Bezeichnung1_DragDrop, &Form2::Bezeichnung2_DragDrop, &Form2::Bezeichnung3_DragDrop,
    &Form2::Bezeichnung4_DragDrop, &Form2::Bezeichnung5_DragDrop, &Form2::Bezeichnung6_DragDrop,
    &Form2::Bezeichnung7_DragDrop, &Form2::Bezeichnung8_DragDrop, &Form2::Bezeichnung9_DragDrop};

const QDateTime Morning(QDate(2026, 3, 8), QTime(9, 41, 7, 250));
const QDateTime Noon(QDate(2026, 3, 8), QTime(12, 0, 59, 875));

QLabel *label(Form2 &form, int number)
{
    return form.findChild<QLabel *>(QStringLiteral("Bezeichnung%1").arg(number));
}

QListWidget *list(Form2 &form, int number)
{
    return form.findChild<QListWidget *>(QStringLiteral("Liste%1").arg(number));
}

// Everything a round consists of: the nineteen captions and the three lists.
QStringList board(Form2 &form)
{
    QStringList state;
    for (int number = 1; number <= 19; ++number)
        state << caption(label(form, number));
    for (int number = 1; number <= 3; ++number) {
        QStringList entries;
        for (int row = 0; row < list(form, number)->count(); ++row)
            entries << list(form, number)->item(row)->text();
        state << entries.join(QLatin1Char('|'));
    }
    return state;
}

// The board that set-up leaves for a round, in the layout of board().
QStringList freshBoard(const PairRound &round)
{
    QStringList captions, numerals, sorted;
    for (std::size_t index = 0; index < PairRound::Size; ++index) {
        captions << QString::fromStdString(round.numberCaptions[index]);
        numerals << QString::fromStdString(round.numerals[index]);
        sorted << QString::fromStdString(round.sortedNumerals[index]);
    }
    const QChar bar = QLatin1Char('|');
    return captions + sorted +
           QStringList{QStringLiteral("0"), captions.join(bar), numerals.join(bar),
                       sorted.join(bar)};
}

PairRound roundAt(const QDateTime &moment)
{
    Clock::setFixed(moment);
    RandomSource source;
    source.seed(Clock::secondsSinceMidnight());
    return drawPairRound(source);
}

// Lays out a round of chosen numbers by hand, as set-up would have left it.
void layBoard(Form2 &form, const std::array<int, 9> &numbers)
{
    PairRound round;
    std::vector<std::string> sorted;
    for (std::size_t index = 0; index < numbers.size(); ++index) {
        round.numberCaptions[index] = SpaceOutNumber(numbers[index]);
        round.numerals[index] = ComposeNumeral(numbers[index]);
        sorted.insert(sorted.begin() +
                          static_cast<std::ptrdiff_t>(sortedPlace(sorted, round.numerals[index])),
                      round.numerals[index]);
    }
    std::copy(sorted.begin(), sorted.end(), round.sortedNumerals.begin());
    const QStringList state = freshBoard(round);
    for (int number = 1; number <= 19; ++number)
        setCaption(label(form, number), state[number - 1]);
    for (int number = 1; number <= 3; ++number) {
        list(form, number)->clear();
        list(form, number)->addItems(state[18 + number].split(QLatin1Char('|')));
    }
}

// The first lower label that still shows the numeral belonging on upper label `target`.
QLabel *rightSource(Form2 &form, int target)
{
    const QString numeral = list(form, 2)->item(target - 1)->text();
    for (int number = 10; number <= 18; ++number) {
        if (caption(label(form, number)) == numeral)
            return label(form, number);
    }
    return nullptr;
}

// Runs a callback when a message box shows, before anything can answer it.
class OnMessageBoxShown : public QObject
{
public:
    explicit OnMessageBoxShown(std::function<void()> callback) : callback(std::move(callback))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched))
            callback();
        return false;
    }

private:
    std::function<void()> callback;
};

// Delivers a drag onto a widget as the platform would; returns whether the widget took it.
bool dragOnto(QWidget *target, const QString &format, const QByteArray &payload)
{
    QMimeData data;
    data.setData(format, payload);
    QDragEnterEvent enter(target->rect().center(), Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(target->rect().center()), Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return true;
}

const QString PairFormat = DragSourceLabel::mimeType();

} // namespace

class Form2Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Clock::setSystem(); }

    void openingShowsARoundFromTheClockWithTheStoresHidden()
    {
        const PairRound round = roundAt(Morning);
        Form2 form(nullptr);
        form.Form_Activate();
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Tavlo-Paarspiel"));
        QCOMPARE(form.size(), QSize(683, 433));
        QCOMPARE(board(form), freshBoard(round));
        for (int number = 1; number <= 19; ++number)
            QCOMPARE(label(form, number)->isVisible(), number <= 18);
        for (int number = 1; number <= 3; ++number)
            QVERIFY(!list(form, number)->isVisible());
    }

    void rightDropWritesTheNumeralBelowTheNumberAndEmptiesTheSource()
    {
        Form2 form(nullptr);
        layBoard(form, {7, 48, 1234, 10, 1000, 3999, 1, 2, 3});
        QLabel *source = rightSource(form, 3);
        const QRect place = source->geometry();
        form.Bezeichnung3_DragDrop(source);
        QCOMPARE(caption(label(form, 3)), QStringLiteral("   1 2 3 4 \rMCCXXXIV"));
        QCOMPARE(label(form, 3)->text(), QStringLiteral("   1 2 3 4 \nMCCXXXIV"));
        QCOMPARE(caption(source), QString());
        QCOMPARE(source->geometry(), place);
        QCOMPARE(caption(label(form, 19)), QStringLiteral("1"));
    }

    void everyHandlerJudgesAgainstItsOwnNumber()
    {
        Form2 form(nullptr);
        layBoard(form, {1, 2, 3, 4, 5, 6, 7, 8, 9});
        MessageBoxAnswer answer(QStringLiteral("OK"));
        for (std::size_t index = 0; index < DropHandlers.size(); ++index) {
            const int target = static_cast<int>(index) + 1;
            const QStringList before = board(form);
            (form.*DropHandlers[index])(rightSource(form, target % 9 + 1));
            QCOMPARE(board(form), before);
            (form.*DropHandlers[index])(rightSource(form, target));
            QCOMPARE(caption(label(form, 19)), QString::number(target % 9));
        }
        QCOMPARE(answer.boxesSeen(), 1);
    }

    void dropsThatAreNotRightChangeNothing()
    {
        Form2 form(nullptr);
        layBoard(form, {7, 48, 1234, 10, 1000, 3999, 1, 2, 3});
        QLabel *emptied = rightSource(form, 1);
        form.Bezeichnung1_DragDrop(emptied);
        const QStringList before = board(form);
        MessageBoxAnswer answer(QStringLiteral("OK"));
        form.Bezeichnung2_DragDrop(form.findChild<QPushButton *>("Befehl2"));
        form.Bezeichnung2_DragDrop(nullptr);
        form.Bezeichnung4_DragDrop(label(form, 4));
        // An emptied label carries nothing to judge: not even a screen reader is told.
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Heard heard;
        for (const DropHandler handler : DropHandlers)
            (form.*handler)(emptied);
        afterHandlerReturned();
        QCOMPARE(heard.said, QStringList());
        QCOMPARE(board(form), before);
        QVERIFY(!answer.seen());
    }

    void numberDrawnTwiceTakesEitherTwinAndASecondDrop()
    {
        Form2 form(nullptr);
        layBoard(form, {12, 7, 12, 30, 400, 5, 6, 8, 9});
        QCOMPARE(caption(label(form, 16)), QStringLiteral("XII"));
        QCOMPARE(caption(label(form, 17)), QStringLiteral("XII"));
        form.Bezeichnung1_DragDrop(label(form, 17));
        form.Bezeichnung1_DragDrop(label(form, 16));
        QCOMPARE(caption(label(form, 1)), QStringLiteral("   1 2 \rXII\rXII"));
        QCOMPARE(caption(label(form, 16)), QString());
        QCOMPARE(caption(label(form, 17)), QString());
        QCOMPARE(caption(label(form, 3)), QStringLiteral("   1 2 "));
        QCOMPARE(caption(label(form, 19)), QStringLiteral("2"));
    }

    void ninthRightDropPraisesOnceThenSetsUpANewRound()
    {
        const PairRound next = roundAt(Noon);
        Clock::setFixed(Morning);
        Form2 form(nullptr);
        form.Form_Activate();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (std::size_t index = 0; index < 8; ++index) {
            (form.*DropHandlers[index])(rightSource(form, static_cast<int>(index) + 1));
            afterHandlerReturned();
        }
        QLabel *last = rightSource(form, 9);
        const QString written = caption(label(form, 9)) + QLatin1Char('\r') + caption(last);
        QStringList whileShown;
        OnMessageBoxShown snapshot([&] {
            whileShown = {caption(label(form, 9)), caption(last), caption(label(form, 19))};
            Clock::setFixed(Noon);
        });
        MessageBoxAnswer answer(QStringLiteral("OK"));
        Heard heard;
        form.Bezeichnung9_DragDrop(last);
        afterHandlerReturned();

        // The ninth numeral is told before the box takes the screen reader's attention.
        QCOMPARE(heard.said.size(), 2);
        QVERIFY2(heard.said.first().startsWith(QStringLiteral("Richtig: Zahl ")),
                 qPrintable(heard.said.first()));
        QCOMPARE(heard.said.last(), QStringLiteral("Box: Prima, du hast alle Aufgaben gelöst.\n"));
        QCOMPARE(answer.boxesSeen(), 1);
        QCOMPARE(answer.text, QStringLiteral("Prima, du hast alle Aufgaben gelöst.\n"));
        QCOMPARE(answer.title, QStringLiteral("Tavlo-Paarspiel"));
        QCOMPARE(answer.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(answer.icon, QMessageBox::NoIcon);
        QCOMPARE(whileShown, QStringList({written, QString(), QStringLiteral("9")}));
        QCOMPARE(board(form), freshBoard(next));
        form.Bezeichnung1_DragDrop(nullptr);
        QCOMPARE(answer.boxesSeen(), 1);
    }

    void newButtonReplacesTheRoundMidway()
    {
        const PairRound next = roundAt(Noon);
        Clock::setFixed(Morning);
        Form2 form(nullptr);
        form.Form_Activate();
        form.Bezeichnung2_DragDrop(rightSource(form, 2));
        QCOMPARE(caption(label(form, 19)), QStringLiteral("1"));
        Clock::setFixed(Noon);
        QTest::mouseClick(form.findChild<QPushButton *>("Befehl2"), Qt::LeftButton);
        QCOMPARE(board(form), freshBoard(next));
    }

    void instructionsShowTheirTextAndLeaveTheRound()
    {
        Form2 form(nullptr);
        form.Form_Activate();
        form.Bezeichnung4_DragDrop(rightSource(form, 4));
        const QStringList before = board(form);
        MessageBoxAnswer answer(QStringLiteral("OK"));
        QTest::mouseClick(form.findChild<QPushButton *>("Befehl3"), Qt::LeftButton);
        QCOMPARE(answer.boxesSeen(), 1);
        QCOMPARE(answer.title, QStringLiteral("Anleitung zum Tavlo-Paarspiel"));
        QCOMPARE(answer.text,
                 QStringLiteral("Fasse die römischen Zahlen im unteren Kasten mit der Maus\n"
                                "und schiebe sie auf die entsprechende Zahl im oberen Feld.\n"
                                "Ist die Zuordnung richtig, dann wird das Zahlfeld im unteren\n"
                                "Kasten gelöscht und in das obere Feld geschrieben. Mit dem\n"
                                "NEU-Button kannst du dir auch andere Zahlenpaare erstellen.\n"
                                "\n"));
        QCOMPARE(answer.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(board(form), before);
    }

    void leavingAnsweredNoKeepsTheRoundAndYesShowsTheMainWindow()
    {
        QWidget mainWindow;
        Form2 form(&mainWindow);
        form.Form_Activate();
        form.show();
        form.Bezeichnung7_DragDrop(rightSource(form, 7));
        const QStringList before = board(form);
        {
            MessageBoxAnswer answer(QStringLiteral("Nein"));
            QTest::mouseClick(form.findChild<QPushButton *>("Befehl1"), Qt::LeftButton);
            QCOMPARE(answer.text, QStringLiteral("  Dieses Spiel jetzt beenden?"));
            QCOMPARE(answer.title, QStringLiteral("Tavlo-Paarspiel"));
            QCOMPARE(answer.icon, QMessageBox::Question);
            QCOMPARE(answer.defaultButton, QStringLiteral("Nein"));
        }
        QVERIFY(form.isVisible());
        QCOMPARE(board(form), before);
        {
            MessageBoxAnswer answer(QStringLiteral("Ja"));
            QTest::mouseClick(form.findChild<QPushButton *>("Befehl1"), Qt::LeftButton);
        }
        QVERIFY(!form.isVisible());
        QVERIFY(mainWindow.isVisible());
    }

    void closingThroughTheFrameLeavesWithoutAsking()
    {
        QWidget mainWindow;
        Form2 form(&mainWindow);
        form.show();
        MessageBoxAnswer answer(QStringLiteral("Nein"));
        form.close();
        QVERIFY(!answer.seen());
        QVERIFY(!form.isVisible());
        QVERIFY(mainWindow.isVisible());
    }

    void onlyTheNineNumbersTakeDropsOfTheGamesLabels()
    {
        Form2 form(nullptr);
        layBoard(form, {7, 48, 1234, 10, 1000, 3999, 1, 2, 3});
        form.show();
        const QStringList before = board(form);
        for (int number = 10; number <= 18; ++number)
            QVERIFY(!dragOnto(label(form, number), PairFormat, "Bezeichnung10"));
        for (const char *name : {"Befehl1", "Figur1", "Figur2"})
            QVERIFY2(!dragOnto(form.findChild<QWidget *>(name), PairFormat, "Bezeichnung10"), name);
        QVERIFY(!dragOnto(&form, PairFormat, "Bezeichnung10"));
        QLabel *source = rightSource(form, 2);
        QVERIFY(!dragOnto(label(form, 2), QStringLiteral("text/plain"), "Bezeichnung10"));
        // Labels of a second copy of the program carry another process's type.
        const QString otherCopy = QStringLiteral("application/x-zahlzeichen-pair-label-%1")
                                      .arg(QCoreApplication::applicationPid() + 1);
        QVERIFY(!dragOnto(label(form, 2), otherCopy, source->objectName().toUtf8()));
        // Names of nothing in this window are no label.
        QVERIFY(dragOnto(label(form, 2), PairFormat, "Bezeichnung99"));
        QVERIFY(dragOnto(label(form, 2), PairFormat, QByteArray()));
        QCOMPARE(board(form), before);

        QVERIFY(dragOnto(label(form, 2), PairFormat, source->objectName().toUtf8()));
        QCOMPARE(caption(label(form, 2)), QStringLiteral("   4 8 \rXLVIII"));
        QCOMPARE(caption(source), QString());
    }
};

ZAHLZEICHEN_TEST(Form2Test)
#include "form2_test.moc"

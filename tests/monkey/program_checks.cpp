#include "program_checks.h"

#include "exercises/number_table_panel.h"
#include "greedy_numeral.h"
#include "numerals/numerals.h"
#include "platform/caption.h"
#include "platform/colours.h"
#include "platform/lenient_number.h"
#include "platform/twips.h"
#include "shell/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <algorithm>

namespace
{

template <typename T = QWidget> T *control(const QWidget &window, const QString &name)
{
    return window.findChild<T *>(name);
}

QLabel *label(const QWidget &window, int number)
{
    return control<QLabel>(window, QStringLiteral("Bezeichnung%1").arg(number));
}

QStringList entries(const QListWidget *list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// The number a caption holds, when it holds nothing but a number (leading blanks allowed).
int wholeNumber(const QString &text, bool *ok)
{
    return text.trimmed().toInt(ok);
}

QString numberList(const QList<int> &numbers)
{
    QStringList texts;
    for (int number : numbers)
        texts << QString::number(number);
    return QLatin1Char('[') + texts.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString checkAnswerBox(const Form1 &window, const char *answerName, const char *solutionName)
{
    const auto *answerBox = control<QLineEdit>(window, QString::fromLatin1(answerName));
    const QString solution = control<QLabel>(window, QString::fromLatin1(solutionName))->text();
    const QString answer = answerBox->text();
    if (answer.size() > 20)
        return QStringLiteral("%1 holds %2 characters").arg(answerName).arg(answer.size());
    const bool red = background(answerBox) == paletteColour(12);
    if (red == solution.contains(answer))
        return QStringLiteral("%1 \"%2\" for \"%3\" is %4")
            .arg(QString::fromLatin1(answerName), answer, solution,
                 red ? QStringLiteral("red") : QStringLiteral("not red"));
    return {};
}

} // namespace

void ProgramChecks::startSession()
{
    right = 0;
    wrong = 0;
    editorNumbers.clear();
    lastLinesSelected = false;
    mainWindowState.clear();
    mainWindowShown = true;
}

void ProgramChecks::expectAddition(const QString &padded)
{
    editorNumbers << padded;
    lastLinesSelected = true;
}

void ProgramChecks::expectRemoval(int row)
{
    if (row >= 0 && row < editorNumbers.size()) {
        editorNumbers.removeAt(row);
        lastLinesSelected = true;
    }
}

void ProgramChecks::expectAllRemoved()
{
    editorNumbers.clear();
}

QWidget *ProgramChecks::gameWindow(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return widget;
    }
    return nullptr;
}

QString ProgramChecks::check(const Form1 &window, int praised)
{
    QString broken = checkScore(window, praised);
    if (broken.isEmpty())
        broken = checkExercises(window);
    if (broken.isEmpty())
        broken = checkNumberField(window);
    if (broken.isEmpty())
        broken = checkEditor(window);
    if (broken.isEmpty())
        if (const QWidget *memo = gameWindow("memo"))
            broken = checkMemory(*memo);
    if (broken.isEmpty())
        if (const QWidget *form2 = gameWindow("Form2"))
            broken = checkPairs(*form2);
    if (broken.isEmpty())
        broken = checkWindows(window);
    if (broken.isEmpty())
        broken = checkMainWindowKept(window);
    return broken;
}

QString ProgramChecks::checkScore(const Form1 &window, int praised)
{
    const int before[] = {right, wrong};
    const QLabel *counters[] = {window.Bezeichnung12, window.Bezeichnung14};
    int *kept[] = {&right, &wrong};
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        const int now = wholeNumber(counters[i]->text(), &ok);
        if (!ok || counters[i]->text() != QString::number(now))
            return counters[i]->objectName() +
                   QStringLiteral(" reads \"%1\"").arg(counters[i]->text());
        if (now < before[i] || now > before[i] + 1)
            return counters[i]->objectName() +
                   QStringLiteral(" went from %1 to %2 in one action").arg(before[i]).arg(now);
        *kept[i] = now;
    }
    if (right != praised)
        return QStringLiteral("%1 right answers counted, %2 praised").arg(right).arg(praised);
    return {};
}

QString ProgramChecks::checkExercises(const Form1 &window)
{
    // Reading: the numeral of the hidden number is shown.
    const QString number = control<QLabel>(window, QStringLiteral("Bezeichnung10"))->text();
    if (!number.isEmpty()) {
        bool ok = false;
        const int n = number.toInt(&ok);
        if (!ok || n < 1 || n > 3999 || number != QString::number(n))
            return QStringLiteral("reading solution \"%1\"").arg(number);
        const QString shown = control<QLabel>(window, QStringLiteral("Bezeichnung9"))->text();
        if (shown != fromStd(SpaceOut(greedyNumeral(n))))
            return QStringLiteral("reading task \"%1\" for %2").arg(shown, number);
        if (QString broken = checkAnswerBox(window, "Text2", "Bezeichnung10"); !broken.isEmpty())
            return broken;
    }
    // Writing: the hidden numeral is that of the number shown.
    const QString numeral = control<QLabel>(window, QStringLiteral("Bezeichnung7"))->text();
    if (!numeral.isEmpty()) {
        const QString shown = control<QLabel>(window, QStringLiteral("Bezeichnung6"))->text();
        bool ok = false;
        const int n = QString(shown).remove(QLatin1Char(' ')).toInt(&ok);
        if (!ok || n < 1 || n > 3999 || shown != fromStd(SpaceOutNumber(n)) ||
            numeral != fromStd(greedyNumeral(n)))
            return QStringLiteral("writing task \"%1\" with solution \"%2\"").arg(shown, numeral);
        if (QString broken = checkAnswerBox(window, "Text1", "Bezeichnung7"); !broken.isEmpty())
            return broken;
    }
    // Exercise panels and the table are either in their place or out of sight.
    const QWidget *reading = control(window, QStringLiteral("Bild4"));
    const QWidget *writing = control(window, QStringLiteral("Bild2"));
    for (const QWidget *panel : {reading, writing})
        if (!isAtLeftTwips(panel, 2160) && !isAtLeftTwips(panel, 10800))
            return panel->objectName() + QStringLiteral(" at x %1").arg(panel->x());
    if (isAtLeftTwips(reading, 2160) && isAtLeftTwips(writing, 2160))
        return QStringLiteral("both exercise panels in the work area");
    return {};
}

QString ProgramChecks::checkNumberField(const Form1 &window)
{
    int value = 0;
    for (int place = 1; place <= 4; ++place) {
        const auto *slider = control<QScrollBar>(window, QStringLiteral("HBildlauf%1").arg(place));
        const QString digit = label(window, place)->text();
        if (digit != QString::number(slider->value()))
            return QStringLiteral("digit %1 shows \"%2\", its slider %3")
                .arg(place)
                .arg(digit)
                .arg(slider->value());
        value = value * 10 + slider->value();
    }
    const QString numeral = control<QLabel>(window, QStringLiteral("feld1"))->text();
    if (value > 3999 || numeral != fromStd(SpaceOut(greedyNumeral(value))))
        return QStringLiteral("feld1 shows \"%1\" for %2").arg(numeral).arg(value);

    const auto *table = control<NumberTablePanel>(window, QStringLiteral("Bild3"));
    const bool tableShown = isAtLeftTwips(table, 2160);
    // Printed afresh at each showing: every numeral part with its value, once.
    if (tableShown && table->printedLines().size() != 2 * (3 + 9 + 9 + 9))
        return QStringLiteral("the table holds %1 printed lines").arg(table->printedLines().size());
    if (!tableShown && !isAtLeftTwips(table, 10800))
        return QStringLiteral("Bild3 at x %1").arg(table->x());
    const QString expected =
        tableShown ? QStringLiteral("Zahlenfeld") : QStringLiteral("T a b e l l e");
    if (window.Befehl4->text() != expected)
        return QStringLiteral("Befehl4 reads \"%1\"").arg(window.Befehl4->text());
    return {};
}

QString ProgramChecks::checkEditor(const Form1 &window)
{
    const QWidget *editor = control(window, QStringLiteral("Bild7"));
    const bool open = isAtLeftTwips(editor, 120);
    if (!open && !isAtLeftTwips(editor, 10800))
        return QStringLiteral("Bild7 at x %1").arg(editor->x());
    if (window.Befehl1->isEnabled() == open)
        return QStringLiteral("the main window's buttons are %1 while the editor is %2")
            .arg(open ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                 open ? QStringLiteral("open") : QStringLiteral("closed"));

    const QString entry = control<QLineEdit>(window, QStringLiteral("Text3"))->text();
    const bool digitsOnly =
        std::all_of(entry.begin(), entry.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    // Leading zeros stay as typed; the value is what counts.
    const QString value = QString(entry).remove(QRegularExpression(QStringLiteral("^0+")));
    if (!digitsOnly || value.size() > 4 || value.toInt() > 3999)
        return QStringLiteral("Text3 holds \"%1\"").arg(entry);

    const QListWidget *lists[] = {control<QListWidget>(window, QStringLiteral("Liste5")),
                                  control<QListWidget>(window, QStringLiteral("Liste6")),
                                  control<QListWidget>(window, QStringLiteral("Liste7"))};
    const QStringList numbers = entries(lists[0]);
    const QStringList numerals = entries(lists[1]);
    const QStringList sheet = entries(lists[2]);
    if (numbers.size() != numerals.size() || numbers.size() != sheet.size())
        return QStringLiteral("the editor's lists hold %1, %2 and %3 lines")
            .arg(numbers.size())
            .arg(numerals.size())
            .arg(sheet.size());
    if (numbers != editorNumbers)
        return QStringLiteral("Liste5 holds [%1], the numbers added minus those deleted are [%2]")
            .arg(numbers.join(QLatin1Char('|')), editorNumbers.join(QLatin1Char('|')));
    // After an addition or a deletion each list shows its last line selected.
    if (lastLinesSelected) {
        lastLinesSelected = false;
        for (const QListWidget *list : lists) {
            const QList<QListWidgetItem *> selected = list->selectedItems();
            const int row = selected.isEmpty() ? -1 : list->row(selected.first());
            if (selected.size() > 1 || row != list->count() - 1)
                return QStringLiteral("%1 selects line %2 of %3")
                    .arg(list->objectName())
                    .arg(row)
                    .arg(list->count());
        }
    }

    const QString kind = control<QLabel>(window, QStringLiteral("Bezeichnung18"))->text();
    const bool numberShown = kind != QStringLiteral("Leseblatt:");
    const bool numeralShown = kind != QStringLiteral("Schreibblatt:");
    for (int row = 0; row < numbers.size(); ++row) {
        if (numerals[row] != fromStd(greedyNumeral(numbers[row].trimmed().toInt())))
            return QStringLiteral("line %1: %2 has the numeral \"%3\"")
                .arg(row)
                .arg(numbers[row], numerals[row]);
        const bool fits = (!numberShown || sheet[row].startsWith(numbers[row] + " = ")) &&
                          (!numeralShown || sheet[row].endsWith(" = " + numerals[row]));
        if (!fits)
            return QStringLiteral("%1 line %2 \"%3\" for %4 and %5")
                .arg(kind)
                .arg(row)
                .arg(sheet[row], numbers[row], numerals[row]);
    }
    return {};
}

QString ProgramChecks::checkMemory(const QWidget &memo)
{
    const QString dealt = label(memo, 20)->text();
    const QString pairs = label(memo, 21)->text();
    const QString mask = label(memo, 22)->text();
    if (dealt != QLatin1String("0") && dealt != QLatin1String("1"))
        return QStringLiteral("memo: dealt flag \"%1\"").arg(dealt);
    const bool running = dealt == QLatin1String("1");
    if (running) {
        if (pairs.size() != 18 || mask.size() != 18)
            return QStringLiteral("memo: pair string \"%1\", mask \"%2\"").arg(pairs, mask);
        for (QChar digit = u'1'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
            if (pairs.count(digit) != 2)
                return QStringLiteral("memo: pair string \"%1\"").arg(pairs);
            const int first = static_cast<int>(pairs.indexOf(digit));
            const int second = static_cast<int>(pairs.indexOf(digit, first + 1));
            if (mask[first] != mask[second])
                return QStringLiteral("memo: half a pair found, mask \"%1\" for \"%2\"")
                    .arg(mask, pairs);
        }
        if (mask == QString(18, QLatin1Char('0')))
            return QStringLiteral("memo: every pair found but the game still runs");
    }

    const QString letter = label(memo, 26)->text();
    const QMap<QString, QString> titles = {{QStringLiteral("E"), QStringLiteral("Einer")},
                                           {QStringLiteral("Z"), QStringLiteral("Zehner")},
                                           {QStringLiteral("H"), QStringLiteral("Hunderter")}};
    if (!titles.contains(letter) ||
        memo.windowTitle() != QStringLiteral("Tavlo-Memospiel (%1)").arg(titles[letter]))
        return QStringLiteral("memo: level \"%1\" in a window titled \"%2\"")
            .arg(letter, memo.windowTitle());

    // Each pair is a number of the level and its numeral.
    const QStringList values = entries(control<QListWidget>(memo, QStringLiteral("Liste1")));
    if (pairs.size() == 18 && values.size() == 18) {
        const int place = letter == QLatin1String("H")   ? 100
                          : letter == QLatin1String("Z") ? 10
                                                         : 1;
        for (int card = 1; card <= 18; ++card) {
            const int digit = pairs[card - 1].digitValue();
            const QString number = QString::number(digit * place);
            const QString numeral = fromStd(greedyNumeral(digit * place));
            const int partner = static_cast<int>(pairs.indexOf(pairs[card - 1])) + 1 == card
                                    ? static_cast<int>(pairs.lastIndexOf(pairs[card - 1])) + 1
                                    : static_cast<int>(pairs.indexOf(pairs[card - 1])) + 1;
            const QStringList pair = {values[card - 1], values[partner - 1]};
            if (!(pair == QStringList{number, numeral} || pair == QStringList{numeral, number}))
                return QStringLiteral("memo: cards %1 and %2 of pair %3 hold %4 and %5")
                    .arg(card)
                    .arg(partner)
                    .arg(digit)
                    .arg(pair[0], pair[1]);
        }
    }

    const int first = lenientNumber(label(memo, 23)->text().toStdString());
    const int second = lenientNumber(label(memo, 24)->text().toStdString());
    QList<int> turn;
    for (int card : {first, second})
        if (card >= 1 && card <= 18)
            turn << card;

    QList<int> faceUp;
    for (int card = 1; card <= 18; ++card) {
        const QLabel *face = label(memo, card);
        const bool found = running && mask[card - 1] == u'0';
        const QColor colour = background(face);
        if (colour != paletteColour(found ? 15 : 1))
            return QStringLiteral("memo: card %1 is %2, %3")
                .arg(card)
                .arg(colour.name(), found ? QStringLiteral("found") : QStringLiteral("in play"));
        const QString text = caption(face);
        if (text.isEmpty())
            continue;
        const QString value = values.value(card - 1);
        if (value.isEmpty() || text != value + QStringLiteral("\r\r\r\r") + value)
            return QStringLiteral("memo: card %1 shows \"%2\"").arg(card).arg(text);
        if (!found)
            faceUp << card;
    }
    // Between games the turn labels may keep the last turn; every card lies face down.
    if (!running)
        turn.clear();
    std::sort(turn.begin(), turn.end());
    turn.erase(std::unique(turn.begin(), turn.end()), turn.end());
    if (faceUp.size() > 2 || faceUp != turn)
        return QStringLiteral("memo: cards face up in play %1, turn %2/%3")
            .arg(numberList(faceUp))
            .arg(first)
            .arg(second);
    return {};
}

QString ProgramChecks::checkPairs(const QWidget &form2)
{
    const QStringList answerKey = entries(control<QListWidget>(form2, QStringLiteral("Liste2")));
    QStringList sorted = entries(control<QListWidget>(form2, QStringLiteral("Liste3")));
    const QStringList numbers = entries(control<QListWidget>(form2, QStringLiteral("Liste1")));
    if (answerKey.size() != 9 || sorted.size() != 9 || numbers.size() != 9)
        return QStringLiteral("pairs: lists of %1, %2, %3 entries")
            .arg(numbers.size())
            .arg(answerKey.size())
            .arg(sorted.size());

    // Every numeral of the round is either still in the lower box or under its number.
    QStringList placed;
    int emptied = 0;
    for (int k = 1; k <= 9; ++k) {
        const QStringList lines = caption(label(form2, k)).split(QLatin1Char('\r'));
        if (lines.first() != numbers[k - 1])
            return QStringLiteral("pairs: Bezeichnung%1 reads \"%2\"").arg(k).arg(lines.first());
        for (qsizetype line = 1; line < lines.size(); ++line) {
            if (lines[line] != answerKey[k - 1])
                return QStringLiteral("pairs: %1 placed on %2").arg(lines[line], numbers[k - 1]);
            placed << lines[line];
        }
    }
    QStringList remaining;
    for (int k = 10; k <= 18; ++k) {
        const QString numeral = caption(label(form2, k));
        if (numeral.isEmpty())
            ++emptied;
        else
            remaining << numeral;
    }
    QStringList all = placed + remaining;
    all.sort();
    sorted.sort();
    if (all != sorted)
        return QStringLiteral("pairs: numerals [%1] where the round has [%2]")
            .arg(all.join(QLatin1Char('|')), sorted.join(QLatin1Char('|')));

    const QString count = caption(label(form2, 19));
    if (count != QString::number(emptied) || emptied > 8)
        return QStringLiteral("pairs: count \"%1\" with %2 numerals placed")
            .arg(count)
            .arg(emptied);
    return {};
}

// A game leaves the main window as it found it: panels, tasks, answers, score, number field,
// table and editor.
QString ProgramChecks::checkMainWindowKept(const Form1 &window)
{
    if (!window.isVisible()) {
        mainWindowShown = false;
        return {};
    }
    QStringList state;
    for (const char *name : {"Bild2", "Bild3", "Bild4", "Bild7"})
        state << QString::number(control(window, QString::fromLatin1(name))->x());
    for (const QLabel *shown : window.findChildren<QLabel *>())
        state << shown->objectName() + QLatin1Char('=') + shown->text();
    for (const QLineEdit *box : window.findChildren<QLineEdit *>())
        state << box->objectName() + QLatin1Char('=') + box->text() + QLatin1Char('/') +
                     background(box).name();
    for (const QScrollBar *slider : window.findChildren<QScrollBar *>())
        state << slider->objectName() + QLatin1Char('=') + QString::number(slider->value());
    for (const QListWidget *list : window.findChildren<QListWidget *>())
        state << list->objectName() + QLatin1Char('=') + entries(list).join(QLatin1Char('|')) +
                     QLatin1Char('/') + QString::number(list->currentRow());
    state << window.Befehl4->text();

    const bool cameBack = !mainWindowShown;
    mainWindowShown = true;
    const QStringList before = mainWindowState;
    mainWindowState = state;
    if (cameBack && state != before) {
        for (qsizetype i = 0; i < state.size() && i < before.size(); ++i)
            if (state[i] != before[i])
                return QStringLiteral("back from a game the main window has %1 instead of %2")
                    .arg(state[i], before[i]);
        return QStringLiteral("back from a game the main window has changed");
    }
    return {};
}

QString ProgramChecks::checkWindows(const Form1 &window)
{
    QStringList shown;
    for (const QWidget *top :
         {static_cast<const QWidget *>(&window), static_cast<const QWidget *>(gameWindow("memo")),
          static_cast<const QWidget *>(gameWindow("Form2"))}) {
        if (top && top->isVisible())
            shown << top->objectName();
    }
    if (shown.size() != 1)
        return QStringLiteral("windows shown: [%1]").arg(shown.join(QStringLiteral(", ")));
    return {};
}

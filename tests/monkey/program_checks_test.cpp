#include "controls.h"
#include "exercises/number_field.h"
#include "platform/caption.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "program_checks.h"
#include "shell/form1.h"
#include "test_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

namespace
{

QWidget *game(const char *name)
{
    return ProgramChecks::gameWindow(name);
}

void open(Form1 &window, const char *opener)
{
    QTest::mouseClick(control<QPushButton>(&window, QString::fromLatin1(opener)), Qt::LeftButton);
}

// A broken rule put into a running program by hand, and the words the checks must report.
struct Breakage {
    const char *name;
    const char *reported;
    void (*breakRule)(Form1 &window, ProgramChecks &checks);
};

const Breakage breakages[] = {
    {"wrong count jumps by two", "went from 0 to 2",
     [](Form1 &window, ProgramChecks &) { window.Bezeichnung14->setText(QStringLiteral("2")); }},
    {"right answer counted unpraised", "1 right answers counted, 0 praised",
     [](Form1 &window, ProgramChecks &) { window.Bezeichnung12->setText(QStringLiteral("1")); }},
    {"answer box white on a wrong answer", "Text2",
     [](Form1 &window, ProgramChecks &) {
         window.Befehl2_Click();
         control<QLineEdit>(&window, QStringLiteral("Text2"))->blockSignals(true);
         control<QLineEdit>(&window, QStringLiteral("Text2"))->setText(QStringLiteral("x"));
     }},
    {"number field not following its slider", "feld1 shows",
     [](Form1 &window, ProgramChecks &) {
         control<QLabel>(&window, QStringLiteral("feld1"))->setText(QStringLiteral(" X "));
     }},
    {"editor number added behind the model's back", "Liste5 holds",
     [](Form1 &window, ProgramChecks &) {
         control<QLineEdit>(&window, QStringLiteral("Text3"))->setText(QStringLiteral("7"));
         window.Form_KeyDown(Qt::Key_Return, Qt::NoModifier); // the editor is closed: nothing
         window.Befehl26_Click();
         window.Form_KeyDown(Qt::Key_Return, Qt::NoModifier);
     }},
    {"editor lists out of step", "lists hold 1, 0 and 1 lines",
     [](Form1 &window, ProgramChecks &checks) {
         window.Befehl26_Click();
         control<QLineEdit>(&window, QStringLiteral("Text3"))->setText(QStringLiteral("7"));
         checks.expectAddition(QStringLiteral("   7"));
         window.Form_KeyDown(Qt::Key_Return, Qt::NoModifier);
         delete control<QListWidget>(&window, QStringLiteral("Liste6"))->takeItem(0);
     }},
    {"editor leaves an earlier line selected", "selects line 0 of 2",
     [](Form1 &window, ProgramChecks &checks) {
         window.Befehl26_Click();
         for (const char *number : {"7", "12"}) {
             control<QLineEdit>(&window, QStringLiteral("Text3"))->setText(QLatin1String(number));
             window.Form_KeyDown(Qt::Key_Return, Qt::NoModifier);
         }
         checks.expectAddition(QStringLiteral("   7"));
         checks.expectAddition(QStringLiteral("  12"));
         control<QListWidget>(&window, QStringLiteral("Liste7"))->setCurrentRow(0);
     }},
    {"memory card face up outside the turn", "memo: cards face up in play",
     [](Form1 &window, ProgramChecks &) {
         open(window, "Befehl24");
         QTest::mouseClick(control(game("memo"), QStringLiteral("Bezeichnung1")), Qt::LeftButton);
         const QString value =
             control<QListWidget>(game("memo"), QStringLiteral("Liste1"))->item(1)->text();
         setCaption(control<QLabel>(game("memo"), QStringLiteral("Bezeichnung2")),
                    value + QStringLiteral("\r\r\r\r") + value);
     }},
    {"memory card white while in play", "memo: card 5 is #ffffff, in play",
     [](Form1 &window, ProgramChecks &) {
         open(window, "Befehl24");
         QTest::mouseClick(control(game("memo"), QStringLiteral("Bezeichnung1")), Qt::LeftButton);
         setBackground(control(game("memo"), QStringLiteral("Bezeichnung5")), paletteColour(15));
     }},
    {"memory title not naming the level", "memo: level \"Z\"",
     [](Form1 &window, ProgramChecks &) {
         open(window, "Befehl24");
         control<QLabel>(game("memo"), QStringLiteral("Bezeichnung26"))
             ->setText(QStringLiteral("Z"));
     }},
    {"pair count not the numerals placed", "pairs: count \"1\" with 0 numerals placed",
     [](Form1 &window, ProgramChecks &) {
         open(window, "Befehl25");
         setCaption(control<QLabel>(game("Form2"), QStringLiteral("Bezeichnung19")),
                    QStringLiteral("1"));
     }},
    {"pair numeral lost", "pairs: numerals",
     [](Form1 &window, ProgramChecks &) {
         open(window, "Befehl25");
         setCaption(control<QLabel>(game("Form2"), QStringLiteral("Bezeichnung12")),
                    QStringLiteral("IIII"));
     }},
    {"game shown beside the main window", "windows shown: [Form1, memo]",
     [](Form1 &window, ProgramChecks &) {
         open(window, "Befehl24");
         window.show();
     }},
    {"main window changed behind a game", "back from a game the main window has",
     [](Form1 &window, ProgramChecks &checks) {
         open(window, "Befehl24");
         checks.check(window, 0);
         window.numberField->sliders[3]->setValue(window.numberField->sliders[3]->value() ^ 1);
         game("memo")->close();
     }},
};

} // namespace

// The monkeys are only as good as the rules they check: a fresh program keeps them all,
// and each rule broken by hand is reported.
class ProgramChecksTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> window;
    ProgramChecks checks;

private Q_SLOTS:
    void init()
    {
        Clock::setFixed(QDateTime(QDate(2026, 3, 8), QTime(10, 15, 30, 125)));
        window = std::make_unique<Form1>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        checks.startSession();
    }
    void cleanup()
    {
        window.reset();
        Clock::setSystem();
    }

    void freshProgramKeepsEveryRule() { QCOMPARE(checks.check(*window, 0), QString()); }

    void brokenRuleIsReported_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(breakages)); ++i)
            QTest::newRow(breakages[i].name) << i;
    }
    void brokenRuleIsReported()
    {
        QFETCH(int, index);
        QCOMPARE(checks.check(*window, 0), QString());
        breakages[index].breakRule(*window, checks);
        afterHandlerReturned();
        const QString report = checks.check(*window, 0);
        QVERIFY2(report.contains(QString::fromUtf8(breakages[index].reported)), qPrintable(report));
    }
};

ZAHLZEICHEN_TEST(ProgramChecksTest)
#include "program_checks_test.moc"

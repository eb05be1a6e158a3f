#include "controls.h"
#include "heard.h"
#include "message_box_answer.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "test_registry.h"
#include "worksheets/editor_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>

namespace
{

QStringList linesOf(const QListWidget *list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

int selectedRowOf(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

// The first time of day whose reseeded draw gives the wanted number.
QTime timeDrawing(int wanted)
{
    for (int msecs = 0; msecs < 24 * 3600 * 1000; ++msecs) {
        RandomSource source;
        source.seed(msecs / 1000.0);
        if (static_cast<int>(source.fraction() * 4000) == wanted)
            return QTime::fromMSecsSinceStartOfDay(msecs);
    }
    return {};
}

} // namespace

class EditorPanelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    EditorPanel *panel = nullptr;

    template <typename T> T *control(const QString &name) const
    {
        return panel->findChild<T *>(name);
    }
    QLineEdit *text3() const { return control<QLineEdit>("Text3"); }
    QListWidget *numbers() const { return control<QListWidget>("Liste5"); }
    QListWidget *numerals() const { return control<QListWidget>("Liste6"); }
    QListWidget *sheet() const { return control<QListWidget>("Liste7"); }
    QString sheetCaption() const { return control<QLabel>("Bezeichnung18")->text(); }
    void click(const QString &name) const
    {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
        afterHandlerReturned();
    }
    void add(const QString &entry) const
    {
        text3()->setText(entry);
        panel->AddEditorNumber();
    }
    void clickLine(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
    }
    void verifyLastLineSelectedEverywhere() const
    {
        const int last = numbers()->count() - 1;
        for (const QListWidget *list : {numbers(), numerals(), sheet()}) {
            QCOMPARE(list->count(), last + 1);
            QCOMPARE(selectedRowOf(list), last);
        }
    }

private Q_SLOTS:
    void init()
    {
        window = std::make_unique<QWidget>();
        window->setFixedSize(682, 435);
        panel = new EditorPanel(window.get());
        setLeftTwips(panel, 120);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        Clock::setSystem();
    }

    void everyControlIsFoundByNameAtItsPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        const std::tuple<const char *, int, int, int, int> rows[] = {
            {"Befehl27", 120, 360, 1335, 375},       {"Befehl28", 120, 960, 1335, 375},
            {"Befehl31", 120, 1320, 1335, 375},      {"Befehl32", 120, 1680, 1335, 375},
            {"Befehl33", 120, 2280, 1335, 375},      {"Befehl34", 120, 2880, 1335, 375},
            {"Bild8", 240, 3360, 1095, 975},         {"Bezeichnung19", 120, 4440, 1335, 255},
            {"Text3", 120, 4680, 1335, 375},         {"Befehl29", 120, 5160, 1335, 375},
            {"Befehl30", 120, 5640, 1335, 375},      {"Bezeichnung17", 1680, 120, 1935, 255},
            {"Bezeichnung16", 3720, 120, 1935, 255}, {"Bezeichnung18", 5760, 120, 1935, 255},
            {"Liste5", 1680, 360, 1935, 5700},       {"Liste6", 3720, 360, 1935, 5700},
            {"Liste7", 5760, 360, 4095, 5700}};
        for (const auto &[name, left, top, width, height] : rows)
            QTest::newRow(name) << QString::fromLatin1(name) << twipsRect(left, top, width, height);
    }

    void everyControlIsFoundByNameAtItsPlace()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        const auto *widget = panel->findChild<QWidget *>(name);
        QVERIFY(widget && widget->isVisible());
        QCOMPARE(widget->geometry(), geometry);
    }

    void panelIsCreatedClosedAndAbbrechenClosesItKeepingItsContents()
    {
        const EditorPanel fresh(window.get());
        QCOMPARE(fresh.objectName(), QStringLiteral("Bild7"));
        QCOMPARE(fresh.geometry(), twipsRect(10800, 120, 9975, 6255));
        QCOMPARE(background(&fresh), QColor(0, 0, 192));

        add(QStringLiteral("7"));
        text3()->setText(QStringLiteral("12"));
        click("Befehl27");
        QVERIFY(isAtLeftTwips(panel, 10800));
        QCOMPARE(linesOf(numbers()), QStringList{QStringLiteral("   7")});
        QCOMPARE(text3()->text(), QStringLiteral("12"));
    }

    void everySheetOfTheExampleNumbersIsBuiltAndSwitchingLosesNothing()
    {
        for (const char *entry : {"7", "1994", "400", "0"})
            add(QString::fromLatin1(entry));
        QCOMPARE(linesOf(numbers()), (QStringList{"   7", "1994", " 400", "   0"}));
        QCOMPARE(linesOf(numerals()), (QStringList{"VII", "MCMXCIV", "CD", ""}));
        const QStringList solution{"   7 = VII", "1994 = MCMXCIV", " 400 = CD", "   0 = "};
        QCOMPARE(sheetCaption(), QStringLiteral("Lösungsblatt:"));
        QCOMPARE(linesOf(sheet()), solution);

        click("Befehl28");
        QCOMPARE(sheetCaption(), QStringLiteral("Leseblatt:"));
        QCOMPARE(linesOf(sheet()), (QStringList{"________ = VII", "________ = MCMXCIV",
                                                "________ = CD", "________ = "}));
        click("Befehl31");
        QCOMPARE(sheetCaption(), QStringLiteral("Schreibblatt:"));
        QCOMPARE(linesOf(sheet()),
                 (QStringList{"   7 = ____________________", "1994 = ____________________",
                              " 400 = ____________________", "   0 = ____________________"}));
        click("Befehl32");
        QCOMPARE(linesOf(sheet()), solution);
    }

    void additionSelectsTheLastLinesAndBuildingASheetSelectsNoLine()
    {
        add(QStringLiteral("7"));
        add(QString()); // an empty entry adds nothing
        add(QStringLiteral("1994"));
        verifyLastLineSelectedEverywhere();
        QVERIFY(text3()->text().isEmpty());

        clickLine(numbers(), 0);
        click("Befehl28");
        QCOMPARE(selectedRowOf(sheet()), -1);
        QCOMPARE(selectedRowOf(numbers()), 0);
        QCOMPARE(selectedRowOf(numerals()), 1);

        add(QStringLiteral("3"));
        QCOMPARE(sheet()->item(2)->text(), QStringLiteral("________ = III"));
        verifyLastLineSelectedEverywhere();
    }

    void typedEntryIsAddedWithItsLeadingZeros_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("line");
        QTest::newRow("007") << "007"
                             << " 007 = VII";
        QTest::newRow("00012") << "00012"
                               << "0012 = XII";
        QTest::newRow("0") << "0"
                           << "   0 = ";
    }

    void typedEntryIsAddedWithItsLeadingZeros()
    {
        QFETCH(QString, entry);
        QFETCH(QString, line);
        QTest::keyClicks(text3(), entry);
        panel->AddEditorNumber();
        QCOMPARE(linesOf(numbers()), QStringList{line.left(4)});
        QCOMPARE(linesOf(numerals()), QStringList{line.mid(7)});
        QCOMPARE(linesOf(sheet()), QStringList{line});
    }

    void zufallszahlAddsTheNumberDrawnAfterReseedingFromTheClock()
    {
        Clock::setFixed(QDateTime(QDate(2024, 5, 17), QTime(10, 23, 45, 678)));
        RandomSource prediction;
        prediction.seed(Clock::secondsSinceMidnight());
        const int expected = static_cast<int>(prediction.fraction() * 4000);
        const QString padded = QStringLiteral("%1").arg(expected, 4, 10, QLatin1Char(' '));

        text3()->setText(QStringLiteral("12"));
        click("Befehl29");
        click("Befehl29"); // reseeded from the same moment, so drawn alike
        QCOMPARE(linesOf(numbers()), (QStringList{padded, padded}));
        QVERIFY(text3()->text().isEmpty());
        verifyLastLineSelectedEverywhere();

        const QTime drawingZero = timeDrawing(0);
        QVERIFY(drawingZero.isValid());
        Clock::setFixed(QDateTime(QDate(2024, 5, 17), drawingZero));
        click("Befehl29");
        QCOMPARE(sheet()->item(2)->text(), QStringLiteral("   0 = "));
    }

    void loeschenRemovesTheNumberSelectedInListe5FromAllLists()
    {
        for (const char *entry : {"7", "1994", "400"})
            add(QString::fromLatin1(entry));
        clickLine(numbers(), 0);
        clickLine(numerals(), 1);
        clickLine(sheet(), 2);
        {
            Heard heard;
            click("Befehl30");
            QCOMPARE(heard.said, QStringList{"Zeile gelöscht: Zahl 7, Römische Zahl V I I"});
        }
        QCOMPARE(linesOf(numbers()), (QStringList{"1994", " 400"}));
        QCOMPARE(linesOf(numerals()), (QStringList{"MCMXCIV", "CD"}));
        QCOMPARE(linesOf(sheet()), (QStringList{"1994 = MCMXCIV", " 400 = CD"}));
        verifyLastLineSelectedEverywhere();

        click("Befehl30");
        click("Befehl30");
        for (const QListWidget *list : {numbers(), numerals(), sheet()}) {
            QCOMPARE(list->count(), 0);
            QCOMPARE(selectedRowOf(list), -1);
        }
    }

    void noClickUnmarksALineSoLoeschenRemovesTheMarkedOne()
    {
        click("Befehl30"); // with empty lists there is nothing to remove
        QCOMPARE(numbers()->count(), 0);
        for (const char *entry : {"7", "8", "9"})
            add(QString::fromLatin1(entry));
        for (QListWidget *list : {numbers(), numerals(), sheet()}) {
            clickLine(list, 1);
            clickLine(list, 1, Qt::ControlModifier);
            const QPoint blank(list->viewport()->width() / 2, list->viewport()->height() - 4);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, blank);
            QTest::keyClick(list, Qt::Key_Space); // lines begin with blanks; none is sought
            QCOMPARE(selectedRowOf(list), 1);
        }
        click("Befehl30");
        QCOMPARE(linesOf(numbers()), (QStringList{"   7", "   9"}));
        QCOMPARE(linesOf(sheet()), (QStringList{"   7 = VII", "   9 = IX"}));
    }

    void alleLoeschenKeepsTheKindForTheNextNumber()
    {
        add(QStringLiteral("7"));
        click("Befehl31");
        click("Befehl33");
        QCOMPARE(numbers()->count() + numerals()->count() + sheet()->count(), 0);
        add(QStringLiteral("14"));
        QCOMPARE(linesOf(sheet()), QStringList{QStringLiteral("  14 = ____________________")});
    }

    void kopierenPutsTheSheetOnTheClipboardAndNamesIt_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("solution sheet of 7 and 1994")
            << QStringList{"7", "1994"} << "Befehl32"
            << QByteArray::fromHex("20202037203D205649490D0A31393934203D204D434D584349560D0A")
            << "Lösungsblatt";
        QTest::newRow("reading sheet of 0")
            << QStringList{"0"} << "Befehl28" << QByteArray("________ = \r\n") << "Leseblatt";
        QTest::newRow("writing sheet")
            << QStringList{"5"} << "Befehl31" << QByteArray("   5 = ____________________\r\n")
            << "Schreibblatt";
        QTest::newRow("empty solution sheet")
            << QStringList{} << "Befehl32" << QByteArray() << "Lösungsblatt";
    }

    void kopierenPutsTheSheetOnTheClipboardAndNamesIt()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, button);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        for (const QString &entry : entries)
            add(entry);
        click(button);
        QGuiApplication::clipboard()->setText(QStringLiteral("alter Text"));
        MessageBoxAnswer answer(QStringLiteral("OK"));
        click("Befehl34");
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->text().toUtf8(), bytes);
        // Beside the text the same lines in a fixed-pitch font, read as a word processor would.
        QCOMPARE(copied->hasHtml(), !bytes.isEmpty());
        QTextDocument pasted;
        pasted.setHtml(copied->html());
        QString lines = QString::fromUtf8(bytes).remove(QLatin1Char('\r'));
        lines.chop(1);
        QCOMPARE(pasted.toPlainText(), lines);
        const QStringList fixedPitch{"Courier New", "Liberation Mono", "monospace"};
        // An empty sheet has no fragment, and an end iterator's fragment() reads past the text.
        const QTextBlock::iterator first = pasted.begin().begin();
        QCOMPARE(first.atEnd() ? QStringList()
                               : first.fragment().charFormat().fontFamilies().toStringList(),
                 bytes.isEmpty() ? QStringList() : fixedPitch);
        QCOMPARE(answer.boxesSeen(), 1);
        QCOMPARE(answer.text, "Das " + name + " wurde in die Ablage kopiert.\n\n");
        QCOMPARE(answer.title, QStringLiteral("Kopieren (in CourierNew)"));
        QCOMPARE(answer.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(answer.icon, QMessageBox::NoIcon);
    }

    void inputRuleKeepsDigitsBelow4000_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("after");
        const QString zeros(3000, QLatin1Char('0'));
        QString mixed;
        for (int i = 0; i < 50000; ++i)
            mixed += QStringLiteral("9x");
        QTest::newRow("1 2 a 3 typed") << "" << 0 << "12a3" << false << 0 << "123";
        QTest::newRow("0 after 400") << "400" << 3 << "0" << false << 1 << "400";
        QTest::newRow("5 before 999") << "999" << 0 << "5" << false << 1 << "599";
        QTest::newRow("1 before 999") << "999" << 0 << "1" << false << 0 << "1999";
        QTest::newRow("five nines pasted") << "" << 0 << "99999" << true << 2 << "999";
        QTest::newRow("nines and letters pasted") << "" << 0 << "9a9b9c9d9" << true << 2 << "999";
        QTest::newRow("seven nines pasted") << "" << 0 << "9999999" << true << 4 << "999";
        QTest::newRow("an IBAN pasted")
            << "" << 0 << "DE89 3704 0044 0532 0130 00" << true << 17 << "893";
        QTest::newRow("23 nines pasted, the longest told digit by digit")
            << "" << 0 << QString(23, QLatin1Char('9')) << true << 20 << "999";
        // Pastes that would need more messages are cut after a few, silently.
        QTest::newRow("100000 characters pasted") << "" << 0 << mixed << true << 20 << "999";
        QTest::newRow("5000 nines pasted")
            << "" << 0 << QString(5000, QLatin1Char('9')) << true << 20 << "999";
        QTest::newRow("zeros before 123456 pasted") << "" << 0 << zeros + QStringLiteral("123456")
                                                    << true << 2 << zeros + QStringLiteral("1234");
    }

    void inputRuleKeepsDigitsBelow4000()
    {
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(int, messages);
        QFETCH(QString, after);
        text3()->setText(before);
        text3()->setCursorPosition(caret);
        MessageBoxAnswer answer(QStringLiteral("OK"));
        if (pasted)
            text3()->insert(typed);
        else
            QTest::keyClicks(text3(), typed);
        QCOMPARE(answer.boxesSeen(), messages);
        if (messages > 0) {
            QCOMPARE(answer.text, QStringLiteral("Die maximale Zahl ist 3999.\n\n"));
            QCOMPARE(answer.title, QStringLiteral("Zahlgröße"));
            QCOMPARE(answer.buttons, QStringList{QStringLiteral("OK")});
            QCOMPARE(answer.icon, QMessageBox::NoIcon);
        }
        QCOMPARE(text3()->text(), after);
        QCOMPARE(text3()->cursorPosition(), after.size());
        QCOMPARE(window->focusWidget(), text3()); // focused again once the window is active

        panel->AddEditorNumber();
        QCOMPARE(linesOf(numbers()), QStringList{after.right(4).rightJustified(4)});
    }
};

ZAHLZEICHEN_TEST(EditorPanelTest)
#include "editor_panel_test.moc"

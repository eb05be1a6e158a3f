#include "greedy_numeral.h"
#include "numerals/numerals.h"
#include "test_registry.h"

#include <QTest>

class NumeralsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void composedNumeralEqualsGreedyRuleForEveryNumber()
    {
        for (int number = 0; number <= 3999; ++number)
            QCOMPARE(ComposeNumeral(number), greedyNumeral(number));
    }

    void composedNumeralOfEdgeValues_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("numeral");
        const std::pair<int, const char *> rows[] = {{0, ""},
                                                     {1, "I"},
                                                     {4, "IV"},
                                                     {9, "IX"},
                                                     {14, "XIV"},
                                                     {40, "XL"},
                                                     {90, "XC"},
                                                     {101, "CI"},
                                                     {400, "CD"},
                                                     {900, "CM"},
                                                     {1000, "M"},
                                                     {1994, "MCMXCIV"},
                                                     {2005, "MMV"},
                                                     {2014, "MMXIV"},
                                                     {3888, "MMMDCCCLXXXVIII"},
                                                     {3999, "MMMCMXCIX"}};
        for (const auto &[number, numeral] : rows)
            QTest::addRow("%d", number) << number << QString::fromLatin1(numeral);
    }

    void composedNumeralOfEdgeValues()
    {
        QFETCH(int, number);
        QFETCH(QString, numeral);
        QCOMPARE(QString::fromStdString(ComposeNumeral(number)), numeral);
    }

    void longestNumeralHasFifteenLetters()
    {
        std::size_t longest = 0;
        for (int number = 0; number <= 3999; ++number)
            longest = std::max(longest, ComposeNumeral(number).size());
        QCOMPARE(longest, std::size_t{15});
        QCOMPARE(ComposeNumeral(3888).size(), std::size_t{15});
    }

    void tablesHoldTheirPartsInDigitOrderWithEmptyFirstEntry()
    {
        QCOMPARE(Thousands.size(), std::size_t{4});
        QCOMPARE(Hundreds.size(), std::size_t{10});
        QCOMPARE(Tens.size(), std::size_t{10});
        QCOMPARE(Ones.size(), std::size_t{10});
        QVERIFY(Thousands[0].empty() && Hundreds[0].empty() && Tens[0].empty() && Ones[0].empty());
        QCOMPARE(Hundreds[4], std::string_view("CD"));
        QCOMPARE(Tens[9], std::string_view("XC"));
        QCOMPARE(Ones[8], std::string_view("VIII"));
    }

    void paddedNumberKeepsLeadingZerosAndTheLastFourCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("padded");
        QTest::addColumn<QString>("numeral");
        QTest::newRow("7") << "7"
                           << "   7"
                           << "VII";
        QTest::newRow("42") << "42"
                            << "  42"
                            << "XLII";
        QTest::newRow("400") << "400"
                             << " 400"
                             << "CD";
        QTest::newRow("1994") << "1994"
                              << "1994"
                              << "MCMXCIV";
        QTest::newRow("0") << "0"
                           << "   0"
                           << "";
        QTest::newRow("007") << "007"
                             << " 007"
                             << "VII";
        QTest::newRow("00012") << "00012"
                               << "0012"
                               << "XII";
        QTest::newRow("empty") << ""
                               << "    "
                               << "";
    }

    void paddedNumberKeepsLeadingZerosAndTheLastFourCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, padded);
        QFETCH(QString, numeral);
        const std::string result = PadNumber(typed.toStdString());
        QCOMPARE(QString::fromStdString(result), padded);
        QCOMPARE(QString::fromStdString(ComposePadded(result)), numeral);
    }

    void spaceOutPutsASpaceBeforeAndAfterEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spaced");
        QTest::newRow("empty") << ""
                               << " ";
        QTest::newRow("numeral") << "MCMXCIV"
                                 << " M C M X C I V ";
        QTest::newRow("spaces count as characters") << " 1994"
                                                    << "   1 9 9 4 ";
    }

    void spaceOutPutsASpaceBeforeAndAfterEveryCharacter()
    {
        QFETCH(QString, text);
        QFETCH(QString, spaced);
        const std::string result = SpaceOut(text.toStdString());
        QCOMPARE(QString::fromStdString(result), spaced);
        QCOMPARE(result.size(), 2 * text.size() + 1);
    }

    void introductionTextIsExactWithCrLfBreaks()
    {
        const QString expected = QStringLiteral(
            "\r\nDie römischen Zahlzeichen\r\n\r\n\r\n"
            "Mit diesem Programm kannst du die römischen Zahlzeichen trainieren.\r\n"
            "Du hast zwei Hilfsquellen zur Auswahl: Das Zahlenfeld oder die Tabelle.\r\n\r\n"
            "Im Zahlenfeld kannst du jede Zahl mit den Schiebereglern einstellen und\r\n"
            "sie dann abschreiben. Nach mehreren Übungen wirst du dann den Dreh\r\n"
            "heraushaben und diese Hilfe nicht mehr benötigen. Bei der Tabelle wird\r\n"
            "statt des Zahlenfeldes eine Zahlentabelle eingeblendet. Aus ihr kannst\r\n"
            "du die wichtigsten römischen Zahlzeichen ablesen und zusammensetzen.\r\n");
        QCOMPARE(QString::fromStdString(IntroductionText()), expected);
    }
};

ZAHLZEICHEN_TEST(NumeralsTest)
#include "numerals_test.moc"

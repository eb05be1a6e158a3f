#include "test_registry.h"
#include "worksheets/entry_rule.h"

#include <QTest>

class WorksheetRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepDigitsDropsEverythingButAsciiDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digits");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("letter between digits, leading zero") << "01a2"
                                                             << "012";
        QTest::newRow("signs and spaces") << "-1 9.9,4"
                                          << "1994";
        QTest::newRow("umlaut and fullwidth digit") << "ä9８ß"
                                                    << "9";
    }

    void keepDigitsDropsEverythingButAsciiDigits()
    {
        QFETCH(QString, text);
        QFETCH(QString, digits);
        QCOMPARE(QString::fromStdString(keepDigits(text.toStdString())), digits);
    }

    void lengthBelowLimitKeepsTheLongestPrefixUnder4000_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("length");
        const QString zeros(10000, QLatin1Char('0'));
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("3999") << "3999" << 4;
        QTest::newRow("4000") << "4000" << 3;
        QTest::newRow("five nines") << "99999" << 3;
        QTest::newRow("leading zeros do not count") << "0003999" << 7;
        QTest::newRow("ten thousand nines") << QString(10000, QLatin1Char('9')) << 3;
        QTest::newRow("ten thousand zeros") << zeros << 10000;
        QTest::newRow("ten thousand zeros then 12345") << zeros + QStringLiteral("12345") << 10004;
    }

    void lengthBelowLimitKeepsTheLongestPrefixUnder4000()
    {
        QFETCH(QString, digits);
        QFETCH(int, length);
        const std::string text = digits.toStdString();
        QCOMPARE(lengthBelowLimit(text), static_cast<std::size_t>(length));
        QCOMPARE(reachesLimit(text), length < digits.size());
    }

    void limitAgreesWithTheValueForEveryEntryUpToFourDigits()
    {
        for (int value = 0; value <= 9999; ++value)
            QCOMPARE(reachesLimit(std::to_string(value)), value >= 4000);
    }
};

ZAHLZEICHEN_TEST(WorksheetRulesTest)
#include "worksheet_rules_test.moc"

#include "games/memory/memory_deal.h"
#include "level_numerals.h"
#include "platform/lenient_number.h"
#include "test_registry.h"

#include <QTest>

class MemoryDealTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPairIsOneNumberAndItsNumeral_data()
    {
        QTest::addColumn<char>("level");
        QTest::addColumn<double>("seconds");
        for (const char level : {'E', 'Z', 'H'}) {
            for (const double seconds : {0.0, 1.5, 36000.25, 86399.99})
                QTest::addRow("%c at %.2f s", level, seconds) << level << seconds;
        }
    }

    void everyPairIsOneNumberAndItsNumeral()
    {
        QFETCH(char, level);
        QFETCH(double, seconds);
        RandomSource random;
        random.seed(seconds);
        const MemoryNumerals numerals = levelNumerals(level);
        const MemoryBoard board = dealMemoryBoard(level, numerals, random);

        QCOMPARE(board.pairString.size(), std::size_t{18});
        for (char digit = '1'; digit <= '9'; ++digit) {
            const std::size_t first = board.pairString.find(digit);
            QVERIFY(first != std::string::npos);
            const std::size_t second = board.pairString.find(digit, first + 1);
            QVERIFY(second != std::string::npos);
            QCOMPARE(board.pairString.find(digit, second + 1), std::string::npos);

            const std::string number = levelNumber(level, digit - '0');
            const std::string &numeral = numerals[static_cast<std::size_t>(digit - '0')];
            const bool numeralFirst =
                board.values[first] == numeral && board.values[second] == number;
            const bool numberFirst =
                board.values[first] == number && board.values[second] == numeral;
            QVERIFY2(numeralFirst || numberFirst, board.pairString.c_str());
        }
        QStringList values;
        for (const std::string &value : board.values)
            values << QString::fromStdString(value);
        values.sort();
        QCOMPARE(values, levelValues(level));
    }

    void placesAndCoinsAreFairOverManyDeals()
    {
        // Every place must be reachable for every pair, and either card of a pair must be
        // able to carry the numeral, about half the time each.
        RandomSource random;
        std::array<std::array<int, 10>, 18> digitAtPlace{};
        int numeralFirst = 0;
        const int deals = 400;
        const MemoryNumerals numerals = levelNumerals('E');
        for (int deal = 0; deal < deals; ++deal) {
            random.seed(deal * 217.3);
            const MemoryBoard board = dealMemoryBoard('E', numerals, random);
            for (std::size_t place = 0; place < 18; ++place)
                ++digitAtPlace[place][static_cast<std::size_t>(board.pairString[place] - '0')];
            for (char digit = '1'; digit <= '9'; ++digit) {
                const std::size_t first = board.pairString.find(digit);
                numeralFirst += lenientNumber(board.values[first]) == 0 ? 1 : 0;
            }
        }
        for (std::size_t place = 0; place < 18; ++place) {
            for (std::size_t digit = 1; digit <= 9; ++digit)
                QVERIFY2(digitAtPlace[place][digit] > 0, qPrintable(QString::number(place + 1)));
        }
        const int coins = deals * 9;
        QVERIFY2(numeralFirst > coins * 2 / 5 && numeralFirst < coins * 3 / 5,
                 qPrintable(QString::number(numeralFirst)));
    }
};

ZAHLZEICHEN_TEST(MemoryDealTest)
#include "memory_deal_test.moc"

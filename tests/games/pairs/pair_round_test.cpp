#include "games/pairs/numeral_order.h"
#include "games/pairs/pair_round.h"
#include "greedy_numeral.h"
#include "numerals/numerals.h"
#include "platform/random.h"
#include "test_registry.h"

#include <QTest>
#include <algorithm>

namespace
{

std::vector<std::string> sortedByInsertion(const std::vector<std::string> &numerals)
{
    std::vector<std::string> sorted;
    for (const std::string &numeral : numerals)
        sorted.insert(sorted.begin() + static_cast<std::ptrdiff_t>(sortedPlace(sorted, numeral)),
                      numeral);
    return sorted;
}

} // namespace

class PairRoundTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionSpacesEveryDigitAndNumeralComesFromTheTables_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("numeral");
        QTest::newRow("7") << 7 << "   7 "
                           << "VII";
        QTest::newRow("10") << 10 << "   1 0 "
                            << "X";
        QTest::newRow("48") << 48 << "   4 8 "
                            << "XLVIII";
        QTest::newRow("1000") << 1000 << "   1 0 0 0 "
                              << "M";
        QTest::newRow("1234") << 1234 << "   1 2 3 4 "
                              << "MCCXXXIV";
        QTest::newRow("3999") << 3999 << "   3 9 9 9 "
                              << "MMMCMXCIX";
    }

    void captionSpacesEveryDigitAndNumeralComesFromTheTables()
    {
        QFETCH(int, number);
        QFETCH(QString, caption);
        QFETCH(QString, numeral);
        QCOMPARE(QString::fromStdString(SpaceOutNumber(number)), caption);
        QCOMPARE(QString::fromStdString(ComposeNumeral(number)), numeral);
    }

    void numeralOrderRanksLettersByCharacterCodeAndPrefixesFirst_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("firstComesBefore");
        // The letters rank C, D, I, L, M, V, X.
        const char *letters[] = {"C", "D", "I", "L", "M", "V", "X"};
        for (std::size_t index = 0; index + 1 < std::size(letters); ++index) {
            QTest::addRow("%s before %s", letters[index], letters[index + 1])
                << letters[index] << letters[index + 1] << true;
            QTest::addRow("%s after %s", letters[index + 1], letters[index])
                << letters[index + 1] << letters[index] << false;
        }
        QTest::newRow("prefix first") << "CM"
                                      << "CMXCIX" << true;
        QTest::newRow("longer after its prefix") << "MMM"
                                                 << "MM" << false;
        QTest::newRow("first difference decides") << "MMV"
                                                  << "MMXIV" << true;
        QTest::newRow("equal not before") << "VII"
                                          << "VII" << false;
    }

    void numeralOrderRanksLettersByCharacterCodeAndPrefixesFirst()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, firstComesBefore);
        QCOMPARE(numeralComesBefore(first.toStdString(), second.toStdString()), firstComesBefore);
    }

    void insertingAtTheSortedPlaceSortsAndKeepsTwinsTogether()
    {
        QCOMPARE(sortedByInsertion({"MCCXXXIV", "VII", "XLVIII", "CMXCIX", "MM"}),
                 std::vector<std::string>({"CMXCIX", "MCCXXXIV", "MM", "VII", "XLVIII"}));
        QCOMPARE(sortedByInsertion({"XII", "V", "XII", "XI", "XII", "CD"}),
                 std::vector<std::string>({"CD", "V", "XI", "XII", "XII", "XII"}));
        QCOMPARE(sortedPlace({"C", "X", "X", "XI"}, "X"), std::size_t{3});
    }

    void roundTakesNineDrawsFromOneToThreeThousandNineHundredNinetyNine()
    {
        RandomSource source(20260308);
        RandomSource twin(20260308);
        const PairRound round = drawPairRound(source);
        std::vector<std::string> drawn;
        for (std::size_t index = 0; index < PairRound::Size; ++index) {
            const int number = twin.between(1, 3999);
            QCOMPARE(round.numberCaptions[index], SpaceOutNumber(number));
            QCOMPARE(round.numerals[index], greedyNumeral(number));
            drawn.push_back(greedyNumeral(number));
        }
        QCOMPARE(source.between(1, 3999), twin.between(1, 3999));
        // The standard string order is plain character order with a prefix first.
        std::sort(drawn.begin(), drawn.end());
        QVERIFY(
            std::equal(round.sortedNumerals.begin(), round.sortedNumerals.end(), drawn.begin()));
    }
};

ZAHLZEICHEN_TEST(PairRoundTest)
#include "pair_round_test.moc"

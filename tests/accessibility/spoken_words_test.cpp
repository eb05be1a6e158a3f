#include "platform/spoken_words.h"
#include "test_registry.h"

#include <QTest>

// Captions made for the eye, put for the ear.
class SpokenWordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainWordsJoinWhatWasSpacedOutAndKeepRealWords_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("plain");
        QTest::newRow("one blank between") << "L e s e n"
                                           << "Lesen";
        QTest::newRow("two blanks between") << "N  e  u"
                                            << "Neu";
        QTest::newRow("spaced number") << "   1 9 9 4 "
                                       << "1994";
        QTest::newRow("spaced numeral") << " M M X X V I "
                                        << "MMXXVI";
        QTest::newRow("one letter stays") << "E"
                                          << "E";
        QTest::newRow("one spaced digit") << "   7 "
                                          << "7";
        QTest::newRow("umlaut is one character") << "L ö s e n"
                                                 << "Lösen";
        QTest::newRow("a word stays") << "Zahlenfeld"
                                      << "Zahlenfeld";
        QTest::newRow("words keep one blank") << "richtig  falsch"
                                              << "richtig falsch";
        QTest::newRow("a word among letters stays a word") << "A b c Wort"
                                                           << "A b c Wort";
        QTest::newRow("nothing") << "   "
                                 << "";
    }
    void plainWordsJoinWhatWasSpacedOutAndKeepRealWords()
    {
        QFETCH(QString, caption);
        QFETCH(QString, plain);
        QCOMPARE(QString::fromStdString(PlainWords(caption.toStdString())), plain);
    }

    void valuesAreSpokenAsNumbersOrSpelledNumerals_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("number") << "70"
                                << "Zahl 70";
        QTest::newRow("spaced number") << "   3 8 8 8 "
                                       << "Zahl 3888";
        QTest::newRow("zero") << "0"
                              << "Zahl 0";
        QTest::newRow("numeral") << "LXX"
                                 << "Römische Zahl L X X";
        QTest::newRow("spaced numeral") << " M M M D C C C L X X X V I I I "
                                        << "Römische Zahl M M M D C C C L X X X V I I I";
        QTest::newRow("one letter") << "I"
                                    << "Römische Zahl I";
        QTest::newRow("nothing shown") << ""
                                       << "";
        QTest::newRow("blanks only") << "   "
                                     << "";
    }
    void valuesAreSpokenAsNumbersOrSpelledNumerals()
    {
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        QCOMPARE(QString::fromStdString(SpokenValue(caption.toStdString())), spoken);
    }
    void valuesShownTogetherAreOnePhraseWithoutTheEmptyOnes()
    {
        QCOMPARE(SpokenValues({"  40", "", "XL"}), std::string("Zahl 40, Römische Zahl X L"));
    }
};

ZAHLZEICHEN_TEST(SpokenWordsTest)
#include "spoken_words_test.moc"

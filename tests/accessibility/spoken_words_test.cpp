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

    // Every phrase the program tells a listening screen reader, from captions as shown.
    void everyPhraseToldIsSaidInTheProgramsWords_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *what, const std::string &phrase, const char *expected) {
            QTest::newRow(what) << QString::fromStdString(phrase) << QString::fromUtf8(expected);
        };
        row("task numeral", TaskPhrase(" M C M X C I V "), "Aufgabe: Römische Zahl M C M X C I V");
        row("task number", TaskPhrase("   1 9 9 4 "), "Aufgabe: Zahl 1994");
        row("no task", TaskPhrase(""), "Aufgabe");
        row("wrong answer", WrongAnswerPhrase(), "falsch");
        row("field", FieldPhrase(" M M X X V I "), "Römische Zahl M M X X V I");
        row("field at 0", FieldPhrase(""), "Römische Zahl, leer");
        row("card down", CardPhrase(5, CardFace::Down, ""), "Karte 5, verdeckt");
        row("card up", CardPhrase(5, CardFace::Up, "9"), "Karte 5: Zahl 9");
        row("card found", CardPhrase(18, CardFace::Found, "XC"), "Karte 18, gefunden");
        row("pair found", PairFoundPhrase(), "Paar gefunden!");
        row("turned back", CardsTurnedBackPhrase(), "Die Karten sind wieder verdeckt.");
        row("number", GameLabelPhrase({"41"}, false), "Zahl 41");
        row("placed", GameLabelPhrase({"40", "XL"}, false), "Zahl 40, Römische Zahl X L");
        row("picked", GameLabelPhrase({"XL"}, true), "Römische Zahl X L, zum Ablegen ausgewählt");
        row("emptied", GameLabelPhrase({""}, false), "Leeres Feld");
        row("let go", LetGoPhrase("XL"), "Römische Zahl X L, losgelassen");
        row("right place", RightPlacePhrase({"40", "XL"}), "Richtig: Zahl 40, Römische Zahl X L");
        row("wrong place", WrongPlacePhrase("XL", "41"),
            "Falsch: Römische Zahl X L gehört nicht zu Zahl 41");
        row("emptied label dropped", WrongPlacePhrase("", "7"), "");
        row("line added", LineAddedPhrase("  14", "XIV"),
            "Neue Zeile: Zahl 14, Römische Zahl X I V");
        row("line removed", LineRemovedPhrase("1994", "MCMXCIV"),
            "Zeile gelöscht: Zahl 1994, Römische Zahl M C M X C I V");
        row("beyond a name at its end",
            PhraseBeyondName("Richtig: Zahl 40, Römische Zahl X L", "Zahl 40, Römische Zahl X L"),
            "Richtig");
        row("beyond the whole name", PhraseBeyondName("Karte 1: Zahl 9", "Karte 1: Zahl 9"), "");
        row("beyond another name", PhraseBeyondName("Karte 2: Zahl 9", "Karte 2, gefunden"),
            "Karte 2: Zahl 9");
        row("beyond a name at its start",
            PhraseBeyondName("Römische Zahl X L, losgelassen", "Römische Zahl X L"),
            "Römische Zahl X L, losgelassen");
    }
    void everyPhraseToldIsSaidInTheProgramsWords()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, expected);
        QCOMPARE(phrase, expected);
    }
};

ZAHLZEICHEN_TEST(SpokenWordsTest)
#include "spoken_words_test.moc"

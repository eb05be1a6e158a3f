#pragma once

#include <string>
#include <string_view>
#include <vector>

// How captions made for the eye are put for the ear. All texts are UTF-8.

// The plain words of a caption: letters spaced out for the eye are joined again
// ("L e s e n" gives "Lesen", "N  e  u" gives "Neu", "   1 9 9 4 " gives "1994"); any other
// caption keeps its words, with blanks at the ends dropped and runs of blanks made one.
std::string PlainWords(std::string_view caption);

// A numeral letter by letter ("MCMXCIV" gives "M C M X C I V"), so that a speech synthesizer
// spells it instead of pronouncing it as a word or reading out the number it stands for.
std::string SpelledNumeral(std::string_view numeral);

// A value shown on a card or a label, spaced or not, as it is spoken: digits as "Zahl 70",
// a numeral as "Römische Zahl L X X"; empty when the caption shows nothing.
std::string SpokenValue(std::string_view caption);

// Several values shown together (the lines of a label, a line of the editor's lists) as one
// phrase: each as SpokenValue says it, the empty ones left out, joined by ", "
// ("Zahl 40, Römische Zahl X L").
std::string SpokenValues(const std::vector<std::string> &captions);

// What the program tells a listening screen reader, phrase by phrase. Values are captions as
// the eye sees them; each phrase says them as SpokenValue does.

// The task of an exercise: "Aufgabe: Römische Zahl M C M X C I V", "Aufgabe: Zahl 1994";
// "Aufgabe" while there is none.
std::string TaskPhrase(std::string_view task);
// An answer that makes the box red.
std::string WrongAnswerPhrase();
// The number field's numeral, "Römische Zahl M M X X V I"; "Römische Zahl, leer" when all
// sliders stand at 0 and it shows nothing.
std::string FieldPhrase(std::string_view field);

// A memory card, numbered from 1: "Karte 5, verdeckt", "Karte 5: Zahl 9", "Karte 5, gefunden".
enum class CardFace { Down, Up, Found };
std::string CardPhrase(int card, CardFace face, std::string_view value);
std::string PairFoundPhrase();
std::string CardsTurnedBackPhrase();

// A label of the pair game by the lines of its caption: "Zahl 40, Römische Zahl X L";
// "Leeres Feld" when emptied; with ", zum Ablegen ausgewählt" while its numeral is picked up.
std::string GameLabelPhrase(const std::vector<std::string> &lines, bool picked);
// A numeral let go again: "Römische Zahl X L, losgelassen".
std::string LetGoPhrase(std::string_view numeral);
// A numeral placed on its number, by the number label's lines: "Richtig: Zahl 40, Römische
// Zahl X L".
std::string RightPlacePhrase(const std::vector<std::string> &lines);
// A numeral dropped on another number: "Falsch: Römische Zahl X L gehört nicht zu Zahl 41";
// nothing for an emptied label, which carries nothing to judge.
std::string WrongPlacePhrase(std::string_view numeral, std::string_view number);

// A line of the worksheet editor added or removed: "Neue Zeile: Zahl 14, Römische Zahl X I V",
// "Zeile gelöscht: Zahl 14, Römische Zahl X I V".
std::string LineAddedPhrase(std::string_view number, std::string_view numeral);
std::string LineRemovedPhrase(std::string_view number, std::string_view numeral);

// What a phrase says beyond a name that is spoken anyway: "Richtig: Zahl 40, Römische Zahl X L"
// beside the name "Zahl 40, Römische Zahl X L" leaves "Richtig"; nothing when the name says it
// all; the whole phrase when the name is empty or not at its end.
std::string PhraseBeyondName(std::string_view phrase, std::string_view name);

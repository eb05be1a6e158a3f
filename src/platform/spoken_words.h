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

#include "platform/spoken_words.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{

std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

// One character, however many bytes UTF-8 gives it: a lead byte and its continuation bytes.
bool isOneCharacter(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin() + 1, word.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
    });
}

std::string joined(const std::vector<std::string_view> &words, std::string_view separator)
{
    std::string text;
    for (std::string_view word : words) {
        if (!text.empty())
            text += separator;
        text += word;
    }
    return text;
}

} // namespace

std::string PlainWords(std::string_view caption)
{
    const std::vector<std::string_view> words = wordsOf(caption);
    const bool spacedOut =
        words.size() > 1 && std::all_of(words.begin(), words.end(), isOneCharacter);
    return joined(words, spacedOut ? "" : " ");
}

std::string SpelledNumeral(std::string_view numeral)
{
    std::string spelled;
    for (char letter : numeral) {
        if (letter == ' ')
            continue;
        if (!spelled.empty())
            spelled += ' ';
        spelled += letter;
    }
    return spelled;
}

std::string SpokenValue(std::string_view caption)
{
    const std::string plain = PlainWords(caption);
    if (plain.empty())
        return {};
    const bool digits = std::all_of(plain.begin(), plain.end(), [](char character) {
        return character >= '0' && character <= '9';
    });
    return digits ? "Zahl " + plain : "Römische Zahl " + SpelledNumeral(plain);
}

std::string SpokenValues(const std::vector<std::string> &captions)
{
    std::string spoken;
    for (const std::string &caption : captions) {
        const std::string value = SpokenValue(caption);
        if (!value.empty())
            spoken += (spoken.empty() ? "" : ", ") + value;
    }
    return spoken;
}

std::string TaskPhrase(std::string_view task)
{
    const std::string value = SpokenValue(task);
    return value.empty() ? "Aufgabe" : "Aufgabe: " + value;
}

std::string WrongAnswerPhrase()
{
    return "falsch";
}

std::string FieldPhrase(std::string_view field)
{
    const std::string value = SpokenValue(field);
    return value.empty() ? "Römische Zahl, leer" : value;
}

std::string CardPhrase(int card, CardFace face, std::string_view value)
{
    const std::string number = "Karte " + std::to_string(card);
    switch (face) {
    case CardFace::Down:
        return number + ", verdeckt";
    case CardFace::Found:
        return number + ", gefunden";
    case CardFace::Up:
        break;
    }
    return number + ": " + SpokenValue(value);
}

std::string PairFoundPhrase()
{
    return "Paar gefunden!";
}

std::string CardsTurnedBackPhrase()
{
    return "Die Karten sind wieder verdeckt.";
}

std::string GameLabelPhrase(const std::vector<std::string> &lines, bool picked)
{
    std::string spoken = SpokenValues(lines);
    if (spoken.empty())
        spoken = "Leeres Feld";
    // A screen reader may skip a focused control's new name when it differs little from the
    // old one (Orca 51 skips names 85 % alike), and the learner would not hear the pick-up:
    // the state is said with enough words to tell even the longest numeral's names apart.
    return picked ? spoken + ", zum Ablegen ausgewählt" : spoken;
}

std::string LetGoPhrase(std::string_view numeral)
{
    return SpokenValue(numeral) + ", losgelassen";
}

std::string RightPlacePhrase(const std::vector<std::string> &lines)
{
    return "Richtig: " + SpokenValues(lines);
}

std::string WrongPlacePhrase(std::string_view numeral, std::string_view number)
{
    const std::string value = SpokenValue(numeral);
    return value.empty() ? std::string()
                         : "Falsch: " + value + " gehört nicht zu " + SpokenValue(number);
}

std::string PhraseBeyondName(std::string_view phrase, std::string_view name)
{
    if (name.empty() || !phrase.ends_with(name))
        return std::string(phrase);
    std::string_view rest = phrase.substr(0, phrase.size() - name.size());
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == ':' || rest.back() == ','))
        rest.remove_suffix(1);
    return std::string(rest);
}

std::string LineAddedPhrase(std::string_view number, std::string_view numeral)
{
    return "Neue Zeile: " + SpokenValues({std::string(number), std::string(numeral)});
}

std::string LineRemovedPhrase(std::string_view number, std::string_view numeral)
{
    return "Zeile gelöscht: " + SpokenValues({std::string(number), std::string(numeral)});
}

#include "numerals/numerals.h"

#include <cassert>

std::string PadNumber(std::string_view digits)
{
    const std::string padded = "    " + std::string(digits);
    return padded.substr(padded.size() - 4);
}

static std::size_t digitOf(char character)
{
    return character == ' ' ? 0 : static_cast<std::size_t>(character - '0');
}

std::string ComposePadded(std::string_view padded)
{
    assert(padded.size() == 4);
    std::string numeral;
    numeral += Thousands.at(digitOf(padded[0]));
    numeral += Hundreds.at(digitOf(padded[1]));
    numeral += Tens.at(digitOf(padded[2]));
    numeral += Ones.at(digitOf(padded[3]));
    return numeral;
}

std::string ComposeNumeral(int number)
{
    assert(number >= 0 && number <= 3999);
    return ComposePadded(PadNumber(std::to_string(number)));
}

std::string SpaceOut(std::string_view text)
{
    std::string spaced = " ";
    for (char character : text) {
        spaced += character;
        spaced += ' ';
    }
    return spaced;
}

std::string SpaceOutNumber(int number)
{
    std::string digits(1, ' ');
    digits += std::to_string(number);
    return SpaceOut(digits);
}

std::string IntroductionText()
{
    static constexpr std::string_view lineBreak = "\r\n";
    std::string text;
    auto line = [&text](std::string_view content) {
        text += content;
        text += lineBreak;
    };
    line("");
    line("Die römischen Zahlzeichen");
    line("");
    line("");
    line("Mit diesem Programm kannst du die römischen Zahlzeichen trainieren.");
    line("Du hast zwei Hilfsquellen zur Auswahl: Das Zahlenfeld oder die Tabelle.");
    line("");
    line("Im Zahlenfeld kannst du jede Zahl mit den Schiebereglern einstellen und");
    line("sie dann abschreiben. Nach mehreren Übungen wirst du dann den Dreh");
    line("heraushaben und diese Hilfe nicht mehr benötigen. Bei der Tabelle wird");
    line("statt des Zahlenfeldes eine Zahlentabelle eingeblendet. Aus ihr kannst");
    line("du die wichtigsten römischen Zahlzeichen ablesen und zusammensetzen.");
    return text;
}

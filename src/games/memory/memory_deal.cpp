#include "games/memory/memory_deal.h"

#include "platform/lenient_number.h"

std::string_view numberSuffix(char level)
{
    switch (level) {
    case 'Z':
        return "0";
    case 'H':
        return "00";
    default:
        return "";
    }
}

// A whole number from 1 to count from one fraction in [0, 1).
static int drawPlace(RandomSource &random, int count)
{
    return static_cast<int>(random.fraction() * count) + 1;
}

static bool isSingleDigit(const std::string &value)
{
    return value.size() == 1 && value[0] >= '1' && value[0] <= '9';
}

MemoryBoard dealMemoryBoard(char level, const MemoryNumerals &numerals, RandomSource &random)
{
    static constexpr std::string_view source = "112233445566778899";

    MemoryBoard board;
    board.pairString.assign(MemoryCardCount, '0');
    for (const char digit : source) {
        int place = drawPlace(random, MemoryCardCount);
        while (board.pairString[static_cast<std::size_t>(place - 1)] != '0')
            place = drawPlace(random, MemoryCardCount);
        board.pairString[static_cast<std::size_t>(place - 1)] = digit;
    }

    for (std::size_t n = 0; n < board.values.size(); ++n)
        board.values[n] = std::string(1, board.pairString[n]);

    for (int k = 1; k <= 9; ++k) {
        const int chosen = drawPlace(random, 2);
        int counter = 0;
        // A card that already shows a numeral reads as 0 and is passed over.
        for (std::string &value : board.values) {
            if (lenientNumber(value) != k)
                continue;
            if (++counter == chosen)
                value = numerals[static_cast<std::size_t>(k)];
        }
    }

    for (std::string &value : board.values) {
        if (isSingleDigit(value))
            value += numberSuffix(level);
    }
    return board;
}

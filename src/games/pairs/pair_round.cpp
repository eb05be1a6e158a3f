#include "games/pairs/pair_round.h"

#include "games/pairs/numeral_order.h"
#include "numerals/numerals.h"
#include "platform/random.h"

#include <algorithm>
#include <vector>

PairRound drawPairRound(RandomSource &random)
{
    PairRound round;
    std::vector<std::string> sorted;
    for (std::size_t index = 0; index < PairRound::Size; ++index) {
        const int number = random.between(1, 3999);
        round.numberCaptions[index] = SpaceOutNumber(number);
        round.numerals[index] = ComposeNumeral(number);
        const std::size_t place = sortedPlace(sorted, round.numerals[index]);
        sorted.insert(sorted.begin() + static_cast<std::ptrdiff_t>(place), round.numerals[index]);
    }
    std::copy(sorted.begin(), sorted.end(), round.sortedNumerals.begin());
    return round;
}

#include "exercises/answer_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

bool IsAcceptableAnswer(std::string_view answer, std::string_view solution)
{
    return solution.find(answer) != std::string_view::npos;
}

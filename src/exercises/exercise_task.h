#pragma once

#include <string>

// What a task shows the learner and the solution its answer is compared with.
struct ExerciseTask {
    std::string shown;
    std::string solution;
};

// Tasks are drawn from these numbers, both included.
inline constexpr int SmallestTaskNumber = 1;
inline constexpr int LargestTaskNumber = 3999;

// Reading: the spaced numeral is shown; the solution is the number in plain decimal.
ExerciseTask ReadingTask(int number);

// Writing: the decimal digits are shown spaced after one leading space (three spaces
// before the first digit); the solution is the numeral.
ExerciseTask WritingTask(int number);

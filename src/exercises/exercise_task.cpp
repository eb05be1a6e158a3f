#include "exercises/exercise_task.h"

#include "numerals/numerals.h"

ExerciseTask ReadingTask(int number)
{
    return {SpaceOut(ComposeNumeral(number)), std::to_string(number)};
}

ExerciseTask WritingTask(int number)
{
    return {SpaceOutNumber(number), ComposeNumeral(number)};
}

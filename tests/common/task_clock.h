#pragma once

#include "platform/clock.h"
#include "platform/random.h"

#include <QTest>

// Fixes the clock to the first moment of a day whose reseeded draw of a task (1 to 3999)
// gives the number, so that the next exercise task is known.
inline void fixClockToDraw(int number)
{
    for (int msecs = 0; msecs < 24 * 60 * 60 * 1000; ++msecs) {
        Clock::setFixed(QDateTime(QDate(2026, 1, 15), QTime::fromMSecsSinceStartOfDay(msecs)));
        RandomSource random;
        random.seed(Clock::secondsSinceMidnight());
        if (random.between(1, 3999) == number)
            return;
    }
    QFAIL("no time of day draws the number");
}

#include "platform/clock.h"

#include "platform/random.h"

std::optional<QDateTime> Clock::fixed;

QDateTime Clock::now()
{
    return fixed.value_or(QDateTime::currentDateTime());
}

int Clock::currentYear()
{
    return now().date().year();
}

double Clock::secondsSinceMidnight()
{
    return now().time().msecsSinceStartOfDay() / 1000.0;
}

void Clock::setFixed(const QDateTime &moment)
{
    fixed = moment;
}

void Clock::setSystem()
{
    fixed.reset();
}

void reseedFromClock()
{
    programRandom().seed(Clock::secondsSinceMidnight());
}

#include "common/Clock.h"

namespace zendrova {

namespace {
std::optional<QDate> &fixedToday()
{
    static std::optional<QDate> day;
    return day;
}
} // namespace

QDate Clock::today()
{
    return fixedToday() ? *fixedToday() : QDate::currentDate();
}

void Clock::setToday(std::optional<QDate> fixed)
{
    fixedToday() = fixed;
}

} // namespace zendrova

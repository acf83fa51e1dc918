#pragma once

#include <QDate>
#include <optional>

namespace zendrova {

// "Today" as the editors see it; tests pin a fixed day.
class Clock
{
public:
    static QDate today();
    // nullopt returns to the system clock.
    static void setToday(std::optional<QDate> fixed);
};

} // namespace zendrova

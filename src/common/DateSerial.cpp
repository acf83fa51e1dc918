#include "common/DateSerial.h"

#include <cmath>

namespace zendrova {

namespace {
const QDate kEpoch(1899, 12, 30);
}

QDate dateFromSerial(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(serial)));
}

double serialFromDate(QDate date)
{
    return date.isValid() ? static_cast<double>(kEpoch.daysTo(date)) : 0.0;
}

} // namespace zendrova

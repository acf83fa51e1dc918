#pragma once

#include <QDate>

namespace zendrova {

// Dates as stored in records: days since 30 December 1899, 0 meaning no date.
QDate dateFromSerial(double serial);
double serialFromDate(QDate date);

} // namespace zendrova

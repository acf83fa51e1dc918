#pragma once

#include <QList>
#include <optional>

namespace zendrova {

// Tab and Shift+Tab on the record card walk the fields in field-number order
// across all parts, skipping fields that are no tab stop, and wrap around:
// past the last field to the first, before the first to the last.
namespace CardTabOrder {

// The control index to move to from `current` (index tag - 1; -1 when no
// field has the focus); nothing when no field is a tab stop.
std::optional<int> next(int current, bool backwards, const QList<bool> &tabStops);

} // namespace CardTabOrder

} // namespace zendrova

#pragma once

#include "common/FontRecord.h"

#include <QFont>

namespace zendrova {

// Between the options files' font records and Qt fonts: name, point size and
// the four style bits.
QFont toQFont(const FontRecord &record);
FontRecord fontRecordOf(const QFont &font);

} // namespace zendrova

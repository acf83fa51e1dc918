#pragma once

#include "common/FontRecord.h"

#include <QFont>

namespace zendrova {

// Between the options files' font records and Qt fonts: name, point size and
// the four style bits.
QFont toQFont(const FontRecord &record);
FontRecord fontRecordOf(const QFont &font);
// What a font dialog's style box shows: "Regular", or the set bits' names.
QString fontStyleText(std::uint8_t style);

} // namespace zendrova

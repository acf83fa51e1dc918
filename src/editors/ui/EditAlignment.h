#pragma once

#include <Qt>

namespace zendrova {

// The editors' Alignment codes: 0 left, 1 right, 2 centre.
Qt::Alignment alignmentOfCode(int code);
int codeOfAlignment(Qt::Alignment alignment);

} // namespace zendrova

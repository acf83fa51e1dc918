#pragma once

#include "common/ColorScheme.h"

#include <QString>

namespace zendrova {

// One named colour template: a whole colour scheme.
struct TColorRec
{
    QString name;
    ColorScheme scheme;

    bool operator==(const TColorRec &) const = default;
};

} // namespace zendrova

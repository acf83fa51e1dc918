#pragma once

#include <QString>

namespace zendrova {

// One named template of a template list and the file in the user folder that
// holds its object.
struct TTemplate
{
    static constexpr int kMaxFileNameLength = 12;

    QString name;
    QString fileName;

    bool operator==(const TTemplate &) const = default;
};

} // namespace zendrova

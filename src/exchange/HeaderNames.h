#pragma once

#include <QStringList>

#include <vector>

namespace zendrova {

class FieldModel;

// The field positions that the names of a file's first line stand for: each
// name is compared with the captions without regard to case, surrounding
// blanks or a trailing ":". Picture fields are never matched.
struct HeaderNames
{
    std::vector<int> positions;
    // Names that match no caption, in file order.
    QStringList unknown;

    static HeaderNames match(
        const QStringList &names, const QStringList &captions, const FieldModel &fields);
    // A caption as it is compared.
    static QString plain(const QString &name);
};

} // namespace zendrova

#pragma once

#include <QString>
#include <vector>

namespace zendrova {

// A set literal of allowed characters such as ['0'..'9','-']; "[]" (or a text
// that is not a set literal) allows every character.
class CharSet
{
public:
    explicit CharSet(const QString &literal = QStringLiteral("[]"));

    bool allowsAll() const { return m_ranges.empty(); }
    bool contains(QChar c) const;
    QString filtered(const QString &text) const;

private:
    std::vector<std::pair<char16_t, char16_t>> m_ranges;
};

} // namespace zendrova

#include "editors/CharSet.h"

#include <QRegularExpression>

namespace zendrova {

CharSet::CharSet(const QString &literal)
{
    const QString text = literal.trimmed();
    if (!text.startsWith(QLatin1Char('[')) || !text.endsWith(QLatin1Char(']')))
        return;
    // Items: 'a' or 'a'..'z', separated by commas.
    static const QRegularExpression item(
        QStringLiteral(R"(\s*'(.)'\s*(?:\.\.\s*'(.)'\s*)?(,|$))"));
    const QString body = text.mid(1, text.size() - 2);
    qsizetype pos = 0;
    std::vector<std::pair<char16_t, char16_t>> ranges;
    while (pos < body.size()) {
        const auto match = item.match(body, pos, QRegularExpression::NormalMatch,
                                      QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch() || match.capturedLength() == 0)
            return; // not a literal this editor understands: allow everything
        const char16_t from = match.captured(1)[0].unicode();
        const char16_t to = match.capturedLength(2) ? match.captured(2)[0].unicode() : from;
        ranges.emplace_back(std::min(from, to), std::max(from, to));
        pos = match.capturedEnd();
    }
    m_ranges = std::move(ranges);
}

bool CharSet::contains(QChar c) const
{
    if (allowsAll())
        return true;
    for (const auto &[from, to] : m_ranges) {
        if (c.unicode() >= from && c.unicode() <= to)
            return true;
    }
    return false;
}

QString CharSet::filtered(const QString &text) const
{
    QString kept;
    for (QChar c : text) {
        if (contains(c))
            kept += c;
    }
    return kept;
}

} // namespace zendrova

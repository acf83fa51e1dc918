#include "common/DateFormatList.h"

#include "common/Interaction.h"
#include "common/TextLinesFile.h"

namespace zendrova {

const QList<int> &DateFormatList::cardDateFieldIndexes()
{
    static const QList<int> indexes { 17 };
    return indexes;
}

bool DateFormatList::load(const QString &userFolder, const QList<int> &dateFieldIndexes)
{
    m_entries.clear();
    const auto lines = readTextLines(userFolder, kFileName);
    if (!lines)
        return false;
    QList<Entry> entries;
    for (qsizetype i = 0; i < lines->size() && i < dateFieldIndexes.size(); ++i) {
        bool isNumber = false;
        const int code = lines->at(i).trimmed().toInt(&isNumber);
        if (!isNumber || code < 0 || code > kMaxCode)
            return false;
        entries.append({ code, dateFieldIndexes.at(i) });
    }
    if (!entries.isEmpty()) {
        for (qsizetype i = entries.size(); i < dateFieldIndexes.size(); ++i)
            entries.append({ 0, dateFieldIndexes.at(i) });
    }
    m_entries = entries;
    return true;
}

bool DateFormatList::save(const QString &userFolder) const
{
    QStringList lines;
    for (const Entry &entry : m_entries)
        lines.append(QString::number(entry.code));
    if (writeTextLines(userFolder, kFileName, lines))
        return true;
    showMessage(MessageKind::Error, tr("Could not Save Options to a File!"));
    return false;
}

void DateFormatList::fillDefaultsIfEmpty(const QList<int> &dateFieldIndexes)
{
    if (!m_entries.isEmpty())
        return;
    for (int fieldIndex : dateFieldIndexes)
        m_entries.append({ 0, fieldIndex });
}

int DateFormatList::codeForField(int fieldIndex) const
{
    for (const Entry &entry : m_entries) {
        if (entry.fieldIndex == fieldIndex)
            return entry.code;
    }
    return 0;
}

void DateFormatList::setCodeForField(int fieldIndex, int code)
{
    if (code < 0 || code > kMaxCode)
        return;
    for (Entry &entry : m_entries) {
        if (entry.fieldIndex == fieldIndex) {
            entry.code = code;
            return;
        }
    }
    m_entries.append({ code, fieldIndex });
}

QString DateFormatList::pattern(int code, QChar separator)
{
    const QString s(separator);
    switch (code) {
    case 1:
        return QStringLiteral("dd") + s + QStringLiteral("mm") + s + QStringLiteral("yyyy");
    case 2:
        return QStringLiteral("yyyy") + s + QStringLiteral("mm") + s + QStringLiteral("dd");
    case 3:
        return QStringLiteral("yyyy");
    default:
        return QStringLiteral("mm") + s + QStringLiteral("dd") + s + QStringLiteral("yyyy");
    }
}

} // namespace zendrova

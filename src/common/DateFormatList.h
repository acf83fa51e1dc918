#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace zendrova {

// One display format code per date field of the card, kept in "date.dat" of
// the user folder: 0 mm/dd/yyyy, 1 dd/mm/yyyy, 2 yyyy/mm/dd, 3 yyyy.
class DateFormatList
{
    Q_DECLARE_TR_FUNCTIONS(DateFormatList)

public:
    static inline const QString kFileName = QStringLiteral("date.dat");
    static constexpr int kMaxCode = 3;

    struct Entry
    {
        int code = 0;
        int fieldIndex = 0; // 0-based field number index of the date field, not stored
        bool operator==(const Entry &) const = default;
    };

    // The card has one date field: field number 18 ("Custom 4").
    static const QList<int> &cardDateFieldIndexes();

    // A missing, empty or unreadable file (a line that is not a code 0..3)
    // leaves the list empty. A file with fewer lines than date fields gets code
    // 0 for the rest; extra lines are dropped.
    bool load(
        const QString &userFolder, const QList<int> &dateFieldIndexes = cardDateFieldIndexes());
    // Rewrites the file; on failure tells the user and keeps the list as it is.
    bool save(const QString &userFolder) const;
    void fillDefaultsIfEmpty(const QList<int> &dateFieldIndexes = cardDateFieldIndexes());

    const QList<Entry> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // The code of the date field with this 0-based field index, 0 when unknown.
    int codeForField(int fieldIndex) const;
    // The code of the n-th date field of the card (0-based), 0 past the list's end.
    int codeAt(int dateField) const
    {
        return dateField >= 0 && dateField < m_entries.size() ? m_entries[dateField].code : 0;
    }
    void setCodeForField(int fieldIndex, int code);

    // The display pattern of a code with the given date separator.
    static QString pattern(int code, QChar separator = QLatin1Char('/'));

private:
    QList<Entry> m_entries;
};

} // namespace zendrova

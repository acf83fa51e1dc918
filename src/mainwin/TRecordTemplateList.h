#pragma once

#include <QString>
#include <QStringList>

namespace zendrova {

// The names of the record templates in order, kept in "records.tml" of the
// user folder, one name a line. Template k's record is row k + 1 of the
// copy/paste table, so the order of the names is the order of those rows.
class TRecordTemplateList
{
public:
    static inline const QString kFileName = QStringLiteral("records.tml");
    // Reserved: no template at all.
    static inline const QString kBlank = QStringLiteral("Blank");

    // A missing or unreadable file gives no templates.
    void load(const QString &userFolder);
    // Rewrites the file whole; false when it could not be written.
    bool save(const QString &userFolder) const;

    const QStringList &names() const { return m_names; }
    int count() const { return int(m_names.size()); }
    // Exact comparison; -1 when there is no such template.
    int indexOf(const QString &name) const { return int(m_names.indexOf(name)); }
    // The new template's index.
    int append(const QString &name);
    void removeAt(int index);

private:
    QStringList m_names;
};

} // namespace zendrova

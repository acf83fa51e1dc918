#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace dbase {
class Table;
}

namespace zendrova {

// One lookup list table ("list1.dbf" ... "list9.dbf") of a database folder:
// column 0 holds the item, tag "IDX" orders the items. Engine errors pass
// through as dbase::Error; the callers decide what the user sees.
class LookupList
{
public:
    static inline const QString kTemplateName = QStringLiteral("list.dbf");
    static inline const std::string kItemTag = "IDX";

    LookupList(const QString &folder, const QString &fileName);
    ~LookupList();

    const QString &fileName() const { return m_fileName; }
    QString path() const;
    dbase::Table &table() { return *m_table; }

    // Opens the list shared, in item order, on its first row.
    void open();
    // Never throws: a failed close leaves nothing worth reporting to the caller.
    void close() noexcept;
    bool isOpen() const;

    // Every item in list order; the table is open only meanwhile.
    QStringList readItems();
    // Appends one row and stores it; the table is open only meanwhile. On an
    // engine error the insert is cancelled, the table closed and the error rethrown.
    void addItem(const QString &text);

    // On the open list: appends a row holding text and stores it (the insert
    // is cancelled when that fails).
    void appendRow(const QString &text);
    void appendRow(std::string_view cp1252Text);
    // On the open list: whether a row holds exactly this item.
    bool hasItem(std::string_view cp1252Text);
    // The current row's item.
    QString currentItem() const;

    // The text as the list stores it: cut to the column's width (known once
    // the list has been opened), trailing blanks dropped.
    QString stored(const QString &text) const;

    static std::string tableText(const QString &text);
    static QString itemText(std::string_view cp1252Text);

    // Copies the template list (with its index) of the template folder to
    // target, replacing what is there. False when the copy fails.
    static bool createFromTemplate(const QString &templateFolder, const QString &target);
    // A list a database folder does not have yet: the starter list shipped in
    // the template folder for its file name when there is one (so a new
    // collector can pick the common values), the empty template otherwise.
    static bool createStarter(const QString &templateFolder, const QString &target);

private:
    // Copies the list at sourceList with its index to target.
    static bool copyList(const QString &sourceList, const QString &target);
    void openWith(const std::string &tag, bool exclusive);
    // Adds the item tag to a list without it (needs exclusive use; quiet when refused).
    void restoreTag() noexcept;

    QString m_folder;
    QString m_fileName;
    // Held by pointer: the engine's headers do not mix with Qt's keywords.
    std::unique_ptr<dbase::Table> m_table;
    int m_width = 0;
};

} // namespace zendrova

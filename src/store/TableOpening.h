#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

class StoreTable;

// Opening the store's tables: the retries while another user holds a table,
// and putting back a production index that went missing.
class TableOpening
{
    Q_DECLARE_TR_FUNCTIONS(TableOpening)

public:
    static constexpr int kSilentRetries = 10;
    static inline const QString kIndexTemplate = QStringLiteral("DATA.MDX");

    static QString cannotOpenText(const QString &fileName);

    // Opens folder/fileName only if the file exists. Each failure is retried
    // at once, ten times silently; then an exclusive open gives up and a
    // shared one asks the user whether to retry. False when the file is
    // missing or the user gives up.
    static bool openByName(StoreTable &table, const QString &folder, const QString &fileName,
        bool exclusive, const QString &templateFolder);
    // Opens the table unless it is open; when the engine refuses and the
    // table's .MDX is missing, copies the program's "DATA.MDX" in its place and
    // tries once more.
    // False when it stays closed.
    static bool ensureOpen(StoreTable &table, const QString &templateFolder);
    // folder + base name + ".MDX"
    static QString indexPathOf(const StoreTable &table);
};

} // namespace zendrova

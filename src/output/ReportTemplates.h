#pragma once

#include "output/TReportList.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zendrova {

class TReportRec;

// Saving the current report definition as a named template, and the state of
// the template load dialog. Templates are never overwritten: a name is free
// again only after its template was deleted.
class ReportTemplates
{
    Q_DECLARE_TR_FUNCTIONS(ReportTemplates)

public:
    // Asks for a new name until it is free or the user cancels; then runs
    // beforeCopy (the dialog writes its controls into current), appends a copy
    // of current under that name and rewrites "report.dat". False when nothing
    // was saved.
    static bool save(const QString &userFolder, TReportRec &current,
                     const std::function<void()> &beforeCopy);

    static QString nameInUseText();
};

// The load dialog's private copy of the template list.
class ReportTemplatePicker
{
    Q_DECLARE_TR_FUNCTIONS(ReportTemplatePicker)

public:
    explicit ReportTemplatePicker(QString userFolder);

    // Reads "report.dat"; false (after telling the user) when it cannot be read,
    // and then the dialog does not open.
    bool load();
    QStringList names() const;
    // Asks "Delete Selected Item?"; on Yes the entry leaves the private list.
    // Nothing is written yet. True when it was removed.
    bool deleteEntry(int index);
    // Writes the private list back (so deletions stick even with nothing
    // selected), then copies the selected template, if any, over current.
    bool accept(std::optional<int> selected, TReportRec &current);

private:
    QString m_userFolder;
    TReportList m_list;
};

} // namespace zendrova

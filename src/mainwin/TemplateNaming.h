#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace zendrova {

class TTemplateList;

// The two steps of every "Save As Template" command of the main window.
class TemplateNaming
{
    Q_DECLARE_TR_FUNCTIONS(TemplateNaming)

public:
    // Asks caption / "Template Name:"; nothing for Cancel or an empty name.
    static std::optional<QString> askName(const QString &caption);
    // Saves the list's current object as a new template of that name and
    // rewrites the list file in the user folder. A name in use and no free
    // file name are told alike; a failed write is told with the file's name.
    // Nothing is saved in any of these cases.
    static bool addTemplate(
        TTemplateList &templates, const QString &userFolder, const QString &name);
};

} // namespace zendrova

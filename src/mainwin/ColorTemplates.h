#pragma once

#include "common/ColorScheme.h"
#include "common/TColorList.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

// Colour templates in "color_t.tml" of the user folder: saving the current
// scheme under a name, and the state of the load dialog, which may delete
// templates before it copies one into the scheme.
class ColorTemplates
{
    Q_DECLARE_TR_FUNCTIONS(ColorTemplates)

public:
    static constexpr int kHelpContext = 100;

    // Asks for a name and adds the scheme as a template. False when the user
    // cancelled, gave no name, the name was taken or the file could not be
    // written (the user is told the last two).
    static bool saveAsTemplate(const QString &userFolder, const ColorScheme &scheme);

    // Reads the templates for the load dialog; the first one is selected.
    explicit ColorTemplates(QString userFolder);

    QStringList names() const;
    // -1 when the list is empty.
    int selected() const { return m_selected; }
    void select(int index);
    // Asks to confirm, then removes the selected template from the list in
    // memory and selects the one now at its place, or the last. False when
    // nothing was removed.
    bool deleteSelected();
    // OK: copies the selected template into the scheme (when there is one) and,
    // after deletions, rewrites the file so they take effect (a failed write
    // is reported and the file keeps them). True when the scheme was set.
    bool accept(ColorScheme &scheme);

private:
    QString m_userFolder;
    TColorList m_list;
    int m_selected = -1;
    bool m_deleted = false;
};

} // namespace zendrova

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
    // cancelled, gave no name, or the name was taken (the user is told).
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
    // OK: copies the selected template into the scheme (when there is one) and
    // rewrites the file so deletions take effect. True when the scheme was set.
    bool accept(ColorScheme &scheme);

private:
    QString m_userFolder;
    TColorList m_list;
    int m_selected = -1;
};

} // namespace zendrova

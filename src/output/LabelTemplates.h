#pragma once

#include "output/TLabelList.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

namespace zendrova {

// The label templates of "label.dat": saving the current definition under a
// new name, and the load dialog's list without its widgets.
class LabelTemplates
{
    Q_DECLARE_TR_FUNCTIONS(LabelTemplates)

public:
    // Asks for a name until it is new and not empty; writeControls puts the
    // dialog's values into current just before the copy is made. False when
    // the user cancelled or a file could not be read or written (after saying so).
    static bool save(
        TLabelRec &current, const QString &userFolder, const std::function<void()> &writeControls);
};

// "Load Label Template": the stored templates, deleted from the list until OK
// writes it back and copies the selected one over the current definition.
class LabelLoadModel
{
    Q_DECLARE_TR_FUNCTIONS(LabelLoadModel)

public:
    explicit LabelLoadModel(QString userFolder);

    // False (after showing the stream error) when "label.dat" cannot be read;
    // the dialog then does not open.
    bool open();
    QStringList names() const;
    int selected() const { return m_selected; }
    void select(int index);
    // Asks "Delete Selected Item?"; on Yes the selected entry leaves the list.
    void deleteSelected();
    // Writes the list back, then copies the selected template over current.
    // False when the list could not be written (after saying so).
    bool accept(TLabelRec &current);

private:
    QString m_userFolder;
    TLabelList m_list;
    int m_selected = -1;
};

} // namespace zendrova

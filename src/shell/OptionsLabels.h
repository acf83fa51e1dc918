#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

class CaptionList;

// The field captions as the Options dialog edits them: a working copy that
// becomes the caption list when the dialog closes, or before it is saved as
// a template.
class OptionsLabels
{
    Q_DECLARE_TR_FUNCTIONS(OptionsLabels)

public:
    OptionsLabels(CaptionList &captions, QString userFolder);

    const QStringList &items() const { return m_items; }
    // -1 when none is selected.
    int selected() const { return m_selected; }
    void select(int index);

    // Gives the selected item the new text. Refuses a blank text, no
    // selection, and a text another item has exactly (the item keeps its
    // own); the user is told which.
    bool change(const QString &newText);
    // Loads a template file of the user folder into the caption list and
    // shows it; a failure is told and changes nothing.
    bool load(const QString &templateFileName);
    // Makes the items the caption list, then asks for a name and saves them
    // as a new template.
    bool saveAsTemplate();
    // Makes the items the caption list and writes "labels.dat".
    bool store();

private:
    void copyIn();
    void copyOut();

    CaptionList &m_captions;
    QString m_userFolder;
    QStringList m_items;
    int m_selected = -1;
};

} // namespace zendrova

#pragma once

#include "common/CaptionList.h"

#include <QCoreApplication>
#include <QString>

namespace zendrova {

class TLabelTemplateList;

// Renaming field captions and keeping them as caption templates, for the
// caption menu and the options dialog. Each operation that changes the
// captions saves "labels.dat" and returns true, so the caller re-applies them
// everywhere they are shown. The template list is read from the user folder
// for each operation and written back at once when it changed.
class CaptionEditing
{
    Q_DECLARE_TR_FUNCTIONS(CaptionEditing)

public:
    CaptionEditing(CaptionList &captions, QString userFolder);

    // Asks for the new text of field fieldNumber (1..21) and refuses empty
    // texts and texts equal to any caption, its own included, ignoring case.
    bool changeCaption(int fieldNumber);
    // Asks for a name and saves the captions as a new template; true when saved.
    bool saveAsTemplate();
    // Replaces all captions with those of a template file (as the load dialog
    // returns it).
    bool loadFromTemplateFile(const QString &fileName);

    // The load dialog's Delete: asks, then removes the template and its file
    // and rewrites the list file. False when the user said No or the list
    // could not be written (the user is told; the template stays).
    static bool deleteTemplate(TLabelTemplateList &templates, int index);

    static bool isBlank(const QString &text);
    bool isDuplicate(const QString &text) const;

private:
    CaptionList &m_captions;
    QString m_userFolder;
};

} // namespace zendrova

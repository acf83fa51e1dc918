#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

class CaptionList;
class HeaderSections;

// The header menu's template commands. The list file "headers.tml" is read
// from the user folder for each command and rewritten at once when it
// changed.
class HeaderTemplates
{
    Q_DECLARE_TR_FUNCTIONS(HeaderTemplates)

public:
    HeaderTemplates(HeaderSections &header, const CaptionList &captions, QString userFolder);

    // The names of the templates in the user folder, in list order.
    static QStringList names(const QString &userFolder);
    // Replaces the header by the named template; on failure tells the user
    // and leaves the header as it was.
    bool loadFromTemplate(const QString &name);
    // Asks for a name and saves the header under it; true when saved.
    bool saveAsTemplate();
    // Removes the template and its file, without asking; false when there is
    // none of that name or the list could not be written (the user is told).
    bool deleteTemplate(const QString &name);

private:
    HeaderSections &m_header;
    const CaptionList &m_captions;
    QString m_userFolder;
};

} // namespace zendrova

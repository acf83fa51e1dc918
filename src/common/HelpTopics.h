#pragma once

#include <QList>
#include <QString>

namespace zendrova {

// The help pages shipped inside the program, one per help context number.
class HelpTopics
{
public:
    static inline const QString kContentsPage = QStringLiteral("qrc:/help/contents.html");

    // The page of a context; the contents page when there is none.
    static QString pageFor(int helpContext);
    static bool hasPage(int helpContext);
    // Every context number the program asks help for.
    static const QList<int> &knownContexts();
};

} // namespace zendrova

#include "common/HelpTopics.h"

#include <QFile>

namespace zendrova {

namespace {

QString resourceFor(int helpContext)
{
    return QStringLiteral(":/help/topic%1.html").arg(helpContext);
}

} // namespace

bool HelpTopics::hasPage(int helpContext)
{
    return helpContext > 0 && QFile::exists(resourceFor(helpContext));
}

QString HelpTopics::pageFor(int helpContext)
{
    return hasPage(helpContext) ? QStringLiteral("qrc") + resourceFor(helpContext) : kContentsPage;
}

const QList<int> &HelpTopics::knownContexts()
{
    static const QList<int> contexts { 1, 21, 22, 23, 24, 25, 26, 27, 28, 29, 31, 55, 62, 65, 81, 85, 100,
        103, 104, 105, 110, 111, 114, 115, 117, 123 };
    return contexts;
}

} // namespace zendrova

#include "mainwin/TRecordTemplateList.h"

#include "common/TextLinesFile.h"

namespace zendrova {

void TRecordTemplateList::load(const QString &userFolder)
{
    m_names = readTextLines(userFolder, kFileName).value_or(QStringList());
}

bool TRecordTemplateList::save(const QString &userFolder) const
{
    return writeTextLines(userFolder, kFileName, m_names);
}

int TRecordTemplateList::append(const QString &name)
{
    m_names.append(name);
    return count() - 1;
}

void TRecordTemplateList::removeAt(int index)
{
    if (index >= 0 && index < count())
        m_names.removeAt(index);
}

} // namespace zendrova

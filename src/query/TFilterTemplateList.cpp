#include "query/TFilterTemplateList.h"

#include "query/FilterFile.h"
#include "query/TFilterList.h"

#include "common/FileLookup.h"

namespace zendrova {

TFilterTemplateList::TFilterTemplateList(TFilterList &filter)
    : TTemplateList(kListFileName)
    , m_filter(filter)
{ }

bool TFilterTemplateList::loadFile(const QString &fileName)
{
    if (!userFolder().isEmpty() && !fileName.isEmpty()
        && loadCurrent(programFilePath(userFolder(), fileName)))
        return true;
    FilterFile::loadSaved(m_filter, userFolder());
    return false;
}

bool TFilterTemplateList::deleteNamed(const QString &name)
{
    const auto index = name.isEmpty() ? std::nullopt : find(name);
    return index && deleteTemplate(*index);
}

QStringList TFilterTemplateList::names() const
{
    QStringList result;
    for (const TTemplate &item : items())
        result << item.name;
    return result;
}

bool TFilterTemplateList::load(int index)
{
    if (index < 0 || index >= size())
        return false;
    return loadFile(items()[index].fileName);
}

bool TFilterTemplateList::save(const QString &name)
{
    return addTemplate(name) == AddResult::Added;
}

void TFilterTemplateList::remove(int index)
{
    deleteTemplate(index);
}

QString TFilterTemplateList::fileExtension() const
{
    return QStringLiteral(".flt");
}

bool TFilterTemplateList::saveCurrent(const QString &path)
{
    return FilterFile::save(m_filter, path);
}

bool TFilterTemplateList::loadCurrent(const QString &path)
{
    return FilterFile::load(m_filter, path);
}

} // namespace zendrova

#include "common/TTemplateList.h"

#include "common/FileLookup.h"
#include "common/FilerReader.h"
#include "common/FilerWriter.h"
#include "common/WholeFile.h"

#include <QFile>
#include <QSet>

namespace zendrova {

namespace {

// Room for thousands of templates with long names.
constexpr qint64 kMaxListFileBytes = 4 * 1024 * 1024;

// A file name from the list becomes a path that is read and deleted, so it
// must name a plain entry of the user folder and nothing outside it.
bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name.size() > TTemplate::kMaxFileNameLength || name == QLatin1String(".")
        || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 32 || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return false;
    }
    return true;
}

} // namespace

TTemplateList::TTemplateList(QString listFileName)
    : m_listFileName(std::move(listFileName))
{ }

TTemplateList::~TTemplateList() = default;

std::optional<QList<TTemplate>> TTemplateList::decode(const QByteArray &bytes)
{
    return readFilerList<TTemplate>(bytes, [](FilerReader &in) -> std::optional<TTemplate> {
        TTemplate item;
        item.name = in.string();
        item.fileName = in.string();
        if (!isPlainFileName(item.fileName))
            return std::nullopt;
        return item;
    });
}

QByteArray TTemplateList::encode(const QList<TTemplate> &items)
{
    return writeFilerList(items, [](FilerWriter &out, const TTemplate &item) {
        out.string(item.name);
        out.string(item.fileName);
    });
}

bool TTemplateList::loadList(const QString &userFolder)
{
    m_userFolder = userFolder;
    const auto bytes = readFileIn(userFolder, m_listFileName, kMaxListFileBytes);
    const auto items = bytes ? decode(*bytes) : std::nullopt;
    m_items = items.value_or(QList<TTemplate>());
    return items.has_value();
}

bool TTemplateList::saveList(const QString &userFolder)
{
    m_userFolder = userFolder;
    return writeFileIn(userFolder, m_listFileName, encode(m_items));
}

std::optional<int> TTemplateList::find(const QString &name) const
{
    for (int i = 0; i < size(); ++i) {
        if (m_items[i].name == name)
            return i;
    }
    return std::nullopt;
}

std::optional<QString> TTemplateList::freeFileName() const
{
    QSet<QString> used;
    for (const TTemplate &item : m_items)
        used.insert(item.fileName);
    const QString extension = fileExtension();
    for (int n = 1; n <= kMaxFileNumber; ++n) {
        const QString candidate = (QLatin1String("tml") + QString::number(n) + extension)
                                      .left(TTemplate::kMaxFileNameLength);
        if (!used.contains(candidate))
            return candidate;
    }
    return std::nullopt;
}

bool TTemplateList::addTemplate(const QString &name)
{
    if (m_userFolder.isEmpty() || find(name))
        return false;
    const auto fileName = freeFileName();
    if (!fileName || !saveCurrent(programFilePath(m_userFolder, *fileName)))
        return false;
    m_items.append(TTemplate { name, *fileName });
    return true;
}

bool TTemplateList::loadTemplate(const QString &name)
{
    const auto index = find(name);
    if (!index || m_userFolder.isEmpty())
        return false;
    return loadCurrent(programFilePath(m_userFolder, m_items[*index].fileName));
}

void TTemplateList::deleteTemplate(int index)
{
    if (index < 0 || index >= size())
        return;
    const QString path = findFileCaseInsensitive(m_userFolder, m_items[index].fileName);
    m_items.removeAt(index);
    if (!path.isEmpty())
        QFile::remove(path);
}

} // namespace zendrova

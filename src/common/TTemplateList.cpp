#include "common/TTemplateList.h"

#include "common/FileLookup.h"
#include "common/FilerReader.h"
#include "common/FilerWriter.h"
#include "common/TemplateWriteFailure.h"
#include "common/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

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

// An entry is two strings, its name and its file name. Where damage breaks
// that shape, reading goes on at the next place where a name is followed by
// a file name of the lists' own "tml" shape, and that entry by another, by
// the list end or by the end of the bytes. Names are passed over unread, so
// the search stays linear in the size of the file.
bool entryStartsAt(const QByteArray &bytes, qsizetype pos)
{
    FilerReader in(bytes, pos);
    in.skipString();
    const qsizetype fileNameAt = in.position();
    in.skipString();
    // A type byte, a length byte and the name.
    const qsizetype longestFileName = 2 + TTemplate::kMaxFileNameLength;
    if (!in.ok() || in.position() - fileNameAt > longestFileName)
        return false;
    FilerReader fileName(bytes, fileNameAt);
    const QString name = fileName.string();
    if (!isPlainFileName(name) || !name.startsWith(QLatin1String("tml"), Qt::CaseInsensitive))
        return false;
    if (in.atEnd() || in.endOfList())
        return true;
    in.skipString();
    in.skipString();
    return in.ok();
}

qsizetype nextEntryStart(const QByteArray &bytes, qsizetype from)
{
    for (qsizetype pos = from; pos < bytes.size(); ++pos) {
        if (entryStartsAt(bytes, pos))
            return pos;
    }
    return -1;
}

} // namespace

TTemplateList::TTemplateList(QString listFileName)
    : m_listFileName(std::move(listFileName))
{ }

TTemplateList::~TTemplateList() = default;

TTemplateList::Read TTemplateList::readItems(const QByteArray &bytes)
{
    Read read;
    FilerReader begin(bytes);
    begin.listBegin();
    if (!begin.ok())
        return read;
    read.whole = true;
    qsizetype pos = begin.position();
    while (pos >= 0) {
        FilerReader in(bytes, pos);
        if (in.endOfList()) {
            if (!in.ok()) {
                // Cut before its end.
                read.whole = false;
                break;
            }
            in.listEnd();
            if (in.atEnd())
                break;
            // Our files end with the list. Bytes after it may hold entries
            // behind a damaged name that looked like the end.
            read.whole = false;
            pos = nextEntryStart(bytes, in.position());
            continue;
        }
        TTemplate item;
        item.name = in.string();
        item.fileName = in.string();
        if (in.ok()) {
            if (isPlainFileName(item.fileName))
                read.items.append(item);
            else
                read.whole = false;
            pos = in.position();
        } else {
            read.whole = false;
            pos = nextEntryStart(bytes, pos + 1);
        }
    }
    return read;
}

std::optional<QList<TTemplate>> TTemplateList::decode(const QByteArray &bytes)
{
    Read read = readItems(bytes);
    if (!read.whole)
        return std::nullopt;
    return std::move(read.items);
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
    const QString path = findFileCaseInsensitive(userFolder, m_listFileName);
    if (path.isEmpty()) {
        m_items.clear();
        m_readWhole = true;
        return true;
    }
    const auto bytes = readWholeFile(path, kMaxListFileBytes);
    Read read = bytes ? readItems(*bytes) : Read();
    m_items = std::move(read.items);
    m_readWhole = read.whole;
    return m_readWhole;
}

bool TTemplateList::saveList(const QString &userFolder)
{
    if (!m_readWhole)
        return false;
    m_userFolder = userFolder;
    return writeList();
}

bool TTemplateList::writeList()
{
    if (m_userFolder.isEmpty() || !writeFileIn(m_userFolder, m_listFileName, encode(m_items)))
        return false;
    // The file now holds exactly this list.
    m_readWhole = true;
    return true;
}

std::optional<int> TTemplateList::find(const QString &name) const
{
    for (int i = 0; i < size(); ++i) {
        if (m_items[i].name == name)
            return i;
    }
    return std::nullopt;
}

QString TTemplateList::fileNameFor(int number) const
{
    return (QLatin1String("tml") + QString::number(number) + fileExtension())
        .left(TTemplate::kMaxFileNameLength);
}

std::optional<QString> TTemplateList::freeFileName() const
{
    if (m_userFolder.isEmpty())
        return std::nullopt;
    // The folder's files may have come from a system that ignores case.
    QSet<QString> taken;
    for (const TTemplate &item : m_items)
        taken.insert(item.fileName.toLower());
    const QStringList entries
        = QDir(m_userFolder)
              .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        taken.insert(entry.toLower());
    for (int n = 1; n <= kMaxFileNumber; ++n) {
        const QString candidate = fileNameFor(n);
        if (!taken.contains(candidate.toLower()))
            return candidate;
    }
    return std::nullopt;
}

bool TTemplateList::isOwnFileName(const QString &fileName) const
{
    const QLatin1String prefix("tml");
    if (!fileName.startsWith(prefix, Qt::CaseInsensitive))
        return false;
    qsizetype end = prefix.size();
    while (end < fileName.size() && fileName[end].isDigit())
        ++end;
    bool isNumber = false;
    const int number = fileName.mid(prefix.size(), end - prefix.size()).toInt(&isNumber);
    return isNumber && number >= 1 && number <= kMaxFileNumber
        && fileName.compare(fileNameFor(number), Qt::CaseInsensitive) == 0;
}

TTemplateList::AddResult TTemplateList::addTemplate(const QString &name)
{
    if (find(name))
        return AddResult::NameTaken;
    const auto fileName = freeFileName();
    if (!fileName)
        return AddResult::NoFreeFileName;
    const QString path = joinPath(m_userFolder, *fileName);
    if (!saveCurrent(path)) {
        TemplateWriteFailure::reportNotSaved(path);
        return AddResult::NotWritten;
    }
    m_items.append(TTemplate { name, *fileName });
    if (!writeList()) {
        m_items.removeLast();
        // The name was free on disk, so the file is the one just written.
        QFile::remove(path);
        TemplateWriteFailure::reportNotSaved(programFilePath(m_userFolder, m_listFileName));
        return AddResult::NotWritten;
    }
    return AddResult::Added;
}

bool TTemplateList::loadTemplate(const QString &name)
{
    const auto index = find(name);
    if (!index || m_userFolder.isEmpty())
        return false;
    return loadCurrent(programFilePath(m_userFolder, m_items[*index].fileName));
}

bool TTemplateList::deleteTemplate(int index)
{
    if (index < 0 || index >= size())
        return false;
    const TTemplate removed = m_items.takeAt(index);
    if (!writeList()) {
        m_items.insert(index, removed);
        TemplateWriteFailure::reportNotDeleted(programFilePath(m_userFolder, m_listFileName));
        return false;
    }
    // Only a file this list made goes, and only when no other entry still names it.
    const bool stillNamed
        = std::any_of(m_items.cbegin(), m_items.cend(), [&](const TTemplate &item) {
              return item.fileName.compare(removed.fileName, Qt::CaseInsensitive) == 0;
          });
    if (!isOwnFileName(removed.fileName) || stillNamed)
        return true;
    const QString path = findFileCaseInsensitive(m_userFolder, removed.fileName);
    if (QFileInfo(path).isFile())
        QFile::remove(path);
    return true;
}

} // namespace zendrova

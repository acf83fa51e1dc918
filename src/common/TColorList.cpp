#include "common/TColorList.h"

#include "common/ColorSchemeFile.h"
#include "common/FileLookup.h"
#include "common/FilerReader.h"
#include "common/FilerWriter.h"
#include "common/WholeFile.h"

namespace zendrova {

namespace {
// Room for thousands of templates with long names.
constexpr qint64 kMaxFileBytes = 1024 * 1024;
} // namespace

TColorList::Read TColorList::readItems(const QByteArray &bytes)
{
    Read read;
    FilerReader in(bytes);
    in.listBegin();
    if (!in.ok())
        return read;
    read.whole = true;
    while (!in.endOfList()) {
        const QString name = in.shortString();
        const auto scheme = ColorSchemeFile::decode(in.raw(ColorScheme::kElementCount));
        if (!in.ok())
            break;
        if (scheme)
            read.items.append(TColorRec { name, *scheme });
        else
            read.whole = false;
    }
    in.listEnd();
    // Cut short, or more than the list.
    if (!in.ok() || !in.atEnd())
        read.whole = false;
    return read;
}

std::optional<QList<TColorRec>> TColorList::decode(const QByteArray &bytes)
{
    Read read = readItems(bytes);
    if (!read.whole)
        return std::nullopt;
    return std::move(read.items);
}

QByteArray TColorList::encode(const QList<TColorRec> &items)
{
    return writeFilerList(items, [](FilerWriter &out, const TColorRec &item) {
        out.shortString(item.name);
        out.raw(ColorSchemeFile::encode(item.scheme));
    });
}

bool TColorList::load(const QString &userFolder)
{
    if (findFileCaseInsensitive(userFolder, kFileName).isEmpty()) {
        m_items.clear();
        return true;
    }
    const auto bytes = readFileIn(userFolder, kFileName, kMaxFileBytes);
    Read read = bytes ? readItems(*bytes) : Read();
    m_items = std::move(read.items);
    return read.whole;
}

bool TColorList::save(const QString &userFolder) const
{
    return writeFileIn(userFolder, kFileName, encode(m_items));
}

bool TColorList::add(const QString &name, const ColorScheme &scheme)
{
    if (find(name))
        return false;
    m_items.append(TColorRec { name, scheme });
    return true;
}

std::optional<int> TColorList::find(const QString &name) const
{
    for (int i = 0; i < size(); ++i) {
        if (m_items[i].name == name)
            return i;
    }
    return std::nullopt;
}

void TColorList::removeAt(int index)
{
    if (index >= 0 && index < size())
        m_items.removeAt(index);
}

} // namespace zendrova

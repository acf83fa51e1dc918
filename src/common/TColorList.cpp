#include "common/TColorList.h"

#include "common/ColorSchemeFile.h"
#include "common/FilerReader.h"
#include "common/FilerWriter.h"
#include "common/WholeFile.h"

namespace zendrova {

namespace {
// Room for thousands of templates with long names.
constexpr qint64 kMaxFileBytes = 1024 * 1024;
} // namespace

std::optional<QList<TColorRec>> TColorList::decode(const QByteArray &bytes)
{
    return readFilerList<TColorRec>(bytes, [](FilerReader &in) -> std::optional<TColorRec> {
        const QString name = in.shortString();
        const auto scheme = ColorSchemeFile::decode(in.raw(ColorScheme::kElementCount));
        if (!scheme)
            return std::nullopt;
        return TColorRec { name, *scheme };
    });
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
    const auto bytes = readFileIn(userFolder, kFileName, kMaxFileBytes);
    const auto items = bytes ? decode(*bytes) : std::nullopt;
    m_items = items.value_or(QList<TColorRec>());
    return items.has_value();
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

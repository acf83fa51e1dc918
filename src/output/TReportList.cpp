#include "output/TReportList.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"

namespace zendrova {

namespace {
constexpr std::uint8_t kListStart = 0x01;
constexpr std::uint8_t kListEnd = 0x00;
} // namespace

void TReportList::append(std::unique_ptr<TReportRec> definition)
{
    m_items.push_back(std::move(definition));
}

void TReportList::deleteAt(int i)
{
    if (i >= 0 && i < count())
        m_items.erase(m_items.begin() + i);
}

std::optional<int> TReportList::findByName(const QString &name) const
{
    for (int i = 0; i < count(); ++i)
        if (at(i).Name == name)
            return i;
    return std::nullopt;
}

QByteArray TReportList::toBytes() const
{
    ByteWriter out;
    out.byte(kListStart);
    for (const auto &item : m_items)
        item->write(out);
    out.byte(kListEnd);
    return out.bytes();
}

bool TReportList::fromBytes(const QByteArray &bytes)
{
    clear();
    ByteReader in(bytes);
    if (in.byte() != kListStart)
        return false;
    while (in.ok()) {
        const std::optional<std::uint8_t> next = in.peek();
        if (!next)
            return false;
        if (*next == kListEnd)
            return true;
        auto definition = std::make_unique<TReportRec>();
        definition->read(in);
        if (!in.ok())
            return false;
        append(std::move(definition));
    }
    return false;
}

} // namespace zendrova

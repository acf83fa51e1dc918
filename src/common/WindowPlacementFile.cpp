#include "common/WindowPlacementFile.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/WholeFile.h"

namespace zendrova {

std::optional<WindowPlacement> WindowPlacementFile::decode(const QByteArray &bytes)
{
    if (bytes.size() != kSize)
        return std::nullopt;
    ByteReader in(bytes);
    WindowPlacement placement;
    placement.top = in.int32();
    placement.left = in.int32();
    placement.width = in.int32();
    placement.height = in.int32();
    placement.cardPageWidth = in.int32();
    if (!in.ok() || !placement.isUsable())
        return std::nullopt;
    return placement;
}

QByteArray WindowPlacementFile::encode(const WindowPlacement &placement)
{
    ByteWriter out;
    out.int32(placement.top);
    out.int32(placement.left);
    out.int32(placement.width);
    out.int32(placement.height);
    out.int32(placement.cardPageWidth);
    return out.bytes();
}

std::optional<WindowPlacement> WindowPlacementFile::read(const QString &userFolder)
{
    const auto bytes = readFileIn(userFolder, kFileName);
    return bytes ? decode(*bytes) : std::nullopt;
}

bool WindowPlacementFile::write(const QString &userFolder, const WindowPlacement &placement)
{
    return writeFileIn(userFolder, kFileName, encode(placement));
}

} // namespace zendrova

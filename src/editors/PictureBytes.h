#pragma once

#include <QByteArray>
#include <QImage>

namespace zendrova::PictureBytes {

// Size of the graphic header some writers put before the bitmap:
// count (u16 = 1), type (u16 = 0x0100), size of the data that follows (u32).
constexpr int kGraphicHeaderSize = 8;

// The bitmap part of a picture field's data: the data after a graphic header
// whose size matches the rest exactly, else the whole data.
QByteArray withoutGraphicHeader(const QByteArray &stored);

// The picture held by a field's data; a null image for empty data.
// Sets *ok to false (and returns a null image) when the data is not a readable bitmap.
QImage decode(const QByteArray &stored, bool *ok = nullptr);

// A BMP file image of the picture, without any prefix; empty for an empty picture.
QByteArray encode(const QImage &picture);

// The picture as it is kept: opaque (transparent parts shown on white, as a
// bitmap cannot hold them) in a format the BMP writer keeps losslessly.
QImage normalized(const QImage &picture);

} // namespace zendrova::PictureBytes

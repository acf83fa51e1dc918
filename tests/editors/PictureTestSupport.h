#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace zendrova::test {

// A picture whose every pixel differs from its neighbours, so a shifted or
// flipped copy never compares equal.
inline QImage patternPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, (x * 11 + y * 7) % 256));
    return picture;
}

// True when both pictures have the same size and the same colour in every pixel.
inline ::testing::AssertionResult samePixels(const QImage &expected, const QImage &actual)
{
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure()
            << "size " << actual.width() << "x" << actual.height() << ", expected "
            << expected.width() << "x" << expected.height();
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (QColor(expected.pixel(x, y)).rgb() != QColor(actual.pixel(x, y)).rgb())
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " differs";
        }
    }
    return ::testing::AssertionSuccess();
}

// The 8-byte graphic header some writers put before a stored bitmap.
inline QByteArray graphicHeader(quint16 count, quint16 type, quint32 size)
{
    QByteArray header(8, '\0');
    auto *bytes = reinterpret_cast<uchar *>(header.data());
    qToLittleEndian(count, bytes);
    qToLittleEndian(type, bytes + 2);
    qToLittleEndian(size, bytes + 4);
    return header;
}

} // namespace zendrova::test

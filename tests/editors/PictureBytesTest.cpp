#include "PictureTestSupport.h"

#include "editors/PictureBytes.h"

#include <QtEndian>

using namespace zendrova;
using namespace zendrova::test;

namespace {

// A 3 x 2 bitmap of 24-bit pixels made byte by byte: rows are stored bottom
// up and padded from 9 to 12 bytes, colours in blue-green-red order.
QByteArray handMadeBitmap()
{
    QByteArray bmp;
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bmp.append(b, 4);
    };
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bmp.append(b, 2);
    };
    const quint32 pixelBytes = 2 * 12;
    bmp.append("BM");
    put32(14 + 40 + pixelBytes);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32(3);
    put32(2);
    put16(1);
    put16(24);
    put32(0);
    put32(pixelBytes);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    // Bottom row: red, green, blue; top row: white, black, grey.
    bmp.append(QByteArray::fromHex("0000ff"
                                   "00ff00"
                                   "ff0000"
                                   "000000"));
    bmp.append(QByteArray::fromHex("ffffff"
                                   "000000"
                                   "808080"
                                   "000000"));
    return bmp;
}

QImage handMadePicture()
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 0, qRgb(0, 0, 0));
    picture.setPixel(2, 0, qRgb(128, 128, 128));
    picture.setPixel(0, 1, qRgb(255, 0, 0));
    picture.setPixel(1, 1, qRgb(0, 255, 0));
    picture.setPixel(2, 1, qRgb(0, 0, 255));
    return picture;
}

TEST(PictureBytes, ReadsAStandardBitmapWithPaddedRowsBottomUp)
{
    bool ok = false;
    const QImage picture = PictureBytes::decode(handMadeBitmap(), &ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(samePixels(handMadePicture(), picture));
}

TEST(PictureBytes, GraphicHeaderIsSkippedOnlyWhenItsSizeMatchesTheRest)
{
    const QByteArray bmp = handMadeBitmap();
    const quint32 rest = quint32(bmp.size());
    struct Case
    {
        const char *what;
        QByteArray data;
        bool readable;
    } cases[] = {
        { "no header", bmp, true },
        { "matching header", graphicHeader(1, 0x0100, rest) + bmp, true },
        { "size one short", graphicHeader(1, 0x0100, rest - 1) + bmp, false },
        { "size one long", graphicHeader(1, 0x0100, rest + 1) + bmp, false },
        { "count 2", graphicHeader(2, 0x0100, rest) + bmp, false },
        { "other type", graphicHeader(1, 0x0200, rest) + bmp, false },
        { "header alone", graphicHeader(1, 0x0100, 0), false },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        bool ok = !c.readable;
        const QImage picture = PictureBytes::decode(c.data, &ok);
        EXPECT_EQ(c.readable, ok);
        EXPECT_TRUE(c.readable ? samePixels(handMadePicture(), picture)
                               : ::testing::AssertionResult(picture.isNull()));
    }
}

TEST(PictureBytes, StoresAPlainBitmapFileImageThatReadsBackTheSame)
{
    const QImage picture = patternPicture(5, 3);
    const QByteArray stored = PictureBytes::encode(picture);
    ASSERT_GE(stored.size(), 54);
    EXPECT_EQ("BM", stored.left(2));
    EXPECT_EQ(quint32(stored.size()), qFromLittleEndian<quint32>(stored.constData() + 2));
    bool ok = false;
    EXPECT_TRUE(samePixels(picture, PictureBytes::decode(stored, &ok)));
    EXPECT_TRUE(ok);
}

TEST(PictureBytes, EmptyPictureIsEmptyData)
{
    EXPECT_TRUE(PictureBytes::encode(QImage()).isEmpty());
    bool ok = false;
    EXPECT_TRUE(PictureBytes::decode(QByteArray(), &ok).isNull());
    EXPECT_TRUE(ok);
}

TEST(PictureBytes, DamagedDataIsRefusedWithoutACrash)
{
    const QByteArray bmp = handMadeBitmap();
    QByteArray hugeSize = bmp;
    qToLittleEndian<qint32>(2000000000, hugeSize.data() + 18);
    QByteArray badDepth = bmp;
    qToLittleEndian<quint16>(13, badDepth.data() + 28);
    for (const QByteArray &data :
        { bmp.left(20), bmp.left(2), QByteArray("not a picture"), hugeSize, badDepth }) {
        bool ok = true;
        EXPECT_TRUE(PictureBytes::decode(data, &ok).isNull());
        EXPECT_FALSE(ok);
    }
}

TEST(PictureBytes, TransparencyIsStoredOnWhite)
{
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(1, 0, qRgba(10, 20, 30, 255));
    const QImage stored = PictureBytes::decode(PictureBytes::encode(picture));
    ASSERT_EQ(QSize(2, 1), stored.size());
    EXPECT_EQ(qRgb(255, 255, 255), QColor(stored.pixel(0, 0)).rgb());
    EXPECT_EQ(qRgb(10, 20, 30), QColor(stored.pixel(1, 0)).rgb());
}

} // namespace

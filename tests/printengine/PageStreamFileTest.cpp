#include "printengine/PageStreamFile.h"
#include "PageProbe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

using namespace zendrova::print;

namespace {

PageStream sample()
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    PageStream stream;
    stream.title = QStringLiteral("Report ü");
    Page first { 1, 8.5, 11.0, {} };
    first.ops.append(PageText { 1.25, 2.5, QStringLiteral("Card Name\tÉté"),
        TFontSpec { "Arial", 24, fsUnderline | fsBold, QColor(1, 2, 3) } });
    first.ops.append(PageLine { 0.5, 1.0, 8.0, 1.0, Qt::black, 0.01 });
    PageShape shape;
    shape.kind = PageShapeKind::RoundRect;
    shape.left = 1, shape.top = 2, shape.right = 3, shape.bottom = 4;
    shape.radius = 0.2;
    shape.brush = Qt::white;
    shape.screenOnly = true;
    first.ops.append(shape);
    first.ops.append(PagePicture { 1, 1, 3, 2.5, picture });
    stream.pages = { first, Page { 2, 11.0, 8.5, {} } };
    return stream;
}

TEST(PageStreamFile, RoundTripsEveryOperation)
{
    const PageStream original = sample();
    const std::optional<PageStream> back = PageStreamFile::decode(PageStreamFile::encode(original));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title, original.title);
    ASSERT_EQ(back->pages.size(), 2);
    EXPECT_EQ(back->pages[1].number, 2);
    EXPECT_DOUBLE_EQ(back->pages[1].width, 11.0);
    const Page &page = back->pages[0];
    ASSERT_EQ(page.ops.size(), 4);
    const auto &text = std::get<PageText>(page.ops[0]);
    EXPECT_EQ(text.text, QStringLiteral("Card Name\tÉté"));
    EXPECT_DOUBLE_EQ(text.x, 1.25);
    EXPECT_EQ(text.font, (TFontSpec { "Arial", 24, fsUnderline | fsBold, QColor(1, 2, 3) }));
    EXPECT_DOUBLE_EQ(std::get<PageLine>(page.ops[1]).width, 0.01);
    const auto &shape = std::get<PageShape>(page.ops[2]);
    EXPECT_EQ(shape.kind, PageShapeKind::RoundRect);
    EXPECT_FALSE(shape.pen.isValid() && shape.pen != QColor(Qt::black));
    EXPECT_EQ(shape.brush, QColor(Qt::white));
    EXPECT_TRUE(shape.screenOnly);
    const auto &picture = std::get<PagePicture>(page.ops[3]);
    EXPECT_EQ(picture.image.size(), QSize(4, 3));
    EXPECT_EQ(picture.image.pixelColor(2, 1), QColor(10, 200, 30));
}

TEST(PageStreamFile, RefusesEveryTruncation)
{
    const QByteArray bytes = PageStreamFile::encode(sample());
    for (qsizetype size = 0; size < bytes.size(); ++size)
        ASSERT_FALSE(PageStreamFile::decode(bytes.left(size))) << "cut to " << size << " bytes";
}

void putU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xff);
}

TEST(PageStreamFile, RefusesDamage)
{
    const QByteArray good = PageStreamFile::encode(sample());
    const qsizetype titleBytes = sample().title.toUtf8().size();
    const qsizetype pageCountAt = 4 + 2 + 4 + titleBytes;
    const qsizetype pageAt = pageCountAt + 4;
    const qsizetype opCountAt = pageAt + 4 + 8 + 8;
    const qsizetype firstOpAt = opCountAt + 4;
    double nan = std::nan("");
    struct Damage
    {
        const char *what;
        std::function<void(QByteArray &)> apply;
    };
    const std::vector<Damage> damages = {
        { "magic", [](QByteArray &b) { b[0] = 'X'; } },
        { "version", [](QByteArray &b) { b[4] = 9; } },
        { "page count too large", [&](QByteArray &b) { putU32(b, pageCountAt, 0x7fffffff); } },
        { "one page more than stored", [&](QByteArray &b) { putU32(b, pageCountAt, 3); } },
        { "one page less than stored", [&](QByteArray &b) { putU32(b, pageCountAt, 1); } },
        { "page number 0", [&](QByteArray &b) { putU32(b, pageAt, 0); } },
        { "op count too large", [&](QByteArray &b) { putU32(b, opCountAt, 1000000); } },
        { "op count one short", [&](QByteArray &b) { putU32(b, opCountAt, 3); } },
        { "unknown op", [&](QByteArray &b) { b[firstOpAt] = 9; } },
        { "NaN position", [&](QByteArray &b) { std::memcpy(b.data() + firstOpAt + 1, &nan, 8); } },
        { "negative page width", [&](QByteArray &b) { b[pageAt + 4 + 7] = char(0xc0); } },
        { "text length past the end",
            [&](QByteArray &b) { putU32(b, firstOpAt + 17, 0xfffffff0); } },
        { "trailing byte", [](QByteArray &b) { b.append('\0'); } },
        { "trailer", [](QByteArray &b) { b[b.size() - 1] = '!'; } },
    };
    ASSERT_TRUE(PageStreamFile::decode(good));
    for (const Damage &damage : damages) {
        QByteArray bytes = good;
        damage.apply(bytes);
        EXPECT_FALSE(PageStreamFile::decode(bytes)) << damage.what;
    }
}

TEST(PageStreamFile, ReadsTheFuzzSeeds)
{
    const QDir seeds(QStringLiteral(ZENDROVA_TEST_DATA "/../../fuzz/seeds/pagestream"));
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_GE(names.size(), 4);
    for (const QString &name : names)
        EXPECT_TRUE(PageStreamFile::read(seeds.filePath(name))) << name.toStdString();
}

TEST(PageStreamFile, WritesBesideAndReadsBack)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("temp$$$.rpt"));
    ASSERT_TRUE(PageStreamFile::write(sample(), name));
    ASSERT_TRUE(PageStreamFile::read(name));
    EXPECT_EQ(PageStreamFile::read(name)->pages.size(), 2);
    EXPECT_FALSE(PageStreamFile::write(sample(), dir.filePath("missing/temp$$$.rpt")));
    EXPECT_FALSE(PageStreamFile::read(dir.filePath("none.rpt")));
}

} // namespace

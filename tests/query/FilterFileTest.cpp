#include "query/FilterFile.h"
#include "query/TFilterList.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

TEST(FilterFileTest, EntriesAreWrittenAsTaggedValues)
{
    TFilterList filter;
    filter.add(5);
    filter.storeCondition(0, QStringLiteral("ab"), QString(), 1, 2);
    filter.entry(0)->Values = QStringList { QStringLiteral("x") };
    EXPECT_EQ(FilterFile::encode(filter.entries()),
        bytesOf({ 1, 5, 1, 0, 2, 6, 2, 'A', 'B', 6, 0, 1, 6, 1, 'x', 0, 0 }));
    EXPECT_EQ(FilterFile::encode({}), bytesOf({ 1, 0 }));
}

TEST(FilterFileTest, ALongValueUsesTheFourByteLengthAndReadsBack)
{
    TFilterList filter;
    filter.add(3);
    filter.storeCondition(0, QString(300, QLatin1Char('Q')), QStringLiteral("Z"), 1, 5);
    filter.add(7).Values = QStringList { QStringLiteral("Mays"), QString() };
    const QByteArray bytes = FilterFile::encode(filter.entries());
    EXPECT_EQ(bytes.mid(5, 5), bytesOf({ 0x0C, 0x2C, 0x01, 0, 0 }));

    const auto read = FilterFile::decode(bytes);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ((*read)[0].Value1, QString(300, QLatin1Char('Q')));
    EXPECT_EQ((*read)[0].Condition, 5);
    EXPECT_FALSE((*read)[0].Unset);
    EXPECT_TRUE((*read)[1].Unset);
    EXPECT_EQ((*read)[1].Values, QStringList({ "Mays", "" }));
    // Either tag is accepted for any length.
    EXPECT_TRUE(
        FilterFile::decode(bytesOf({ 1, 2, 1, 0, 0, 0x0C, 1, 0, 0, 0, 'a', 6, 0, 1, 0, 0 })));
}

TEST(FilterFileTest, DamagedFilesLoadAsAnEmptyFilter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("filter.dat"));
    TFilterList filter;
    filter.add(2);
    filter.storeCondition(0, QStringLiteral("a"), QStringLiteral("b"), 1, 0);
    ASSERT_TRUE(FilterFile::save(filter, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();

    const QByteArray damaged[] = {
        whole.left(whole.size() - 1), // truncated
        whole.left(8),
        bytesOf({ 1, 2, 1, 0, 0, 7, 0 }), // unknown string tag
        bytesOf({ 1, 2, 1, 0, 0, 0x0C, 0xFF, 0xFF, 0xFF, 0x7F }), // length past the end
        bytesOf({ 0 }),
        QByteArray(),
    };
    for (const QByteArray &bytes : damaged) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        filter.add(9);
        EXPECT_FALSE(FilterFile::load(filter, path)) << bytes.toHex().constData();
        EXPECT_EQ(filter.count(), 0);
    }
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytesOf({ 1, 0 }));
    out.close();
    filter.add(9);
    EXPECT_TRUE(FilterFile::load(filter, path));
    EXPECT_EQ(filter.count(), 0);
    EXPECT_FALSE(FilterFile::load(filter, dir.filePath(QStringLiteral("missing.flt"))));
}

TEST(FilterFileTest, SavedFilterComesBackPrepared)
{
    QTemporaryDir dir;
    TFilterList filter;
    filter.add(4);
    filter.storeCondition(0, QStringLiteral("1,000"), QString(), 6, 4);
    ASSERT_TRUE(FilterFile::saveSaved(filter, dir.path()));
    ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("filter.dat"))));
    TFilterList again;
    ASSERT_TRUE(FilterFile::loadSaved(again, dir.path()));
    ASSERT_EQ(again.count(), 1);
    EXPECT_TRUE(again.entry(0)->NumbersValid);
    EXPECT_EQ(again.entry(0)->Number1, 1000.0L);
}

} // namespace
} // namespace zendrova::test

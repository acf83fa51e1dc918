#include "store/SortFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(SortFile, NameReplacesTheExtension)
{
    EXPECT_EQ(SortFile::fileNameFor(QStringLiteral("data.dbf")), QStringLiteral("data.idx"));
    EXPECT_EQ(SortFile::fileNameFor(QStringLiteral("data_12.dbf")), QStringLiteral("data_12.idx"));
    EXPECT_EQ(SortFile::fileNameFor(QStringLiteral("DATA")), QStringLiteral("DATA.idx"));
}

TEST(SortFile, WritesFourBytesAndReadsThemBack)
{
    QTemporaryDir dir;
    const SortBytes sort { 21, true, 3, false };
    ASSERT_TRUE(SortFile::write(dir.path(), QStringLiteral("data_7.dbf"), sort));
    EXPECT_EQ(fileBytes(dir.filePath("data_7.idx")), QByteArray("\x15\x01\x03\x00", 4));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "data_7.idx" });

    SortDescriptor descriptor;
    descriptor.sort = { 5, false, 0, false };
    descriptor.applied = descriptor.sort;
    SortFile::read(dir.path(), QStringLiteral("data_7.dbf"), descriptor);
    EXPECT_EQ(descriptor.sort, sort);
    EXPECT_EQ(descriptor.applied, SortBytes {});

    // Rewriting replaces the old bytes whole.
    ASSERT_TRUE(SortFile::write(dir.path(), QStringLiteral("data_7.dbf"), { 2, false, 0, false }));
    EXPECT_EQ(fileBytes(dir.filePath("data_7.idx")), QByteArray("\x02\x00\x00\x00", 4));
}

TEST(SortFile, MissingShortOrOddFilesGiveEntryOrder)
{
    QTemporaryDir dir;
    struct Case
    {
        const char *what;
        QByteArray bytes; // empty: no file at all
        SortBytes expected;
    };
    const Case cases[] = {
        { "missing", {}, {} },
        { "three bytes", QByteArray("\x05\x01\x03", 3), {} },
        { "extra bytes are ignored", QByteArray("\x05\x00\x03\x01\xff", 5), { 5, false, 3, true } },
        { "any non-zero direction is descending", QByteArray("\x05\x07\x03\x00", 4),
            { 5, true, 3, false } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath("data.idx");
        QFile::remove(path);
        if (!c.bytes.isEmpty())
            putFile(path, c.bytes);
        SortDescriptor descriptor;
        descriptor.sort = { 9, true, 9, true };
        SortFile::read(dir.path(), QStringLiteral("data.dbf"), descriptor);
        EXPECT_EQ(descriptor.sort, c.expected);
    }
}

TEST(SortFile, UnwritableFolderReportsFailure)
{
    QTemporaryDir dir;
    EXPECT_FALSE(SortFile::write(dir.filePath("no such folder"), QStringLiteral("data.dbf"), {}));
}

} // namespace
} // namespace zendrova

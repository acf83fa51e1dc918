#include "support/ScriptedInteraction.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/WholeFile.h"
#include "output/ReportFiles.h"
#include "output/ReportTemplates.h"
#include "output/TReportList.h"
#include "output/TReportRec.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::test;

namespace {

QByteArray bytesOf(const TReportRec &definition)
{
    ByteWriter out;
    definition.write(out);
    return out.bytes();
}

TReportRec readBack(const QByteArray &bytes, bool *ok = nullptr)
{
    ByteReader in(bytes);
    TReportRec definition;
    definition.read(in);
    if (ok)
        *ok = in.ok() && in.atEnd();
    return definition;
}

// Every field set away from its default, so a swapped or skipped field shows.
TReportRec everyFieldSet()
{
    TReportRec d(QStringLiteral("Shows"));
    d.FieldNames = 1;
    d.Layout = 1;
    d.Grid = 1;
    d.Totals = 1;
    d.Reserved = QStringLiteral("R");
    d.FontName = QStringLiteral("Courier New");
    d.FontStyle = 0x0b;
    d.FontSize = 14;
    d.MarginLeft = QStringLiteral("0.5");
    d.MarginRight = QStringLiteral("0.75");
    d.MarginTop = QStringLiteral("1.25");
    d.MarginBottom = QStringLiteral("2");
    d.PageHeight = QStringLiteral("14");
    d.PageWidth = QStringLiteral("8.5");
    d.PaperSize = TReportRec::Custom;
    d.Orientation = 1;
    d.Title = QStringLiteral("Hockey 1979");
    d.TitleOption = 1;
    d.PageNumbers = TReportRec::NumbersAtTop;
    d.Units = TReportRec::Centimetres;
    d.FontColor = 0x0000ff;
    d.addColumn(0, 0);
    d.addColumn(20, 381);
    d.addColumn(3, 150);
    return d;
}

void expectSameDefinition(const TReportRec &a, const TReportRec &b)
{
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(bytesOf(a), bytesOf(b));
    EXPECT_EQ(a.columns(), b.columns());
}

TEST(ReportDefinition, DefaultsAndColumnAccess)
{
    TReportRec d;
    EXPECT_EQ(d.Reserved, "20");
    EXPECT_EQ(d.FontName, "Arial");
    EXPECT_EQ(d.FontSize, 10);
    EXPECT_EQ(d.PageHeight, "8.5");
    EXPECT_EQ(d.PageWidth, "11");
    EXPECT_EQ(d.PageNumbers, 2);
    EXPECT_EQ(d.columnCount(), 0);
    d.addColumn(4, 200);
    EXPECT_EQ(d.fieldIndex(0), 4);
    EXPECT_EQ(d.width(0), 200);
    // At or past the end, and before the start: both 0.
    EXPECT_EQ(d.fieldIndex(1), 0);
    EXPECT_EQ(d.width(1), 0);
    EXPECT_EQ(d.width(-1), 0);
}

TEST(ReportDefinition, DefaultDefinitionBytes)
{
    // Byte by byte: name, four int32, "20", "Arial", style, size, six texts,
    // paper and orientation, title, title option, page numbers, units, colour,
    // and the empty column list.
    const QByteArray expected = QByteArray::fromHex(
        "00"
        "00000000" "00000000" "00000000" "00000000"
        "023230" "05417269616c"
        "00" "0a000000"
        "0131" "0131" "0131" "0131" "03382e35" "023131"
        "00000000" "00000000"
        "00"
        "00000000" "02000000"
        "00"
        "00000000"
        "0100");
    EXPECT_EQ(bytesOf(TReportRec()).toHex(), expected.toHex());
}

TEST(ReportDefinition, RoundTripKeepsEveryFieldAndColumnOrder)
{
    const TReportRec written = everyFieldSet();
    const QByteArray bytes = bytesOf(written);
    // The column with field 0 and width 0 is stored as 20, 20.
    EXPECT_EQ(bytes.right(1 + 3 * 4 + 1).toHex(),
        QByteArray::fromHex("01" "14001400" "28009101" "1700aa00" "00").toHex());
    bool ok = false;
    const TReportRec read = readBack(bytes, &ok);
    ASSERT_TRUE(ok);
    expectSameDefinition(written, read);
    EXPECT_EQ(read.fieldIndex(0), 0);
    EXPECT_EQ(read.width(0), 0);
    EXPECT_EQ(read.fieldIndex(1), 20);
    EXPECT_EQ(read.width(1), 381);
}

TEST(ReportDefinition, LongTextsAreCutTo255)
{
    TReportRec d(QString(256, QLatin1Char('n')));
    d.Title = QString(300, QLatin1Char('t'));
    const TReportRec read = readBack(bytesOf(d));
    EXPECT_EQ(read.Name, QString(255, QLatin1Char('n')));
    EXPECT_EQ(read.Title, QString(255, QLatin1Char('t')));
}

TEST(ReportDefinition, CopyReplacesEverythingNameIncluded)
{
    TReportRec target(QStringLiteral("Old"));
    target.addColumn(9, 9);
    target.addColumn(8, 8);
    const TReportRec source = everyFieldSet();
    target.copyFrom(source);
    expectSameDefinition(source, target);
}

TEST(ReportDefinition, DamagedDefinitionsFailTheReader)
{
    const QByteArray good = bytesOf(everyFieldSet());
    struct Case
    {
        const char *what;
        QByteArray bytes;
    };
    QByteArray noListStart = good;
    noListStart[good.size() - 14] = '\x02';
    QByteArray shiftedBelow20 = good;
    shiftedBelow20[good.size() - 13] = '\x05';
    const Case cases[] = {
        { "empty", QByteArray() },
        { "cut inside the texts", good.left(30) },
        { "cut before the list end", good.left(good.size() - 1) },
        { "cut inside a column", good.left(good.size() - 3) },
        { "no list start byte", noListStart },
        { "a column number below the shift", shiftedBelow20 },
    };
    for (const Case &c : cases) {
        ByteReader in(c.bytes);
        TReportRec d;
        d.read(in);
        EXPECT_FALSE(in.ok()) << c.what;
    }
}

TEST(ReportTemplateList, EmptyListIsTwoBytesAndFindIsCaseSensitive)
{
    TReportList list;
    ASSERT_TRUE(list.fromBytes(QByteArray::fromHex("0100")));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.toBytes().toHex(), "0100");

    list.append(std::make_unique<TReportRec>(QStringLiteral("Baseball")));
    list.append(std::make_unique<TReportRec>(QStringLiteral("baseball")));
    EXPECT_EQ(list.findByName(QStringLiteral("baseball")), 1);
    EXPECT_EQ(list.findByName(QStringLiteral("Baseball")), 0);
    EXPECT_FALSE(list.findByName(QStringLiteral("BASEBALL")));

    const QByteArray bytes = list.toBytes();
    EXPECT_EQ(bytes.front(), '\x01');
    EXPECT_EQ(bytes.back(), '\x00');
    TReportList read;
    ASSERT_TRUE(read.fromBytes(bytes));
    ASSERT_EQ(read.count(), 2);
    EXPECT_EQ(read.at(1).Name, "baseball");

    read.deleteAt(5);
    read.deleteAt(-1);
    EXPECT_EQ(read.count(), 2);
    read.deleteAt(0);
    ASSERT_EQ(read.count(), 1);
    EXPECT_EQ(read.at(0).Name, "baseball");
}

TEST(ReportTemplateList, DamagedListsAreRefused)
{
    TReportList two;
    two.append(std::make_unique<TReportRec>(everyFieldSet()));
    two.append(std::make_unique<TReportRec>(QStringLiteral("B")));
    const QByteArray good = two.toBytes();
    TReportList list;
    for (const QByteArray &bytes : { QByteArray(), QByteArray::fromHex("00"),
             QByteArray::fromHex("01"), good.left(good.size() - 1), good.left(good.size() / 2) })
        EXPECT_FALSE(list.fromBytes(bytes)) << bytes.toHex().constData();
}

class ReportFilesTest : public ::testing::Test
{
protected:
    QString folder() const { return m_dir.path(); }
    QString path(const QString &name) const { return QDir(m_dir.path()).filePath(name); }

    QTemporaryDir m_dir;
    ScriptedInteraction m_user;
};

TEST_F(ReportFilesTest, CurrentDefinitionFileHoldsExactlyOneDefinition)
{
    const TReportRec written = everyFieldSet();
    ASSERT_TRUE(ReportFiles::writeCurrent(folder(), written));
    EXPECT_EQ(readWholeFile(path("rep.dat"), 4096), bytesOf(written));
    TReportRec read;
    EXPECT_EQ(ReportFiles::readCurrent(folder(), read), ReportFiles::ReadResult::Read);
    expectSameDefinition(written, read);
}

TEST_F(ReportFilesTest, MissingOrDamagedCurrentFileKeepsTheDefinition)
{
    TReportRec current = everyFieldSet();
    ReportFiles::loadCurrentQuietly(folder(), current);
    expectSameDefinition(everyFieldSet(), current);

    const QByteArray good = bytesOf(TReportRec());
    for (const QByteArray &damaged : { good.left(good.size() - 1), QByteArray("\x05"
                                                                              "ab") }) {
        ASSERT_TRUE(writeWholeFile(path("rep.dat"), damaged));
        EXPECT_EQ(ReportFiles::readCurrent(folder(), current), ReportFiles::ReadResult::Damaged);
        expectSameDefinition(everyFieldSet(), current);
    }
}

TEST_F(ReportFilesTest, SavingTemplatesAsksUntilTheNameIsFree)
{
    ASSERT_TRUE(writeWholeFile(path("report.dat"), QByteArray::fromHex("0100")));
    TReportRec current = everyFieldSet();
    current.Name.clear();
    int copies = 0;
    m_user.expectInput(QStringLiteral("A"));
    ASSERT_TRUE(ReportTemplates::save(folder(), current, [&] { ++copies; }));
    EXPECT_EQ(copies, 1);
    TReportRec expected = everyFieldSet();
    expected.Name = QStringLiteral("A");
    EXPECT_EQ(readWholeFile(path("report.dat"), 4096),
        QByteArray("\x01") + bytesOf(expected) + QByteArray(1, '\0'));

    // Empty and taken names are refused; a name differing only in case is new.
    m_user.expectInput(QString());
    m_user.expectMessage(MessageKind::Information, ReportTemplates::nameInUseText(),
        MessageButtons::Ok, kNoHelp);
    m_user.expectInput(QStringLiteral("A"));
    m_user.expectMessage(MessageKind::Information,
        "This Name Is Already In Use. Please Try Again.", MessageButtons::Ok, kNoHelp);
    m_user.expectInput(QStringLiteral("a"));
    ASSERT_TRUE(ReportTemplates::save(folder(), current, {}));
    EXPECT_EQ(m_user.inputRequests().last(), "Save Report Template / Enter Report Name: / ");

    TReportList list;
    ASSERT_TRUE(ReportFiles::readTemplates(folder(), list));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(0).Name, "A");
    EXPECT_EQ(list.at(1).Name, "a");
    // The current definition keeps its own (empty) name.
    EXPECT_TRUE(current.Name.isEmpty());

    // Cancel writes nothing.
    const auto before = readWholeFile(path("report.dat"), 8192);
    m_user.expectInput(std::nullopt);
    EXPECT_FALSE(ReportTemplates::save(folder(), current, [&] { ++copies; }));
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(readWholeFile(path("report.dat"), 8192), before);
    EXPECT_TRUE(m_user.allConsumed());
}

TEST_F(ReportFilesTest, DamagedTemplateFileStopsSavingWithAStreamError)
{
    ASSERT_TRUE(writeWholeFile(path("report.dat"), QByteArray::fromHex("0103")));
    TReportRec current;
    m_user.expectMessage(MessageKind::Error, "Stream read error", MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(ReportTemplates::save(folder(), current, {}));
    EXPECT_EQ(readWholeFile(path("report.dat"), 64), QByteArray::fromHex("0103"));
    EXPECT_TRUE(m_user.allConsumed());
}

TEST_F(ReportFilesTest, MissingTemplateFileIsAnEmptyList)
{
    TReportRec current;
    m_user.expectInput(QStringLiteral("First"));
    ASSERT_TRUE(ReportTemplates::save(folder(), current, {}));
    TReportList list;
    ASSERT_TRUE(ReportFiles::readTemplates(folder(), list));
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.at(0).Name, "First");
}

TEST_F(ReportFilesTest, LoadDialogDeletesOnlyOnOkAndLoadsTheSelection)
{
    TReportList list;
    for (const char *name : { "One", "Two", "Three" }) {
        auto d = std::make_unique<TReportRec>(QString::fromLatin1(name));
        d->Title = QString::fromLatin1(name) + " title";
        list.append(std::move(d));
    }
    ASSERT_TRUE(ReportFiles::writeTemplates(folder(), list));
    const TReportRec untouched = everyFieldSet();
    TReportRec current = untouched;

    {
        // Deleting, then Cancel: nothing is written.
        ReportTemplatePicker picker(folder());
        ASSERT_TRUE(picker.load());
        m_user.expectMessage(MessageKind::Warning, "Delete Selected Item?", MessageButtons::YesNo,
            kNoHelp, Answer::Yes);
        EXPECT_TRUE(picker.deleteEntry(0));
        EXPECT_EQ(picker.names(), QStringList({ "Two", "Three" }));
    }
    TReportList reread;
    ASSERT_TRUE(ReportFiles::readTemplates(folder(), reread));
    EXPECT_EQ(reread.count(), 3);

    ReportTemplatePicker picker(folder());
    ASSERT_TRUE(picker.load());
    m_user.expectMessage(MessageKind::Warning, "Delete Selected Item?", MessageButtons::YesNo,
        kNoHelp, Answer::No);
    EXPECT_FALSE(picker.deleteEntry(0));
    m_user.expectMessage(MessageKind::Warning, "Delete Selected Item?", MessageButtons::YesNo,
        kNoHelp, Answer::Yes);
    EXPECT_TRUE(picker.deleteEntry(1));
    // OK with nothing selected writes the shorter list and keeps the current definition.
    ASSERT_TRUE(picker.accept(std::nullopt, current));
    expectSameDefinition(untouched, current);
    ASSERT_TRUE(ReportFiles::readTemplates(folder(), reread));
    ASSERT_EQ(reread.count(), 2);
    EXPECT_EQ(reread.at(1).Name, "Three");

    ASSERT_TRUE(picker.accept(1, current));
    EXPECT_EQ(current.Title, "Three title");
    EXPECT_EQ(current.columnCount(), 0);
    EXPECT_TRUE(m_user.allConsumed());
}

TEST_F(ReportFilesTest, UnreadableTemplateFileKeepsTheLoadDialogClosed)
{
    QDir(folder()).mkdir("report.dat");
    ReportTemplatePicker picker(folder());
    m_user.expectMessage(MessageKind::Error, "Cannot open file " + QDir::toNativeSeparators(path("report.dat")),
        MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(picker.load());
    EXPECT_TRUE(m_user.allConsumed());
}

} // namespace

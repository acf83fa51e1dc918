#include "../common/ByteArrays.h"

#include "common/WholeFile.h"
#include "output/LabelFile.h"
#include "output/LabelLines.h"
#include "output/TLabelList.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::test;

namespace {

QList<LabelLine> lines(std::initializer_list<LabelLine> entries)
{
    return QList<LabelLine>(entries);
}

// Every field set away from its default, so a field read into the wrong place shows.
TLabelRec fullLabel()
{
    TLabelRec label;
    label.Name = QStringLiteral("Binder pages");
    label.Lines = { 100, 106, 204 };
    label.LabelType = TLabelRec::Custom;
    label.Shape = TLabelRec::Round;
    label.StockName = QStringLiteral("AV Round 2 inch (12)");
    label.LabelWidth = "2";
    label.LabelHeight = "2.1";
    label.PitchWidth = "2.5";
    label.PitchHeight = "2.6";
    label.SheetLeft = "0.75";
    label.SheetTop = "0.8";
    label.Across = "3";
    label.Down = "4";
    label.FirstLabel = "5";
    label.BodyLeft = "0.3";
    label.BodyTop = "0.4";
    label.BodyFontName = "Courier New";
    label.BodyFontStyle = 6;
    label.BodyFontSize = 12;
    label.HeaderText = { "Rookies", "", "Box 7" };
    label.HeaderLeft = "0.1";
    label.HeaderTop = "0.15";
    label.HeaderFontName = "Times";
    label.HeaderFontStyle = 9;
    label.HeaderFontSize = 7;
    label.LogoFile = "/home/me/logo é.bmp";
    label.LogoLeft = "1.5";
    label.LogoTop = "0.25";
    label.Orientation = 1;
    label.Units = 1;
    label.HeaderFontColor = 0x0000FF;
    label.BodyFontColor = 0x808080;
    label.PageWidth = "20";
    label.PageHeight = "30";
    label.PaperSize = TLabelRec::CustomPaper;
    return label;
}

} // namespace

TEST(LabelLinesTest, FieldsOnOneLineShareTheLineNumber)
{
    // "Card Name:" (0) a line, "Year:" (6) in the same line, "Team:" (4) a line.
    const auto written = lines({ { 0, false }, { 6, true }, { 4, false } });
    EXPECT_EQ(LabelLines::encode(written), QList<std::int32_t>({ 100, 106, 204 }));
    EXPECT_EQ(LabelLines::decode({ 100, 106, 204 }), written);
    // A continuation placed first takes line 0; the first entry is a continuation only then.
    EXPECT_EQ(
        LabelLines::encode(lines({ { 3, true }, { 5, false } })), QList<std::int32_t>({ 3, 105 }));
    EXPECT_EQ(LabelLines::decode({ 3, 105 }), lines({ { 3, true }, { 5, false } }));
    EXPECT_EQ(LabelLines::decode({ 103, 105 }), lines({ { 3, false }, { 5, true } }));
}

TEST(LabelLinesTest, NoStoredValueReadsAsTheListEnd)
{
    // Line 10 beginning with caption index 4 would be 1004, stored as 1024: first byte 0x00.
    QList<LabelLine> written;
    for (int i = 0; i < 9; ++i)
        written.append({ i + 5, false });
    written.append({ 4, false });
    written.append({ 16, true }); // 1516 + 20 = 1536 is another such value
    const QList<std::int32_t> values = LabelLines::encode(written);
    for (std::int32_t value : values)
        EXPECT_TRUE(LabelLines::storable(value)) << value;
    EXPECT_FALSE(LabelLines::storable(1004));
    EXPECT_EQ(LabelLines::decode(values), written);

    // Every single field on every line of a full 21-field label.
    for (int index = 0; index < 21; ++index) {
        for (int line = 1; line <= 21; ++line) {
            QList<LabelLine> many;
            for (int i = 1; i < line; ++i)
                many.append({ (index + i) % 21, false });
            many.append({ index, false });
            const auto encoded = LabelLines::encode(many);
            ASSERT_EQ(LabelLines::decode(encoded), many) << index << " on line " << line;
            for (std::int32_t value : encoded)
                ASSERT_TRUE(LabelLines::storable(value)) << value;
        }
    }
}

TEST(LabelFileTest, StoresLinesPlusTwentyAfterTheName)
{
    TLabelRec label;
    label.Name = "A";
    label.Lines = { 100, 106, 204 };
    const QByteArray bytes = LabelFile::encode({ label });
    const QByteArray start = bytesOf({ 0x01, 1, 'A', 0x01, 120, 0, 0, 0, 126, 0, 0, 0, 224, 0, 0, 0,
        0x00, 0, 0, 0, 0, 0, 0, 0, 0, 9, 'A', 'V', ' ', '1', '2', '_', '2', '9', '4' });
    EXPECT_EQ(hex(bytes.left(start.size())), hex(start));
    EXPECT_EQ(bytes.back(), '\0');
    EXPECT_EQ(hex(LabelFile::encode({})), hex(bytesOf({ 0x01, 0x00 })));
}

TEST(LabelFileTest, EveryFieldSurvivesTheFile)
{
    const TLabelRec full = fullLabel();
    TLabelRec plain;
    plain.Name = "Plain";
    const auto read = LabelFile::decode(LabelFile::encode({ full, plain }));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2);
    EXPECT_EQ((*read)[0], full);
    EXPECT_EQ((*read)[1], plain);
}

TEST(LabelFileTest, ATemplateWithATenthLineStartingWithTeamKeepsTheTemplatesAfterIt)
{
    TLabelRec tall;
    tall.Name = "Tall";
    QList<LabelLine> written;
    for (int i = 0; i < 9; ++i)
        written.append({ i + 5, false });
    written.append({ 4, false }); // the tenth line begins with caption index 4
    tall.Lines = LabelLines::encode(written);
    TLabelRec after;
    after.Name = "After";
    const auto read = LabelFile::decode(LabelFile::encode({ tall, after }));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2);
    EXPECT_EQ(LabelLines::decode((*read)[0].Lines), written);
    EXPECT_EQ((*read)[1].Name, "After");

    // Values handed in unencoded are made safe on the way out too.
    tall.Lines = { 100, 204, 304, 404, 504, 604, 704, 804, 904, 1004 };
    const auto again = LabelFile::decode(LabelFile::encode({ tall, after }));
    ASSERT_TRUE(again);
    ASSERT_EQ(again->size(), 2);
    EXPECT_EQ(LabelLines::decode((*again)[0].Lines), LabelLines::decode(tall.Lines));
}

TEST(LabelFileTest, DamagedBytesAreRefused)
{
    const QByteArray good = LabelFile::encode({ fullLabel() });
    for (qsizetype size = 0; size < good.size(); ++size)
        EXPECT_FALSE(LabelFile::decode(good.left(size))) << "cut to " << size;
    EXPECT_FALSE(LabelFile::decode(bytesOf({ 0x02, 0x00 })));
}

TEST(TLabelListTest, ReadsWritesFindsAndDeletes)
{
    QTemporaryDir folder;
    TLabelList list;
    list.append(TLabelRec());
    // No file yet: no templates.
    ASSERT_TRUE(list.read(folder.path()));
    EXPECT_EQ(list.count(), 0);
    {
        // Something there that cannot be read as a file.
        QTemporaryDir blocked;
        ASSERT_TRUE(QDir(blocked.path()).mkdir("label.dat"));
        ASSERT_FALSE(list.read(blocked.path()));
        EXPECT_EQ(list.error().toStdString(),
            "Cannot open file "
                + QDir::toNativeSeparators(blocked.filePath("label.dat")).toStdString());
        EXPECT_FALSE(list.write(blocked.path()));
    }

    TLabelRec a = fullLabel();
    a.Name = "Box";
    TLabelRec b;
    b.Name = "box";
    list.append(a);
    list.append(b);
    ASSERT_TRUE(list.write(folder.path()));
    EXPECT_EQ(list.find("box"), 1);
    EXPECT_EQ(list.find("BOX"), TLabelList::kNotFound);
    list.remove(2);
    list.remove(-1);
    EXPECT_EQ(list.count(), 2);

    TLabelList again;
    again.append(TLabelRec());
    ASSERT_TRUE(again.read(folder.path()));
    ASSERT_EQ(again.count(), 2);
    EXPECT_EQ(again.at(0), a);
    again.remove(0);
    EXPECT_EQ(again.at(0).Name, "box");

    // A damaged file keeps what the list held.
    const auto bytes = readWholeFile(folder.filePath("label.dat"), 1 << 20);
    ASSERT_TRUE(writeWholeFile(folder.filePath("label.dat"), bytes->left(bytes->size() - 1)));
    EXPECT_FALSE(again.read(folder.path()));
    EXPECT_EQ(again.error(), "Stream read error");
    EXPECT_EQ(again.count(), 1);
}

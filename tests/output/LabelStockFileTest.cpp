#include "output/LabelStockFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zendrova;

TEST(LabelStockFileTest, IndexNames)
{
    struct Case
    {
        const char *text;
        QStringList names;
    };
    const Case cases[] = {
        { "[Index]\r\nA\r\nB\r\n\r\n[A]\r\nWidth=1\r\n", { "A", "B" } },
        { "[Index]\nA\nB\n[A]\nWidth=1\n", { "A", "B" } },
        // The index running to the end of the file keeps its last name, with or without a line
        // break.
        { "[Index]\nA\nB", { "A", "B" } },
        { "[Index]\nA\nB\n", { "A", "B" } },
        { "[Index]\n", {} },
        { "[index]\nA\n\n", {} },
        { " [Index]\nA\n\n", {} },
        { "", {} },
    };
    for (const Case &c : cases)
        EXPECT_EQ(LabelStockFile::namesIn(QString::fromLatin1(c.text)), c.names) << c.text;
}

TEST(LabelStockFileTest, OneStock)
{
    const QString text = QStringLiteral(
        "[Index]\nA\nB\nC\n\n"
        "[A]\nShape=Round\nPageOrientation=Landscape\nWidth=2.5\nHeight=1\nSpacingWidth=2.75\n"
        "SpacingHeight=1.25\nSpacingLeft=0.1875\nSpacingTop=0.5\nAcross=3\nDown=10\n\n"
        "[b]\nshape=round\npageorientation=landscape\nWIDTH = 4 \n"
        "[C]\nShape=Rectangle\n");
    const auto a = LabelStockFile::stockIn(text, "A");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->shape, 2);
    EXPECT_EQ(a->orientation, 1);
    EXPECT_EQ(QStringList({ a->width, a->height, a->pitchWidth, a->pitchHeight, a->sheetLeft,
                  a->sheetTop, a->across, a->down }),
        QStringList({ "2.5", "1", "2.75", "1.25", "0.1875", "0.5", "3", "10" }));

    // Key names match in any case; the values "round" and "landscape" do not.
    const auto b = LabelStockFile::stockIn(text, "B");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->shape, 0);
    EXPECT_EQ(b->orientation, 0);
    EXPECT_EQ(b->width, "4");
    EXPECT_EQ(b->height, "");
    EXPECT_EQ(LabelStockFile::stockIn(text, "C")->shape, 1);

    EXPECT_FALSE(LabelStockFile::stockIn(text, "D"));
    EXPECT_FALSE(LabelStockFile::stockIn("[Index]\nD\n\n[D]\n\n", "D"));
    EXPECT_FALSE(LabelStockFile::stockIn(text, ""));
}

TEST(LabelStockFileTest, MissingFileIsNotAnEmptyIndex)
{
    QTemporaryDir folder;
    EXPECT_FALSE(LabelStockFile::readNames(folder.filePath("av_na.ini")));
    EXPECT_FALSE(LabelStockFile::readStock(folder.filePath("av_na.ini"), "AV 12_294"));
    QFile file(folder.filePath("other.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Stocks]\nA\n");
    file.close();
    const auto names = LabelStockFile::readNames(file.fileName());
    ASSERT_TRUE(names);
    EXPECT_TRUE(names->isEmpty());
}

// The shipped files: every listed stock has its whole section, and its labels
// lie on the paper without overlapping.
TEST(LabelStockFileTest, ShippedStocksFitTheirPaper)
{
    struct Paper
    {
        const char *file;
        double width;
        double height;
    };
    for (const Paper &paper : { Paper { "av_na.ini", 8.5, 11 }, Paper { "av_eu.ini", 21, 29.7 } }) {
        const QString path = QDir(ZENDROVA_BIN_DIR).filePath(paper.file);
        const auto names = LabelStockFile::readNames(path);
        ASSERT_TRUE(names) << paper.file;
        EXPECT_GE(names->size(), 8) << paper.file;
        int round = 0;
        for (const QString &name : *names) {
            const auto stock = LabelStockFile::readStock(path, name);
            ASSERT_TRUE(stock) << name.toStdString();
            const double width = stock->width.toDouble();
            const double height = stock->height.toDouble();
            const double pitchWidth = stock->pitchWidth.toDouble();
            const double pitchHeight = stock->pitchHeight.toDouble();
            const int across = stock->across.toInt();
            const int down = stock->down.toInt();
            ASSERT_GT(width * height * across * down, 0) << name.toStdString();
            EXPECT_GE(pitchWidth, width) << name.toStdString();
            EXPECT_GE(pitchHeight, height) << name.toStdString();
            const bool landscape = stock->orientation == 1;
            const double paperWidth = landscape ? paper.height : paper.width;
            const double paperHeight = landscape ? paper.width : paper.height;
            EXPECT_LE(
                stock->sheetLeft.toDouble() + (across - 1) * pitchWidth + width, paperWidth + 1e-9)
                << name.toStdString();
            EXPECT_LE(
                stock->sheetTop.toDouble() + (down - 1) * pitchHeight + height, paperHeight + 1e-9)
                << name.toStdString();
            round += stock->shape == 2;
        }
        EXPECT_GE(round, 2) << paper.file;
    }
    const auto standard
        = LabelStockFile::readStock(QDir(ZENDROVA_BIN_DIR).filePath("av_na.ini"), "AV 12_294");
    ASSERT_TRUE(standard);
    EXPECT_EQ(standard->across.toInt() * standard->down.toInt(), 30);
}

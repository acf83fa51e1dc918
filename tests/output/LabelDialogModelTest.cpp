#include "support/ScriptedInteraction.h"

#include "output/LabelDialogModel.h"
#include "output/LabelLines.h"
#include "output/LabelStockFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::test;

namespace {

using Box = LabelDialogModel::Box;

QStringList boxes(const LabelDialogModel &model)
{
    QStringList texts;
    for (int i = 0; i < LabelDialogModel::kBoxCount; ++i)
        texts.append(model.box(static_cast<Box>(i)));
    return texts;
}

TLabelRec customLabel()
{
    TLabelRec label;
    label.LabelType = TLabelRec::Custom;
    label.LabelWidth = "2.625";
    label.LabelHeight = "1";
    label.PitchWidth = "2.75";
    label.PitchHeight = "1.125";
    label.SheetLeft = "0.1875";
    label.SheetTop = "0.5";
    label.Across = "3";
    label.Down = "10";
    return label;
}

const QString kShipped = QStringLiteral(ZENDROVA_BIN_DIR);

} // namespace

TEST(LabelDialogModelTest, LandscapeSwapsTheBoxPairs)
{
    LabelDialogModel model(kShipped);
    model.fillFrom(customLabel());
    model.setOrientation(1);
    EXPECT_EQ(
        boxes(model), QStringList({ "1", "2.625", "1.125", "2.75", "0.5", "0.1875", "10", "3" }));
    model.setOrientation(1);
    EXPECT_EQ(boxes(model)[0], "1");
    model.setOrientation(0);
    EXPECT_EQ(
        boxes(model), QStringList({ "2.625", "1", "2.75", "1.125", "0.1875", "0.5", "3", "10" }));
}

TEST(LabelDialogModelTest, UnitsConvertLengthsButNotCounts)
{
    LabelDialogModel model(kShipped);
    TLabelRec label = customLabel();
    label.FirstLabel = "4";
    model.fillFrom(label);
    EXPECT_EQ(model.pageWidth(), "8.5");
    EXPECT_EQ(model.pageHeight(), "11");
    EXPECT_TRUE(model.pageBoxesReadOnly());
    model.setUnits(1);
    EXPECT_EQ(boxes(model),
        QStringList({ "6.6675", "2.54", "6.985", "2.8575", "0.47625", "1.27", "3", "10" }));
    EXPECT_EQ(model.pageWidth(), "21.59");
    EXPECT_EQ(model.pageHeight(), "27.94");
    EXPECT_EQ(model.bodyLeft, "1.27");
    EXPECT_EQ(model.logoLeft, "5.08");
    EXPECT_EQ(model.firstLabel, "4");
    model.setUnits(0);
    EXPECT_EQ(
        boxes(model), QStringList({ "2.625", "1", "2.75", "1.125", "0.1875", "0.5", "3", "10" }));
    EXPECT_EQ(model.pageWidth(), "8.5");
    EXPECT_EQ(model.pageHeight(), "11");

    // A4 comes back exactly in centimetres; a custom page is converted.
    model.setPaperSize(TLabelRec::A4);
    EXPECT_EQ(model.pageWidth(), "8.26771653543307");
    model.setUnits(1);
    EXPECT_EQ(model.pageWidth(), "21");
    EXPECT_EQ(model.pageHeight(), "29.7");
    model.setPaperSize(TLabelRec::CustomPaper);
    EXPECT_FALSE(model.pageBoxesReadOnly());
    model.setPageWidth("10");
    model.setUnits(0);
    EXPECT_EQ(model.pageWidth(), "3.93700787401575");
}

TEST(LabelDialogModelTest, StockGeometryFollowsTheUnits)
{
    LabelDialogModel model(kShipped);
    TLabelRec label; // "AV 12_294" in the North America file
    model.fillFrom(label);
    EXPECT_TRUE(model.geometryReadOnly());
    EXPECT_TRUE(model.stockShown());
    EXPECT_EQ(model.stockNames().first(), "AV 12_294");
    EXPECT_EQ(boxes(model), QStringList({ "2.625", "1", "2.75", "1", "0.1875", "0.5", "3", "10" }));

    label.Units = 1;
    model.fillFrom(label);
    EXPECT_EQ(boxes(model),
        QStringList({ "6.6675", "2.54", "6.985", "2.54", "0.47625", "1.27", "3", "10" }));

    // The Europe file in inches; switching the type keeps a stock name only if it is given.
    label.Units = 0;
    label.LabelType = TLabelRec::AveryEurope;
    label.StockName = "AV Address 63.5 x 38.1 (21)";
    model.fillFrom(label);
    EXPECT_EQ(model.box(Box::Width), "2.5");
    EXPECT_EQ(model.box(Box::Across), "3");

    // A stock on a landscape sheet turns the page; a round one sets the shape.
    model.setLabelType(TLabelRec::AveryNorthAmerica);
    model.setStockName("AV Tent Card 4-1/4 x 11 (2)");
    EXPECT_EQ(model.orientation(), 1);
    EXPECT_EQ(model.box(Box::Width), "11");
    model.setStockName("AV Round 2 inch (12)");
    EXPECT_EQ(model.shape(), TLabelRec::Round);
}

TEST(LabelDialogModelTest, UnreadableStockFallsBackToCustom)
{
    QTemporaryDir folder;
    ScriptedInteraction user;
    LabelDialogModel model(folder.path());
    user.expectMessage(MessageKind::Error,
        "Error! Could not read Label File: "
            + QDir::toNativeSeparators(folder.filePath("av_na.ini")),
        MessageButtons::Ok, kNoHelp);
    model.fillFrom(TLabelRec());
    EXPECT_EQ(model.labelType(), TLabelRec::Custom);
    EXPECT_FALSE(model.geometryReadOnly());
    EXPECT_TRUE(model.stockNames().isEmpty());

    QFile file(folder.filePath("av_eu.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Index]\nOnly\n\n[Other]\nWidth=1\n");
    file.close();
    user.expectMessage(
        MessageKind::Error, "Error! Could not read Label Parameters.", MessageButtons::Ok, kNoHelp);
    model.setLabelType(TLabelRec::AveryEurope);
    EXPECT_EQ(model.stockName(), "Only");
    EXPECT_EQ(model.labelType(), TLabelRec::Custom);
    EXPECT_TRUE(user.allConsumed());
}

TEST(LabelDialogModelTest, ControlsGoBackIntoTheDefinition)
{
    TLabelRec label = customLabel();
    label.Lines = { 100, 106, 204 };
    label.HeaderText = { "Box 7", "", "Rookies" };
    label.BodyFontStyle = 3;
    label.PaperSize = TLabelRec::Legal;
    label.PageWidth = "1";
    label.Orientation = 1;
    LabelDialogModel model(kShipped);
    model.fields.setCaptions(QStringList(21, "x"), {});
    model.fillFrom(label);
    EXPECT_EQ(LabelDialogModel::styleText(label.BodyFontStyle), "Bold Italic ");
    EXPECT_EQ(LabelDialogModel::styleText(0), "Regular");
    TLabelRec back;
    model.writeTo(back);
    label.PageWidth = "8.5"; // the paper size sets the page
    label.PageHeight = "14";
    EXPECT_EQ(back, label);
}

#include "mainwin/CardFields.h"
#include "mainwin/CardScaling.h"
#include "mainwin/CardTabOrder.h"
#include "mainwin/FontShift.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

using Kind = CardControlKind;

TEST(CardFieldsTest, PageOfAControlIndexFollowsTheRunningFieldCounts)
{
    const QList<int> counts = CardFields::pageFieldCounts();
    EXPECT_EQ(counts, (QList<int>{9, 10, 1, 1}));
    const struct { int index; int page; } cases[] = {
        {0, 1}, {8, 1}, {9, 2}, {18, 2}, {19, 3}, {20, 4}, {21, 0}, {-1, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(CardFields::pageOfIndex(c.index, counts), c.page) << c.index;
    // An empty part in between is skipped.
    EXPECT_EQ(CardFields::pageOfIndex(2, {2, 0, 3}), 3);
}

TEST(CardTabOrderTest, WalksTabStopsInFieldOrderAndWrapsAround)
{
    // The card's fields: the two pictures (indexes 8 and 20) take no Tab.
    QList<bool> stops(21, true);
    stops[8] = stops[20] = false;
    const struct { int from; bool backwards; int to; } cases[] = {
        {0, false, 1}, {7, false, 9}, {18, false, 19},
        {19, false, 0},  // past the notes to part 1's first field
        {0, true, 19},   // before the first to the last tab stop
        {9, true, 7}, {-1, false, 0}, {-1, true, 19}};
    for (const auto &c : cases)
        EXPECT_EQ(CardTabOrder::next(c.from, c.backwards, stops), c.to) << c.from << c.backwards;

    QList<bool> onlyOne(21, false);
    onlyOne[5] = true;
    EXPECT_EQ(CardTabOrder::next(5, false, onlyOne), 5);
    EXPECT_EQ(CardTabOrder::next(5, true, QList<bool>(21, false)), std::nullopt);
}

TEST(CardScalingTest, MemosShareTheGainedHeightAndNeverShrinkBelowDesign)
{
    const QList<CardScaling::Item> page{
        {QRect(0, 0, 100, 16), Kind::Memo, true},   // caption above the first memo
        {QRect(0, 20, 100, 100), Kind::Memo},
        {QRect(0, 130, 100, 100), Kind::Memo},
        {QRect(0, 240, 100, 22), Kind::Edit}};
    const QSize design(200, 300);
    const QList<QRect> taller = CardScaling::scale(page, design, QSize(200, 360));
    EXPECT_EQ(taller[0], QRect(0, 0, 100, 16));
    EXPECT_EQ(taller[1], QRect(0, 20, 100, 130));
    EXPECT_EQ(taller[2], QRect(0, 160, 100, 130));
    EXPECT_EQ(taller[3], QRect(0, 300, 100, 22));

    const QList<QRect> shorter = CardScaling::scale(page, design, QSize(200, 240));
    for (int i = 0; i < page.size(); ++i)
        EXPECT_EQ(shorter[i], page[i].design) << i;

    // A picture alone on its page takes all of it.
    const QList<QRect> picture = CardScaling::scale(
        {{QRect(6, 28, 284, 346), Kind::Picture}}, QSize(296, 380), QSize(296, 480));
    EXPECT_EQ(picture[0], QRect(6, 28, 284, 446));
}

TEST(CardScalingTest, ControlsGrowByTheWidthChangeAndSideBySideShareIt)
{
    const QList<CardScaling::Item> page{
        {QRect(4, 13, 90, 16), Kind::Edit, true},   // caption of the first row
        {QRect(100, 10, 190, 22), Kind::Edit},
        {QRect(10, 50, 80, 22), Kind::Edit},        // two side by side
        {QRect(120, 53, 80, 22), Kind::Currency},
        {QRect(210, 54, 40, 16), Kind::Edit, true}}; // a caption right of them
    const QSize design(300, 200);
    const QList<QRect> wider = CardScaling::scale(page, design, QSize(341, 200));
    EXPECT_EQ(wider[0], QRect(4, 13, 90, 16));
    EXPECT_EQ(wider[1], QRect(100, 10, 231, 22));
    EXPECT_EQ(wider[2], QRect(10, 50, 100, 22));
    EXPECT_EQ(wider[3], QRect(140, 53, 101, 22));
    EXPECT_EQ(wider[4], QRect(251, 54, 40, 16));

    const QList<QRect> narrower = CardScaling::scale(page, design, QSize(260, 200));
    EXPECT_EQ(narrower[1].width(), 150);
    EXPECT_EQ(narrower[2].width(), 60);
    EXPECT_EQ(narrower[3], QRect(100, 53, 60, 22));
}

TEST(FontShiftTest, OneLineGrowthPushesLaterFieldsDownPerPageAndColumn)
{
    auto line = [](int page, int x, int y) {
        return FontShift::Field{page, QRect(x, y, 100, 22), QRect(x - 90, y + 3, 80, 16), true};
    };
    const QList<FontShift::Field> fields{
        line(1, 100, 8), line(1, 100, 36),
        {1, QRect(100, 64, 100, 80), QRect(10, 64, 80, 16), false}, // picture: moves, adds nothing
        line(1, 100, 150),
        line(1, 300, 36),  // a second column, lined up with the second field
        line(1, 300, 64),
        line(2, 100, 8), line(2, 100, 36)};
    const FontShift::Placement placed = FontShift::apply(fields, 30);
    const QList<int> tops{8, 44, 80, 166, 44, 80, 8, 44};
    for (int i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(placed.controls[i].top(), tops[i]) << i;
        EXPECT_EQ(placed.captions[i].top() - fields[i].caption.top(),
            tops[i] - fields[i].control.top()) << i;
    }
    EXPECT_EQ(placed.controls[0].height(), 30);
    EXPECT_EQ(placed.controls[2].height(), 80);

    // A smaller font pulls them up again.
    EXPECT_EQ(FontShift::apply(fields, 18).controls[3].top(), 142);
}

} // namespace
} // namespace zendrova::test

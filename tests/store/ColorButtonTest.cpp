#include "store/RowColumns.h"
#include "store/ui/TColorButton.h"
#include "store/ui/TFormatedButton.h"

#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

QColor backgroundOf(TColorButton &button)
{
    return button.grab().toImage().pixelColor(4, 4);
}

TEST(ColorButton, OneSelectedButtonPerParentDrawnInTheSelectionColours)
{
    QWidget tabs, other;
    auto *a = new TColorButton(&tabs);
    auto *b = new TColorButton(&tabs);
    auto *elsewhere = new TColorButton(&other);
    for (TColorButton *button : { a, b, elsewhere }) {
        button->resize(40, 24);
        button->setStayDown(true);
    }
    EXPECT_EQ(a->bgndColor(), QColor(192, 192, 192));
    EXPECT_EQ(backgroundOf(*a), QColor(192, 192, 192));

    elsewhere->setSelected(true);
    a->setSelBgndColor(Qt::yellow);
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_TRUE(a->isSelected());
    EXPECT_EQ(backgroundOf(*a), QColor(Qt::yellow));
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(a->isSelected());
    EXPECT_TRUE(b->isSelected());
    EXPECT_TRUE(elsewhere->isSelected());
    EXPECT_EQ(backgroundOf(*a), QColor(192, 192, 192));

    // Without StayDown a click is only a click.
    a->setStayDown(false);
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_FALSE(a->isSelected());
    EXPECT_TRUE(b->isSelected());
}

TEST(RowColumns, ColumnsFollowEachOtherWithAGapAndTextsAreCutToFit)
{
    const QFontMetrics metrics(QFont(QStringLiteral("Sans Serif"), 9));
    const QString name = QStringLiteral("Wayne Gretzky 1979 O-Pee-Chee Rookie");
    const int narrow = metrics.horizontalAdvance(QStringLiteral("Wayne Gr"));
    const QList<PlacedText> placed
        = RowColumns::place({ { name, narrow, false }, { QStringLiteral("1,250.00"), 200, true },
                                { QString(), 0, false }, { QStringLiteral("Mint"), 0, false } },
            2, 1000, 18, metrics);
    ASSERT_EQ(placed.size(), 4);
    EXPECT_EQ(placed[0].rect, QRect(2, 0, narrow, 18));
    EXPECT_EQ(placed[0].text, QStringLiteral("Wayne Gr"));
    EXPECT_EQ(placed[1].rect, QRect(2 + narrow + 4, 0, 200, 18));
    EXPECT_EQ(placed[1].text, QStringLiteral("1,250.00"));
    EXPECT_TRUE(placed[1].rightAligned);
    EXPECT_EQ(placed[3].rect.left(), 2 + narrow + 4 + 200 + 4 + 0 + 4);
    EXPECT_EQ(placed[3].text, QString());

    // The row's right edge ends the columns: the name is cut there, a number
    // that no longer fits goes whole.
    const int number = metrics.horizontalAdvance(QStringLiteral("1,250.00"));
    for (const int right : { 2 + narrow + 4 + number, 2 + narrow + 4 + number - 1 }) {
        const QList<PlacedText> edge = RowColumns::place(
            { { name, narrow, false }, { QStringLiteral("1,250.00"), 200, true } }, 2, right, 18, metrics);
        EXPECT_EQ(edge[1].rect, QRect(2 + narrow + 4, 0, right - (2 + narrow + 4), 18));
        EXPECT_EQ(edge[1].text, right == 2 + narrow + 4 + number ? QStringLiteral("1,250.00") : QString());
    }
    EXPECT_EQ(RowColumns::place({ { name, 200, false } }, 2, 2 + narrow, 18, metrics)[0].text,
        QStringLiteral("Wayne Gr"));

    // One pixel short of a character drops that character.
    EXPECT_EQ(RowColumns::cutToWidth(name, narrow - 1, metrics), QStringLiteral("Wayne G"));
}

TEST(FormatedButton, DrawsItsColumnsInTheTextColour)
{
    TFormatedButton row;
    row.resize(200, 20);
    row.setBgndColor(Qt::white);
    row.setTextColor(Qt::red);
    row.setColumns({ { QStringLiteral("████"), 30, false } });
    const QImage image = row.grab().toImage();
    // Red pixels only inside the one column: frame, padding, then 30 pixels.
    int red = 0, rightmost = -1;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 20; ++y)
            if (image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 80) {
                ++red;
                rightmost = x;
            }
    EXPECT_GT(red, 0);
    EXPECT_LT(rightmost, 1 + 2 + 30);
}

} // namespace
} // namespace zendrova

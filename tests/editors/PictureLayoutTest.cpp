#include "editors/PictureLayout.h"
#include "editors/CaptureDrag.h"

#include <gtest/gtest.h>

using namespace zendrova;
using Layout = PictureLayout;

namespace {

const std::array<QString, Layout::ButtonCount> kCaptions { "Clear", "Load", "Save", "Zoom",
    "Capture" };

QString captionsOf(const Layout::Bar &bar)
{
    QStringList shown;
    for (const auto &button : bar.buttons)
        if (button.visible)
            shown << button.caption;
    return shown.join(' ');
}

QList<int> leftsOf(const Layout::Bar &bar)
{
    QList<int> lefts;
    for (const auto &button : bar.buttons)
        if (button.visible)
            lefts << button.geometry.x();
    return lefts;
}

TEST(PictureLayout, BarButtonsByControlWidth)
{
    struct Case
    {
        int width;
        bool autoZoom;
        int buttonWidth;
        int gap;
        QString captions;
        QList<int> lefts;
    } cases[] = {
        { 138, false, 24, 3, "C L S Z C", { 3, 30, 57, 84, 111 } },
        { 257, false, 44, 6, "Clear Load Save Zoom Capture", { 6, 56, 106, 156, 206 } },
        // 5 x 44 = 220 is not below 220: narrow buttons.
        { 220, false, 24, 16, "C L S Z C", { 16, 56, 96, 136, 176 } },
        // Without Zoom four buttons share the bar.
        { 257, true, 44, 16, "Clear Load Save Capture", { 16, 76, 136, 196 } },
        { 176, true, 24, 16, "C L S C", { 16, 56, 96, 136 } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.width);
        const Layout::Bar bar = Layout::bar(c.width, c.autoZoom, kCaptions);
        EXPECT_EQ(c.buttonWidth, bar.buttonWidth);
        EXPECT_EQ(c.gap, bar.gap);
        EXPECT_EQ(c.captions, captionsOf(bar));
        EXPECT_EQ(c.lefts, leftsOf(bar));
        for (const auto &button : bar.buttons) {
            if (button.visible) {
                EXPECT_EQ(QRect(button.geometry.x(), 2, c.buttonWidth, 16), button.geometry);
            }
        }
    }
}

TEST(PictureLayout, ScrollBoxAndDisplayArea)
{
    EXPECT_EQ(QSize(257, 100), Layout::scrollBox(QSize(257, 120), true));
    EXPECT_EQ(QSize(257, 120), Layout::scrollBox(QSize(257, 120), false));
    EXPECT_EQ(QSize(253, 96), Layout::displayArea(QSize(257, 100)));
    EXPECT_EQ(QSize(0, 0), Layout::displayArea(Layout::scrollBox(QSize(3, 10), true)));
}

TEST(PictureLayout, FittingAPicture)
{
    const QSize area(200, 200);
    struct Case
    {
        const char *what;
        QSize picture;
        bool scaled, autoZoom, enlarge;
        QRect image;
        QSize scrollRange;
    } cases[] = {
        { "wide, scaled", { 400, 100 }, true, false, true, { 0, 75, 200, 50 }, {} },
        { "tall, scaled", { 100, 400 }, true, false, true, { 75, 0, 50, 200 }, {} },
        { "small, scaled up", { 50, 20 }, true, false, true, { 0, 60, 200, 80 }, {} },
        { "rounded height", { 3, 2 }, true, false, true, { 0, 33, 200, 133 }, {} },
        { "wide, natural", { 400, 100 }, false, false, true, { 0, 50, 400, 100 }, { 400, 100 } },
        { "small, natural", { 50, 20 }, false, false, true, { 75, 90, 50, 20 }, { 50, 20 } },
        { "auto zoom ignores the mode", { 400, 100 }, false, true, true, { 0, 75, 200, 50 }, {} },
        { "auto zoom without enlarging", { 50, 20 }, false, true, false, { 75, 90, 50, 20 }, {} },
        { "too big is still shrunk", { 400, 100 }, false, true, false, { 0, 75, 200, 50 }, {} },
        { "empty picture", { 0, 0 }, true, false, true, { 100, 0, 0, 200 }, {} },
        { "no height", { 30, 0 }, true, false, true, { 100, 0, 0, 200 }, {} },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Layout::Fit fit = Layout::fit(c.picture, area, c.scaled, c.autoZoom, c.enlarge);
        EXPECT_EQ(c.image, fit.image);
        EXPECT_EQ(c.scrollRange, fit.scrollRange);
    }
}

TEST(CaptureDrag, EveryDragDirectionGivesTheSameArea)
{
    const QPoint topLeft(10, 20), bottomRight(50, 45);
    const QRect expected(10, 20, 40, 25);
    const std::pair<QPoint, QPoint> drags[] = {
        { topLeft, bottomRight },
        { bottomRight, topLeft },
        { { 50, 20 }, { 10, 45 } },
        { { 10, 45 }, { 50, 20 } },
    };
    for (const auto &[from, to] : drags) {
        CaptureDrag drag;
        drag.press(from);
        drag.move(QPoint(300, 300));
        EXPECT_TRUE(drag.tracking());
        EXPECT_EQ(expected, drag.release(to));
        EXPECT_FALSE(drag.tracking());
    }
}

TEST(CaptureDrag, ClickOrFlatDragCutsNothing)
{
    QImage screen(100, 100, QImage::Format_RGB32);
    screen.fill(Qt::red);
    for (const QRect &area : { CaptureDrag::area({ 5, 5 }, { 5, 5 }),
             CaptureDrag::area({ 5, 5 }, { 40, 5 }), CaptureDrag::area({ 5, 5 }, { 5, 40 }) }) {
        EXPECT_TRUE(area.width() == 0 || area.height() == 0);
        EXPECT_TRUE(CaptureDrag::cut(screen, area).isNull());
    }
}

TEST(CaptureDrag, CutTakesScreenPixelsAtTheDeviceScale)
{
    QImage screen(200, 100, QImage::Format_RGB32);
    screen.fill(Qt::white);
    screen.setPixel(20, 10, qRgb(1, 2, 3));
    screen.setDevicePixelRatio(2.0);
    const QImage part = CaptureDrag::cut(screen, QRect(10, 5, 4, 3));
    ASSERT_EQ(QSize(8, 6), part.size());
    EXPECT_EQ(qRgb(1, 2, 3), QColor(part.pixel(0, 0)).rgb());
    // Partly off the screen: only the part on it.
    screen.setDevicePixelRatio(1.0);
    EXPECT_EQ(QSize(10, 20), CaptureDrag::cut(screen, QRect(190, 80, 50, 50)).size());
}

} // namespace

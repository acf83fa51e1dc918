#include "CaptureTestSupport.h"
#include "PictureTestSupport.h"

#include "editors/ScreenGrab.h"
#include "editors/ui/TBmpControl.h"

#include <QScreen>

using namespace zendrova;
using namespace zendrova::test;

namespace {

// The capture window over a screen image the test controls.
class CaptureFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScreenGrab::setSource([this](QScreen *) { return screen; });
    }
    void TearDown() override { ScreenGrab::setSource({}); }

    QImage captureBy(QPoint from, QPoint to)
    {
        TCaptureForm form;
        form.show();
        EXPECT_EQ(QGuiApplication::primaryScreen()->geometry(), form.geometry());
        EXPECT_EQ(Qt::CrossCursor, form.cursor().shape());
        CaptureDragger::drag(&form, from, to);
        EXPECT_EQ(QDialog::Accepted, form.result());
        EXPECT_NE(Qt::CrossCursor, form.cursor().shape());
        return form.capturedImage();
    }

    QImage screen = patternPicture(320, 240);
};

TEST_F(CaptureFormTest, DragsInEveryDirectionCaptureTheSamePicture)
{
    const QImage expected = screen.copy(40, 30, 110, 70);
    const std::pair<QPoint, QPoint> drags[] = {
        { { 40, 30 }, { 150, 100 } },
        { { 150, 100 }, { 40, 30 } },
        { { 150, 30 }, { 40, 100 } },
        { { 40, 100 }, { 150, 30 } },
    };
    for (const auto &[from, to] : drags)
        EXPECT_TRUE(samePixels(expected, captureBy(from, to)));
    EXPECT_TRUE(captureBy({ 60, 60 }, { 60, 60 }).isNull());
}

TEST_F(CaptureFormTest, ShowsTheFrozenScreenWithADottedInvertedBand)
{
    screen.fill(qRgb(100, 100, 100));
    TCaptureForm form;
    form.show();
    QTest::mousePress(&form, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QTest::mouseMove(&form, QPoint(40, 30));
    ASSERT_TRUE(form.isTracking());
    const QImage shown = form.grab().toImage();
    EXPECT_EQ(qRgb(100, 100, 100), QColor(shown.pixel(10, 10)).rgb());
    EXPECT_EQ(qRgb(100, 100, 100), QColor(shown.pixel(90, 60)).rgb());
    int inverted = 0, plain = 0;
    for (int x = 41; x < 148; ++x)
        (QColor(shown.pixel(x, 30)).rgb() == qRgb(155, 155, 155) ? inverted : plain)++;
    EXPECT_GT(inverted, 20);
    EXPECT_GT(plain, 20);
    QTest::mouseRelease(&form, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    EXPECT_EQ(QSize(110, 70), form.capturedImage().size());
}

// A real grab needs a display server that lets programs read the screen.
TEST(RealScreenCapture, CapturesWhatIsOnTheScreen)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X display (run under Xvfb with QT_QPA_PLATFORM=xcb)";
    QWidget target;
    target.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    target.setAutoFillBackground(true);
    QPalette palette = target.palette();
    palette.setColor(QPalette::Window, QColor(20, 160, 90));
    target.setPalette(palette);
    target.setGeometry(100, 100, 200, 150);
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));

    QWidget owner;
    owner.setGeometry(500, 400, 260, 200);
    auto *control = new TBmpControl(&owner);
    control->setGeometry(0, 0, 257, 180);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    QImage expected(QSize(100, 90), QImage::Format_RGB32);
    expected.fill(QColor(20, 160, 90));
    // Exposed is not yet drawn: wait until the screen itself shows the target.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QPixmap shown = QGuiApplication::primaryScreen()->grabWindow(0, 150, 130, 100, 90);
            return bool(samePixels(expected, shown.toImage()));
        },
        10000));

    CaptureDragger dragger(QPoint(250, 220), QPoint(150, 130));
    control->captureScreen();
    ASSERT_TRUE(dragger.dragged());
    EXPECT_TRUE(samePixels(expected, control->picture()));
    EXPECT_TRUE(owner.isVisible());
}

TEST(RealScreenCapture, TellsWhenTheDisplayCannotBeRead)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "runs on the offscreen display";
    EXPECT_FALSE(ScreenGrab::unavailableReason().isEmpty());
    ScreenGrab::setSource([](QScreen *) { return QImage(); });
    EXPECT_TRUE(ScreenGrab::unavailableReason().isEmpty());
    ScreenGrab::setSource({});
}

} // namespace

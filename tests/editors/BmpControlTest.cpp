#include "CaptureTestSupport.h"
#include "PictureTestSupport.h"
#include "support/ScriptedInteraction.h"

#include "common/HelpTopic.h"
#include "editors/PictureBytes.h"
#include "editors/ScreenGrab.h"
#include "editors/ui/TBmpControl.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

using namespace zendrova;
using namespace zendrova::test;

namespace {

const char *const kButtons[] = { "ClearBtn", "LoadBtn", "SaveBtn", "ScaleBtn", "CaptureBtn" };

class BmpControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // With the bar, a 204 x 224 control leaves a 200 x 200 display area.
        control.resize(204, 224);
        control.show();
    }

    QToolButton *button(const char *name) { return control.findChild<QToolButton *>(name); }
    QLabel *image() { return control.findChild<QLabel *>("Image"); }
    QScrollArea *scrollBox() { return control.findChild<QScrollArea *>("ScrollBox"); }
    QString path(const QString &name) const { return folder.filePath(name); }
    QString writePicture(const QString &name, const QImage &picture, const char *format)
    {
        EXPECT_TRUE(picture.save(path(name), format));
        return path(name);
    }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    QTemporaryDir folder;
    TBmpControl control;
    QSignalSpy edits { &control, &TBmpControl::pictureEdited };
};

TEST_F(BmpControlTest, ComponentsAndBarFollowTheWidth)
{
    for (const char *name : kButtons)
        EXPECT_NE(nullptr, button(name)) << name;
    ASSERT_NE(nullptr, image());
    ASSERT_NE(nullptr, scrollBox());
    auto *panel = control.findChild<QFrame *>("Panel");
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ(QRect(0, 204, 204, 20), panel->geometry());
    EXPECT_EQ(QRect(0, 0, 204, 204), scrollBox()->geometry());
    EXPECT_EQ("Load Image from BMP File", button("LoadBtn")->toolTip());
    EXPECT_EQ("Zoom In / Out", button("ScaleBtn")->toolTip());

    control.resize(138, 100);
    QStringList captions;
    for (const char *name : kButtons)
        captions << button(name)->text();
    EXPECT_EQ("C L S Z C", captions.join(' '));
    EXPECT_EQ(QRect(30, 2, 24, 16), button("LoadBtn")->geometry());

    control.resize(257, 100);
    EXPECT_EQ("Capture", button("CaptureBtn")->text());
    EXPECT_EQ(QRect(206, 2, 44, 16), button("CaptureBtn")->geometry());

    control.setShowButtons(false);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(QRect(0, 0, 257, 100), scrollBox()->geometry());
}

TEST_F(BmpControlTest, AutoZoomHidesZoomFromBarAndMenu)
{
    control.setAutoZoom(true);
    control.preparePopup();
    EXPECT_TRUE(button("ScaleBtn")->isHidden());
    EXPECT_FALSE(control.menuEntry(TBmpControl::ZoomItem)->isVisible());
    QStringList entries;
    for (QAction *action : control.popupMenu()->actions())
        entries << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ("Clear Load Save Zoom Screen Capture Copy Paste - Help", entries.join(' '));
}

TEST_F(BmpControlTest, RecordDataRoundTripsWithoutCountingAsAnEdit)
{
    const QImage picture = patternPicture(7, 5);
    const QByteArray bmp = PictureBytes::encode(picture);
    for (const QByteArray &data : { bmp, graphicHeader(1, 0x0100, quint32(bmp.size())) + bmp }) {
        ASSERT_TRUE(control.setPictureData(data));
        EXPECT_FALSE(control.isEmpty());
        const QByteArray stored = control.pictureData();
        EXPECT_EQ("BM", stored.left(2));
        EXPECT_TRUE(samePixels(picture, PictureBytes::decode(stored)));
    }
    // Unreadable data is refused and the picture kept.
    EXPECT_FALSE(control.setPictureData("garbage that is no bitmap"));
    EXPECT_TRUE(samePixels(picture, control.picture()));

    control.clear();
    EXPECT_TRUE(control.isEmpty());
    EXPECT_TRUE(control.pictureData().isEmpty());
    EXPECT_EQ(0, edits.count());
}

TEST_F(BmpControlTest, WidePictureIsScaledAndCentredThenZoomedToNaturalSize)
{
    control.setPicture(patternPicture(400, 100));
    EXPECT_EQ(QRect(0, 75, 200, 50), image()->geometry());
    EXPECT_TRUE(control.isScaled());

    QTest::mouseClick(button("ScaleBtn"), Qt::LeftButton);
    EXPECT_FALSE(control.isScaled());
    EXPECT_EQ(QRect(0, 50, 400, 100), image()->geometry());
    EXPECT_GT(scrollBox()->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(0, scrollBox()->horizontalScrollBar()->value());

    QTest::mouseClick(button("ScaleBtn"), Qt::LeftButton);
    EXPECT_EQ(QRect(0, 75, 200, 50), image()->geometry());
    EXPECT_EQ(0, edits.count());
}

TEST_F(BmpControlTest, ZoomOnAnEmptyPictureDoesNothing)
{
    const QRect before = image()->geometry();
    QTest::mouseClick(button("ScaleBtn"), Qt::LeftButton);
    EXPECT_TRUE(control.isScaled());
    EXPECT_EQ(before, image()->geometry());
    // The mode is kept for the next picture.
    control.setPicture(patternPicture(400, 100));
    EXPECT_EQ(QRect(0, 75, 200, 50), image()->geometry());
}

TEST_F(BmpControlTest, LoadsBmpPngAndJpegAndStoresABitmap)
{
    const QImage picture = patternPicture(9, 6);
    for (const char *format : { "BMP", "PNG" }) {
        SCOPED_TRACE(format);
        ScriptedInteraction user;
        // The extension does not matter; the contents decide.
        user.expectFileName(writePicture(QString("card.%1.img").arg(format), picture, format));
        QTest::mouseClick(button("LoadBtn"), Qt::LeftButton);
        EXPECT_TRUE(samePixels(picture, control.picture()));
        const QByteArray stored = control.pictureData();
        EXPECT_EQ("BM", stored.left(2));
        EXPECT_TRUE(samePixels(picture, PictureBytes::decode(stored)));
        control.clear();
    }
    QImage flat(16, 8, QImage::Format_RGB32);
    flat.fill(qRgb(200, 40, 90));
    ScriptedInteraction user;
    user.expectFileName(writePicture("photo.jpg", flat, "JPEG"));
    QTest::mouseClick(button("LoadBtn"), Qt::LeftButton);
    ASSERT_EQ(QSize(16, 8), control.picture().size());
    const QColor middle = PictureBytes::decode(control.pictureData()).pixelColor(8, 4);
    EXPECT_NEAR(200, middle.red(), 8);
    EXPECT_NEAR(40, middle.green(), 8);
    EXPECT_EQ(3, edits.count());
}

TEST_F(BmpControlTest, LoadFailuresAreReportedAndKeepThePicture)
{
    const QImage picture = patternPicture(4, 4);
    control.setPicture(picture);
    const QString text = writeFile("notes.bmp", "These are my notes, not a picture.");
    const QString broken = writeFile("Broken.bmp", PictureBytes::encode(picture).left(30));
    // A 1 x 1 GIF: a picture, but not one of the kinds a field takes.
    const QString gif = writeFile("dot.gif",
        QByteArray::fromHex("474946383961010001008000"
                            "00ffffff00000021f904010000"
                            "00002c00000000010001000002"
                            "024401003b"));
    const QString missing = path("missing.bmp");
    ScriptedInteraction user;
    for (const QString &name : { text, broken, gif }) {
        user.expectFileName(name);
        user.expectMessage(MessageKind::Error,
            QString("\"%1\" is not a BMP, PNG or JPEG picture, or it is damaged.").arg(name),
            MessageButtons::Ok, kNoHelp);
    }
    user.expectFileName(missing);
    user.expectMessage(MessageKind::Error,
        QString("Cannot open file \"%1\". No such file or directory").arg(missing),
        MessageButtons::Ok, kNoHelp);
    user.expectFileName(QString());
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(button("LoadBtn"), Qt::LeftButton);
    EXPECT_TRUE(samePixels(picture, control.picture()));
    EXPECT_EQ(0, edits.count());
}

TEST_F(BmpControlTest, SaveWritesABitmapFile)
{
    const QImage picture = patternPicture(6, 3);
    control.setPicture(picture);
    ScriptedInteraction user;
    const QString name = path("saved.bmp");
    writeFile("saved.bmp", "old contents");
    user.expectFileName(name);
    QTest::mouseClick(button("SaveBtn"), Qt::LeftButton);
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(control.pictureData(), bytes);

    const QString unwritable = path("no/such/folder/x.bmp");
    user.expectFileName(unwritable);
    user.expectMessage(MessageKind::Error,
        QString("Cannot create file \"%1\". No such file or directory").arg(unwritable),
        MessageButtons::Ok, kNoHelp);
    QTest::mouseClick(button("SaveBtn"), Qt::LeftButton);

    control.clear();
    user.expectMessage(MessageKind::Information, "The picture is empty: there is nothing to save.",
        MessageButtons::Ok, kNoHelp);
    QTest::mouseClick(button("SaveBtn"), Qt::LeftButton);
}

TEST_F(BmpControlTest, ClearCountsAsAnEditOnlyWhenThereWasAPicture)
{
    QTest::mouseClick(button("ClearBtn"), Qt::LeftButton);
    EXPECT_EQ(0, edits.count());
    control.setPicture(patternPicture(3, 3));
    QTest::mouseClick(button("ClearBtn"), Qt::LeftButton);
    EXPECT_TRUE(control.isEmpty());
    EXPECT_EQ(1, edits.count());
}

TEST_F(BmpControlTest, PasteFollowsWhatTheClipboardHolds)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText("just some text");
    control.preparePopup();
    EXPECT_FALSE(control.menuEntry(TBmpControl::PasteItem)->isEnabled());
    control.pastePicture();
    EXPECT_TRUE(control.isEmpty());

    // Copying an empty picture leaves the clipboard alone.
    control.copyPicture();
    EXPECT_EQ("just some text", clipboard->text());

    const QImage picture = patternPicture(5, 4);
    TBmpControl source;
    source.setPicture(picture);
    source.copyPicture();
    control.preparePopup();
    EXPECT_TRUE(control.menuEntry(TBmpControl::PasteItem)->isEnabled());
    control.menuEntry(TBmpControl::PasteItem)->trigger();
    EXPECT_TRUE(samePixels(picture, control.picture()));
    EXPECT_EQ(1, edits.count());
}

TEST_F(BmpControlTest, HelpEntryShowsTheControlsTopic)
{
    ScriptedInteraction user;
    control.menuEntry(TBmpControl::HelpItem)->trigger();
    setHelpContext(&control, 41);
    control.menuEntry(TBmpControl::HelpItem)->trigger();
    EXPECT_EQ(QList<int> { 41 }, user.helpRequests());
}

TEST_F(BmpControlTest, CaptureSaysSoWhereTheScreenCannotBeRead)
{
    ASSERT_EQ("offscreen", QGuiApplication::platformName());
    control.setPicture(patternPicture(3, 3));
    ScriptedInteraction user;
    user.expectMessage(MessageKind::Error,
        "Screen Capture is not available: this display (offscreen) does not allow "
        "programs to read the screen.",
        MessageButtons::Ok, kNoHelp);
    QTest::mouseClick(button("CaptureBtn"), Qt::LeftButton);
    EXPECT_TRUE(samePixels(patternPicture(3, 3), control.picture()));
}

// Screen Capture over a screen image the test controls.
class BmpControlCaptureTest : public BmpControlTest
{
protected:
    void SetUp() override
    {
        BmpControlTest::SetUp();
        screen = patternPicture(300, 200);
        ScreenGrab::setSource([this](QScreen *) { return screen; });
    }
    void TearDown() override { ScreenGrab::setSource({}); }

    QImage screen;
};

TEST_F(BmpControlCaptureTest, DraggedAreaBecomesThePictureAndTheClipboard)
{
    control.setProperty("tag", 0);
    CaptureDragger dragger(QPoint(120, 90), QPoint(20, 30));
    QTest::mouseClick(button("CaptureBtn"), Qt::LeftButton);
    ASSERT_TRUE(dragger.dragged());
    EXPECT_TRUE(samePixels(screen.copy(20, 30, 100, 60), control.picture()));
    EXPECT_TRUE(samePixels(screen.copy(20, 30, 100, 60), QGuiApplication::clipboard()->image()));
    EXPECT_TRUE(control.isVisible());
    EXPECT_EQ(0, control.property("tag").toInt());
    EXPECT_EQ(nullptr, control.findChild<TCaptureForm *>());
    EXPECT_EQ(1, edits.count());
}

TEST_F(BmpControlCaptureTest, ClickWithoutDragFailsAndKeepsThePicture)
{
    const QImage picture = patternPicture(4, 2);
    control.setPicture(picture);
    ScriptedInteraction user;
    user.expectMessage(MessageKind::Error, "Both Width and Height of Captured Area must be > 0 !",
        MessageButtons::Ok, kNoHelp);
    CaptureDragger dragger(QPoint(50, 50), QPoint(50, 50));
    control.captureScreen();
    ASSERT_TRUE(dragger.dragged());
    EXPECT_TRUE(samePixels(picture, control.picture()));
    EXPECT_TRUE(control.isVisible());
    EXPECT_EQ(0, edits.count());
}

TEST_F(BmpControlCaptureTest, FailedScreenReadIsReportedAndKeepsThePicture)
{
    const QImage picture = patternPicture(4, 2);
    control.setPicture(picture);
    ScreenGrab::setSource([](QScreen *) { return QImage(); });
    ScriptedInteraction user;
    user.expectMessage(MessageKind::Error, "The screen could not be read, so nothing was captured.",
        MessageButtons::Ok, kNoHelp);
    control.captureScreen();
    EXPECT_TRUE(samePixels(picture, control.picture()));
    EXPECT_TRUE(control.isVisible());
    EXPECT_EQ(0, control.property("tag").toInt());
}

} // namespace

#include "PageProbe.h"
#include "printengine/PageStreamFile.h"
#include "printengine/ReportWindows.h"
#include "printengine/TFilePrinter.h"
#include "printengine/TRPDevice.h"
#include "printengine/TReportSystem.h"
#include "support/ScriptedInteraction.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::print;

namespace {

const QString kNoPrinter = "No printers installed on your system! Cannot perform this function.";

// Records what the driver's windows were asked to show; Cancel can be pressed on a page.
class RecordedWindows : public ReportWindows
{
public:
    QStringList statusTexts;
    QStringList events;
    QList<PageStream> previews;
    int cancelOnPage = 0;

    struct Status : StatusWindow
    {
        RecordedWindows &owner;
        std::function<void()> cancel;
        Status(RecordedWindows &o, std::function<void()> c)
            : owner(o)
            , cancel(std::move(c))
        { }
        void setText(const QString &text) override
        {
            owner.statusTexts << text;
            if (owner.cancelOnPage && text.endsWith(QString::number(owner.cancelOnPage)))
                cancel();
        }
        void finished(bool cancelled) override
        {
            owner.events << (cancelled ? "status cancelled" : "status completed");
        }
    };
    std::unique_ptr<StatusWindow> openStatus(
        const QString &title, std::function<void()> cancel) override
    {
        events << "status " + title;
        return std::make_unique<Status>(*this, std::move(cancel));
    }
    void showPreview(const QString &title, const PageStream &stream) override
    {
        events << "preview " + title;
        previews << stream;
    }
    bool choosePrinter() override { return false; }
};

class ReportSystemTest : public ::testing::Test
{
protected:
    RecordedWindows windows;
    ReportWindows *previous = nullptr;
    TReportSystem system;
    int pagesWanted = 3;

    void SetUp() override
    {
        TRPDevice::setPrinterNamesForTesting(QStringList {});
        previous = ReportWindows::install(&windows);
        system.OnPrint = [this](TBaseReport &engine) {
            for (int page = 1; page <= pagesWanted; ++page) {
                engine.EmitLine(QStringLiteral("value %1").arg(page));
                if (page < pagesWanted)
                    engine.StartNextPage();
            }
        };
    }
    void TearDown() override
    {
        ReportWindows::install(previous);
        TRPDevice::setPrinterNamesForTesting(std::nullopt);
    }
};

TEST_F(ReportSystemTest, PreviewNeedsNoPrinter)
{
    ASSERT_TRUE(system.RunJob());
    EXPECT_EQ(windows.events,
        QStringList({ "status Report Status", "status completed", "preview Report Preview" }));
    EXPECT_EQ(windows.statusTexts,
        QStringList({ "Generating page 1", "Generating page 2", "Generating page 3" }));
    ASSERT_EQ(windows.previews.size(), 1);
    ASSERT_EQ(windows.previews.first().pages.size(), 3);
    EXPECT_EQ(test::textsOf(windows.previews.first().pages[2]), QStringList { "value 3" });
}

TEST_F(ReportSystemTest, PdfNeedsNoPrinter)
{
    QTemporaryDir dir;
    system.DefaultDest = rdPdf;
    system.PdfFileName = dir.filePath("report.pdf");
    ASSERT_TRUE(system.RunJob());
    QFile pdf(system.PdfFileName);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(windows.previews.isEmpty());
}

TEST_F(ReportSystemTest, PrinterDestinationWithoutPrinterIsRefused)
{
    test::ScriptedInteraction user;
    user.expectMessage(MessageKind::Warning, kNoPrinter, MessageButtons::Ok, test::kNoHelp);
    bool ran = false;
    system.DefaultDest = rdPrinter;
    system.OnPrint = [&](TBaseReport &) { ran = true; };
    EXPECT_FALSE(system.RunJob());
    EXPECT_FALSE(ran);
    EXPECT_TRUE(windows.events.isEmpty());
    EXPECT_TRUE(user.allConsumed());

    user.expectMessage(MessageKind::Warning, kNoPrinter, MessageButtons::Ok, test::kNoHelp);
    EXPECT_FALSE(TFilePrinter::Print(PageStream {}));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(ReportSystemTest, PrinterMissingFollowsThePrinterList)
{
    EXPECT_TRUE(TRPDevice::instance().PrinterMissing());
    TRPDevice::setPrinterNamesForTesting(QStringList { "Office" });
    EXPECT_FALSE(TRPDevice::instance().PrinterMissing());
    EXPECT_TRUE(requirePrinter()) << "no message with a printer";
}

TEST_F(ReportSystemTest, CancelShowsNoPreview)
{
    pagesWanted = 10;
    windows.cancelOnPage = 2;
    EXPECT_FALSE(system.RunJob());
    EXPECT_TRUE(system.Cancelled());
    EXPECT_EQ(windows.events, QStringList({ "status Report Status", "status cancelled" }));
    EXPECT_EQ(system.SystemFiler.Stream().pages.size(), 2);
}

TEST_F(ReportSystemTest, FileDestinationWritesThePageStream)
{
    QTemporaryDir dir;
    system.DefaultDest = rdFile;
    system.SystemFiler.FileName = dir.filePath("temp$$$.rpt");
    ASSERT_TRUE(system.RunJob());
    const std::optional<PageStream> stream = PageStreamFile::read(system.SystemFiler.FileName);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->pages.size(), 3);
}

TEST_F(ReportSystemTest, APreviewStreamFileLivesOnlyAsLongAsThePreview)
{
    QTemporaryDir dir;
    system.SystemFiler.StreamMode = smFile;
    system.SystemFiler.FileName = dir.filePath("label.tmp");
    bool seenDuringPreview = false;
    struct Watching : RecordedWindows
    {
        std::function<void()> onPreview;
        void showPreview(const QString &title, const PageStream &stream) override
        {
            onPreview();
            RecordedWindows::showPreview(title, stream);
        }
    } watching;
    watching.onPreview = [&] { seenDuringPreview = QFile::exists(system.SystemFiler.FileName); };
    ReportWindows::install(&watching);
    ASSERT_TRUE(system.RunJob());
    EXPECT_TRUE(seenDuringPreview);
    EXPECT_EQ(watching.previews.size(), 1);
    EXPECT_FALSE(QFile::exists(system.SystemFiler.FileName));

    watching.cancelOnPage = 2;
    EXPECT_FALSE(system.RunJob());
    EXPECT_FALSE(QFile::exists(system.SystemFiler.FileName)) << "also after a cancelled run";
    ReportWindows::install(&windows);
}

TEST_F(ReportSystemTest, CustomPaperIsRememberedWithoutPrinter)
{
    TReportFiler filer;
    filer.ChoosePaper(kPaperCustom, 7.0, 5.0);
    EXPECT_DOUBLE_EQ(filer.PaperWidthUnits(), 5.0);
    EXPECT_DOUBLE_EQ(filer.PaperHeightUnits(), 7.0);
    filer.ChoosePaper(kPaperLegal, 0, 0);
    EXPECT_DOUBLE_EQ(filer.PaperHeightUnits(), 14.0);
    filer.Orientation = poLandScape;
    EXPECT_DOUBLE_EQ(filer.PaperWidthUnits(), 14.0);
    filer.ChoosePaper(kPaperLetter, 0, 0);
}

} // namespace

#include "ReportFixture.h"
#include "support/WidgetLookup.h"

#include "common/WholeFile.h"
#include "output/ReportFiles.h"
#include "output/ReportJob.h"
#include "output/TReportList.h"
#include "output/TReportRec.h"
#include "output/ui/TPrtDlg.h"
#include "output/ui/TRepLoadDlg.h"
#include "output/ui/TReportDlg.h"
#include "output/ui/TReportForm.h"
#include "printengine/TRPDevice.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace zendrova::test {
namespace {

std::vector<FieldKind> kindsOf(const StoreTable &table)
{
    std::vector<FieldKind> kinds;
    for (int i = 0; i < CaptionList::kCount; ++i)
        kinds.push_back(table.fieldModel().kind(i + FieldModel::kFirstUserPosition));
    return kinds;
}

class ReportWindowsTest : public ReportFixture
{
protected:
    // The preview's page stream file lies in the current directory: each
    // test has its own, so parallel runs do not share the file.
    ReportWindowsTest()
        : m_previousDirectory(QDir::currentPath())
    {
        print::TRPDevice::setPrinterNamesForTesting(QStringList());
        QDir::setCurrent(m_directory.path());
    }
    ~ReportWindowsTest() override
    {
        QDir::setCurrent(m_previousDirectory);
        print::TRPDevice::setPrinterNamesForTesting(std::nullopt);
    }

    ReportSources sources()
    {
        ReportSources s;
        s.table = &records();
        s.captions = CaptionList::builtInCaptions();
        s.dateFormats = &dateFormats;
        s.userFolder = fixture.state.userFolder;
        return s;
    }

    void click(QWidget &dialog, const char *name)
    {
        QAbstractButton *button = child<QAbstractButton>(dialog, name);
        ASSERT_TRUE(button);
        ASSERT_TRUE(button->isEnabled()) << name;
        button->click();
    }

    void checkRadio(QWidget &dialog, const char *name)
    {
        QRadioButton *button = child<QRadioButton>(dialog, name);
        ASSERT_TRUE(button);
        button->click();
    }

    TReportRec current;
    QTemporaryDir m_directory;
    QString m_previousDirectory;
};

TEST_F(ReportWindowsTest, DialogBuildsTheRunFromItsControls)
{
    TReportDlg dialog(sources(), kindsOf(records()), current, false);
    EXPECT_EQ(dialog.windowTitle(), "Print Report");
    for (const char *name : { "CancelBtn", "HelpBtn", "PrintBtn", "SelectBtn", "PreviewBtn",
             "LoadBtn", "SaveBtn", "TabSet", "PreviousBtn", "NextBtn", "ListBox1", "ListBox2",
             "IncludeBtn", "IncAllBtn", "ExcludeBtn", "ExAllBtn", "MoveUpBtn", "MoveDownBtn",
             "FieldWidthEd", "LabelsRG", "LayoutRG", "GridRG", "RadioGroup1", "TotalRG", "LeftEd",
             "RightEd", "TopEd", "BottomEd", "WidthEd", "HeightEd", "SizeRG", "OrientationRG",
             "FontEd", "StyleEd", "SizeEd", "FontBtn", "TitleEd", "TitleRG", "PageNumRG" })
        EXPECT_TRUE(dialog.findChild<QWidget *>(name)) << name;
    EXPECT_FALSE(child<QPushButton>(dialog, "PrintBtn")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(dialog, "WidthEd")->text(), "8.5");
    EXPECT_TRUE(child<QLineEdit>(dialog, "WidthEd")->isReadOnly());
    EXPECT_EQ(child<QLineEdit>(dialog, "StyleEd")->text(), "Regular");

    child<QListWidget>(dialog, "ListBox1")->setCurrentRow(0);
    click(dialog, "IncludeBtn");
    click(dialog, "IncludeBtn");
    EXPECT_EQ(child<QListWidget>(dialog, "ListBox2")->count(), 2);
    EXPECT_EQ(child<QListWidget>(dialog, "ListBox2")->currentItem()->text(), "Sport:");
    QLineEdit *width = child<QLineEdit>(dialog, "FieldWidthEd");
    EXPECT_EQ(width->text(), "2");
    width->selectAll();
    QTest::keyClicks(width, "2.3x45");
    EXPECT_EQ(width->text(), "2.34");

    checkRadio(dialog, "SizeRG_4");
    EXPECT_FALSE(child<QLineEdit>(dialog, "WidthEd")->isReadOnly());
    QLineEdit *left = child<QLineEdit>(dialog, "LeftEd");
    left->selectAll();
    QTest::keyClicks(left, "4");
    QLineEdit *right = child<QLineEdit>(dialog, "RightEd");
    right->selectAll();
    QTest::keyClicks(right, "3.6");
    std::optional<ReportSetup> started;
    dialog.setRunReport([&](const ReportSetup &setup) { started = setup; });
    user.expectMessage(MessageKind::Warning,
        "Left/Right Margins too large or Page Width too small!", MessageButtons::Ok, kNoHelp);
    click(dialog, "PreviewBtn");
    EXPECT_FALSE(started);

    right->selectAll();
    QTest::keyClicks(right, "1");
    QLineEdit *title = child<QLineEdit>(dialog, "TitleEd");
    QTest::keyClicks(title, "Show list");
    checkRadio(dialog, "PageNumRG_1");
    click(dialog, "PreviewBtn");
    ASSERT_TRUE(started);
    EXPECT_EQ(started->destination, ReportSetup::Destination::Preview);
    EXPECT_EQ(started->title, "Show list");
    EXPECT_EQ(started->pageNumbers, 1);
    EXPECT_EQ(started->paperCode, ReportSetup::PaperCustom);
    EXPECT_DOUBLE_EQ(started->marginLeft, 4);
    ASSERT_EQ(started->columns.size(), 2u);
    EXPECT_EQ(started->columns[1], (ReportColumn{ 1, 234 }));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(ReportWindowsTest, PagesAndRowsLayoutControls)
{
    TReportDlg dialog(sources(), kindsOf(records()), current, true);
    EXPECT_EQ(dialog.windowTitle(), "Print Report - One Record");
    dialog.show();
    QPushButton *previous = child<QPushButton>(dialog, "PreviousBtn");
    QPushButton *next = child<QPushButton>(dialog, "NextBtn");
    EXPECT_FALSE(previous->isVisible());
    for (int i = 0; i < 4; ++i)
        next->click();
    EXPECT_EQ(child<QTabBar>(dialog, "TabSet")->currentIndex(), 4);
    EXPECT_FALSE(next->isVisible());
    EXPECT_TRUE(previous->isVisible());
    child<QTabBar>(dialog, "TabSet")->setCurrentIndex(1);
    EXPECT_TRUE(next->isVisible() && previous->isVisible());

    checkRadio(dialog, "LayoutRG_1");
    EXPECT_FALSE(child<QWidget>(dialog, "GridRG")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(dialog, "GridRG_1")->isChecked());
    EXPECT_EQ(child<QLineEdit>(dialog, "FieldWidthEd")->text(), "not used");
    EXPECT_FALSE(child<QLineEdit>(dialog, "FieldWidthEd")->isEnabled());
    // The card has numeric fields, so the totals choice shows.
    EXPECT_TRUE(child<QWidget>(dialog, "TotalRG")->isVisible());

    checkRadio(dialog, "RadioGroup1_1");
    EXPECT_EQ(child<QLineEdit>(dialog, "WidthEd")->text(), "21.59");
    EXPECT_EQ(child<QLineEdit>(dialog, "LeftEd")->text(), "2.54");
}

TEST_F(ReportWindowsTest, ClosingWritesTheControlsAndTemplatesLoadIntoThem)
{
    TReportList templates;
    auto saved = std::make_unique<TReportRec>(QStringLiteral("Insurance"));
    saved->Title = QStringLiteral("For the insurer");
    saved->addColumn(10, 150);
    templates.append(std::move(saved));
    ASSERT_TRUE(ReportFiles::writeTemplates(fixture.state.userFolder, templates));
    {
        TReportDlg dialog(sources(), kindsOf(records()), current, false);
        QTimer::singleShot(0, [&] {
            auto *load = qobject_cast<TRepLoadDlg *>(topLevel("TRepLoadDlg"));
            ASSERT_TRUE(load);
            EXPECT_EQ(child<QListWidget>(*load, "ListBox1")->currentItem()->text(), "Insurance");
            click(*load, "OKBtn");
        });
        click(dialog, "LoadBtn");
        EXPECT_EQ(child<QLineEdit>(dialog, "TitleEd")->text(), "For the insurer");
        EXPECT_EQ(child<QListWidget>(dialog, "ListBox2")->item(0)->text(), "Current Value:");
        QLineEdit *title = child<QLineEdit>(dialog, "TitleEd");
        title->selectAll();
        QTest::keyClicks(title, "Edited");
    }
    EXPECT_EQ(current.Title, "Edited");
    ASSERT_EQ(current.columnCount(), 1);
    EXPECT_EQ(current.width(0), 150);

    // Saving asks for a name and stores the controls under it.
    TReportDlg dialog(sources(), kindsOf(records()), current, false);
    user.expectInput(QStringLiteral("Copy"));
    click(dialog, "SaveBtn");
    ASSERT_TRUE(ReportFiles::readTemplates(fixture.state.userFolder, templates));
    ASSERT_EQ(templates.count(), 2);
    EXPECT_EQ(templates.at(1).Title, "Edited");
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(ReportWindowsTest, PrintChooserOffersReportAndLabels)
{
    TPrtDlg chooser(false);
    EXPECT_EQ(chooser.windowTitle(), "Print");
    EXPECT_EQ(chooser.choice(), TPrtDlg::StandardReport);
    checkRadio(chooser, "RadioGroup1_1");
    EXPECT_EQ(chooser.choice(), TPrtDlg::Labels);
    EXPECT_EQ(TPrtDlg(true).windowTitle(), "Print Record");
}

TEST_F(ReportWindowsTest, StatusWindowRunsThePreviewWithoutAPrinter)
{
    addCard({ "Aaron", "Braves", 44, 1 });
    include(kCardName, 2);
    setup.destination = ReportSetup::Destination::Preview;
    QString streamFile;
    {
        ReportJob job(records(), setup, CaptionList::builtInCaptions(), dateFormats, {}, nullptr);
        streamFile = job.streamFile();
        TReportForm status(job);
        status.exec();
        ASSERT_TRUE(status.outcome());
        EXPECT_EQ(*status.outcome(), ReportJob::Outcome::Completed);
        EXPECT_EQ(child<QPushButton>(status, "BitBtn1")->text(), "&OK");
        EXPECT_EQ(job.pages().pages.size(), 1);
        EXPECT_TRUE(QFile::exists(streamFile));
    }
    // The page stream file goes with the job.
    EXPECT_FALSE(QFile::exists(streamFile));

    // Printing needs a printer.
    setup.destination = ReportSetup::Destination::Printer;
    ReportJob job(records(), setup, CaptionList::builtInCaptions(), dateFormats, {}, nullptr);
    TReportForm status(job);
    user.expectMessage(MessageKind::Warning,
        "No printers installed on your system! Cannot perform this function.", MessageButtons::Ok,
        kNoHelp);
    status.exec();
    EXPECT_EQ(*status.outcome(), ReportJob::Outcome::NoPrinter);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(ReportWindowsTest, CancelStopsTheRunAndWaitsForOk)
{
    for (int i = 0; i < 200; ++i)
        addCard({ QStringLiteral("Card %1").arg(i), "T", double(i), 1 });
    include(kCardName, 2);
    setup.pageHeight = 2;
    ReportJob job(records(), setup, CaptionList::builtInCaptions(), dateFormats, {}, nullptr);
    TReportForm status(job);
    QString shownAtEnd;
    // The user presses Cancel once pages are being produced, then OK.
    QTimer clicker;
    bool cancelled = false;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        QPushButton *button = child<QPushButton>(status, "BitBtn1");
        const QString text = child<QLabel>(status, "Label1")->text();
        if (!cancelled && text.startsWith("Printing Page")) {
            EXPECT_EQ(button->text(), "&Cancel");
            cancelled = true;
            button->click();
        } else if (cancelled && button->text() == "&OK") {
            shownAtEnd = text;
            button->click();
        }
    });
    clicker.start(0);
    status.exec();
    EXPECT_EQ(*status.outcome(), ReportJob::Outcome::Cancelled);
    EXPECT_EQ(shownAtEnd, "\nReport Canceled!");
    EXPECT_LT(job.pages().pages.size(), 100);
}

} // namespace
} // namespace zendrova::test

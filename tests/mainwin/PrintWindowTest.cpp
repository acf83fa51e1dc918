// The Print commands of the main window: the chooser, the report dialog on
// the current definition, one-record printing, and the letter restriction
// lifted for the run and put back after it.
#include "GeneratedCardsWindow.h"
#include "support/WidgetLookup.h"

#include "common/FileLookup.h"
#include "mainwin/RecordCycle.h"
#include "output/ReportFiles.h"
#include "output/TReportRec.h"
#include "printengine/ReportWindows.h"
#include "printengine/TRPDevice.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>

namespace zendrova::test {
namespace {

// Keeps the pages a preview would show.
class RecordingWindows : public print::ReportWindows
{
public:
    std::unique_ptr<print::StatusWindow> openStatus(const QString &, std::function<void()>) override
    {
        return nullptr;
    }
    void showPreview(const QString &, const print::PageStream &stream) override
    {
        previews.push_back(stream);
    }
    bool choosePrinter() override { return false; }

    std::vector<print::PageStream> previews;
};

// Every text of a page stream.
QStringList textsOf(const print::PageStream &stream)
{
    QStringList texts;
    for (const print::Page &page : stream.pages)
        for (const print::PageOp &op : page.ops)
            if (const auto *text = std::get_if<print::PageText>(&op))
                texts << text->text;
    return texts;
}

// Runs the steps one after the other, each once the window it names is up.
class DialogScript : public QObject
{
public:
    struct Step
    {
        QString window;
        std::function<void(QWidget &)> act;
    };

    explicit DialogScript(std::vector<Step> steps)
        : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_next >= m_steps.size())
                return m_timer.stop();
            if (QWidget *window = topLevel(m_steps[m_next].window)) {
                const Step step = m_steps[m_next++];
                step.act(*window);
            }
        });
        m_timer.start(5);
    }
    bool finished() const { return m_next == m_steps.size(); }

private:
    std::vector<Step> m_steps;
    size_t m_next = 0;
    QTimer m_timer;
};

void press(QWidget &window, const char *name)
{
    auto *button = window.findChild<QAbstractButton *>(QString::fromLatin1(name));
    ASSERT_TRUE(button) << name;
    button->click();
}

// The chooser's OK, then the report dialog: the card name only, preview, close.
std::vector<DialogScript::Step> previewCardNames(const QString &chooserTitle)
{
    return {
        { "TPrtDlg",
            [chooserTitle](QWidget &chooser) {
                EXPECT_EQ(chooser.windowTitle(), chooserTitle);
                press(chooser, "OKBtn");
            } },
        { "TReportDlg",
            [](QWidget &dialog) {
                press(dialog, "ExAllBtn");
                dialog.findChild<QListWidget *>("ListBox1")->setCurrentRow(0);
                press(dialog, "IncludeBtn");
                press(dialog, "PreviewBtn");
            } },
        { "TReportDlg", [](QWidget &dialog) { press(dialog, "CancelBtn"); } },
    };
}

class PrintWindowTest : public GeneratedCardsWindow
{
protected:
    PrintWindowTest()
        : m_previousDirectory(QDir::currentPath())
    {
        // The preview's page stream file lies in the current directory.
        QDir::setCurrent(m_directory.path());
        print::TRPDevice::setPrinterNamesForTesting(QStringList());
        m_previous = print::ReportWindows::install(&windows);
    }
    ~PrintWindowTest() override
    {
        print::ReportWindows::install(m_previous);
        print::TRPDevice::setPrinterNamesForTesting(std::nullopt);
        QDir::setCurrent(m_previousDirectory);
    }

    QTemporaryDir m_directory;
    QString m_previousDirectory;
    RecordingWindows windows;
    print::ReportWindows *m_previous = nullptr;
};

TEST_F(PrintWindowTest, ReportPrintsEveryCardWhileTheLettersRestrictTheList)
{
    auto form = openWindow();
    form->runCommand({ MainCommand::JumpToLetter, 'B' });
    const int bCards = namesStartingWith('B');
    ASSERT_GT(bCards, 0);
    ASSERT_EQ(store.recordTable().recordCount(), bCards);

    DialogScript script(previewCardNames("Print"));
    form->runCommand({ MainCommand::Print });
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(windows.previews.size(), 1u);
    QStringList texts = textsOf(windows.previews.front());
    // Without the page numbers and dates of the footers.
    texts.removeIf([](const QString &t) { return t.startsWith("Date ") || t.startsWith("Page "); });
    EXPECT_EQ(texts.count("Card Name:"), static_cast<int>(windows.previews.front().pages.size()));
    // Every card's name, A to Z, not only the B cards.
    EXPECT_EQ(texts.size() - texts.count("Card Name:") - texts.count(QString()),
        static_cast<int>(kCards));
    EXPECT_EQ(store.recordTable().recordCount(), bCards);
    // The page stream file is gone with the preview.
    EXPECT_FALSE(QFile::exists("temp$$$.rpt"));

    // The definition the dialog left is written at exit.
    form->writeReportDefinition();
    TReportRec written;
    ASSERT_EQ(ReportFiles::readCurrent(fixture.state.userFolder, written),
        ReportFiles::ReadResult::Read);
    ASSERT_EQ(written.columnCount(), 1);
    EXPECT_EQ(written.fieldIndex(0), 0);
}

TEST_F(PrintWindowTest, TheLabelsChoicePrintsALabelForEveryCard)
{
    auto form = openWindow();
    form->runCommand({ MainCommand::JumpToLetter, 'B' });
    DialogScript script({
        { "TPrtDlg",
            [](QWidget &chooser) {
                chooser.findChild<QAbstractButton *>("RadioGroup1_1")->click();
                press(chooser, "OKBtn");
            } },
        { "TLabelDlg",
            [](QWidget &dialog) {
                press(dialog, "ExAllBtn");
                dialog.findChild<QListWidget *>("ListBox1")->setCurrentRow(0);
                press(dialog, "IncludeBtn");
                press(dialog, "PreviewBtn");
            } },
        { "TLabelDlg", [](QWidget &dialog) { press(dialog, "CancelBtn"); } },
    });
    form->runCommand({ MainCommand::Print });
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(windows.previews.size(), 1u);
    QStringList texts = textsOf(windows.previews.front());
    texts.removeAll(QString());
    // One card name per label, every card and not only the B cards.
    EXPECT_EQ(texts.size(), static_cast<int>(kCards));
    EXPECT_EQ(store.recordTable().recordCount(), namesStartingWith('B'));
}

TEST_F(PrintWindowTest, AltPPrintsOnlyTheCardsRecordAndLeavesTheCardOnIt)
{
    auto form = openWindow();
    form->recordCycle()->showRecord(5);
    const QString onCard = form->recordCycle()->cardCursor().text(kCardName);
    const int position = form->recordCycle()->card().position;

    DialogScript script(previewCardNames("Print Record"));
    QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(windows.previews.size(), 1u);
    QStringList values = textsOf(windows.previews.front());
    values.removeIf([](const QString &t) { return t.startsWith("Date ") || t.startsWith("Page "); });
    values.removeAll("Card Name:");
    values.removeAll(QString());
    EXPECT_EQ(values, QStringList({ onCard.trimmed() }));
    EXPECT_EQ(form->recordCycle()->card().position, position);
}

} // namespace
} // namespace zendrova::test

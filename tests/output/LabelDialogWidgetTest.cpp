#include "LabelRunFixture.h"
#include "support/WidgetLookup.h"

#include "output/ui/TLabelDlg.h"
#include "printengine/ReportWindows.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

using namespace zendrova;
using namespace zendrova::test;

namespace {

// Keeps the preview's pages instead of showing a window.
class PreviewCatcher : public print::ReportWindows
{
public:
    PreviewCatcher() { m_previous = install(this); }
    ~PreviewCatcher() override { install(m_previous); }
    std::unique_ptr<print::StatusWindow> openStatus(const QString &, std::function<void()>) override
    {
        return nullptr;
    }
    void showPreview(const QString &title, const print::PageStream &stream) override
    {
        titles.append(title);
        shown = stream;
    }
    bool choosePrinter() override { return false; }

    QStringList titles;
    print::PageStream shown;

private:
    print::ReportWindows *m_previous;
};

QRadioButton *radio(QWidget &dialog, const char *group, int index)
{
    return child<QGroupBox>(dialog, group)->findChildren<QRadioButton *>().value(index);
}

} // namespace

class LabelDialogWidget : public LabelRunFixture
{
protected:
    LabelDialogContext context()
    {
        LabelDialogContext c;
        c.current = &current;
        c.userFolder = folder.path();
        c.stockFolder = QStringLiteral(ZENDROVA_BIN_DIR);
        c.captions = CaptionList::builtInCaptions();
        c.memoOrPicture = memoOrPictureIndexes(table.fieldModel(), int(c.captions.size()));
        c.table = &table;
        c.dateFormats = &dateFormats;
        c.restoreLetterRange = [this] { ++restored; };
        return c;
    }

    TLabelRec current;
    int restored = 0;
};

TEST_F(LabelDialogWidget, FieldsOnOneLineAndTheDefaultStock)
{
    generate(3);
    EXPECT_EQ(memoOrPictureIndexes(table.fieldModel(), 21), QSet<int>({ 8, 19, 20 }));
    {
        TLabelDlg dialog(context());
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Print Labels");
        EXPECT_EQ(child<QTabBar>(dialog, "TabSet")->count(), 6);
        EXPECT_FALSE(child<QPushButton>(dialog, "PreviousBtn")->isVisible());
        EXPECT_FALSE(child<QPushButton>(dialog, "PrintBtn")->isEnabled());
        EXPECT_EQ(child<QComboBox>(dialog, "AveryType")->currentText(), "AV 12_294");
        EXPECT_EQ(child<QLineEdit>(dialog, "WidthEd")->text(), "2.625");
        EXPECT_TRUE(child<QLineEdit>(dialog, "NumAcross")->isReadOnly());
        EXPECT_FALSE(child<QGroupBox>(dialog, "LabelShape")->isEnabled());

        auto *all = child<QListWidget>(dialog, "ListBox1");
        all->setCurrentRow(0);
        child<QToolButton>(dialog, "IncludeBtn")->click();
        all->setCurrentRow(6);
        child<QToolButton>(dialog, "InLineBtn")->click();
        all->setCurrentRow(19); // the notes cannot continue a line
        child<QToolButton>(dialog, "IncludeBtn")->click();
        EXPECT_FALSE(child<QToolButton>(dialog, "InLineBtn")->isEnabled());
        auto *included = child<QListWidget>(dialog, "ListBox2");
        QStringList entries;
        for (int i = 0; i < included->count(); ++i)
            entries << included->item(i)->text();
        EXPECT_EQ(entries, QStringList({ "Card Name:", "+ Year:", "Notes:" }));
        EXPECT_TRUE(child<QPushButton>(dialog, "PrintBtn")->isEnabled());

        child<QPushButton>(dialog, "NextBtn")->click();
        child<QPushButton>(dialog, "NextBtn")->click();
        EXPECT_EQ(child<QTabBar>(dialog, "TabSet")->currentIndex(), 2);
        EXPECT_TRUE(child<QPushButton>(dialog, "PreviousBtn")->isVisible());
        dialog.reject();
    }
    EXPECT_EQ(current.Lines, QList<std::int32_t>({ 100, 106, 219 }));
    EXPECT_EQ(current.LabelWidth, "2.625");
    EXPECT_EQ(restored, 1);
}

TEST_F(LabelDialogWidget, LandscapeCustomSheetAndNumberKeys)
{
    generate(3);
    TLabelDlg dialog(context());
    dialog.show();
    radio(dialog, "LabelType", 2)->click();
    EXPECT_FALSE(child<QComboBox>(dialog, "AveryType")->isVisible());
    auto *across = child<QLineEdit>(dialog, "NumAcross");
    EXPECT_FALSE(across->isReadOnly());
    across->clear();
    QTest::keyClicks(across, "4a.");
    EXPECT_EQ(across->text(), "4");
    auto *width = child<QLineEdit>(dialog, "WidthEd");
    width->clear();
    QTest::keyClicks(width, "2x.5");
    EXPECT_EQ(width->text(), "2.5");
    radio(dialog, "OrientationRG", 1)->click();
    EXPECT_EQ(child<QLineEdit>(dialog, "HeightEd")->text(), "2.5");
    EXPECT_EQ(width->text(), "1");
    EXPECT_EQ(child<QLineEdit>(dialog, "NumDown")->text(), "4");
    EXPECT_EQ(across->text(), "10");
    radio(dialog, "RadioGroup1", 1)->click();
    EXPECT_EQ(child<QLineEdit>(dialog, "HeightEd")->text(), "6.35");
    EXPECT_EQ(child<QLineEdit>(dialog, "PgWidthEd")->text(), "21.59");
    EXPECT_TRUE(child<QLineEdit>(dialog, "PgWidthEd")->isReadOnly());
}

TEST_F(LabelDialogWidget, PreviewShowsTheSheets)
{
    generate(40);
    current.Lines = LabelLines::encode({ { kCardName, false }, { kYear, true } });
    current.FirstLabel = "3";
    PreviewCatcher preview;
    TLabelDlg dialog(context());
    dialog.show();
    child<QPushButton>(dialog, "PreviewBtn")->click();
    ASSERT_EQ(preview.titles, QStringList({ "Report Preview" }));
    ASSERT_EQ(preview.shown.pages.size(), 2);
    const QList<PlacedLabel> labels = labelsOf(preview.shown.pages[0]);
    EXPECT_TRUE(labels[1].texts.isEmpty());
    EXPECT_EQ(labels[2].texts.value(0), nameLine(0));
}

#include "DialogScript.h"
#include "ExchangeFixture.h"

#include "exchange/ui/TExpImpDlg.h"
#include "exchange/ui/TImportSourceDlg.h"
#include "exchange/ui/TSelectFileDlg.h"
#include "support/WidgetLookup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace zendrova::test {
namespace {

QStringList items(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void click(QWidget &dialog, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

class ExchangeDialogs : public ::testing::Test
{
protected:
    ScriptedInteraction user;
    OpenDatabase db { user };
};

TEST_F(ExchangeDialogs, FieldChooserListsEveryFieldButThePictures)
{
    TExpImpDlg dialog(true, captions(), db.records().fieldModel());
    EXPECT_EQ(dialog.windowTitle(), "Export Options");
    QStringList expected = captions();
    expected.removeAll("Small Picture:");
    expected.removeAll("Picture:");
    EXPECT_EQ(items(dialog.SrcList), expected);
    EXPECT_EQ(dialog.SrcList->currentRow(), 0);
    EXPECT_EQ(dialog.SrcList->toolTip(), "List Of All Data Fields");
    EXPECT_EQ(dialog.DstList->toolTip(), "Data Fields Selected For Export/Import");
    EXPECT_EQ(dialog.IncludeBtn->toolTip(), "Click to include selected");
    EXPECT_EQ(dialog.ExcAllBtn->toolTip(), "Click to exclude all");
    // Nothing included: nothing to exclude, move or accept.
    for (QPushButton *button :
        { dialog.ExcludeBtn, dialog.ExcAllBtn, dialog.MoveUpBtn, dialog.OKBtn })
        EXPECT_FALSE(button->isEnabled());

    click(dialog, "IncludeBtn");
    click(dialog, "IncludeBtn");
    dialog.SrcList->setCurrentRow(0);
    click(dialog, "IncludeBtn"); // already there
    EXPECT_EQ(items(dialog.DstList), (QStringList { "Card Name:", "Sport:" }));
    EXPECT_EQ(dialog.SrcList->currentRow(), 1);
    EXPECT_TRUE(dialog.OKBtn->isEnabled());
    click(dialog, "MoveUpBtn");
    click(dialog, "MoveUpBtn"); // at the top already
    EXPECT_EQ(items(dialog.DstList), (QStringList { "Sport:", "Card Name:" }));
    EXPECT_EQ(dialog.DstList->currentRow(), 0);
    dialog.SrcList->setCurrentRow(int(expected.indexOf("Notes:")));
    click(dialog, "IncludeBtn");
    dialog.DstList->setCurrentRow(1);
    click(dialog, "ExcludeBtn");
    EXPECT_EQ(items(dialog.DstList), (QStringList { "Sport:", "Notes:" }));
    EXPECT_EQ(dialog.DstList->currentRow(), 1);

    // Typing checks "Other:"; an empty "Other:" box is no separator at all.
    QTest::keyClicks(dialog.OtherSepEdit, ";");
    EXPECT_TRUE(child<QAbstractButton>(dialog, "SepGroup_2")->isChecked());
    click(dialog, "DelimGroup_1");
    click(dialog, "NamesBox");
    click(dialog, "OKBtn");
    EXPECT_EQ(dialog.settings().separator, ';');
    EXPECT_EQ(dialog.settings().delimiter, '"');
    EXPECT_EQ(dialog.settings().positions, (std::vector<int> { kSport, kNotes }));
    EXPECT_TRUE(dialog.settings().namesInFirstLine);

    click(dialog, "SepGroup_0");
    EXPECT_TRUE(dialog.OtherSepEdit->text().isEmpty());
    click(dialog, "SepGroup_2");
    click(dialog, "ExcAllBtn");
    EXPECT_FALSE(dialog.OKBtn->isEnabled());
    click(dialog, "IncAllBtn");
    EXPECT_EQ(items(dialog.DstList), expected);
    click(dialog, "CancelBtn");
    EXPECT_EQ(dialog.settings().separator, 0);
    EXPECT_FALSE(dialog.settings().usable());

    click(dialog, "HelpBtn");
    TExpImpDlg importing(false, captions(), db.records().fieldModel());
    EXPECT_EQ(importing.windowTitle(), "Import Options");
    click(importing, "HelpBtn");
    EXPECT_EQ(user.helpRequests(), (QList<int> { 26, 25 }));
}

TEST_F(ExchangeDialogs, SourceAndTableDialogs)
{
    TImportSourceDlg target(true);
    EXPECT_EQ(target.windowTitle(), "Export Target");
    EXPECT_EQ(target.RadioGroup1->title(), "Export To:");
    EXPECT_EQ(child<QAbstractButton>(target, "RadioGroup1_0")->text(), "Text File");
    EXPECT_EQ(child<QAbstractButton>(target, "RadioGroup1_1")->text(), "DBF File");
    EXPECT_EQ(target.kind(), TImportSourceDlg::TextFile);
    TImportSourceDlg source(false);
    EXPECT_EQ(source.windowTitle(), "Import Source");
    EXPECT_EQ(source.RadioGroup1->title(), "Import From:");

    const QString folder = db.fixture.state.userFolder + "/EXPIMP";
    QDir().mkpath(folder);
    for (const char *name : { "B.DBF", "A.DBF", "A.DBT", "notes.txt" })
        writeFile(folder + "/" + name, "x");
    TSelectFileDlg select("Enter/Select Import File Name", folder);
    EXPECT_EQ(select.windowTitle(), "Enter/Select Import File Name");
    EXPECT_EQ(select.Edit1->text(), "*.*");
    EXPECT_EQ(items(select.FileListBox1), (QStringList { "A.DBF", "B.DBF" }));
    select.FileListBox1->setCurrentRow(1);
    EXPECT_EQ(select.fileName(), "B.DBF");
    click(select, "BitBtn1");
    TSelectFileDlg exporting("Enter/Select Export File Name", folder);
    click(exporting, "BitBtn1");
    EXPECT_EQ(user.helpRequests(), (QList<int> { 25, 26 }));
}

} // namespace
} // namespace zendrova::test

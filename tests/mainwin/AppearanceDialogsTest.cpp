#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"
#include "support/WidgetLookup.h"

#include "common/AppState.h"
#include "common/ColorSchemeFile.h"
#include "common/FontConversion.h"
#include "common/TColorList.h"
#include "mainwin/Palette.h"
#include "mainwin/TLabelTemplateList.h"
#include "mainwin/ui/CaptionMenu.h"
#include "mainwin/ui/TColorDlg.h"
#include "mainwin/ui/TColorDlgGrid.h"
#include "mainwin/ui/TLoadColorsDlg.h"
#include "mainwin/ui/TLoadLabelsDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

QStringList rowsOf(QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

void clickCell(TColorDlgGrid *grid, int index)
{
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(index).center());
}

// The colour of the pixel one in from the top left corner of a cell.
QColor frameColor(TColorDlgGrid *grid, int index)
{
    const QImage image = grid->grab().toImage();
    return image.pixelColor(grid->cellRect(index).topLeft() + QPoint(1, 1));
}

TEST(FontConversion, NameSizeAndEveryStyleBitSurviveTheFontDialogsFont)
{
    for (std::uint8_t style = 0; style < 16; ++style) {
        const FontRecord record { QStringLiteral("Courier New"), style, 13 };
        const QFont font = toQFont(record);
        EXPECT_EQ(font.pointSize(), 13);
        EXPECT_EQ(fontRecordOf(font), record) << int(style);
    }
}

TEST(TColorDlg, ClicksShowAtOnceCancelRestoresAndOkWrites)
{
    QTemporaryDir temp;
    ColorScheme scheme;
    TColorDlg dialog(scheme, temp.path(), ColorDialogUse::RecordButtons);
    dialog.resize(300, 340);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Set Colors");
    auto *group = child<QGroupBox>(dialog, "RadioGroup1");
    auto *grid = child<TColorDlgGrid>(dialog, "Color_Lst");
    ASSERT_TRUE(group && grid);
    EXPECT_EQ(group->title(), "Record Buttons");
    EXPECT_EQ(grid->toolTip(), "Click to select a Color");
    const auto radios = group->findChildren<QRadioButton *>();
    ASSERT_EQ(radios.size(), 4);
    EXPECT_EQ(radios[2]->text(), "Selected Button Text Color");

    EXPECT_EQ(grid->current(), 6) << "element 0 is blue";
    EXPECT_EQ(frameColor(grid, 6), QColor(Qt::black));
    radios[3]->click();
    EXPECT_EQ(grid->current(), 14) << "element 3 is gray";
    EXPECT_EQ(frameColor(grid, 14), QColor(Qt::yellow));
    EXPECT_EQ(frameColor(grid, 6), Palette::color(6)) << "the old frame is gone";

    QSignalSpy edited(&dialog, &TColorDlg::schemeEdited);
    clickCell(grid, 7);
    radios[0]->click();
    EXPECT_TRUE(radios[0]->isChecked());
    EXPECT_EQ(grid->current(), 6);
    clickCell(grid, 8);
    EXPECT_EQ(edited.count(), 2);
    EXPECT_EQ(scheme.elements[3], 7);
    EXPECT_EQ(scheme.elements[0], 8);
    QTest::mouseClick(child<QPushButton>(dialog, "CancelBtn"), Qt::LeftButton);
    EXPECT_EQ(scheme, ColorScheme());
    EXPECT_FALSE(dialog.changed());
    EXPECT_FALSE(QFile::exists(temp.path() + "/color.lst"));

    TColorDlg again(scheme, temp.path(), ColorDialogUse::RecordButtons);
    again.show();
    clickCell(child<TColorDlgGrid>(again, "Color_Lst"), 10);
    QTest::mouseClick(child<QPushButton>(again, "OKBtn"), Qt::LeftButton);
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_TRUE(again.changed());
    EXPECT_EQ(fileBytes(temp.path() + "/color.lst").at(0), 10);
}

TEST(TLoadColorsDlg, DeleteAndOkLoadTheSelectedTemplate)
{
    QTemporaryDir temp;
    TColorList list;
    ColorScheme first, second;
    first.elements[1] = 2;
    second.elements[1] = 3;
    list.add("First", first);
    list.add("Second", second);
    ASSERT_TRUE(list.save(temp.path()));
    const QByteArray saved = fileBytes(temp.path() + "/color_t.tml");

    ColorScheme scheme;
    ScriptedInteraction user;
    {
        TLoadColorsDlg cancelled(scheme, temp.path());
        auto *box = child<QListWidget>(cancelled, "ListBox1");
        EXPECT_EQ(box->currentRow(), 0);
        user.expectMessage(MessageKind::Confirmation, "Delete Selected Color Template?",
            MessageButtons::YesNo, kNoHelp, Answer::Yes);
        QTest::mouseClick(child<QPushButton>(cancelled, "DeleteBtn"), Qt::LeftButton);
        EXPECT_EQ(rowsOf(box), QStringList { "Second" });
        QTest::mouseClick(child<QPushButton>(cancelled, "CancelBtn"), Qt::LeftButton);
    }
    EXPECT_EQ(fileBytes(temp.path() + "/color_t.tml"), saved);

    TLoadColorsDlg dialog(scheme, temp.path());
    EXPECT_EQ(dialog.windowTitle(), "Load Color Template");
    EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(), "Color Templates:");
    EXPECT_EQ(child<QPushButton>(dialog, "DeleteBtn")->text(), "&Delete");
    QTest::mouseClick(child<QPushButton>(dialog, "HelpBtn"), Qt::LeftButton);
    EXPECT_EQ(user.helpRequests(), QList<int> { 100 });
    child<QListWidget>(dialog, "ListBox1")->setCurrentRow(1);
    QTest::mouseClick(child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    EXPECT_TRUE(dialog.schemeLoaded());
    EXPECT_EQ(scheme, second);
}

TEST(TLoadLabelsDlg, DeleteRemovesTheFileAndOkGivesTheFileName)
{
    QTemporaryDir temp;
    CaptionList captions;
    captions.fillDefaultsIfEmpty();
    TLabelTemplateList templates(captions);
    templates.loadList(temp.path());
    ASSERT_EQ(templates.addTemplate("One"), TTemplateList::AddResult::Added);
    ASSERT_EQ(templates.addTemplate("Two"), TTemplateList::AddResult::Added);
    ASSERT_EQ(templates.addTemplate("Three"), TTemplateList::AddResult::Added);

    ScriptedInteraction user;
    TLoadLabelsDlg dialog(templates);
    EXPECT_EQ(dialog.windowTitle(), "Load Labels From Template");
    EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(), "Label Templates:");
    EXPECT_EQ(child<QPushButton>(dialog, "OKBtn")->text(), "&OK");
    EXPECT_EQ(child<QPushButton>(dialog, "CancelBtn")->text(), "&Cancel");
    auto *box = child<QListWidget>(dialog, "ListBox1");
    box->setCurrentRow(2);
    user.expectMessage(MessageKind::Confirmation, "Delete Selected Template?",
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    QTest::mouseClick(child<QPushButton>(dialog, "DeleteBtn"), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(temp.path() + "/tml3.lab"));
    EXPECT_EQ(rowsOf(box), (QStringList { "One", "Two" }));
    EXPECT_EQ(box->currentRow(), 1);

    TLabelTemplateList reread(captions);
    ASSERT_TRUE(reread.loadList(temp.path()));
    EXPECT_EQ(reread.items(), templates.items()) << "the list file is rewritten at once";

    QTest::mouseClick(child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    EXPECT_EQ(dialog.fileName(), "tml2.lab");
}

TEST(CaptionMenu, ItemsEditTheClickedFieldAndReportChanges)
{
    QTemporaryDir temp;
    AppState state;
    state.userFolder = temp.path();
    state.databaseFolder = temp.path();
    state.captions.fillDefaultsIfEmpty();
    ColorScheme scheme;
    CaptionMenu menu(state, scheme);
    EXPECT_EQ(menu.objectName(), "PopupMenu4");
    QStringList texts;
    for (QAction *action : menu.actions())
        texts << action->text();
    EXPECT_EQ(texts, (QStringList { "&Text...", "&Color...", "&Load From Template...",
                         "&Save As Template..." }));

    QSignalSpy captionsChanged(&menu, &CaptionMenu::captionsChanged);
    QSignalSpy colorsChanged(&menu, &CaptionMenu::colorsChanged);
    ScriptedInteraction user;
    menu.setFieldNumber(20);
    user.expectInput(QStringLiteral("Remarks:"));
    menu.findChild<QAction *>("Text1")->trigger();
    EXPECT_EQ(captionsChanged.count(), 1);
    EXPECT_EQ(user.inputRequests().last(), "Change Label Text / Enter New Text: / Notes:");
    EXPECT_EQ(state.captions.caption(20), "Remarks:");

    // The modal colour dialog is answered once it shows.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TColorDlg *>(topLevel("TColorDlg"));
        ASSERT_NE(dialog, nullptr);
        clickCell(child<TColorDlgGrid>(*dialog, "Color_Lst"), 3);
        QTest::mouseClick(child<QPushButton>(*dialog, "OKBtn"), Qt::LeftButton);
    });
    menu.findChild<QAction *>("Color1")->trigger();
    EXPECT_EQ(colorsChanged.count(), 1);
    EXPECT_EQ(scheme.elements[19], 3);
    EXPECT_EQ(ColorSchemeFile::read(temp.path()), scheme);
}

} // namespace
} // namespace zendrova::test

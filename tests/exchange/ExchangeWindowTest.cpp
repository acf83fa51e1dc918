#include "DialogScript.h"
#include "mainwin/GeneratedCardsWindow.h"
#include "support/WidgetLookup.h"

#include "exchange/DbfExchange.h"
#include "exchange/ExchangeTexts.h"
#include "mainwin/MainCommand.h"
#include "mainwin/RecordCycle.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace zendrova::test {
namespace {

void click(QWidget &dialog, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

// A text file with every field, commas and quotes; with names, the first
// line holds the captions.
void chooseTextWithAllFields(
    DialogScript &script, const char *separator = "SepGroup_1", bool names = false)
{
    script.then("ImportSourceDlg", [](QWidget &dialog) { click(dialog, "OKBtn"); })
        .then("ExpImpDlg", [separator, names](QWidget &dialog) {
            click(dialog, "IncAllBtn");
            click(dialog, separator);
            click(dialog, "DelimGroup_1");
            if (names)
                click(dialog, "NamesBox");
            click(dialog, "OKBtn");
        });
}

int allRecords(RecordStore &store)
{
    StoreTable table;
    table.setFolder(store.recordTable().folder());
    table.setFileName(store.recordTable().fileName());
    table.open();
    return table.recordCount();
}

class ExchangeWindow : public GeneratedCardsWindow
{
};

TEST_F(ExchangeWindow, ExportsTheViewAndImportsItBack)
{
    auto form = openWindow();
    for (const char *name : { "B_Export", "B_Import" })
        EXPECT_TRUE(child<QAbstractButton>(*form, name)->isEnabled()) << name;
    for (const char *name : { "Export1", "Import1" })
        EXPECT_TRUE(child<QAction>(*form, name)->isEnabled()) << name;

    const QString path = fixture.state.userFolder + QStringLiteral("/cards.txt");
    DialogScript exporting;
    chooseTextWithAllFields(exporting, "SepGroup_1", true);
    exporting.start();
    user.expectFileName(path);
    form->runCommand({ MainCommand::Export });
    EXPECT_TRUE(exporting.finished());
    ASSERT_TRUE(QFile::exists(path));

    // The names of the first line choose the fields; the user sees them before the import.
    DialogScript importing;
    QStringList shown;
    importing.then("ImportSourceDlg", [](QWidget &dialog) { click(dialog, "OKBtn"); })
        .then("ExpImpDlg",
            [](QWidget &dialog) {
                click(dialog, "SepGroup_1");
                click(dialog, "DelimGroup_1");
                click(dialog, "NamesBox");
                click(dialog, "OKBtn");
            })
        .then("ExpImpDlg", [&shown](QWidget &dialog) {
            auto *included = child<QListWidget>(dialog, "DstList");
            for (int i = 0; i < included->count(); ++i)
                shown << included->item(i)->text();
            click(dialog, "OKBtn");
        });
    importing.start();
    user.expectFileName(path);
    form->runCommand({ MainCommand::Import });
    EXPECT_TRUE(importing.finished());
    EXPECT_EQ(shown.size(), 19);
    EXPECT_EQ(shown.value(0), QStringLiteral("Card Name:"));
    // Every card of the letter-by-letter walk came back once more.
    EXPECT_EQ(allRecords(store), 2 * int(kCards));
    ASSERT_NE(form->recordCycle(), nullptr);
    EXPECT_EQ(form->recordCycle()->card().position, 1);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(ExchangeWindow, OtherSeparatorLeftEmptyWritesNothing)
{
    auto form = openWindow();
    const QString path = fixture.state.userFolder + QStringLiteral("/nothing.txt");
    DialogScript script;
    chooseTextWithAllFields(script, "SepGroup_2");
    script.start();
    user.expectFileName(path);
    form->runCommand({ MainCommand::Export });
    EXPECT_TRUE(script.finished());
    // No file and no message (the scripted user fails on any).
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ExchangeWindow, ExportsTheViewIntoAnExchangeTable)
{
    auto form = openWindow();
    DialogScript script;
    script
        .then("ImportSourceDlg",
            [](QWidget &dialog) {
                click(dialog, "RadioGroup1_1");
                click(dialog, "OKBtn");
            })
        .then("SelectFileDlg", [](QWidget &dialog) {
            child<QLineEdit>(dialog, "Edit1")->setText(QStringLiteral("view.txt"));
            click(dialog, "OKBtn");
        });
    script.start();
    const QString table = fixture.state.userFolder + QStringLiteral("/EXPIMP/VIEW.DBF");
    user.expectMessage(MessageKind::Information,
        ExchangeTexts::exported(QDir::toNativeSeparators(table)), MessageButtons::Ok, kNoHelp);
    form->runCommand({ MainCommand::Export });
    EXPECT_TRUE(script.finished());
    StoreTable exported;
    exported.setFolder(fixture.state.userFolder + QStringLiteral("/EXPIMP"));
    exported.setFileName(QStringLiteral("VIEW.DBF"));
    exported.open();
    EXPECT_EQ(exported.recordCount(), int(kCards));
}

} // namespace
} // namespace zendrova::test

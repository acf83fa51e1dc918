// What a command that leaves the card's record does to the card when the
// command itself ends up doing nothing: the typing after it is never lost.
#include "GeneratedCardsWindow.h"
#include "support/WidgetLookup.h"

#include "mainwin/RecordCycle.h"
#include "mainwin/ui/TForm3.h"
#include "store/FindSearch.h"
#include "store/ui/TFindDlg.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace zendrova::test {
namespace {

// Closes the modal dialog of that name as soon as it is up, as Cancel would.
void cancelDialogWhenShown(const QString &objectName)
{
    QTimer::singleShot(0, [objectName] {
        auto *dialog = qobject_cast<QDialog *>(topLevel(objectName));
        ASSERT_NE(dialog, nullptr) << objectName.toStdString();
        dialog->reject();
    });
}

struct IdleCommand
{
    const char *name;
    std::function<void(TForm3 &, ScriptedInteraction &)> run;
    bool letterTabs = true;
};

void PrintTo(const IdleCommand &command, std::ostream *out)
{
    *out << command.name;
}

void findWithoutMatch(TForm3 &form, ScriptedInteraction &user)
{
    form.runCommand({ MainCommand::Find });
    FindSettings settings;
    user.expectMessage(
        MessageKind::Information, FindSearch::notFoundText(), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(form.findDialog()->search().find(
        QStringLiteral("QZXJQ no card says this"), true, false, std::nullopt, settings));
}

const IdleCommand kIdleCommands[] = {
    { "SortDialogCancelled",
        [](TForm3 &form, ScriptedInteraction &) {
            cancelDialogWhenShown(QStringLiteral("TSortDlg"));
            form.runCommand({ MainCommand::Sort });
        } },
    { "FilterDialogCancelled",
        [](TForm3 &form, ScriptedInteraction &) {
            cancelDialogWhenShown(QStringLiteral("TFilterDlg"));
            form.runCommand({ MainCommand::Filter });
        } },
    // With letter tabs a step search moves the card to the first letter's
    // first card; without them the card keeps its record.
    { "StepFindWithoutMatch", findWithoutMatch },
    { "StepFindWithoutMatchNoLetterTabs", findWithoutMatch, false },
};

class CommandLeaveTest : public GeneratedCardsWindow, public ::testing::WithParamInterface<IdleCommand>
{
protected:
    // The name stored in the record of that number, read straight from the table.
    QString storedName(int recordNumber)
    {
        dbase::Table table;
        table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        for (table.first(); !table.eof(); table.next())
            if (table.asInteger(0) == recordNumber)
                return QString::fromLatin1(table.asString(kCardName).c_str());
        return QString();
    }

    // Whether another user could start changing the record now.
    bool lockedForOthers(int recordNumber)
    {
        dbase::Table table;
        table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        for (table.first(); !table.eof(); table.next()) {
            if (table.asInteger(0) != recordNumber)
                continue;
            try {
                table.edit();
                table.cancel();
                return false;
            } catch (const dbase::Error &) {
                return true;
            }
        }
        return false;
    }
};

TEST_P(CommandLeaveTest, TypingAfterACommandThatDidNothingIsSavedByNext)
{
    fixture.state.userOptions.letterTabs = GetParam().letterTabs ? 0 : 1;
    auto form = openWindow();
    RecordCycle &cycle = *form->recordCycle();
    const int recordNumber = cycle.card().recordNumber;
    auto *name = child<QLineEdit>(*form, "L1");
    name->setText(QStringLiteral("Typed Before"));

    GetParam().run(*form, user);
    // The command saved the card. Whatever record the card shows now (a step
    // search starts at the first letter) is on it for editing: locked.
    EXPECT_EQ(storedName(recordNumber), QStringLiteral("Typed Before"));
    const int shown = cycle.card().recordNumber;
    ASSERT_GT(shown, 0);
    EXPECT_TRUE(lockedForOthers(shown));

    name->setText(QStringLiteral("Typed After"));
    QTest::mouseClick(child<QAbstractButton>(*form, "B_Next"), Qt::LeftButton);
    EXPECT_EQ(storedName(shown), QStringLiteral("Typed After"));
    EXPECT_NE(cycle.card().recordNumber, shown);
}

INSTANTIATE_TEST_SUITE_P(IdleCommands, CommandLeaveTest, ::testing::ValuesIn(kIdleCommands),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace zendrova::test

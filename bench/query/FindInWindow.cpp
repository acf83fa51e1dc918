#include "FindInWindow.h"

#include "QueryDatabase.h"

#include "common/Interaction.h"
#include "mainwin/ui/TForm3.h"
#include "store/FieldModel.h"
#include "store/RecordTableSort.h"
#include "store/StoreTable.h"
#include "store/ui/TFindDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace zendrova::bench {
namespace {

// A user who answers every message with OK and cancels everything else.
class AnsweringUser : public Interaction
{
public:
    AnsweringUser() { m_previous = Interaction::install(this); }
    ~AnsweringUser() override { Interaction::install(m_previous); }
    Answer message(MessageKind, const QString &, MessageButtons, int) override
    {
        return Answer::Ok;
    }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString folderName(const QString &, const QString &) override { return {}; }
    std::optional<FontRecord> chooseFont(const FontRecord &) override { return std::nullopt; }
    void showHelp(int) override { }

private:
    Interaction *m_previous = nullptr;
};

} // namespace

void findNonStopInWindow(benchmark::State &state, const std::string &text)
{
    QueryDatabase &database = QueryDatabase::instance();
    // The program alone has the table open, as when one collector searches.
    database.store().closeAll();
    {
        AnsweringUser user;
        RecordStore store(database.state());
        TForm3 window(database.state(), store);
        window.show();
        QApplication::processEvents();
        window.runCommand({ MainCommand::Find });
        TFindDlg *dialog = window.findDialog();
        if (!window.databaseOpened() || !dialog) {
            state.SkipWithError("the Search window did not open");
            return;
        }
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->setChecked(true);
        dialog->findChild<QComboBox *>(QStringLiteral("Edit1"))
            ->setEditText(QString::fromStdString(text));
        auto *find = dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"));
        for (auto _ : state) {
            find->click();
            state.PauseTiming();
            // The next pass starts from every card listed, as the first did.
            store.sortOrder().chooseFilterScope(store.sortTarget(), FilterScope::AllRecords);
            state.ResumeTiming();
        }
        StoreTable &records = store.recordTable();
        int marked = 0;
        for (records.first(); !records.atEnd(); records.next())
            marked += records.text(FieldModel::kFilterMarkPosition) == TFilterList::kPassMark;
        state.counters["passing"] = marked;
        dialog->close();
        QApplication::processEvents();
    }
    if (!database.store().openDatabase() || !database.sortByName())
        state.SkipWithError("the database did not open again");
}

} // namespace zendrova::bench

#include "FindInWindow.h"

#include "QueryDatabase.h"

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

void findNonStopInWindow(benchmark::State &state, const std::string &text)
{
    QueryDatabase &database = QueryDatabase::instance();
    // The program alone has the table open, as when one collector searches.
    database.store().closeAll();
    {
        // The default interaction answers the search's messages with OK.
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

// The filter dialog as the main window runs it, and the filter applied to
// the whole record table.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/ui/TPercentDlg.h"
#include "mainwin/ui/RecordCard.h"
#include "query/FilterApply.h"
#include "query/TFilterTemplateList.h"
#include "query/ui/FilterDialogRun.h"
#include "store/FieldModel.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/StoreTable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>

namespace zendrova {

void TForm3::openFilterDialog()
{
    auto lookupItems = [this](int fieldPos) -> std::optional<QStringList> {
        const int control = fieldPos - FieldModel::kFirstUserPosition;
        auto *combo = qobject_cast<QComboBox *>(m_card->controls().value(control));
        if (!combo)
            return std::nullopt;
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    };
    const FilterDialogResult result = runFilterDialog(m_filter, *m_filterTemplates, m_store,
        m_state, m_store.sortOrder().filterScope, lookupItems, this);
    if (result.apply)
        applyFilter();
    else if (result.scope)
        chooseFilterScope(int(*result.scope));
}

QString TForm3::filterNotAppliedText()
{
    return tr("The filter could not be applied to every card; the cards marked so far keep "
              "their marks.");
}

void TForm3::applyFilter()
{
    // Every record is stored again: the card must not hold one of them.
    m_cardRelease.run([this] {
        TPercentDlg progress(this);
        progress.setWindowTitle(FilterApply::progressCaption());
        progress.setTotal(100);
        try {
            FilterApply::run(m_filter, m_store.recordTable(), [&progress](int percent) {
                progress.SetPosition(percent);
                // Painting goes on; clicks wait until the table is whole again.
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                return true;
            });
        } catch (const StoreError &error) {
            showMessage(MessageKind::Error,
                filterNotAppliedText() + QLatin1Char('\r') + QString::fromLocal8Bit(error.what()));
        }
        // The walk left the table in record order: the list shows the new marks.
        m_store.sortOrder().chooseFilterScope(m_store.sortTarget(), FilterScope::NormalFilter);
    });
}

} // namespace zendrova

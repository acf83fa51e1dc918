#include "mainwin/ui/RecordCardMenus.h"

#include "common/AppState.h"
#include "common/ui/TEditMenu.h"
#include "mainwin/CardFields.h"
#include "store/ui/LookupMenuActions.h"
#include "store/ui/TLookup.h"

#include <QLineEdit>

namespace zendrova {

namespace {
// The Edit Lists window knows the lookup fields by their list tables.
QString listOfField(int fieldNumber)
{
    if (fieldNumber < 1 || fieldNumber > CardFields::kCount)
        return {};
    return CardFields::byTag(fieldNumber).lookupSource;
}
} // namespace

RecordCardMenus::RecordCardMenus(AppState &state, QWidget *owner)
    : QObject(owner)
    , m_fieldMenu(createMenu(int(TEditMenu::Variant::Text), "FieldMenu", owner))
    , m_memoMenu(createMenu(int(TEditMenu::Variant::Text), "MemoMenu", owner))
    , m_lookupMenu(createMenu(int(TEditMenu::Variant::Lookup), "LookupMenu", owner))
{
    // The window's lists and record table as they are when the list editor opens.
    auto setup = [&state] {
        QStringList captions = state.captions.captions();
        if (captions.isEmpty())
            captions = CaptionList::builtInCaptions();
        return ListEditorSetup{state.databaseFolder, state.currentTableFile, captions, listOfField};
    };
    m_lookupActions = new LookupMenuActions(*m_lookupMenu, state, setup, this);
}

TEditMenu *RecordCardMenus::createMenu(int variant, const char *name, QWidget *owner)
{
    auto *menu = new TEditMenu(TEditMenu::Variant(variant), owner);
    menu->setObjectName(QString::fromLatin1(name));
    connect(menu, &TEditMenu::OnSetFont, this, &RecordCardMenus::fontRequested);
    connect(menu, &TEditMenu::OnSetColor, this, &RecordCardMenus::colorRequested);
    return menu;
}

void RecordCardMenus::popUpOn(TEditMenu *menu, QWidget *control, QWidget *source)
{
    source->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(source, &QWidget::customContextMenuRequested, menu,
        [menu, control, source](const QPoint &pos) { menu->popupFor(control, source->mapToGlobal(pos)); });
}

void RecordCardMenus::attachFieldMenu(QWidget *edit)
{
    popUpOn(m_fieldMenu, edit, edit);
}

void RecordCardMenus::attachMemoMenu(QWidget *memo)
{
    popUpOn(m_memoMenu, memo, memo);
}

void RecordCardMenus::attachLookupMenu(const QList<TLookup *> &lookups)
{
    for (TLookup *lookup : lookups) {
        popUpOn(m_lookupMenu, lookup, lookup);
        // The typing area of the combo has a menu of its own otherwise.
        if (lookup->lineEdit())
            popUpOn(m_lookupMenu, lookup, lookup->lineEdit());
    }
    m_lookupActions->setLookups(lookups);
}

} // namespace zendrova

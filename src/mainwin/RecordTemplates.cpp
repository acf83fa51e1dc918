#include "mainwin/RecordTemplates.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "mainwin/CardCodec.h"
#include "mainwin/CardFields.h"
#include "mainwin/RecordCycle.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"
#include "store/TableMaintenance.h"

namespace zendrova {

QString RecordTemplates::notLoadedText()
{
    return tr("Template could not be loaded!\rYou should delete this template");
}

QString RecordTemplates::nameRequiredText()
{
    return tr("You must enter Template Name (\"Blank\" is not allowed)!");
}

QString RecordTemplates::notCreatedText()
{
    return tr("Could not create New Template!");
}

QString RecordTemplates::deleteQuestionText()
{
    return tr("Are you sure you want to Delete selected Template?");
}

RecordTemplates::RecordTemplates(AppState &state, RecordStore &store, RecordCycle &cycle)
    : m_state(state)
    , m_store(store)
    , m_cycle(cycle)
{
}

void RecordTemplates::load()
{
    m_list.load(m_state.userFolder);
}

bool RecordTemplates::save() const
{
    return m_list.save(m_state.userFolder);
}

StoreTable &RecordTemplates::table()
{
    return m_store.copyTable();
}

bool RecordTemplates::gotoTemplate(int index)
{
    StoreTable &rows = table();
    if (index < 0 || !rows.isOpen())
        return false;
    rows.selectNaturalOrder();
    return rows.gotoRecord(index + 1) && !rows.atEnd();
}

void RecordTemplates::replaceCard(const QString &name)
{
    const int index = m_list.indexOf(name);
    if (index >= 0 && gotoTemplate(index)) {
        m_cycle.loadCard(table(), true);
        return;
    }
    if (index < 0 && name == TRecordTemplateList::kBlank) {
        m_cycle.clearCard();
        return;
    }
    showMessage(MessageKind::Error, notLoadedText());
}

void RecordTemplates::fillNewRecord(const QString &name)
{
    const int index = m_list.indexOf(name);
    if (index >= 0 && gotoTemplate(index))
        m_cycle.loadCard(table(), true);
}

QList<RecordTemplates::DateField> RecordTemplates::dateFields() const
{
    QList<DateField> dates;
    const FieldModel &fields = m_store.fields();
    for (int position = FieldModel::kFirstUserPosition; position < fields.count(); ++position) {
        if (fields.kind(position) != FieldKind::Date)
            continue;
        const int number = position - FieldModel::kFirstUserPosition + 1;
        QString caption = m_state.captions.caption(number);
        if (caption.isEmpty() && number <= CardFields::kCount)
            caption = CardFields::byTag(number).builtInCaption;
        dates.append({ position, caption });
    }
    return dates;
}

QList<int> RecordTemplates::todayFields(int index)
{
    QList<int> marked;
    if (!gotoTemplate(index))
        return marked;
    for (const DateField &field : dateFields()) {
        if (table().date(field.position) == CardCodec::todayMarker())
            marked.append(field.position);
    }
    return marked;
}

std::optional<int> RecordTemplates::chooseName(const QString &name)
{
    if (name.isEmpty() || name == TRecordTemplateList::kBlank) {
        showMessage(MessageKind::Warning, nameRequiredText());
        return std::nullopt;
    }
    const int existing = m_list.indexOf(name);
    if (existing >= 0)
        return existing;
    const int added = m_list.append(name);
    if (!save()) {
        m_list.removeAt(added);
        showMessage(MessageKind::Warning, notCreatedText());
        return std::nullopt;
    }
    return added;
}

bool RecordTemplates::saveCard(int index, const QList<int> &todayPositions)
{
    StoreTable &rows = table();
    if (index < 0 || !rows.isOpen())
        return false;
    try {
        // Rows missing before the template's own would put later templates
        // on the wrong records: blank ones fill the gap.
        while (rows.recordCount() < index + 1) {
            RecordEditor blank(rows);
            blank.append();
            blank.post();
        }
    } catch (const StoreError &) {
        return false;
    }
    const bool asNew = !gotoTemplate(index);
    return m_cycle.writeCardTo(rows, asNew, [&todayPositions](RecordEditor &record) {
        for (int position : todayPositions)
            record.setDate(position, CardCodec::todayMarker());
    });
}

bool RecordTemplates::remove(int index)
{
    if (index < 0 || index >= m_list.count())
        return false;
    // The record goes first: a name removed without its record would hand
    // every later name the record of the template before it.
    if (gotoTemplate(index)) {
        RecordEditor record(table());
        try {
            record.lock();
            record.remove();
        } catch (const StoreError &) {
            record.cancel();
            showMessage(MessageKind::Error, TableMaintenance::exclusiveUseText());
            return false;
        }
    }
    m_list.removeAt(index);
    save();
    // Deleted rows are skipped already; packing only reclaims their space.
    TableMaintenance::packTable(table(), m_state.installFolder);
    return true;
}

} // namespace zendrova

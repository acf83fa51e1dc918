#include "query/FieldFilterModel.h"

#include "query/TFilterList.h"

#include "common/Interaction.h"

namespace zendrova {

namespace {
bool isCondition(int code, FilterCondition condition)
{
    return code == static_cast<int>(condition);
}
} // namespace

FieldFilterModel::FieldFilterModel(TFilterList &filter, int entryIndex, int fieldPos,
    QString caption, FieldKind fieldKind, bool hasLookup)
    : m_filter(filter)
    , m_entryIndex(entryIndex)
    , m_fieldPos(fieldPos)
    , m_caption(std::move(caption))
{
    switch (fieldKind) {
    case FieldKind::Text:
        m_kind = FilterKind::Text;
        break;
    case FieldKind::Numeric:
        m_kind = FilterKind::Number;
        m_editor = FilterValueEditor::Number;
        break;
    case FieldKind::Date:
        m_kind = FilterKind::Date;
        m_editor = FilterValueEditor::Date;
        break;
    default:
        break;
    }
    if (hasLookup)
        m_listButton = ListButton::Populate;
    else if (m_editor == FilterValueEditor::Date)
        m_listButton = ListButton::AddDates;
}

FieldFilterModel::ButtonText FieldFilterModel::listButtonText(ListButton button)
{
    switch (button) {
    case ListButton::Populate:
        return { tr("&Populate"), tr("Fill The List With All Values") };
    case ListButton::AddDates:
        return { tr("&Add"), tr("Add Dates From Calendar") };
    case ListButton::Hidden:
        break;
    }
    return {};
}

FieldFilterLayout FieldFilterModel::layoutFor(int condition)
{
    FieldFilterLayout layout;
    if (isCondition(condition, FilterCondition::OneOf)) {
        layout.panelShown = true;
        return layout;
    }
    layout.firstShown = true;
    if (isCondition(condition, FilterCondition::Between)) {
        layout.secondShown = layout.text4Shown = true;
        return layout;
    }
    layout.text3Shown = true;
    const bool than = isCondition(condition, FilterCondition::Less)
        || isCondition(condition, FilterCondition::Greater);
    layout.text3 = than ? tr("THAN") : tr("TO");
    return layout;
}

QString FieldFilterModel::value1() const
{
    const TFilter *entry = m_filter.entry(m_entryIndex);
    return entry ? entry->Value1 : QString();
}

QString FieldFilterModel::value2() const
{
    const TFilter *entry = m_filter.entry(m_entryIndex);
    return entry ? entry->Value2 : QString();
}

QStringList FieldFilterModel::values() const
{
    const TFilter *entry = m_filter.entry(m_entryIndex);
    return entry ? entry->Values : QStringList();
}

int FieldFilterModel::condition() const
{
    const TFilter *entry = m_filter.entry(m_entryIndex);
    return entry ? entry->Condition : 0;
}

bool FieldFilterModel::accept(
    int condition, const QString &first, const QString &second, QStringList &lines)
{
    const bool oneOf = isCondition(condition, FilterCondition::OneOf);
    // An empty list is refused only when it has no lines at all; lines that
    // are all empty leave an empty list that no record passes.
    const bool empty = oneOf
        ? lines.isEmpty()
        : first.isEmpty() || (isCondition(condition, FilterCondition::Between) && second.isEmpty());
    if (empty) {
        showMessage(MessageKind::Error, emptyText());
        return false;
    }
    if (oneOf)
        lines.removeAll(QString());
    if (TFilter *entry = m_filter.entry(m_entryIndex)) {
        m_filter.storeCondition(
            m_entryIndex, first, second, m_kind, static_cast<std::uint8_t>(condition));
        entry->Values = lines;
    }
    return true;
}

QStringList FieldFilterModel::collectDates(const CalendarStep &step)
{
    QStringList dates;
    while (const auto date = step())
        dates << *date;
    return dates;
}

void FieldFilterModel::changeDateFormat(int setting)
{
    m_filter.setDateFormat(setting);
}

} // namespace zendrova

#include "output/SummaryDialogModel.h"

#include "common/Interaction.h"
#include "output/SummaryCount.h"
#include "store/FieldModel.h"
#include "store/StoreError.h"

#include <QLocale>

#include <algorithm>

namespace zendrova {

namespace {

// A caption as a column heading: without the colon that ends it on the card.
QString heading(const QString &caption)
{
    QString text = caption.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

} // namespace

QString SummaryDialogModel::emptyListText()
{
    return tr("List Empty!\rYou have to select the field from Summary By list first.");
}

QString SummaryDialogModel::titleFor(const QString &caption)
{
    return tr("Summary By ") + caption;
}

SummaryDialogModel::SummaryDialogModel(const QStringList &captions, const FieldModel &fields)
    : m_captions(captions)
{
    for (int i = 0; i < captions.size(); ++i) {
        const int position = i + FieldModel::kFirstUserPosition;
        if (fields.isMemo(position) || fields.isPicture(position))
            continue;
        m_items << captions.at(i);
        m_itemFields.push_back(i + 1);
    }
}

int SummaryDialogModel::positionOf(int index) const
{
    if (index < 0 || index >= int(m_itemFields.size()))
        return -1;
    return m_itemFields[size_t(index)] + FieldModel::kFirstUserPosition - 1;
}

void SummaryDialogModel::choose(int index, SummaryList list)
{
    m_chosen = index >= 0 && index < m_items.size() ? index : -1;
    m_list = std::move(list);
    m_list.sort(m_order);
}

bool SummaryDialogModel::count(
    int index, const QString &folder, const QString &fileName, FilterScope scope)
{
    const int position = positionOf(index);
    try {
        choose(index, position < 0 ? SummaryList() : SummaryCount::run(folder, fileName, scope, position));
        return true;
    } catch (const StoreError &error) {
        choose(index, SummaryList());
        showMessage(MessageKind::Error, QString::fromStdString(error.what()));
        return false;
    }
}

QString SummaryDialogModel::chosenCaption() const
{
    return m_chosen >= 0 ? m_items.at(m_chosen) : QString();
}

void SummaryDialogModel::setOrder(SummaryOrder order)
{
    m_order = order;
    m_list.sort(order);
}

QStringList SummaryDialogModel::headers() const
{
    QStringList texts { chosenCaption(), tr("Count"), tr("   %") };
    if (m_valuesShown) {
        auto caption = [this](int fieldNumber) {
            return heading(m_captions.value(fieldNumber - 1));
        };
        texts << caption(SummaryCount::kPurchasePriceField)
              << caption(SummaryCount::kCurrentValueField) << tr("Gain/Loss");
    }
    return texts;
}

QString SummaryDialogModel::moneyText(double value)
{
    return QLocale().toString(value, 'f', 2);
}

QStringList SummaryDialogModel::row(int index) const
{
    const TSummaryRec &group = m_list.at(index);
    QStringList cells { group.key, QString::number(group.count),
        SummaryList::percentText(group.count, m_list.total()) };
    if (m_valuesShown)
        cells << moneyText(group.purchasePrice) << moneyText(group.currentValue)
              << moneyText(group.gainOrLoss());
    return cells;
}

QString SummaryDialogModel::totalText() const
{
    return QString::number(m_list.total());
}

QStringList SummaryDialogModel::valueTotals() const
{
    if (!m_valuesShown)
        return {};
    return { moneyText(m_list.totalPurchasePrice()), moneyText(m_list.totalCurrentValue()),
        moneyText(m_list.totalGainOrLoss()) };
}

int SummaryDialogModel::gridRowCount(int current) const
{
    return std::max(current, m_list.size() + 1);
}

bool SummaryDialogModel::checkNotEmpty() const
{
    if (!m_list.isEmpty())
        return true;
    showMessage(MessageKind::Information, emptyListText());
    return false;
}

} // namespace zendrova

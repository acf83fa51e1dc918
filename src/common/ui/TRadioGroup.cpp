#include "common/ui/TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zendrova {

TRadioGroup::TRadioGroup(
    const QString &objectName, const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_group(new QButtonGroup(this))
{
    setObjectName(objectName);
    new QVBoxLayout(this);
    setItems(items);
    connect(m_group, &QButtonGroup::idClicked, this, &TRadioGroup::clicked);
}

void TRadioGroup::setItems(const QStringList &items)
{
    for (QAbstractButton *button : m_group->buttons()) {
        m_group->removeButton(button);
        delete button;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items.at(i), this);
        m_group->addButton(radio, i);
        layout()->addWidget(radio);
    }
}

int TRadioGroup::ItemIndex() const
{
    return m_group->checkedId();
}

void TRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_group->button(index))
        button->setChecked(true);
}

QRadioButton *TRadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

int TRadioGroup::count() const
{
    return int(m_group->buttons().size());
}

} // namespace zendrova

#include "output/LabelTemplates.h"

#include "common/Interaction.h"

#include <utility>

namespace zendrova {

bool LabelTemplates::save(
    TLabelRec &current, const QString &userFolder, const std::function<void()> &writeControls)
{
    TLabelList list;
    if (!list.read(userFolder)) {
        showMessage(MessageKind::Error, list.error());
        return false;
    }
    QString name;
    for (;;) {
        const auto answer = Interaction::current().inputText(
            tr("Save Report Template"), tr("Enter Report Name:"), QString());
        if (!answer)
            return false;
        name = *answer;
        if (!name.isEmpty() && list.find(name) == TLabelList::kNotFound)
            break;
        showMessage(MessageKind::Information, tr("This Name Is Already In Use. Please Try Again."));
    }
    writeControls();
    TLabelRec copy;
    copy.copyFrom(current);
    copy.Name = name;
    list.append(copy);
    if (!list.write(userFolder)) {
        showMessage(MessageKind::Error, list.error());
        return false;
    }
    return true;
}

LabelLoadModel::LabelLoadModel(QString userFolder)
    : m_userFolder(std::move(userFolder))
{ }

bool LabelLoadModel::open()
{
    if (!m_list.read(m_userFolder)) {
        showMessage(MessageKind::Error, m_list.error());
        return false;
    }
    m_selected = m_list.count() > 0 ? 0 : -1;
    return true;
}

QStringList LabelLoadModel::names() const
{
    QStringList names;
    for (int i = 0; i < m_list.count(); ++i)
        names.append(m_list.at(i).Name);
    return names;
}

void LabelLoadModel::select(int index)
{
    m_selected = index >= 0 && index < m_list.count() ? index : -1;
}

void LabelLoadModel::deleteSelected()
{
    if (!askYesNo(MessageKind::Warning, tr("Delete Selected Item?")) || m_selected < 0)
        return;
    m_list.remove(m_selected);
    m_selected = std::min(m_selected, m_list.count() - 1);
}

bool LabelLoadModel::accept(TLabelRec &current)
{
    if (!m_list.write(m_userFolder)) {
        showMessage(MessageKind::Error, m_list.error());
        return false;
    }
    if (m_selected >= 0)
        current.copyFrom(m_list.at(m_selected));
    return true;
}

} // namespace zendrova

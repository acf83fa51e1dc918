#include "shell/OptionsLabels.h"

#include "common/CaptionList.h"
#include "common/Interaction.h"
#include "mainwin/CaptionEditing.h"

namespace zendrova {

OptionsLabels::OptionsLabels(CaptionList &captions, QString userFolder)
    : m_captions(captions)
    , m_userFolder(std::move(userFolder))
{
    m_captions.fillDefaultsIfEmpty();
    copyIn();
}

void OptionsLabels::copyIn()
{
    m_items = m_captions.captions();
    m_selected = m_items.isEmpty() ? -1 : 0;
}

void OptionsLabels::copyOut()
{
    m_captions.setCaptions(m_items);
}

void OptionsLabels::select(int index)
{
    if (index >= 0 && index < m_items.size())
        m_selected = index;
}

bool OptionsLabels::change(const QString &newText)
{
    if (CaptionEditing::isBlank(newText)) {
        showMessage(MessageKind::Error, tr("Empty Labels are not Allowed!"));
        return false;
    }
    if (m_selected < 0) {
        showMessage(MessageKind::Error, tr("Please select the Label first!"));
        return false;
    }
    // The item's own text does not count as taken.
    const QString old = m_items.at(m_selected);
    m_items[m_selected].clear();
    if (m_items.contains(newText)) {
        m_items[m_selected] = old;
        showMessage(MessageKind::Error, tr("Duplicate Labels are not Allowed!"));
        return false;
    }
    m_items[m_selected] = newText;
    return true;
}

bool OptionsLabels::load(const QString &templateFileName)
{
    if (!CaptionEditing(m_captions, m_userFolder).loadFromTemplateFile(templateFileName))
        return false;
    const int selected = m_selected;
    copyIn();
    select(selected);
    return true;
}

bool OptionsLabels::saveAsTemplate()
{
    copyOut();
    return CaptionEditing(m_captions, m_userFolder).saveAsTemplate();
}

bool OptionsLabels::store()
{
    copyOut();
    return m_captions.save(m_userFolder);
}

} // namespace zendrova

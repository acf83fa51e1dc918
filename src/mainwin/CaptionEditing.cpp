#include "mainwin/CaptionEditing.h"

#include "common/Interaction.h"
#include "mainwin/TLabelTemplateList.h"
#include "mainwin/TemplateNaming.h"

namespace zendrova {

CaptionEditing::CaptionEditing(CaptionList &captions, QString userFolder)
    : m_captions(captions)
    , m_userFolder(std::move(userFolder))
{ }

bool CaptionEditing::isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 32)
            return false;
    }
    return true;
}

bool CaptionEditing::isDuplicate(const QString &text) const
{
    for (const QString &caption : m_captions.captions()) {
        if (caption.compare(text, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool CaptionEditing::changeCaption(int fieldNumber)
{
    if (fieldNumber < 1 || fieldNumber > CaptionList::kCount)
        return false;
    m_captions.fillDefaultsIfEmpty();
    const auto text = Interaction::current().inputText(
        tr("Change Label Text"), tr("Enter New Text:"), m_captions.caption(fieldNumber));
    if (!text)
        return false;
    if (isBlank(*text)) {
        showMessage(MessageKind::Error, tr("Empty Labels are not Allowed!"));
        return false;
    }
    if (isDuplicate(*text)) {
        showMessage(MessageKind::Error, tr("Duplicate Labels are not Allowed!"));
        return false;
    }
    m_captions.setCaption(fieldNumber, *text);
    // A failed save is reported by the list; the new caption stays in use.
    m_captions.save(m_userFolder);
    return true;
}

bool CaptionEditing::saveAsTemplate()
{
    const auto name = TemplateNaming::askName(tr("Save Labels As Template"));
    if (!name)
        return false;
    m_captions.fillDefaultsIfEmpty();
    TLabelTemplateList templates(m_captions);
    return TemplateNaming::addTemplate(templates, m_userFolder, *name);
}

bool CaptionEditing::deleteTemplate(TLabelTemplateList &templates, int index)
{
    if (index < 0 || index >= templates.size())
        return false;
    if (!askYesNo(MessageKind::Confirmation, tr("Delete Selected Template?")))
        return false;
    return templates.deleteTemplate(index);
}

bool CaptionEditing::loadFromTemplateFile(const QString &fileName)
{
    TLabelTemplateList templates(m_captions);
    templates.loadList(m_userFolder);
    if (!templates.loadFile(fileName)) {
        showMessage(MessageKind::Error, tr("Error Loading Template."));
        return false;
    }
    m_captions.save(m_userFolder);
    return true;
}

} // namespace zendrova

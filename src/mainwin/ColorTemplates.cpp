#include "mainwin/ColorTemplates.h"

#include "common/FileLookup.h"
#include "common/Interaction.h"
#include "common/TemplateWriteFailure.h"

namespace zendrova {

namespace {
QString listPath(const QString &userFolder)
{
    return programFilePath(userFolder, TColorList::kFileName);
}
} // namespace

bool ColorTemplates::saveAsTemplate(const QString &userFolder, const ColorScheme &scheme)
{
    const auto name = Interaction::current().inputText(
        tr("Save Colors As Template"), tr("Template Name:"), QString());
    if (!name || name->isEmpty())
        return false;
    TColorList list;
    list.load(userFolder);
    if (!list.add(*name, scheme)) {
        showMessage(MessageKind::Error, tr("Duplicate name - template not saved!"));
        return false;
    }
    if (list.save(userFolder))
        return true;
    TemplateWriteFailure::reportNotSaved(listPath(userFolder));
    return false;
}

ColorTemplates::ColorTemplates(QString userFolder)
    : m_userFolder(std::move(userFolder))
{
    m_list.load(m_userFolder);
    m_selected = m_list.size() > 0 ? 0 : -1;
}

QStringList ColorTemplates::names() const
{
    QStringList names;
    for (const TColorRec &item : m_list.items())
        names.append(item.name);
    return names;
}

void ColorTemplates::select(int index)
{
    if (index >= 0 && index < m_list.size())
        m_selected = index;
}

bool ColorTemplates::deleteSelected()
{
    if (m_selected < 0)
        return false;
    if (!askYesNo(MessageKind::Confirmation, tr("Delete Selected Color Template?")))
        return false;
    m_list.removeAt(m_selected);
    m_deleted = true;
    m_selected = std::min(m_selected, m_list.size() - 1);
    return true;
}

bool ColorTemplates::accept(ColorScheme &scheme)
{
    const bool chosen = m_selected >= 0;
    if (chosen)
        scheme = m_list.items().at(m_selected).scheme;
    // Unchanged, the file stays as it is: it may hold templates that could not be read.
    if (m_deleted && !m_list.save(m_userFolder))
        TemplateWriteFailure::reportNotDeleted(listPath(m_userFolder));
    return chosen;
}

} // namespace zendrova

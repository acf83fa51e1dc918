#include "output/ReportTemplates.h"

#include "common/Interaction.h"
#include "output/ReportFiles.h"
#include "output/TReportRec.h"

namespace zendrova {

QString ReportTemplates::nameInUseText()
{
    return tr("This Name Is Already In Use. Please Try Again.");
}

bool ReportTemplates::save(const QString &userFolder, TReportRec &current,
                           const std::function<void()> &beforeCopy)
{
    TReportList list;
    if (!ReportFiles::readTemplates(userFolder, list))
        return false;
    QString name;
    for (;;) {
        const std::optional<QString> entered = Interaction::current().inputText(
            tr("Save Report Template"), tr("Enter Report Name:"), QString());
        if (!entered)
            return false;
        if (!entered->isEmpty() && !list.findByName(*entered)) {
            name = *entered;
            break;
        }
        showMessage(MessageKind::Information, nameInUseText());
    }
    if (beforeCopy)
        beforeCopy();
    auto saved = std::make_unique<TReportRec>();
    saved->copyFrom(current);
    saved->Name = name;
    list.append(std::move(saved));
    return ReportFiles::writeTemplates(userFolder, list);
}

ReportTemplatePicker::ReportTemplatePicker(QString userFolder)
    : m_userFolder(std::move(userFolder))
{ }

bool ReportTemplatePicker::load()
{
    return ReportFiles::readTemplates(m_userFolder, m_list);
}

QStringList ReportTemplatePicker::names() const
{
    QStringList names;
    for (int i = 0; i < m_list.count(); ++i)
        names << m_list.at(i).Name;
    return names;
}

bool ReportTemplatePicker::deleteEntry(int index)
{
    if (!askYesNo(MessageKind::Warning, tr("Delete Selected Item?")))
        return false;
    if (index < 0 || index >= m_list.count())
        return false;
    m_list.deleteAt(index);
    return true;
}

bool ReportTemplatePicker::accept(std::optional<int> selected, TReportRec &current)
{
    if (!ReportFiles::writeTemplates(m_userFolder, m_list))
        return false;
    if (selected && *selected >= 0 && *selected < m_list.count())
        current.copyFrom(m_list.at(*selected));
    return true;
}

} // namespace zendrova

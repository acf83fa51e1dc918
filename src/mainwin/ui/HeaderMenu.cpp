#include "mainwin/ui/HeaderMenu.h"

#include "common/CaptionList.h"
#include "common/Interaction.h"
#include "mainwin/HeaderTemplates.h"
#include "mainwin/ui/TOrvanHeader.h"

namespace zendrova {

namespace {

// Captions and names are shown as they are, not as mnemonics.
QString menuText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QStringList menuTexts(const QStringList &texts)
{
    QStringList shown;
    for (const QString &text : texts)
        shown.append(menuText(text));
    return shown;
}

} // namespace

HeaderMenu::HeaderMenu(TOrvanHeader &header)
    : QMenu(&header)
    , m_header(header)
{
    setObjectName(QStringLiteral("HeaderMenu"));
    m_insert = submenu("InsertNewField1", tr("&Insert New Field"));
    m_remove = submenu("RemoveField1", tr("&Remove Field"));
    addSeparator()->setObjectName(QStringLiteral("N1"));
    m_load = submenu("LoadFromTemplate1", tr("&Load From Template"));
    m_save = addAction(tr("&Save As Template"));
    m_save->setObjectName(QStringLiteral("SaveAsTemplate1"));
    connect(m_save, &QAction::triggered, this, [this] { m_header.saveAsTemplate(); });
    m_delete = submenu("DeleteTemplate1", tr("&Delete Template"));
    addSeparator()->setObjectName(QStringLiteral("N2"));
    m_help = addAction(tr("&Help"));
    m_help->setObjectName(QStringLiteral("Help1"));
    connect(m_help, &QAction::triggered, this,
        [] { Interaction::current().showHelp(TOrvanHeader::kHelpContext); });
    connect(this, &QMenu::aboutToShow, this, &HeaderMenu::rebuild);
}

QMenu *HeaderMenu::submenu(const char *name, const QString &title)
{
    QMenu *menu = addMenu(title);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

template <typename Value, typename Run>
void HeaderMenu::fill(QMenu *menu, const QList<Value> &values, const QStringList &texts, Run run)
{
    menu->clear();
    for (int i = 0; i < values.size(); ++i) {
        QAction *action = menu->addAction(texts.at(i));
        const Value value = values.at(i);
        action->setData(value);
        connect(action, &QAction::triggered, this, [run, value] { run(value); });
    }
}

void HeaderMenu::rebuild()
{
    const CaptionList &captions = m_header.captions();
    const HeaderSections &sections = m_header.sections();

    const QList<int> fields = sections.insertableFields(captions);
    QStringList fieldCaptions;
    for (const int field : fields)
        fieldCaptions.append(menuText(captions.captions().at(field)));
    fill(m_insert, fields, fieldCaptions, [this](int field) { m_header.insertField(field); });

    const QStringList removable = sections.removableCaptions(captions);
    fill(m_remove, removable, menuTexts(removable),
        [this](const QString &caption) { m_header.removeField(caption); });
    m_remove->menuAction()->setEnabled(sections.canRemove());

    const QStringList names = HeaderTemplates::names(m_header.userFolder());
    fill(m_load, names, menuTexts(names),
        [this](const QString &name) { m_header.loadFromTemplate(name); });
    fill(m_delete, names, menuTexts(names),
        [this](const QString &name) { m_header.deleteTemplate(name); });
    m_load->menuAction()->setEnabled(!names.isEmpty());
    m_delete->menuAction()->setEnabled(!names.isEmpty());
}

} // namespace zendrova

#include "mainwin/ui/CardMenu.h"

namespace zendrova {

CardMenu::CardMenu(const CommandTable &commands, QWidget *parent)
    : QMenu(parent)
    , m_commands(commands)
{
    setObjectName(QStringLiteral("PopupMenu3"));
    // Filled each time the menu opens by whoever keeps the templates and the buffer.
    m_replaceMenu = addMenu(tr("R&eplace Record With Template"));
    m_replaceMenu->menuAction()->setObjectName(QStringLiteral("LoadRecordFromTemplate1"));
    QAction *save = addAction(tr("&Save Record To Template"));
    save->setObjectName(QStringLiteral("SaveRecordToTemplate1"));
    connect(save, &QAction::triggered, this, &CardMenu::saveTemplateRequested);
    addSeparator()->setObjectName(QStringLiteral("N9"));
    m_viewBuffer = addMenu(tr("&View Copy Buffer"));
    m_viewBuffer->menuAction()->setObjectName(QStringLiteral("ViewBuffer3"));
    addSeparator()->setObjectName(QStringLiteral("N4"));
    item("Paste3", tr("&Paste Record"), MainCommand::PasteRecord);
    item("Copy3", tr("&Copy Record"), MainCommand::CopyRecord);
    item("Undo3", tr("&Undo Changes"), MainCommand::UndoRecord);
    item("Delete3", tr("&Delete Record"), MainCommand::DeleteRecord);
    item("Print3", tr("P&rint Record"), MainCommand::PrintRecord);
    item("Synchronize3", tr("S&ynchronize"), MainCommand::Synchronise);
    addSeparator()->setObjectName(QStringLiteral("Web1"));
    QAction *help = addAction(tr("&Help"));
    help->setObjectName(QStringLiteral("MenuItem7"));
    connect(help, &QAction::triggered, this, &CardMenu::helpRequested);
    connect(this, &QMenu::aboutToShow, this, &CardMenu::refresh);
}

QAction *CardMenu::item(const char *name, const QString &caption, MainCommand command)
{
    QAction *action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (command != MainCommand::None) {
        action->setProperty(kMainCommandProperty, int(command));
        connect(action, &QAction::triggered, this, [this, command] { emit commandChosen(command); });
        m_commandItems.append(action);
    }
    return action;
}

void CardMenu::refresh()
{
    for (QAction *action : std::as_const(m_commandItems))
        action->setEnabled(m_commands.available(MainCommand(action->property(kMainCommandProperty).toInt())));
}

} // namespace zendrova

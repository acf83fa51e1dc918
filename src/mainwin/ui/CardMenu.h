#pragma once

#include "mainwin/CommandTable.h"

#include <QMenu>

namespace zendrova {

// The card's popup menu PopupMenu3. Its record items take the state of the
// same commands on the record bar each time it opens; its template and copy
// buffer submenus are filled then by the window (aboutToShow).
class CardMenu : public QMenu
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 31;

    CardMenu(const CommandTable &commands, QWidget *parent = nullptr);

    QMenu *replaceMenu() const { return m_replaceMenu; }
    QMenu *viewBufferMenu() const { return m_viewBuffer; }

signals:
    void commandChosen(zendrova::MainCommand command);
    void helpRequested();
    void saveTemplateRequested();

private:
    QAction *item(const char *name, const QString &caption, MainCommand command);
    void refresh();

    const CommandTable &m_commands;
    QList<QAction *> m_commandItems;
    QMenu *m_replaceMenu = nullptr;
    QMenu *m_viewBuffer = nullptr;
};

} // namespace zendrova

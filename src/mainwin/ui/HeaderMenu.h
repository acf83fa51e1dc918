#pragma once

#include <QMenu>

namespace zendrova {

class TOrvanHeader;

// The header's popup menu. Its submenus are filled each time it opens; every
// submenu item carries its field index, caption or template name as data.
class HeaderMenu : public QMenu
{
    Q_OBJECT

public:
    explicit HeaderMenu(TOrvanHeader &header);

    QMenu *insertMenu() const { return m_insert; }
    QMenu *removeMenu() const { return m_remove; }
    QMenu *loadMenu() const { return m_load; }
    QMenu *deleteMenu() const { return m_delete; }
    QAction *saveItem() const { return m_save; }
    QAction *helpItem() const { return m_help; }

    // Fills the submenus from the header, its captions and the template list.
    void rebuild();

private:
    QMenu *submenu(const char *name, const QString &title);
    // Replaces the items of a submenu; each triggers run with its data.
    template <typename Value, typename Run>
    void fill(QMenu *menu, const QList<Value> &values, const QStringList &texts, Run run);

    TOrvanHeader &m_header;
    QMenu *m_insert = nullptr;
    QMenu *m_remove = nullptr;
    QMenu *m_load = nullptr;
    QAction *m_save = nullptr;
    QMenu *m_delete = nullptr;
    QAction *m_help = nullptr;
};

} // namespace zendrova

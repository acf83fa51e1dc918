#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QPushButton;

namespace zendrova {

// The template button's popups: the template menu (left click) picks the
// template New Record starts from, shown as the button's caption;
// TemplateRMenu (right click) replaces the card with a template or saves the
// card as one. Replace submenus elsewhere (the card menu's) are filled here too.
class RecordTemplateMenus : public QObject
{
    Q_OBJECT

public:
    RecordTemplateMenus(QPushButton *button, QWidget *parent);

    // The template names changed: every menu lists them anew.
    void setNames(const QStringList &names);
    // "Blank" and the template names, each replacing the card when chosen.
    void fillReplaceMenu(QMenu *menu);
    // Replacing needs a card that may be changed; so does saving.
    void setEditable(bool replace, bool save);

    QMenu *templateMenu() const { return m_templateMenu; }
    QMenu *rightMenu() const { return m_rightMenu; }
    QMenu *replaceMenu() const { return m_replaceMenu; }

signals:
    void replaceChosen(const QString &name);
    void saveRequested();

private:
    void fillTemplateMenu();

    QPushButton *m_button;
    QMenu *m_templateMenu;
    QMenu *m_rightMenu;
    QMenu *m_replaceMenu;
    QAction *m_saveItem;
    QStringList m_names;
};

} // namespace zendrova

#pragma once

#include "store/ListEditor.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QStringListModel;
class QTableView;

namespace zendrova {

// The Edit Lists window: choose a lookup list, edit, add and delete its items,
// refill every list from the current database. Closing packs every list.
class TListDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpContext = 65;

    // preselected: index of the list to show first (among the lookup lists in field order).
    explicit TListDlg(ListEditorSetup setup, int preselected = 0, QWidget *parent = nullptr);

    const ListEditor &editor() const { return m_editor; }
    void done(int result) override;

private:
    QGroupBox *buildListChoice();
    void chooseList(int index);
    void showRows();
    template<typename Step>
    void run(Step step);

    ListEditor m_editor;
    QButtonGroup *m_listButtons;
    QTableView *m_grid;
    QStringListModel *m_rows;
    bool m_closed = false;
};

} // namespace zendrova

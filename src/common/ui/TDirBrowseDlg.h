#pragma once

#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QTreeView;

namespace zendrova {

// The folder browser: a tree of folders and the path of the chosen one, which
// the user may also type, a folder that does not exist yet included. Whoever
// asked decides what to do with a missing folder.
class TDirBrowseDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpContext = 114;

    TDirBrowseDlg(const QString &caption, const QString &start, QWidget *parent = nullptr);

    QString folder() const;

private:
    void showInTree(const QString &path);

    QFileSystemModel *m_model;
    QTreeView *m_tree;
    QLineEdit *m_path;
};

} // namespace zendrova

#include "common/ui/TDirBrowseDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace zendrova {

TDirBrowseDlg::TDirBrowseDlg(const QString &caption, const QString &start, QWidget *parent)
    : QDialog(parent)
    , m_model(new QFileSystemModel(this))
    , m_tree(new QTreeView)
    , m_path(new QLineEdit)
{
    setObjectName(QStringLiteral("TDirBrowseDlg"));
    setWindowTitle(caption.isEmpty() ? tr("Select Directory") : caption);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    m_tree->setObjectName(QStringLiteral("DirTree"));
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    m_path->setObjectName(QStringLiteral("DirEdit"));
    m_path->setText(QDir::toNativeSeparators(start));

    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    auto *label = new QLabel(tr("&Folder:"));
    label->setBuddy(m_path);
    layout->addWidget(label);
    layout->addWidget(m_path);
    layout->addLayout(buttonRow({ buttons.ok, buttons.cancel, buttons.help }));
    resize(360, 420);

    connect(m_tree, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        m_path->setText(QDir::toNativeSeparators(m_model->filePath(index)));
    });
    showInTree(start);
    // Typing a path is the quick way, and the only one to a new folder.
    m_path->setFocus();
    m_path->selectAll();
}

void TDirBrowseDlg::showInTree(const QString &path)
{
    // A folder still to be made shows the nearest one that exists.
    QString existing = QDir::cleanPath(QDir::fromNativeSeparators(path));
    while (!existing.isEmpty() && !QFileInfo(existing).isDir()) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            break;
        existing = parent;
    }
    const QModelIndex index = m_model->index(existing);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_tree->scrollTo(index);
    }
}

QString TDirBrowseDlg::folder() const
{
    return m_path->text().trimmed();
}

} // namespace zendrova

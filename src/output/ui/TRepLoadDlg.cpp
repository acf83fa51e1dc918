#include "output/ui/TRepLoadDlg.h"

#include "common/ui/DialogButtons.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

TRepLoadDlg::TRepLoadDlg(const QString &userFolder, TReportRec &current, QWidget *parent)
    : QDialog(parent)
    , m_picker(userFolder)
    , m_current(current)
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("TRepLoadDlg"));
    setWindowTitle(tr("Load Report Template"));
    resize(388, 200);

    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setToolTip(tr("All Report Templates"));
    m_loaded = m_picker.load();
    m_list->addItems(m_picker.names());
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);

    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);
    buttons.cancel->setObjectName(QStringLiteral("BitBtn1"));
    QPushButton *remove = namedButton(QStringLiteral("Delete_Btn"), tr("&Delete"));
    connect(buttons.ok, &QPushButton::clicked, this, &TRepLoadDlg::choose);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TRepLoadDlg::choose);
    connect(remove, &QPushButton::clicked, this, &TRepLoadDlg::deleteSelected);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttonColumn({ buttons.ok, remove, buttons.cancel, buttons.help }));
}

bool TRepLoadDlg::run(const QString &userFolder, TReportRec &current, QWidget *parent)
{
    TRepLoadDlg dialog(userFolder, current, parent);
    return dialog.loaded() && dialog.exec() == QDialog::Accepted;
}

void TRepLoadDlg::choose()
{
    const int row = m_list->currentRow();
    if (!m_picker.accept(row >= 0 ? std::optional<int>(row) : std::nullopt, m_current))
        return;
    accept();
}

void TRepLoadDlg::deleteSelected()
{
    const int row = m_list->currentRow();
    if (m_picker.deleteEntry(row))
        delete m_list->takeItem(row);
}

} // namespace zendrova

#include "store/ui/TLoadDbDlg.h"

#include "common/TypedYes.h"
#include "common/ui/DialogButtons.h"
#include "common/ui/TDeleteDlg1.h"
#include "store/ui/TEditDbDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zendrova {

TLoadDbDlg::TLoadDbDlg(AppState &state, RecordStore &store, QWidget *parent)
    : QDialog(parent)
    , RadioGroup1(new QGroupBox(tr("Database Type"), this))
    , ListBox1(new QListWidget(this))
    , m_model(state, store)
    , m_folderChoice(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("LoadDbDlg"));
    setWindowTitle(tr("Load Database"));
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setToolTip(tr("Click Here To Display Public or Private Databases"));
    auto *radios = new QHBoxLayout(RadioGroup1);
    const QStringList items { tr("Private"), tr("Public") };
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items.at(i), RadioGroup1);
        radio->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        m_folderChoice->addButton(radio, i);
        radios->addWidget(radio);
    }
    m_folderChoice->button(m_model.showsPublicAtStart() ? 1 : 0)->setChecked(true);
    RadioGroup1->setEnabled(m_model.folderChoiceEnabled());
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setToolTip(tr("Click Here To Select Database"));
    auto *label = new QLabel(tr("Available Databases:"), this);
    label->setBuddy(ListBox1);

    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);
    OKBtn = buttons.ok;
    OKBtn->setText(tr("&Load"));
    OKBtn->setToolTip(tr("Load Selected Database"));
    CancelBtn = buttons.cancel;
    CancelBtn->setToolTip(tr("Close Dialog Box"));
    HelpBtn = buttons.help;
    Edit_Btn = namedButton(QStringLiteral("Edit_Btn"), tr("&Edit"));
    Edit_Btn->setToolTip(tr("Edit Database Information"));
    New_Btn = namedButton(QStringLiteral("New_Btn"), tr("&New"));
    New_Btn->setToolTip(tr("Create A New Database"));
    Delete_Btn = namedButton(QStringLiteral("Delete_Btn"), tr("&Delete"));
    Delete_Btn->setToolTip(tr("Delete Database"));

    connect(m_folderChoice, &QButtonGroup::idClicked, this,
        [this](int id) { RadioGroup1Click(id == 1); });
    connect(OKBtn, &QPushButton::clicked, this, &TLoadDbDlg::OKBtnClick);
    connect(Edit_Btn, &QPushButton::clicked, this, &TLoadDbDlg::Edit_BtnClick);
    connect(New_Btn, &QPushButton::clicked, this, &TLoadDbDlg::New_BtnClick);
    connect(Delete_Btn, &QPushButton::clicked, this, &TLoadDbDlg::Delete_BtnClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] {
        if (Edit_Btn->isEnabled())
            Edit_BtnClick();
    });

    auto *list = new QVBoxLayout;
    list->addWidget(RadioGroup1);
    list->addWidget(label);
    list->addWidget(ListBox1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(list);
    layout->addLayout(buttonColumn({ OKBtn, CancelBtn, HelpBtn, Edit_Btn, New_Btn, Delete_Btn }));

    // The dialog opens on the folder it shows, like a click on its radio button.
    RadioGroup1Click(m_model.showsPublicAtStart());
}

void TLoadDbDlg::RadioGroup1Click(bool publicFolder)
{
    if (m_model.showFolder(publicFolder))
        fillList();
    showButtonStates();
}

void TLoadDbDlg::fillList()
{
    ListBox1->clear();
    for (const DatabaseCatalog::Row &row : m_model.rows())
        ListBox1->addItem(row.name);
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
}

void TLoadDbDlg::showButtonStates()
{
    New_Btn->setEnabled(m_model.newEnabled());
    Edit_Btn->setEnabled(m_model.editEnabled());
    Delete_Btn->setEnabled(m_model.deleteEnabled());
}

void TLoadDbDlg::OKBtnClick()
{
    const auto chosen = m_model.load(ListBox1->currentRow());
    if (!chosen)
        return;
    m_chosen = *chosen;
    accept();
}

void TLoadDbDlg::done(int result)
{
    if (!m_finished) {
        m_finished = true;
        if (result != QDialog::Accepted)
            m_model.cancel();
        m_model.finish();
    }
    QDialog::done(result);
}

void TLoadDbDlg::Edit_BtnClick()
{
    const int row = ListBox1->currentRow();
    if (row < 0)
        return;
    const DatabaseCatalog::Row &shown = m_model.rows().at(row);
    TEditDbDlg dialog(shown.name, shown.description, shown.fileName, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_model.edit(row, dialog.Edit1->text(), dialog.Edit2->text());
    ListBox1->item(row)->setText(m_model.rows().at(row).name);
}

void TLoadDbDlg::New_BtnClick()
{
    TEditDbDlg dialog(QString(), QString(), QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto added = m_model.addNew(dialog.Edit1->text(), dialog.Edit2->text());
    if (!added)
        return;
    ListBox1->addItem(m_model.rows().at(*added).name);
    ListBox1->setCurrentRow(*added);
    showButtonStates();
}

void TLoadDbDlg::Delete_BtnClick()
{
    const int row = ListBox1->currentRow();
    const auto askTypedYes = [this] {
        return TDeleteDlg1::ask(LoadDatabase::confirmCaption(), LoadDatabase::confirmFirstLine(),
            TypedYes::cannotBeUndoneText(), this);
    };
    if (row < 0 || !m_model.remove(row, askTypedYes))
        return;
    delete ListBox1->takeItem(row);
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    showButtonStates();
}

} // namespace zendrova

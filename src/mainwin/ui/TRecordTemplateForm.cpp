#include "mainwin/ui/TRecordTemplateForm.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"
#include "mainwin/RecordTemplates.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

namespace {
constexpr int kFirstBoxTop = 20;
constexpr int kBoxGap = 8;
constexpr int kBoxLeft = 10;
} // namespace

TRecordTemplateForm::TRecordTemplateForm(RecordTemplates &templates, QWidget *parent)
    : QDialog(parent)
    , m_templates(templates)
{
    setObjectName(QStringLiteral("TRecordTemplateForm"));
    setWindowTitle(tr("Save Record As Template"));

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setToolTip(tr("Enter New Or Existing Template Name"));
    auto *nameLabel = new QLabel(tr("Template Name:"));
    nameLabel->setObjectName(QStringLiteral("Label1"));
    nameLabel->setBuddy(m_name);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setToolTip(tr("Double Click To Change"));
    auto *listLabel = new QLabel(tr("Existing Templates:"));
    listLabel->setObjectName(QStringLiteral("Label2"));
    listLabel->setBuddy(m_list);

    m_delete = namedButton(QStringLiteral("DeleteBtn"), tr("&Delete"));
    m_delete->setToolTip(tr("Delete Selected Template"));
    m_delete->setEnabled(false);
    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);

    auto *fields = new QVBoxLayout;
    fields->addWidget(nameLabel);
    fields->addWidget(m_name);
    fields->addWidget(listLabel);
    fields->addWidget(m_list, 1);
    fields->addWidget(m_delete, 0, Qt::AlignLeft);
    fields->addWidget(buildDateBoxes());
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttonColumn({ buttons.ok, buttons.cancel, buttons.help }));

    connect(m_list, &QListWidget::itemClicked, this, &TRecordTemplateForm::ListBox1Click);
    connect(m_list, &QListWidget::currentRowChanged, this, &TRecordTemplateForm::ListBox1Click);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TRecordTemplateForm::ListBox1DblClick);
    connect(m_delete, &QPushButton::clicked, this, &TRecordTemplateForm::DeleteBtnClick);
    connect(buttons.ok, &QPushButton::clicked, this, &TRecordTemplateForm::OKBtnClick);
    showNames();
}

QGroupBox *TRecordTemplateForm::buildDateBoxes()
{
    auto *group = new QGroupBox(tr("Set Date To System Date:"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    int top = kFirstBoxTop;
    int widest = 0;
    for (const RecordTemplates::DateField &field : m_templates.dateFields()) {
        auto *box = new QCheckBox(field.caption, group);
        box->setObjectName(QStringLiteral("DateBox%1").arg(m_dateBoxes.size() + 1));
        box->adjustSize();
        box->move(kBoxLeft, top);
        top += box->height() + kBoxGap;
        widest = std::max(widest, box->width());
        m_dateBoxes << box;
        m_datePositions << field.position;
    }
    group->setMinimumSize(widest + 2 * kBoxLeft, top);
    return group;
}

void TRecordTemplateForm::showNames()
{
    m_list->clear();
    m_list->addItem(TRecordTemplateList::kBlank);
    m_list->addItems(m_templates.list().names());
    m_delete->setEnabled(false);
}

void TRecordTemplateForm::ListBox1Click()
{
    // "Blank" stands for no template: there is nothing to delete.
    m_delete->setEnabled(m_list->currentRow() > 0);
}

void TRecordTemplateForm::ListBox1DblClick()
{
    const int row = m_list->currentRow();
    if (row <= 0)
        return;
    m_name->setText(m_list->item(row)->text());
    const QList<int> marked = m_templates.todayFields(row - 1);
    for (int i = 0; i < m_dateBoxes.size(); ++i)
        m_dateBoxes[i]->setChecked(marked.contains(m_datePositions[i]));
}

void TRecordTemplateForm::DeleteBtnClick()
{
    if (!askYesNo(MessageKind::Confirmation, RecordTemplates::deleteQuestionText()))
        return;
    const int row = m_list->currentRow();
    if (row <= 0)
        return;
    if (m_templates.remove(row - 1))
        delete m_list->takeItem(row);
    m_delete->setEnabled(m_list->currentRow() > 0);
}

void TRecordTemplateForm::OKBtnClick()
{
    const std::optional<int> index = m_templates.chooseName(m_name->text());
    if (!index)
        return;
    Choice choice { *index, {} };
    for (int i = 0; i < m_dateBoxes.size(); ++i) {
        if (m_dateBoxes[i]->isChecked())
            choice.todayPositions << m_datePositions[i];
    }
    m_choice = choice;
    accept();
}

} // namespace zendrova

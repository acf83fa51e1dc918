#include "store/ui/TListDlg.h"

#include "common/Interaction.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zendrova {

namespace {
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &hint)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TListDlg::TListDlg(ListEditorSetup setup, int preselected, QWidget *parent)
    : QDialog(parent)
    , m_editor(std::move(setup))
    , m_listButtons(new QButtonGroup(this))
    , m_grid(new QTableView(this))
    , m_rows(new QStringListModel(this))
{
    setObjectName(QStringLiteral("TListDlg"));
    setWindowTitle(tr("Edit Lists"));

    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setToolTip(tr("Click Here To Select List Item"));
    m_grid->setModel(m_rows);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { m_editor.setCurrentRow(current.row()); });

    auto *elements = new QLabel(tr("List Elements:"), this);
    elements->setObjectName(QStringLiteral("Label1"));
    elements->setBuddy(m_grid);

    auto *editBtn = button(this, "Edit_Btn", tr("&Edit"), tr("Edit List Item"));
    auto *newBtn = button(this, "New_Btn", tr("&New"), tr("Create New List Item"));
    auto *deleteBtn = button(this, "Delete_Btn", tr("&Delete"), tr("Delete List Item"));
    auto *updateBtn = button(this, "UpdateBtn", tr("&Update Lists"), tr("Update All Lists From Current Database"));
    auto *okBtn = button(this, "OKBtn", tr("&Close"), tr("Close This Window"));
    auto *helpBtn = button(this, "HelpBtn", tr("&Help"), tr("Display Help Window"));
    connect(editBtn, &QPushButton::clicked, this, [this] { run([this] { m_editor.editItem(); }); });
    connect(newBtn, &QPushButton::clicked, this, [this] { run([this] { m_editor.newItem(); }); });
    connect(deleteBtn, &QPushButton::clicked, this, [this] { run([this] { m_editor.deleteItem(); }); });
    connect(updateBtn, &QPushButton::clicked, this, [this] {
        run([this] {
            m_editor.updateLists();
            if (QAbstractButton *first = m_listButtons->button(0))
                first->setChecked(true);
        });
    });
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(helpBtn, &QPushButton::clicked, this, [] { Interaction::current().showHelp(kHelpContext); });

    auto *gridColumn = new QVBoxLayout;
    gridColumn->addWidget(elements);
    gridColumn->addWidget(m_grid);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {editBtn, newBtn, deleteBtn, updateBtn, okBtn, helpBtn})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(buildListChoice());
    layout->addLayout(gridColumn, 1);
    layout->addLayout(buttons);

    if (QAbstractButton *chosen = m_listButtons->button(preselected)) {
        chosen->setChecked(true);
        chooseList(preselected);
    }
}

QGroupBox *TListDlg::buildListChoice()
{
    auto *group = new QGroupBox(tr("Lists"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    group->setToolTip(tr("Select List for Editing"));
    auto *column = new QVBoxLayout(group);
    const auto &lists = m_editor.lists();
    for (int i = 0; i < lists.size(); ++i) {
        auto *radio = new QRadioButton(lists[i].caption, group);
        m_listButtons->addButton(radio, i);
        column->addWidget(radio);
    }
    column->addStretch();
    connect(m_listButtons, &QButtonGroup::idClicked, this, [this](int index) { run([this, index] { chooseList(index); }); });
    return group;
}

void TListDlg::chooseList(int index)
{
    m_editor.selectList(index);
    showRows();
}

void TListDlg::showRows()
{
    const int row = m_editor.currentRow();
    m_rows->setStringList(m_editor.rows());
    if (row >= 0)
        m_grid->setCurrentIndex(m_rows->index(row));
}

template<typename Step>
void TListDlg::run(Step step)
{
    step();
    showRows();
    m_grid->setFocus();
}

void TListDlg::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        m_editor.close();
    }
    QDialog::done(result);
}

} // namespace zendrova

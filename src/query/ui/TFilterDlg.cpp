#include "query/ui/TFilterDlg.h"

#include "query/TFilterTemplateList.h"
#include "query/ui/FilterEntryDelegate.h"
#include "query/ui/TFieldFilterDlg.h"
#include "query/ui/TLoadFiltersDlg.h"

#include "store/FieldModel.h"
#include "store/FilterTemplateSource.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zendrova {

namespace {
QPushButton *button(const char *name, const QString &caption, const QString &hint)
{
    QPushButton *b = namedButton(QLatin1String(name), caption);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QListWidget *fieldList(QWidget *parent, const char *name, const QString &hint)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setToolTip(hint);
    return list;
}

QVBoxLayout *labelled(QWidget *parent, const char *name, const QString &text, QListWidget *list)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(list);
    auto *column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(list, 1);
    return column;
}
} // namespace

TFilterDlg::TFilterDlg(FilterDialogSetup setup, QWidget *parent)
    : QDialog(parent)
    , m_setup(std::move(setup))
    , m_model(m_setup.filter, m_setup.state.captions, m_setup.fields, m_setup.scope)
    , m_allFields(fieldList(this, "ListBox1", tr("All Fields That Can Be Used In Filters")))
    , m_usedFields(fieldList(this, "ListBox2", tr("Fields Used In Filter")))
{
    setObjectName(QStringLiteral("TFilterDlg"));
    setWindowTitle(tr("Set Filter"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    setFont(font);
    // Wide enough for the captions without a scroll bar.
    for (QListWidget *list : { m_allFields, m_usedFields })
        list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("Purchase Price:")) + 40);
    resize(522, 296);
    m_usedFields->setItemDelegate(
        new FilterEntryDelegate([this](int row) { return m_model.isTicked(row); }, m_usedFields));
    connect(m_allFields, &QListWidget::itemDoubleClicked, this, &TFilterDlg::addClicked);
    connect(m_usedFields, &QListWidget::itemDoubleClicked, this, &TFilterDlg::editClicked);
    connect(m_usedFields, &QListWidget::currentRowChanged, this,
        [this](int row) { m_model.select(row); });

    auto *label3 = new QLabel(tr("Use it ONLY after you have modified the Filter and want the new "
                                 "filter to take effect or after Non-Stop Search."),
        this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    QVBoxLayout *middle = buildButtons();
    auto *right = new QVBoxLayout;
    right->addWidget(buildScope());
    right->addWidget(m_apply);
    right->addWidget(label3);
    right->addWidget(m_ok);
    right->addWidget(m_help);
    right->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(labelled(this, "Label1", tr("All Fields:"), m_allFields), 1);
    layout->addLayout(middle);
    layout->addLayout(labelled(this, "Label2", tr("Fields Used In Filter:"), m_usedFields), 1);
    layout->addLayout(right);

    m_allFields->addItems(m_model.allFields());
    if (m_allFields->count() > 0)
        m_allFields->setCurrentRow(0);
    m_allFields->setFocus();
    showEntries();
}

QVBoxLayout *TFilterDlg::buildButtons()
{
    m_add = button("Add_Btn", tr("&Add"), tr("Add Field To Filter"));
    m_remove = button("Remove_Btn", tr("&Remove"), tr("Remove Field From Filter"));
    m_removeAll = button("RemoveAll_Btn", tr("Re&move All"), tr("Remove All Fields From Filter"));
    m_edit = button("Edit_Btn", tr("&Edit"), tr("Edit Filter For Selected Field"));
    m_load = button("BitBtn1", tr("&Load"), tr("Load From Filter Template"));
    m_save = button("BitBtn2", tr("&Save"), tr("Save As Filter Template"));
    m_apply = button("OKBtn", tr("A&pply"),
        tr("Close and Apply Filter - Use ONLY After You Have Modified The Filter"));
    m_ok = button("CancelBtn", tr("&OK"), tr("Close and Update Filter Scope"));
    m_ok->setDefault(true);
    m_help = button("HelpBtn", tr("&Help"), tr("Display Help Window"));

    connect(m_add, &QPushButton::clicked, this, &TFilterDlg::addClicked);
    connect(m_remove, &QPushButton::clicked, this, &TFilterDlg::removeClicked);
    connect(m_removeAll, &QPushButton::clicked, this, &TFilterDlg::removeAllClicked);
    connect(m_edit, &QPushButton::clicked, this, &TFilterDlg::editClicked);
    connect(m_load, &QPushButton::clicked, this, &TFilterDlg::loadClicked);
    connect(m_save, &QPushButton::clicked, this,
        [this] { FilterTemplateMenu::saveAs(m_setup.templates); });
    connect(m_apply, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(m_ok, &QPushButton::clicked, this, [this] { done(kYesResult); });
    connect(
        m_help, &QPushButton::clicked, this, [] { Interaction::current().showHelp(kHelpContext); });
    return buttonColumn({ m_add, m_remove, m_removeAll, m_edit, m_load, m_save });
}

QWidget *TFilterDlg::buildScope()
{
    auto *group = new QGroupBox(tr("Filter Scope"), this);
    group->setObjectName(QStringLiteral("Filter_RG"));
    m_scope = new QButtonGroup(group);
    auto *column = new QVBoxLayout(group);
    const FilterScope scopes[]
        = { FilterScope::AllRecords, FilterScope::NormalFilter, FilterScope::ReversedFilter };
    for (const FilterScope scope : scopes) {
        const int id = static_cast<int>(scope);
        auto *radio = new QRadioButton(filterScopeCaption(scope), group);
        radio->setObjectName(QStringLiteral("Filter_RG_%1").arg(id));
        radio->setChecked(scope == m_model.chosenScope());
        m_scope->addButton(radio, id);
        column->addWidget(radio);
    }
    connect(m_scope, &QButtonGroup::idClicked, this,
        [this](int id) { m_model.chooseScope(static_cast<FilterScope>(id)); });
    return group;
}

void TFilterDlg::showEntries()
{
    const QSignalBlocker quiet(m_usedFields);
    m_usedFields->clear();
    m_usedFields->addItems(m_model.usedFields());
    m_usedFields->setCurrentRow(m_model.selected());
    m_edit->setEnabled(m_model.editEnabled());
    m_apply->setEnabled(m_model.applyEnabled());
    m_usedFields->viewport()->update();
}

void TFilterDlg::addClicked()
{
    const QListWidgetItem *item = m_allFields->currentItem();
    if (item && m_model.add(item->text()))
        showEntries();
}

void TFilterDlg::removeClicked()
{
    m_model.remove();
    showEntries();
}

void TFilterDlg::removeAllClicked()
{
    m_model.removeAll();
    showEntries();
}

void TFilterDlg::editClicked()
{
    const auto target = m_model.editTarget();
    if (!target)
        return;
    const auto [index, fieldPos] = *target;
    FieldFilterSetup setup { m_setup.filter, index, fieldPos, m_model.captionOf(fieldPos),
        m_setup.fields.kind(fieldPos),
        m_setup.lookupItems ? m_setup.lookupItems(fieldPos) : std::nullopt,
        m_setup.state.userOptions.filterDateFormat };
    TFieldFilterDlg dialog(std::move(setup), this);
    dialog.exec();
    showEntries();
}

void TFilterDlg::loadClicked()
{
    TLoadFiltersDlg picker(m_setup.templates, this);
    if (picker.exec() != QDialog::Accepted || picker.fileName().isEmpty())
        return;
    m_model.loadTemplate(m_setup.templates, picker.fileName());
    showEntries();
}

FilterDialogResult TFilterDlg::outcome() const
{
    return m_model.result(result() == QDialog::Accepted);
}

} // namespace zendrova

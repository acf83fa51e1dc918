// The seven pages of the Options dialog and their controls.
#include "shell/ui/TOptionsDlg.h"

#include "common/AppState.h"
#include "common/ui/DialogButtons.h"
#include "common/ui/TRadioGroup.h"
#include "editors/ui/TDirEdit.h"
#include "mainwin/ui/TColorDlgGrid.h"
#include "shell/ui/TUserLstDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

namespace {

QLabel *labelFor(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QLineEdit *readOnlyEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

} // namespace

TRadioGroup *TOptionsDlg::radio(
    const char *name, const QString &caption, const QStringList &items, int index, int *choice)
{
    auto *group = new TRadioGroup(QString::fromLatin1(name), caption, items);
    group->setItemIndex(index);
    if (choice)
        connect(group, &TRadioGroup::clicked, this, [choice](int item) { *choice = item; });
    return group;
}

QCheckBox *TOptionsDlg::check(const char *name, const QString &caption, bool *choice)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(*choice);
    connect(box, &QCheckBox::toggled, this, [choice](bool on) { *choice = on; });
    return box;
}

QWidget *TOptionsDlg::userInterfacePage()
{
    OptionsChoices &c = m_model.choices();
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("UserInterface_Page"));
    auto *grid = new QGridLayout(page);
    grid->addWidget(radio("MenusAndSpeedBars_GB", tr("Menus and Speed Bars"),
                        { tr("Show Both Menus and Speed Bars"), tr("Show Only Menus"),
                            tr("Show Only Speed Bars") },
                        c.menusAndSpeedBars, &c.menusAndSpeedBars),
        0, 0);
    grid->addWidget(radio("HintMessages_GB", tr("Hint Messages"),
                        { tr("Show Hint Messages"), tr("Hide Hint Messages") }, c.hintMessages,
                        &c.hintMessages),
        0, 1);
    grid->addWidget(radio("LetterTabs_GB", tr("Letter Tabs (A..Z)"),
                        { tr("Use Letter Tabs"), tr("Don't Use Letter Tabs") }, c.letterTabs,
                        &c.letterTabs),
        1, 0);
    grid->addWidget(radio("LTabsLoc_GB", tr("Letter Tabs Location"), { tr("Center"), tr("Right") },
                        c.letterTabsLocation, &c.letterTabsLocation),
        1, 1);
    grid->addWidget(radio("SpeedBar_GB", tr("SpeedBar Location"), { tr("Top"), tr("Bottom") },
                        c.speedBarLocation, &c.speedBarLocation),
        2, 0);
    grid->addWidget(radio("Delete_GB", tr("Record Delete Mode"),
                        { tr("Ask User To Confirm"), tr("Immediate Delete") }, c.recordDeleteMode,
                        &c.recordDeleteMode),
        2, 1);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(check("Tips_CB", tr("Display Tips On Startup"), &c.displayTips));
    boxes->addWidget(check("Drop_CB", tr("Auto-Fill"), &c.autoFill));
    boxes->addWidget(check("Remind_CB", tr("Don't Display Reminders"), &c.dontDisplayReminders));
    grid->addLayout(boxes, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget *TOptionsDlg::dataPage()
{
    OptionsChoices &c = m_model.choices();
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Data_Page"));
    auto *group = new QGroupBox(tr("Modify Labels"));
    group->setObjectName(QStringLiteral("Labels_GB"));

    m_labels = new QListWidget;
    m_labels->setObjectName(QStringLiteral("Labels_Lst"));
    m_labels->setToolTip(tr("Click To Select Label"));
    m_labelEdit = new QLineEdit;
    m_labelEdit->setObjectName(QStringLiteral("Label_Ed"));
    m_labelEdit->setToolTip(tr("Enter New Label Here"));
    QPushButton *update = namedButton(QStringLiteral("Update_Btn"), tr("Change"));
    update->setToolTip(tr("Replace Selected Label"));
    QPushButton *load = namedButton(QStringLiteral("BitBtn3"), tr("&Load"));
    load->setToolTip(tr("Click here to Load Labels From A Template"));
    QPushButton *save = namedButton(QStringLiteral("BitBtn4"), tr("&Save"));
    save->setToolTip(tr("Click here to Save Labels As A Template"));

    auto *groupLayout = new QGridLayout(group);
    groupLayout->addWidget(labelFor(tr("Labels:"), m_labels), 0, 0);
    groupLayout->addWidget(m_labels, 1, 0, 4, 1);
    groupLayout->addWidget(labelFor(tr("New Label:"), m_labelEdit), 0, 1);
    groupLayout->addWidget(m_labelEdit, 1, 1);
    groupLayout->addWidget(update, 2, 1);
    groupLayout->addLayout(buttonRow({ load, save }), 3, 1);
    groupLayout->setRowStretch(4, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group, 1);
    layout->addWidget(radio("DataFile_GB", tr("Initial Data File"),
        { tr("Load Default File"), tr("Load Last Used File") }, c.initialDataFile,
        &c.initialDataFile));

    connect(m_labels, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model.labels().select(row);
        if (row >= 0)
            m_labelEdit->setText(m_model.labels().items().value(row));
    });
    connect(update, &QPushButton::clicked, this, &TOptionsDlg::Update_BtnClick);
    connect(load, &QPushButton::clicked, this, &TOptionsDlg::BitBtn3Click);
    connect(save, &QPushButton::clicked, this, &TOptionsDlg::BitBtn4Click);
    showLabels();
    return page;
}

QWidget *TOptionsDlg::datePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Date_Page"));
    m_dateFields = radio("DateFields_GB", tr("Date Fields"), m_model.dateFieldCaptions(), -1,
        nullptr);
    m_dateFormat = radio("DateFormat_GB", tr("Date Format"),
        { tr("MM/DD/YYYY"), tr("DD/MM/YYYY"), tr("YYYY/MM/DD"), tr("YYYY") }, -1, nullptr);
    const bool enabled = m_model.dateFormatsEnabled();
    m_dateFields->setEnabled(enabled);
    m_dateFormat->setEnabled(enabled);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_dateFields, 0, Qt::AlignTop);
    layout->addWidget(m_dateFormat, 0, Qt::AlignTop);
    layout->addStretch();
    connect(m_dateFields, &TRadioGroup::clicked, this, [this](int field) {
        m_model.selectDateField(field);
        showDateFormat();
    });
    connect(m_dateFormat, &TRadioGroup::clicked, this,
        [this](int code) { m_model.chooseDateFormat(code); });
    if (enabled)
        showDateFormat();
    return page;
}

QWidget *TOptionsDlg::colorsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Colors_Page"));
    m_elements = new QListWidget;
    m_elements->setObjectName(QStringLiteral("Elements_Lst"));
    m_elements->setToolTip(tr("Click to select the list element"));
    m_elements->addItems(OptionsModel::elementNames());
    QFont fixed = m_elements->font();
    // The element names line up in columns.
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFamily(QStringLiteral("Monospace"));
    m_elements->setFont(fixed);
    m_colors = new TColorDlgGrid;
    m_colors->setObjectName(QStringLiteral("Color_Lst"));
    m_colors->setToolTip(tr("Click to select a Color"));
    QPushButton *load = namedButton(QStringLiteral("BitBtn1"), tr("&Load"));
    load->setToolTip(tr("Click here to Load Color Template"));
    QPushButton *save = namedButton(QStringLiteral("BitBtn2"), tr("&Save"));
    save->setToolTip(tr("Click here to Save Color Template"));

    auto *grid = new QGridLayout(page);
    grid->addWidget(labelFor(tr("Application Elements:"), m_elements), 0, 0);
    grid->addWidget(m_elements, 1, 0);
    grid->addWidget(labelFor(tr("Colors:"), m_colors), 0, 1);
    grid->addWidget(m_colors, 1, 1);
    grid->addLayout(buttonRow({ load, save }), 2, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);

    connect(m_elements, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model.selectElement(row);
        showColor();
    });
    m_colors->onCellClicked([this](int index) {
        m_model.chooseColor(index);
        showColor();
    });
    connect(load, &QPushButton::clicked, this, &TOptionsDlg::BitBtn1Click);
    connect(save, &QPushButton::clicked, this, &TOptionsDlg::BitBtn2Click);
    showColor();
    return page;
}

QWidget *TOptionsDlg::fontsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Fonts_Page"));
    m_fontComponent = new QComboBox;
    m_fontComponent->setObjectName(QStringLiteral("FontComponent_CB"));
    m_fontComponent->addItems(OptionsModel::fontComponentNames());
    m_fontName = readOnlyEdit("FontEd");
    m_fontStyle = readOnlyEdit("StyleEd");
    m_fontSize = readOnlyEdit("SizeEd");
    QPushButton *change = namedButton(QStringLiteral("FontBtn"), tr("Change Font"));
    change->setToolTip(tr("Select Font"));

    auto *form = new QFormLayout;
    form->addRow(tr("Component"), m_fontComponent);
    form->addRow(tr("Font Name:"), m_fontName);
    form->addRow(tr("Font Style:"), m_fontStyle);
    form->addRow(tr("Font Size:"), m_fontSize);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addLayout(buttonRow({ change }));
    layout->addStretch();

    connect(m_fontComponent, &QComboBox::activated, this, [this](int component) {
        m_model.selectFontComponent(component);
        showFont();
    });
    connect(change, &QPushButton::clicked, this, &TOptionsDlg::FontBtnClick);
    showFont();
    return page;
}

QWidget *TOptionsDlg::securityPage()
{
    OptionsChoices &c = m_model.choices();
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Security_Page"));
    m_dataDir = new TDirEdit;
    m_dataDir->setObjectName(QStringLiteral("DataDir_Ed"));
    m_dataDir->setText(c.dataDirectory);
    connect(m_dataDir, &QLineEdit::textChanged, this,
        [this](const QString &text) { m_model.choices().dataDirectory = text; });
    m_accessMode = radio("AccessMode_GB", tr("Public Files Access Rights (All Users)"),
        { tr("As Specified In Accounts"), tr("Read and Write"), tr("Read Only"), tr("None") },
        c.accessRights, &c.accessRights);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(labelFor(tr("Data Root Directory:"), m_dataDir));
    layout->addWidget(m_dataDir);
    layout->addWidget(radio("Password_GB", tr("Password"),
        { tr("Password Required"), tr("Password Not Required") }, c.passwordMode,
        &c.passwordMode));
    layout->addWidget(m_accessMode);
    layout->addStretch();
    return page;
}

QWidget *TOptionsDlg::usersPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Users_Page"));
    m_userCount = radio("UserCount_GB", tr("Users Count"),
        { tr("1-User System"), tr("Multi-User System") }, -1, nullptr);
    m_userAccounts = namedButton(QStringLiteral("UserAccts_Btn"), tr("&User Accounts"));
    m_userAccounts->setToolTip(tr("View or Modify User Accounts"));

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_userCount);
    layout->addLayout(buttonRow({ m_userAccounts }));
    layout->addStretch();

    connect(m_userCount, &TRadioGroup::clicked, this, &TOptionsDlg::UserCount_GBClick);
    connect(m_userAccounts, &QPushButton::clicked, this,
        [this] { TUserLstDlg::run(m_state, this); });
    showUsersCount();
    return page;
}

} // namespace zendrova

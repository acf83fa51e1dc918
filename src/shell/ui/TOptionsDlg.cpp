#include "shell/ui/TOptionsDlg.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"
#include "common/ui/TRadioGroup.h"
#include "mainwin/ColorTemplates.h"
#include "mainwin/TLabelTemplateList.h"
#include "mainwin/ui/TColorDlgGrid.h"
#include "mainwin/ui/TLoadColorsDlg.h"
#include "mainwin/ui/TLoadLabelsDlg.h"
#include "shell/ui/TUserLstDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace zendrova {

TOptionsDlg::TOptionsDlg(AppState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_model(state)
{
    setObjectName(QStringLiteral("TOptionsDlg"));
    setWindowTitle(tr("Options"));
    // No title-bar buttons: the changes are kept by "&Close" alone.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("Notebook1"));
    m_pages->addWidget(userInterfacePage());
    m_pages->addWidget(dataPage());
    m_pages->addWidget(datePage());
    m_pages->addWidget(colorsPage());
    m_pages->addWidget(fontsPage());
    m_pages->addWidget(securityPage());
    m_pages->addWidget(usersPage());

    m_tabs = new QTabBar;
    m_tabs->setObjectName(QStringLiteral("TabSet1"));
    m_tabs->setToolTip(tr("Click here to select different pages"));
    for (const QString &name : OptionsPages::names())
        m_tabs->addTab(name);
    m_tabs->setShape(QTabBar::TriangularSouth);
    m_tabs->setExpanding(false);

    m_previous = namedButton(QStringLiteral("PrevBtn"), tr("<< &Previous"));
    m_previous->setToolTip(tr("Previous Page"));
    m_next = namedButton(QStringLiteral("NextBtn"), tr("&Next >>"));
    m_next->setToolTip(tr("Next Page"));
    QPushButton *close = namedButton(QStringLiteral("CloseBtn"), tr("&Close"));
    close->setToolTip(tr("Close and Save Options"));
    close->setDefault(true);
    QPushButton *help = namedButton(QStringLiteral("HelpBtn"), tr("&Help"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_tabs);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);
    layout->addLayout(buttons);

    connect(m_tabs, &QTabBar::currentChanged, this, &TOptionsDlg::TabSet1Click);
    connect(m_previous, &QPushButton::clicked, this, [this] {
        m_model.pages().previous();
        showPage();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_model.pages().next();
        showPage();
    });
    connect(close, &QPushButton::clicked, this, &TOptionsDlg::CloseBtnClick);
    connect(help, &QPushButton::clicked, this,
        [] { Interaction::current().showHelp(OptionsModel::kHelpContext); });
    showPage();
}

void TOptionsDlg::reject()
{ }

void TOptionsDlg::TabSet1Click(int index)
{
    if (index < 0 || index == m_model.pages().current())
        return;
    if (!m_model.pages().mayOpen(index))
        QApplication::beep();
    m_model.pages().choose(index);
    showPage();
}

void TOptionsDlg::showPage()
{
    const OptionsPages &pages = m_model.pages();
    // A refused tab goes back to the page on show.
    m_tabs->setCurrentIndex(pages.current());
    m_pages->setCurrentIndex(pages.current());
    m_previous->setVisible(pages.previousVisible());
    m_next->setVisible(pages.nextVisible());
}

// ---- captions ----------------------------------------------------------------

void TOptionsDlg::showLabels()
{
    const OptionsLabels &labels = m_model.labels();
    m_labels->clear();
    m_labels->addItems(labels.items());
    m_labels->setCurrentRow(labels.selected());
}

void TOptionsDlg::Update_BtnClick()
{
    if (m_model.labels().change(m_labelEdit->text()))
        showLabels();
}

void TOptionsDlg::BitBtn3Click()
{
    TLabelTemplateList templates(m_state.captions);
    templates.loadList(m_state.userFolder);
    TLoadLabelsDlg dialog(templates, this);
    if (dialog.exec() != QDialog::Accepted || dialog.fileName().isEmpty())
        return;
    if (m_model.labels().load(dialog.fileName()))
        showLabels();
}

void TOptionsDlg::BitBtn4Click()
{
    m_model.labels().saveAsTemplate();
}

// ---- dates -------------------------------------------------------------------

void TOptionsDlg::showDateFormat()
{
    m_dateFields->setItemIndex(m_model.selectedDateField());
    m_dateFormat->setItemIndex(m_model.dateFormat());
}

// ---- colours -----------------------------------------------------------------

void TOptionsDlg::showColor()
{
    m_elements->setCurrentRow(m_model.selectedElement());
    m_colors->setCurrent(m_model.elementColor(), m_model.outlineColor());
}

void TOptionsDlg::BitBtn1Click()
{
    TLoadColorsDlg dialog(m_model.scheme(), m_state.userFolder, this);
    dialog.exec();
    m_model.colorsLoaded();
    showColor();
}

void TOptionsDlg::BitBtn2Click()
{
    ColorTemplates::saveAsTemplate(m_state.userFolder, m_model.scheme());
}

// ---- fonts -------------------------------------------------------------------

void TOptionsDlg::showFont()
{
    const FontRecord &font = m_model.font();
    m_fontComponent->setCurrentIndex(m_model.fontComponent());
    m_fontName->setText(font.name);
    m_fontStyle->setText(OptionsModel::styleText(font.style));
    m_fontSize->setText(QString::number(font.size));
}

void TOptionsDlg::FontBtnClick()
{
    if (m_model.changeFont())
        showFont();
}

// ---- users -------------------------------------------------------------------

void TOptionsDlg::UserCount_GBClick(int index)
{
    m_model.chooseUsersCount(index);
    showUsersCount();
}

void TOptionsDlg::showUsersCount()
{
    const bool multiUser = m_model.multiUser();
    m_userCount->setItemIndex(m_model.choices().usersCount);
    m_accessMode->setItemIndex(m_model.choices().accessRights);
    m_accessMode->setEnabled(multiUser);
    m_userAccounts->setEnabled(multiUser);
}

// ---- close -------------------------------------------------------------------

void TOptionsDlg::CloseBtnClick()
{
    m_result = m_model.close();
    accept();
}

} // namespace zendrova

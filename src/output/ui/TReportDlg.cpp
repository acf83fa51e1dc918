#include "output/ui/TReportDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"
#include "output/ReportTemplates.h"
#include "output/TReportRec.h"
#include "output/ui/TRepLoadDlg.h"
#include "printengine/ReportWindows.h"
#include "printengine/TRPDevice.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace zendrova {

TReportDlg::TReportDlg(ReportSources sources, std::vector<FieldKind> kinds, TReportRec &current,
                       bool oneRecord, QWidget *parent)
    : QDialog(parent)
    , m_sources(std::move(sources))
    , m_current(current)
    , m_model(m_sources.captions, std::move(kinds), current, oneRecord)
{
    setObjectName(QStringLiteral("TReportDlg"));
    setWindowTitle(m_model.caption());
    m_run = [this](const ReportSetup &setup) {
        runReportWithStatus(setup, m_sources, m_current, this);
    };

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabSet"));
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Notebook"));
    const std::pair<QString, QWidget *> pages[] = { { tr("Fields"), fieldsPage() },
        { tr("Options"), optionsPage() }, { tr("Page"), pageSettingsPage() },
        { tr("Fonts"), fontsPage() }, { tr("Title"), titlePage() } };
    for (const auto &[title, page] : pages) {
        m_tabs->addTab(title);
        m_pages->addWidget(page);
    }
    m_previous = namedButton(QStringLiteral("PreviousBtn"), tr("<< P&revious"));
    m_next = namedButton(QStringLiteral("NextBtn"), tr("&Next >>"));
    connect(m_tabs, &QTabBar::currentChanged, this, &TReportDlg::showPage);
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_tabs->currentIndex() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_tabs->currentIndex() + 1); });

    struct Button
    {
        const char *name;
        QString text, hint;
    };
    const Button buttons[] = {
        { "CancelBtn", tr("&Close"), tr("Close This Window") },
        { "HelpBtn", tr("&Help"), tr("Display Help Window") },
        { "PrintBtn", tr("&Print"), tr("Print Report On Selected Printer") },
        { "SelectBtn", tr("S&elect"), tr("Select Printer") },
        { "PreviewBtn", tr("Pre&view"), tr("Preview Report On Screen") },
        { "LoadBtn", tr("&Load"), tr("Load Report Template From Disk File") },
        { "SaveBtn", tr("&Save"), tr("Save Report Template To Disk File") },
    };
    auto *column = new QVBoxLayout;
    for (const Button &b : buttons) {
        QPushButton *button = namedButton(QString::fromLatin1(b.name), b.text);
        button->setToolTip(b.hint);
        m_buttons[button->objectName()] = button;
        column->addWidget(button);
    }
    column->addStretch();
    const auto clicked = [this](const char *name, auto slot) {
        connect(static_cast<QPushButton *>(m_buttons.at(QString::fromLatin1(name))),
            &QPushButton::clicked, this, slot);
    };
    clicked("CancelBtn", [this] { accept(); });
    clicked("HelpBtn", [] { Interaction::current().showHelp(kHelpContext); });
    clicked("PrintBtn", [this] { startRun(ReportSetup::Destination::Printer); });
    clicked("PreviewBtn", [this] { startRun(ReportSetup::Destination::Preview); });
    clicked("SelectBtn", [this] { selectPrinter(); });
    clicked("LoadBtn", [this] { loadTemplate(); });
    clicked("SaveBtn", [this] { saveTemplate(); });

    auto *left = new QVBoxLayout;
    left->addWidget(m_tabs);
    left->addWidget(m_pages, 1);
    left->addLayout(buttonRow({ m_previous, m_next }));
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(column);

    refresh();
    showPage(0);
}

TReportDlg::~TReportDlg()
{
    m_model.writeToDefinition();
}

void TReportDlg::showPage(int index)
{
    index = std::clamp(index, 0, m_pages->count() - 1);
    m_tabs->setCurrentIndex(index);
    m_pages->setCurrentIndex(index);
    m_previous->setVisible(index > 0);
    m_next->setVisible(index < m_pages->count() - 1);
    if (index == 0)
        m_next->setFocus();
    else if (index == m_pages->count() - 1)
        m_previous->setFocus();
}

void TReportDlg::startRun(ReportSetup::Destination destination)
{
    if (const std::optional<QString> problem = m_model.marginProblem()) {
        showMessage(MessageKind::Warning, *problem);
        return;
    }
    const ReportSetup setup = m_model.runSetup(destination);
    if (m_run)
        m_run(setup);
}

void TReportDlg::selectPrinter()
{
    if (print::requirePrinter())
        print::ReportWindows::current().choosePrinter();
}

void TReportDlg::changeFont()
{
    if (const std::optional<FontRecord> font = Interaction::current().chooseFont(m_model.font)) {
        m_model.font = *font;
        refresh();
    }
}

void TReportDlg::loadTemplate()
{
    m_model.writeToDefinition();
    if (!TRepLoadDlg::run(m_sources.userFolder, m_current, this))
        return;
    m_model.fillFromDefinition();
    refresh();
    showPage(0);
}

void TReportDlg::saveTemplate()
{
    ReportTemplates::save(m_sources.userFolder, m_current, [this] { m_model.writeToDefinition(); });
}

} // namespace zendrova

#include "mainwin/ui/SpeedBars.h"

#include "common/ui/TNoFocusBitBtn.h"
#include "mainwin/SpeedBarLayout.h"

#include <QFrame>
#include <QStyle>
#include <QTabBar>

namespace zendrova {

namespace {

QStyle::StandardPixmap iconOf(MainCommand command)
{
    switch (command) {
    case MainCommand::Find: return QStyle::SP_FileDialogContentsView;
    case MainCommand::Options: return QStyle::SP_FileDialogDetailedView;
    case MainCommand::Print: return QStyle::SP_DialogSaveButton;
    case MainCommand::NewRecord: return QStyle::SP_FileIcon;
    case MainCommand::LoadDatabase: return QStyle::SP_DialogOpenButton;
    case MainCommand::About: return QStyle::SP_MessageBoxInformation;
    case MainCommand::HelpContents: return QStyle::SP_DialogHelpButton;
    case MainCommand::Exit: return QStyle::SP_DialogCloseButton;
    case MainCommand::Export: return QStyle::SP_ArrowRight;
    case MainCommand::Import: return QStyle::SP_ArrowLeft;
    case MainCommand::Password: return QStyle::SP_VistaShield;
    case MainCommand::Maintenance: return QStyle::SP_BrowserReload;
    case MainCommand::Filter: return QStyle::SP_FileDialogListView;
    case MainCommand::Sort: return QStyle::SP_ToolBarVerticalExtensionButton;
    default: return QStyle::SP_FileDialogInfoView;
    }
}

void fill(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

SpeedBars::SpeedBars(CommandTable &commands, QWidget *parent)
    : QWidget(parent)
    , m_commands(commands)
{
    setObjectName(QStringLiteral("SpeedBars"));
    buildPage(m_pages[0], "Panel3", SpeedBarPage::Standard);
    buildPage(m_pages[1], "Panel4", SpeedBarPage::Advanced);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabSet1"));
    m_tabs->setShape(QTabBar::TriangularSouth);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->setExpanding(false);
    m_tabs->addTab(tr("Standard"));
    m_tabs->addTab(tr("Advanced"));
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int page) {
        m_pages[0].panel->setVisible(page == 0);
        m_pages[1].panel->setVisible(page == 1);
    });
    m_pages[1].panel->hide();
    connect(&m_commands, &CommandTable::availabilityChanged, this, &SpeedBars::refresh);
    resize(sizeHint());
}

void SpeedBars::buildPage(Page &page, const char *name, SpeedBarPage which)
{
    page.panel = new QFrame(this);
    page.panel->setObjectName(QString::fromLatin1(name));
    page.panel->setFrameShape(QFrame::Panel);
    page.panel->setFrameShadow(QFrame::Raised);
    for (const CommandEntry &entry : CommandTable::buttonsOf(which)) {
        auto *button = new TNoFocusBitBtn(page.panel);
        button->setObjectName(QString::fromLatin1(entry.buttonName));
        button->setIcon(style()->standardIcon(iconOf(entry.command)));
        button->setText(CommandTable::buttonCaption(entry));
        button->setToolTip(CommandTable::hint(entry));
        button->setStatusTip(button->toolTip());
        button->setEnabled(m_commands.available(entry.command));
        const MainCommand command = entry.command;
        connect(button, &QAbstractButton::clicked, this, [this, command] {
            if (m_commands.available(command))
                emit commandChosen(command);
        });
        page.buttons.append(button);
        page.captions.append(button->text());
        page.captionWidths.append(button->sizeHint().width());
    }
}

int SpeedBars::tabRowHeight() const
{
    return m_tabs->sizeHint().height();
}

QSize SpeedBars::sizeHint() const
{
    return QSize(400, kBarHeight + tabRowHeight());
}

void SpeedBars::selectPage(int page)
{
    m_tabs->setCurrentIndex(page);
}

int SpeedBars::currentPage() const
{
    return m_tabs->currentIndex();
}

void SpeedBars::setBarColor(const QColor &color)
{
    fill(m_pages[0].panel, color);
    fill(m_pages[1].panel, color);
}

void SpeedBars::setTabRowColor(const QColor &color)
{
    fill(m_tabs, color);
}

void SpeedBars::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (const Page &page : m_pages) {
        page.panel->setGeometry(0, 0, width(), kBarHeight);
        layOutPage(page);
    }
    m_tabs->setGeometry(0, kBarHeight, width(), height() - kBarHeight);
}

void SpeedBars::layOutPage(const Page &page)
{
    const SpeedBarPlacement placement = SpeedBarLayout::place(
        page.captionWidths, kButtonHeight, page.panel->width(), kButtonTop);
    for (int i = 0; i < page.buttons.size(); ++i) {
        page.buttons[i]->setText(placement.captionsShown ? page.captions[i] : QString());
        page.buttons[i]->setGeometry(placement.rects[i]);
    }
}

void SpeedBars::refresh(MainCommand command)
{
    const CommandEntry *entry = CommandTable::find(command);
    if (!entry || !entry->buttonName)
        return;
    if (auto *button = findChild<TNoFocusBitBtn *>(QString::fromLatin1(entry->buttonName)))
        button->setEnabled(m_commands.available(command));
}

} // namespace zendrova

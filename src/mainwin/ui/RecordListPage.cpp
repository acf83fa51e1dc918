#include "mainwin/ui/RecordListPage.h"

#include "common/ui/TNoFocusBitBtn.h"
#include "mainwin/MainCommand.h"
#include "mainwin/NavigationBarLayout.h"
#include "mainwin/RecordRowGeometry.h"
#include "store/ui/TFormatedButton.h"
#include "store/ui/TSortButton.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QResizeEvent>

namespace zendrova {

namespace {
constexpr int kSortButtonTop = 4;
constexpr int kSortButtonHeight = 24;
constexpr int kHeaderHeight = 20;
constexpr int kNavigationBarHeight = 30;
constexpr int kNavigationButtonWidth = 56;
constexpr int kNavigationButtonHeight = 24;
constexpr int kPageMargin = 5;

struct NavigationButton
{
    const char *hint;
    MainCommand command;
};

// In the order of NavigationBarLayout's buttons.
const NavigationButton kNavigationButtons[] = {
    { QT_TRANSLATE_NOOP("RecordListPage", "First Page"), MainCommand::FirstPage },
    { QT_TRANSLATE_NOOP("RecordListPage", "Previous Page"), MainCommand::PageUp },
    { QT_TRANSLATE_NOOP("RecordListPage", "Next Page"), MainCommand::PageDown },
    { QT_TRANSLATE_NOOP("RecordListPage", "Last Page"), MainCommand::LastPage },
};
} // namespace

RecordListPage::RecordListPage(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    m_sortButton = new TSortButton(this);
    m_sortButton->setObjectName(QStringLiteral("SortButton1"));

    m_header = new TOrvanHeader(this);

    m_rowFont = font();
    buildNavigationBar();
    buildRowMenu();
}

void RecordListPage::buildNavigationBar()
{
    m_navigationBar = new QFrame(this);
    m_navigationBar->setObjectName(QStringLiteral("Panel6"));
    m_navigationBar->setFrameShape(QFrame::NoFrame);
    for (int i = 0; i < NavigationBarLayout::kButtonCount; ++i) {
        const NavigationButton &entry = kNavigationButtons[i];
        const auto which = NavigationBarLayout::Button(i);
        auto *button = new TNoFocusBitBtn(m_navigationBar);
        button->setObjectName(QLatin1String(NavigationBarLayout::objectName(which)));
        button->setText(NavigationBarLayout::caption(which));
        button->setToolTip(tr(entry.hint));
        const int command = static_cast<int>(entry.command);
        button->setProperty(kMainCommandProperty, command);
        connect(button, &QPushButton::clicked, this, [this, command] { emit this->command(command); });
        m_navigationButtons.append(button);
    }
}

void RecordListPage::buildRowMenu()
{
    m_rowMenu = new QMenu(this);
    m_rowMenu->setObjectName(QStringLiteral("PopupMenu1"));
    auto add = [this](const char *name, const QString &caption) {
        QAction *action = m_rowMenu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    auto separator = [this](const char *name) {
        m_rowMenu->addSeparator()->setObjectName(QLatin1String(name));
    };
    // Filled each time the menu opens with the fields of the row's record.
    m_quickView = m_rowMenu->addMenu(tr("&Quick View"));
    m_quickView->menuAction()->setObjectName(QStringLiteral("QuickView1"));
    // Filled like the quick view, from the copy buffer.
    m_viewBuffer = m_rowMenu->addMenu(tr("&View Copy Buffer"));
    m_viewBuffer->menuAction()->setObjectName(QStringLiteral("ViewBuffer1"));
    separator("Help3");
    connect(add("CopyRecord1", tr("&Copy Record")), &QAction::triggered, this,
        [this] { emit rowCopyRequested(m_menuRow); });
    connect(add("PasteRecord1", tr("&Paste Record")), &QAction::triggered, this,
        [this] { emit rowPasteRequested(m_menuRow); });
    connect(add("Deleterecord1", tr("&Delete Record")), &QAction::triggered, this,
        [this] { emit rowDeleteRequested(m_menuRow); });
    connect(add("PrintRecord1", tr("P&rint Record")), &QAction::triggered, this,
        [this] { emit rowPrintRequested(m_menuRow); });
    separator("N5");
    connect(add("Font1", tr("&Font...")), &QAction::triggered, this,
        &RecordListPage::rowFontRequested);
    connect(add("Color1", tr("C&olor...")), &QAction::triggered, this,
        &RecordListPage::rowColorRequested);
    separator("N7");
    connect(add("FButtonHelp", tr("&Help")), &QAction::triggered, this,
        &RecordListPage::rowHelpRequested);
    connect(m_rowMenu, &QMenu::aboutToShow, this, [this] { emit rowMenuOpening(m_menuRow); });
}

QList<QAbstractButton *> RecordListPage::navigationButtons() const
{
    QList<QAbstractButton *> buttons;
    for (TNoFocusBitBtn *button : m_navigationButtons)
        buttons.append(button);
    return buttons;
}

QAction *RecordListPage::rowMenuItem(const char *name) const
{
    return m_rowMenu->findChild<QAction *>(QLatin1String(name));
}

void RecordListPage::setRowFont(const QFont &font)
{
    m_rowFont = font;
    // Every row is made again in the new font's height.
    qDeleteAll(m_rows);
    m_rows.clear();
    rebuildRows();
}

void RecordListPage::applyColors(const Colors &colors)
{
    m_colors = colors;
    QPalette pagePalette = palette();
    pagePalette.setColor(QPalette::Window, colors.page);
    setPalette(pagePalette);
    for (TFormatedButton *row : std::as_const(m_rows)) {
        row->setTextColor(colors.text);
        row->setBgndColor(colors.background);
        row->setSelTextColor(colors.selectedText);
        row->setSelBgndColor(colors.selectedBackground);
    }
}

void RecordListPage::popupRowMenu()
{
    if (m_rows.isEmpty())
        return;
    m_menuRow = 0;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row]->hasFocus())
            m_menuRow = row;
    }
    const TFormatedButton *button = m_rows[m_menuRow];
    m_rowMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void RecordListPage::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const int innerWidth = width() - 2 * kPageMargin;
    m_sortButton->setGeometry(kPageMargin, kSortButtonTop, innerWidth, kSortButtonHeight);
    m_header->setGeometry(kPageMargin, m_sortButton->geometry().bottom() + 1, innerWidth,
        kHeaderHeight);
    m_navigationBar->setGeometry(0, height() - kNavigationBarHeight, width(), kNavigationBarHeight);
    layoutNavigationBar();
    rebuildRows();
}

void RecordListPage::rebuildRows()
{
    const int headerBottom = m_header->geometry().bottom() + 1;
    const int rowHeight = RecordRowGeometry::rowHeight(
        QFontMetrics(m_rowFont).height(), QFontMetrics(QApplication::font()).height());
    const int wanted = RecordRowGeometry::rowsPerPage(
        height(), headerBottom, kNavigationBarHeight, rowHeight);
    while (m_rows.size() > wanted)
        delete m_rows.takeLast();
    while (m_rows.size() < wanted) {
        auto *row = new TFormatedButton(this);
        row->setObjectName(QStringLiteral("RecordButton%1").arg(m_rows.size()));
        row->setFont(m_rowFont);
        row->setFocusPolicy(Qt::StrongFocus);
        // Not selected by its own click: the window selects the row of the
        // card's record once the card shows it, and a refused leave keeps the old one.
        row->setStayDown(false);
        row->setToolTip(tr("Left Click - Details; Right Click - Menu"));
        row->setContextMenuPolicy(Qt::CustomContextMenu);
        const int index = int(m_rows.size());
        connect(row, &QWidget::customContextMenuRequested, this, [this, index](const QPoint &at) {
            m_menuRow = index;
            m_rowMenu->popup(m_rows[index]->mapToGlobal(at));
        });
        connect(row, &QAbstractButton::clicked, this, [this, index] { emit rowClicked(index); });
        m_rows.append(row);
        row->show();
    }
    applyColors(m_colors);
    for (int index = 0; index < m_rows.size(); ++index)
        m_rows[index]->setGeometry(
            RecordRowGeometry::rowRect(index, width(), headerBottom, rowHeight));
    emit rowsLaidOut();
}

void RecordListPage::layoutNavigationBar()
{
    std::array<int, NavigationBarLayout::kButtonCount> widths {};
    for (int i = 0; i < NavigationBarLayout::kButtonCount; ++i) {
        const QString caption = NavigationBarLayout::caption(NavigationBarLayout::Button(i));
        widths[i] = std::max(kNavigationButtonWidth,
            m_navigationButtons[i]->fontMetrics().horizontalAdvance(caption) + 12);
    }
    const auto placed = NavigationBarLayout::compute(
        m_navigationBar->size(), widths, kNavigationButtonHeight);
    for (int i = 0; i < NavigationBarLayout::kButtonCount; ++i) {
        TNoFocusBitBtn *button = m_navigationButtons[i];
        button->setGeometry(placed.buttons[i]);
        button->setText(placed.captionsShown
                ? NavigationBarLayout::caption(NavigationBarLayout::Button(i))
                : QString());
    }
}

} // namespace zendrova

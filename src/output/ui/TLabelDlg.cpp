#include "output/ui/TLabelDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"
#include "output/LabelRun.h"
#include "output/LabelTemplates.h"
#include "output/ui/TLabelLoadDlg.h"
#include "printengine/ReportWindows.h"
#include "printengine/TRPDevice.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <vector>

namespace zendrova {

namespace {

void setText(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

void check(QButtonGroup *group, int id)
{
    if (QAbstractButton *button = group->button(id))
        button->setChecked(true);
}

// Read-only boxes show grey, editable ones white.
void setEditable(QLineEdit *box, bool editable)
{
    box->setReadOnly(!editable);
    QPalette palette = box->palette();
    palette.setColor(
        QPalette::Base, editable ? QColor(Qt::white) : box->palette().color(QPalette::Window));
    box->setPalette(palette);
}

} // namespace

TLabelDlg::TLabelDlg(LabelDialogContext context, QWidget *parent)
    : QDialog(parent)
    , m_context(std::move(context))
    , m_model(m_context.stockFolder)
{
    setObjectName(QStringLiteral("TLabelDlg"));
    setWindowTitle(
        m_context.oneRecord ? tr("Print Labels") + tr(" - One Record") : tr("Print Labels"));

    m_tabs = new QTabBar;
    m_tabs->setObjectName(QStringLiteral("TabSet"));
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("Notebook"));
    const QList<QPair<QString, QWidget *>> pages
        = { { tr("Fields"), buildFieldsPage() }, { tr("Page"), buildPagePage() },
              { tr("Labels"), buildLabelsPage() }, { tr("Body"), buildBodyPage() },
              { tr("Header/Footer"), buildHeaderPage() }, { tr("Logo"), buildLogoPage() } };
    for (const auto &[title, page] : pages) {
        m_tabs->addTab(title);
        m_pages->addWidget(page);
    }
    m_previous = namedButton(QStringLiteral("PreviousBtn"), tr("<< P&revious"));
    m_next = namedButton(QStringLiteral("NextBtn"), tr("&Next >>"));
    auto *stepRow = new QHBoxLayout;
    stepRow->addStretch();
    stepRow->addWidget(m_previous);
    stepRow->addWidget(m_next);
    auto *left = new QVBoxLayout;
    left->addWidget(m_tabs);
    left->addWidget(m_pages, 1);
    left->addLayout(stepRow);

    QPushButton *close = namedButton(QStringLiteral("CancelBtn"), tr("&Close"));
    close->setToolTip(tr("Close This Window"));
    QPushButton *help = namedButton(QStringLiteral("HelpBtn"), tr("&Help"));
    help->setToolTip(tr("Display Help Window"));
    m_print = namedButton(QStringLiteral("PrintBtn"), tr("&Print"));
    m_print->setToolTip(tr("Print Labels On Selected Printer"));
    QPushButton *select = namedButton(QStringLiteral("SelectBtn"), tr("S&elect"));
    select->setToolTip(tr("Select Printer"));
    m_preview = namedButton(QStringLiteral("PreviewBtn"), tr("Pre&view"));
    m_preview->setToolTip(tr("Preview Labels On Screen"));
    QPushButton *load = namedButton(QStringLiteral("LoadBtn"), tr("&Load"));
    load->setToolTip(tr("Load Label Template From Disk File"));
    m_save = namedButton(QStringLiteral("SaveBtn"), tr("&Save"));
    m_save->setToolTip(tr("Save Label Template To Disk File"));
    QVBoxLayout *buttons = buttonColumn({ close, help, m_print, select, m_preview, load, m_save });

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int page) { showPage(page); });
    connect(
        m_previous, &QPushButton::clicked, this, [this] { showPage(m_tabs->currentIndex() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_tabs->currentIndex() + 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(
        help, &QPushButton::clicked, this, [] { Interaction::current().showHelp(kHelpContext); });
    connect(
        m_print, &QPushButton::clicked, this, [this] { PrintBtnClick(LabelDestination::Printer); });
    connect(m_preview, &QPushButton::clicked, this,
        [this] { PrintBtnClick(LabelDestination::Preview); });
    connect(select, &QPushButton::clicked, this, [this] { SelectBtnClick(); });
    connect(load, &QPushButton::clicked, this, [this] { LoadBtnClick(); });
    connect(m_save, &QPushButton::clicked, this, [this] { SaveBtnClick(); });

    m_model.fields.setCaptions(m_context.captions, m_context.memoOrPicture);
    if (m_context.current)
        m_model.fillFrom(*m_context.current);
    refresh();
    showPage(0);
}

TLabelDlg::~TLabelDlg()
{
    closeDefinition();
}

void TLabelDlg::done(int result)
{
    closeDefinition();
    QDialog::done(result);
}

// The controls go into the current definition, and the record list gets its
// letter restriction back, once however the dialog ends.
void TLabelDlg::closeDefinition()
{
    if (m_closed)
        return;
    m_closed = true;
    if (m_context.current)
        m_model.writeTo(*m_context.current);
    if (m_context.restoreLetterRange)
        m_context.restoreLetterRange();
}

void TLabelDlg::showPage(int page)
{
    if (page < 0 || page >= m_pages->count())
        return;
    if (m_tabs->currentIndex() != page) {
        m_tabs->setCurrentIndex(page); // comes back here through currentChanged
        return;
    }
    m_pages->setCurrentIndex(page);
    m_previous->setVisible(page > 0);
    m_next->setVisible(page < m_pages->count() - 1);
    if (page == 0)
        m_next->setFocus();
    else if (page == m_pages->count() - 1)
        m_previous->setFocus();
}

void TLabelDlg::refresh()
{
    const QList<QObject *> quiet
        = { m_orientation, m_units, m_paper, m_labelType, m_shape, m_stock, m_headerText };
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(quiet.size());
    for (QObject *object : quiet)
        blockers.emplace_back(object);

    check(m_orientation, m_model.orientation());
    m_orientationPicture->setText(m_model.orientation() == 1 ? tr("Landscape") : tr("Portrait"));
    check(m_units, m_model.units());
    check(m_paper, m_model.paperSize());
    setText(m_pageWidth, m_model.pageWidth());
    setText(m_pageHeight, m_model.pageHeight());
    setEditable(m_pageWidth, !m_model.pageBoxesReadOnly());
    setEditable(m_pageHeight, !m_model.pageBoxesReadOnly());

    check(m_labelType, m_model.labelType());
    m_stock->clear();
    m_stock->addItems(m_model.stockNames());
    m_stock->setCurrentIndex(m_model.stockNames().indexOf(m_model.stockName()));
    m_stock->setVisible(m_model.stockShown());
    check(m_shape, m_model.shape());
    m_shapeGroup->setEnabled(!m_model.geometryReadOnly());
    for (int i = 0; i < LabelDialogModel::kBoxCount; ++i) {
        setText(m_boxes[i], m_model.box(static_cast<LabelDialogModel::Box>(i)));
        setEditable(m_boxes[i], !m_model.geometryReadOnly());
    }
    setText(m_firstLabel, m_model.firstLabel);

    setText(m_bodyLeft, m_model.bodyLeft);
    setText(m_bodyTop, m_model.bodyTop);
    setText(m_fontName, m_model.bodyFont.name);
    setText(m_fontStyle, LabelDialogModel::styleText(m_model.bodyFont.style));
    setText(m_fontSize, QString::number(m_model.bodyFont.size));
    if (m_headerText->toPlainText() != m_model.headerText)
        m_headerText->setPlainText(m_model.headerText);
    setText(m_headerFontName, m_model.headerFont.name);
    setText(m_headerFontStyle, LabelDialogModel::styleText(m_model.headerFont.style));
    setText(m_headerFontSize, QString::number(m_model.headerFont.size));
    setText(m_headerLeft, m_model.headerLeft);
    setText(m_headerTop, m_model.headerTop);
    setText(m_logoLeft, m_model.logoLeft);
    setText(m_logoTop, m_model.logoTop);
    setText(m_logoFile, m_model.logoFile);
    refreshFields();
}

void TLabelDlg::refreshFields()
{
    {
        const QSignalBlocker blockAll(m_all);
        const QSignalBlocker blockIncluded(m_included);
        if (m_all->count() != m_model.fields.captions().size()) {
            m_all->clear();
            m_all->addItems(m_model.fields.captions());
        }
        m_all->setCurrentRow(m_model.fields.selectedCaption());
        m_included->clear();
        m_included->addItems(m_model.fields.entries());
        m_included->setCurrentRow(m_model.fields.selected());
    }
    refreshButtons();
}

void TLabelDlg::refreshButtons()
{
    const bool any = m_model.fields.hasIncluded();
    m_include->setEnabled(m_model.fields.canInclude());
    m_includeAll->setEnabled(m_model.fields.canInclude());
    for (QWidget *needsFields : std::initializer_list<QWidget *> {
             m_exclude, m_excludeAll, m_print, m_preview, m_save, m_moveUp, m_moveDown })
        needsFields->setEnabled(any);
    m_inLine->setEnabled(m_model.fields.canIncludeInLine());
}

void TLabelDlg::takeTexts()
{
    m_model.headerText = m_headerText->toPlainText();
}

void TLabelDlg::PrintBtnClick(LabelDestination destination)
{
    takeTexts();
    if (!m_context.current || !m_context.table || !m_context.dateFormats)
        return;
    m_model.writeTo(*m_context.current);
    LabelRun run(*m_context.current, *m_context.table, m_context.captions, *m_context.dateFormats);
    run.oneRecord = m_context.oneRecord;
    run.onSheetStart = m_context.suspendLetterRange;
    printLabels(run, destination);
}

void TLabelDlg::SelectBtnClick()
{
    if (print::requirePrinter())
        print::ReportWindows::current().choosePrinter();
}

void TLabelDlg::LoadBtnClick()
{
    if (!m_context.current)
        return;
    takeTexts();
    m_model.writeTo(*m_context.current);
    TLabelLoadDlg load(m_context.userFolder, *m_context.current, this);
    if (!load.opened() || load.exec() != QDialog::Accepted)
        return;
    m_model.fillFrom(*m_context.current);
    refresh();
    showPage(0);
}

void TLabelDlg::SaveBtnClick()
{
    if (!m_context.current)
        return;
    LabelTemplates::save(*m_context.current, m_context.userFolder, [this] {
        takeTexts();
        m_model.writeTo(*m_context.current);
    });
}

} // namespace zendrova

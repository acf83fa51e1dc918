#include "printengine/ui/TRPPreviewForm.h"

#include "common/Interaction.h"
#include "printengine/TFilePrinter.h"
#include "printengine/ui/TFilePreview.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace zendrova::print {

TRPPreviewForm::TRPPreviewForm(const QString &title, PageStream stream, QWidget *parent)
    : QDialog(parent)
    , m_preview(new TFilePreview(this))
    , m_zoomEdit(new QLineEdit(this))
    , m_pageEdit(new QLineEdit(this))
    , m_pageLabel(new QLabel(this))
    , m_toolBar(new QWidget(this))
{
    setObjectName(QStringLiteral("RPPreviewForm"));
    setWindowTitle(title);
    auto *bar = new QHBoxLayout(m_toolBar);
    bar->setContentsMargins(4, 4, 4, 4);
    connect(addButton("SBZoomIn", tr("Zoom In"), tr("Zoom In")), &QToolButton::clicked, m_preview,
        &TFilePreview::ZoomIn);
    connect(addButton("SBZoomOut", tr("Zoom Out"), tr("Zoom Out")), &QToolButton::clicked,
        m_preview, &TFilePreview::ZoomOut);
    connect(addButton("SBZoomPageWidth", tr("Page Width"), tr("Zoom Page Width")),
        &QToolButton::clicked, m_preview, &TFilePreview::ZoomPageWidth);
    connect(addButton("SBZoomPage", tr("Whole Page"), tr("Zoom Whole Page")), &QToolButton::clicked,
        m_preview, &TFilePreview::ZoomPage);
    connect(addButton("SBPrevPage", tr("<"), tr("Previous Page")), &QToolButton::clicked, m_preview,
        &TFilePreview::PrevPage);
    connect(addButton("SBNextPage", tr(">"), tr("Next Page")), &QToolButton::clicked, m_preview,
        &TFilePreview::NextPage);
    connect(addButton("SBPrint", tr("Print"), tr("Print")), &QToolButton::clicked, this,
        &TRPPreviewForm::SBPrintClick);
    connect(addButton("SBPdf", tr("PDF"), tr("Save As PDF File")), &QToolButton::clicked, this,
        &TRPPreviewForm::SBPdfClick);
    connect(addButton("SBDone", tr("Close"), tr("Close This Window")), &QToolButton::clicked, this,
        &QDialog::accept);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(tr("Zoom %"), this));
    m_zoomEdit->setObjectName(QStringLiteral("ZoomEdit"));
    m_zoomEdit->setMaximumWidth(60);
    bar->addWidget(m_zoomEdit);
    bar->addWidget(new QLabel(tr("Page #"), this));
    m_pageEdit->setObjectName(QStringLiteral("PageEdit"));
    m_pageEdit->setMaximumWidth(50);
    bar->addWidget(m_pageEdit);
    m_pageLabel->setObjectName(QStringLiteral("PageLabel"));
    bar->addWidget(m_pageLabel);
    bar->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_preview, 1);

    connect(m_preview, &TFilePreview::pageChanged, this, &TRPPreviewForm::pageChanged);
    connect(m_preview, &TFilePreview::zoomChanged, this, &TRPPreviewForm::zoomChanged);
    connect(m_zoomEdit, &QLineEdit::editingFinished, this, [this] {
        m_preview->SetZoomText(m_zoomEdit->text());
        zoomChanged();
    });
    connect(m_pageEdit, &QLineEdit::editingFinished, this, [this] {
        m_preview->SetPageText(m_pageEdit->text());
        pageChanged();
    });
    m_preview->model().MarginPercent = 2.5;
    m_preview->setStream(std::move(stream));
    zoomChanged();
    resize(900, 700);
}

QToolButton *TRPPreviewForm::addButton(
    const QString &name, const QString &text, const QString &hint)
{
    auto *button = new QToolButton(m_toolBar);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    m_toolBar->layout()->addWidget(button);
    return button;
}

void TRPPreviewForm::pageChanged()
{
    m_pageEdit->setText(QString::number(m_preview->model().pageNumber()));
    m_pageLabel->setText(m_preview->model().pageLabel());
}

void TRPPreviewForm::zoomChanged()
{
    m_zoomEdit->setText(m_preview->model().zoomText());
}

void TRPPreviewForm::SBPrintClick()
{
    TFilePrinter::Print(m_preview->model().stream());
}

void TRPPreviewForm::SBPdfClick()
{
    const QString name = Interaction::current().saveFileName(
        tr("Save As PDF File"), QDir::currentPath(), tr("PDF files (*.pdf)"));
    if (!name.isEmpty())
        writePdf(m_preview->model().stream(), name);
}

} // namespace zendrova::print

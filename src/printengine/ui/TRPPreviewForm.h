#pragma once
#include "printengine/PageStream.h"
#include <QDialog>

class QLabel;
class QLineEdit;
class QToolButton;

namespace zendrova::print {

class TFilePreview;

// "Report Preview": the pages of a finished job, with zoom, page
// navigation, printing and saving as PDF.
class TRPPreviewForm : public QDialog
{
    Q_OBJECT

public:
    explicit TRPPreviewForm(const QString &title, PageStream stream, QWidget *parent = nullptr);
    TFilePreview *FilePreview1() const { return m_preview; }

    void SBPrintClick();
    void SBPdfClick();

private:
    QToolButton *addButton(const QString &name, const QString &text, const QString &hint);
    void pageChanged();
    void zoomChanged();

    TFilePreview *m_preview;
    QLineEdit *m_zoomEdit;
    QLineEdit *m_pageEdit;
    QLabel *m_pageLabel;
    QWidget *m_toolBar;
};

} // namespace zendrova::print

#pragma once

#include "output/LabelDialogContext.h"
#include "output/LabelDialogModel.h"
#include "output/LabelPrinting.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace zendrova {

// "Print Labels": edits the current label definition on six pages and prints
// one label per record, or previews the sheets. The rules live in
// LabelDialogModel; this form copies its values in and out.
class TLabelDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 117;

    explicit TLabelDlg(LabelDialogContext context, QWidget *parent = nullptr);
    ~TLabelDlg() override;

    const LabelDialogModel &model() const { return m_model; }

protected:
    void done(int result) override;

private:
    // Pages (built in LabelDlgPages.cpp).
    QWidget *buildFieldsPage();
    QWidget *buildPagePage();
    QWidget *buildLabelsPage();
    QWidget *buildBodyPage();
    QWidget *buildHeaderPage();
    QWidget *buildLogoPage();
    QLineEdit *numberBox(const QString &name, bool decimals, const QString &hint = QString());

    void showPage(int page);
    // Model -> controls.
    void refresh();
    void refreshFields();
    void refreshButtons();
    // Controls -> model for what the model does not follow as typed.
    void takeTexts();

    void IncludeBtnClick();
    void PrintBtnClick(LabelDestination destination);
    void SelectBtnClick();
    void LoadBtnClick();
    void SaveBtnClick();
    void closeDefinition();

    LabelDialogContext m_context;
    LabelDialogModel m_model;
    bool m_closed = false;

    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_preview = nullptr;
    QPushButton *m_save = nullptr;

    QListWidget *m_all = nullptr;
    QListWidget *m_included = nullptr;
    QToolButton *m_include = nullptr;
    QToolButton *m_inLine = nullptr;
    QToolButton *m_includeAll = nullptr;
    QToolButton *m_exclude = nullptr;
    QToolButton *m_excludeAll = nullptr;
    QToolButton *m_moveUp = nullptr;
    QToolButton *m_moveDown = nullptr;

    QButtonGroup *m_orientation = nullptr;
    QButtonGroup *m_units = nullptr;
    QButtonGroup *m_paper = nullptr;
    QLineEdit *m_pageWidth = nullptr;
    QLineEdit *m_pageHeight = nullptr;
    QLabel *m_orientationPicture = nullptr;

    QButtonGroup *m_labelType = nullptr;
    QComboBox *m_stock = nullptr;
    QGroupBox *m_shapeGroup = nullptr;
    QButtonGroup *m_shape = nullptr;
    QLineEdit *m_boxes[LabelDialogModel::kBoxCount] = {};
    QLineEdit *m_firstLabel = nullptr;

    QLineEdit *m_bodyLeft = nullptr;
    QLineEdit *m_bodyTop = nullptr;
    QLineEdit *m_fontName = nullptr;
    QLineEdit *m_fontStyle = nullptr;
    QLineEdit *m_fontSize = nullptr;
    QPlainTextEdit *m_headerText = nullptr;
    QLineEdit *m_headerFontName = nullptr;
    QLineEdit *m_headerFontStyle = nullptr;
    QLineEdit *m_headerFontSize = nullptr;
    QLineEdit *m_headerLeft = nullptr;
    QLineEdit *m_headerTop = nullptr;
    QLineEdit *m_logoLeft = nullptr;
    QLineEdit *m_logoTop = nullptr;
    QLineEdit *m_logoFile = nullptr;
};

} // namespace zendrova

// The six pages of the label dialog: their controls, captions and hints, and
// the wiring of each control to the dialog's model.
#include "output/ui/NumberKeyFilter.h"
#include "output/ui/TLabelDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zendrova {

namespace {

QGroupBox *radioGroup(const QString &objectName, const QString &title, const QStringList &items,
    QButtonGroup *&group, QWidget *owner)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(objectName);
    group = new QButtonGroup(owner);
    auto *layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i]);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return box;
}

QToolButton *fieldButton(const QString &objectName, const QString &text, const QString &hint)
{
    auto *button = new QToolButton;
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

QLineEdit *readOnlyBox(const QString &objectName)
{
    auto *box = new QLineEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    return box;
}

} // namespace

QLineEdit *TLabelDlg::numberBox(const QString &name, bool decimals, const QString &hint)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setToolTip(hint);
    new NumberKeyFilter(box, decimals);
    return box;
}

QWidget *TLabelDlg::buildFieldsPage()
{
    auto *page = new QWidget;
    m_all = new QListWidget;
    m_all->setObjectName(QStringLiteral("ListBox1"));
    m_all->setToolTip(tr("List Of All Data Fields"));
    m_included = new QListWidget;
    m_included->setObjectName(QStringLiteral("ListBox2"));
    m_included->setToolTip(tr("Data Fields Selected For Labels"));
    m_include = fieldButton(
        QStringLiteral("IncludeBtn"), QStringLiteral(">"), tr("Include Selected Field"));
    m_inLine = fieldButton(
        QStringLiteral("InLineBtn"), QStringLiteral("+>"), tr("Include In The Same Line"));
    m_includeAll
        = fieldButton(QStringLiteral("IncAllBtn"), QStringLiteral(">>"), tr("Include All Fields"));
    m_exclude = fieldButton(
        QStringLiteral("ExcludeBtn"), QStringLiteral("<"), tr("Exclude Selected Field"));
    m_excludeAll
        = fieldButton(QStringLiteral("ExAllBtn"), QStringLiteral("<<"), tr("Exclude All Fields"));
    m_moveUp = fieldButton(QStringLiteral("MoveUpBtn"), tr("Up"), tr("Move Up"));
    m_moveDown = fieldButton(QStringLiteral("MoveDownBtn"), tr("Down"), tr("Move Down"));

    auto *middle = new QVBoxLayout;
    middle->addStretch();
    for (QToolButton *button : { m_include, m_inLine, m_includeAll, m_exclude, m_excludeAll })
        middle->addWidget(button);
    middle->addStretch();
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(m_moveUp);
    moves->addWidget(m_moveDown);
    moves->addStretch();
    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(tr("All Fields:")), 0, 0);
    grid->addWidget(new QLabel(tr("Included Fields:")), 0, 2);
    grid->addWidget(m_all, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(m_included, 1, 2);
    grid->addLayout(moves, 1, 3);

    connect(m_all, &QListWidget::currentRowChanged, this,
        [this](int row) { m_model.fields.selectCaption(row); });
    connect(m_included, &QListWidget::currentRowChanged, this,
        [this](int row) { m_model.fields.select(row); });
    const QList<QPair<QToolButton *, void (LabelFieldList::*)()>> actions
        = { { m_include, &LabelFieldList::include }, { m_inLine, &LabelFieldList::includeInLine },
              { m_includeAll, &LabelFieldList::includeAll },
              { m_exclude, &LabelFieldList::exclude },
              { m_excludeAll, &LabelFieldList::excludeAll }, { m_moveUp, &LabelFieldList::moveUp },
              { m_moveDown, &LabelFieldList::moveDown } };
    for (const auto &[button, action] : actions)
        connect(button, &QToolButton::clicked, this, [this, action = action] {
            (m_model.fields.*action)();
            refreshFields();
        });
    return page;
}

QWidget *TLabelDlg::buildPagePage()
{
    auto *page = new QWidget;
    QGroupBox *orientation = radioGroup(QStringLiteral("OrientationRG"), tr("Page Orientation"),
        { tr("Portrait"), tr("Landscape") }, m_orientation, this);
    m_orientationPicture = new QLabel;
    m_orientationPicture->setObjectName(QStringLiteral("OrientationImage"));
    orientation->layout()->addWidget(m_orientationPicture);
    QGroupBox *units = radioGroup(QStringLiteral("RadioGroup1"), tr("Units Of Measure"),
        { tr("inches"), tr("centimeters") }, m_units, this);
    units->setToolTip(tr("Units Of Measure (used by widths, heights, margins, etc.)"));

    auto *size = new QGroupBox(tr("Page Size in Units"));
    m_pageWidth = numberBox(QStringLiteral("PgWidthEd"), true);
    m_pageHeight = numberBox(QStringLiteral("PgHeightEd"), true);
    QGroupBox *paper = radioGroup(QStringLiteral("SizeRG"), QString(),
        { tr("Letter"), tr("Legal"), tr("A4"), tr("Custom") }, m_paper, this);
    auto *sizeForm = new QFormLayout;
    sizeForm->addRow(tr("Width:"), m_pageWidth);
    sizeForm->addRow(tr("Height:"), m_pageHeight);
    auto *sizeLayout = new QHBoxLayout(size);
    sizeLayout->addLayout(sizeForm);
    sizeLayout->addWidget(paper);

    auto *layout = new QGridLayout(page);
    layout->addWidget(orientation, 0, 0);
    layout->addWidget(units, 0, 1);
    layout->addWidget(size, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);

    connect(m_orientation, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.setOrientation(id);
        refresh();
    });
    connect(m_units, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.setUnits(id);
        refresh();
    });
    connect(m_paper, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.setPaperSize(id);
        refresh();
    });
    connect(m_pageWidth, &QLineEdit::textEdited, this,
        [this](const QString &t) { m_model.setPageWidth(t); });
    connect(m_pageHeight, &QLineEdit::textEdited, this,
        [this](const QString &t) { m_model.setPageHeight(t); });
    return page;
}

QWidget *TLabelDlg::buildLabelsPage()
{
    using Box = LabelDialogModel::Box;
    auto *page = new QWidget;
    auto *typeGroup = new QGroupBox(tr("Label Type"));
    QGroupBox *types = radioGroup(QStringLiteral("LabelType"), QString(),
        { tr("Avery (North America)"), tr("Avery (Europe)"), tr("Custom") }, m_labelType, this);
    m_stock = new QComboBox;
    m_stock->setObjectName(QStringLiteral("AveryType"));
    m_stock->setToolTip(tr("AVERY Label Type"));
    m_shapeGroup = radioGroup(QStringLiteral("LabelShape"), tr("Shape"),
        { tr("Round Rect."), tr("Rectangle"), tr("Round") }, m_shape, this);
    auto *typeLayout = new QVBoxLayout(typeGroup);
    typeLayout->addWidget(types);
    typeLayout->addWidget(m_stock);
    typeLayout->addWidget(m_shapeGroup);

    struct BoxSpec
    {
        Box box;
        const char *name;
        QString caption;
        QString hint;
        bool decimals;
    };
    const BoxSpec specs[] = {
        { Box::Width, "WidthEd", tr("Width:"), tr("Label Width"), true },
        { Box::Height, "HeightEd", tr("Height:"), tr("Label Height"), true },
        { Box::Across, "NumAcross", tr("Across:"), tr("Number Of Labels Horizontally"), false },
        { Box::Down, "NumDown", tr("Down:"), tr("Number Of Labels Vertically"), false },
        { Box::PitchWidth, "SpaceW", tr("Horiz.:"),
            tr("Horizontal Pitch (Label Width + Horiz. Space Between Labels)"), true },
        { Box::PitchHeight, "SpaceH", tr("Vert.:"),
            tr("Vertical Pitch (Label Height + Vertical Space Between Labels)"), true },
        { Box::SheetLeft, "SpaceL", tr("Left:"),
            tr("Distance From Paper Edge To Left Edge Of First Label"), true },
        { Box::SheetTop, "SpaceT", tr("Top:"),
            tr("Distance From Paper Edge To Top Edge Of First Label"), true },
    };
    const QStringList groups = { tr("Label Size [Units]"), tr("Number Of Labels On One Page"),
        tr("Label Pitch [Units] (size+gap)"), tr("Page Margins [Units]") };
    auto *boxes = new QGridLayout;
    for (int g = 0; g < groups.size(); ++g) {
        auto *group = new QGroupBox(groups[g]);
        auto *form = new QFormLayout(group);
        for (int k = 0; k < 2; ++k) {
            const BoxSpec &layout = specs[g * 2 + k];
            QLineEdit *box = numberBox(QString::fromLatin1(layout.name), layout.decimals, layout.hint);
            m_boxes[layout.box] = box;
            form->addRow(layout.caption, box);
            connect(box, &QLineEdit::textEdited, this,
                [this, which = layout.box](const QString &t) { m_model.setBox(which, t); });
        }
        boxes->addWidget(group, g / 2, g % 2);
    }
    m_firstLabel = numberBox(
        QStringLiteral("FromLabelEd"), false, tr("First Label To Be Printed On First Page"));
    auto *first = new QFormLayout;
    first->addRow(tr("Print From Label #:"), m_firstLabel);

    auto *layout = new QHBoxLayout(page);
    layout->addWidget(typeGroup);
    auto *right = new QVBoxLayout;
    right->addLayout(boxes);
    right->addLayout(first);
    right->addStretch();
    layout->addLayout(right, 1);

    connect(m_labelType, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.setLabelType(id);
        refresh();
    });
    connect(m_stock, &QComboBox::activated, this, [this](int index) {
        m_model.setStockName(m_stock->itemText(index));
        refresh();
    });
    connect(m_shape, &QButtonGroup::idClicked, this, [this](int id) { m_model.setShape(id); });
    connect(m_firstLabel, &QLineEdit::textEdited, this,
        [this](const QString &t) { m_model.firstLabel = t; });
    return page;
}

QWidget *TLabelDlg::buildBodyPage()
{
    auto *page = new QWidget;
    auto *margins = new QGroupBox(tr("Body Text Margins [Units]"));
    m_bodyLeft = numberBox(QStringLiteral("LabelLM"), true);
    m_bodyTop = numberBox(QStringLiteral("LabelTM"), true);
    auto *marginForm = new QFormLayout(margins);
    marginForm->addRow(tr("Left:"), m_bodyLeft);
    marginForm->addRow(tr("Top:"), m_bodyTop);

    auto *font = new QGroupBox(tr("Text Font"));
    m_fontName = readOnlyBox(QStringLiteral("FontEd"));
    m_fontStyle = readOnlyBox(QStringLiteral("StyleEd"));
    m_fontSize = readOnlyBox(QStringLiteral("SizeEd"));
    auto *fontButton = new QPushButton(tr("Change Font"));
    fontButton->setObjectName(QStringLiteral("FontBtn"));
    fontButton->setToolTip(tr("Select Body Text Font"));
    auto *fontForm = new QFormLayout(font);
    fontForm->addRow(tr("Font Name:"), m_fontName);
    fontForm->addRow(tr("Font Style:"), m_fontStyle);
    fontForm->addRow(tr("Font Size:"), m_fontSize);
    fontForm->addRow(fontButton);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(margins);
    layout->addWidget(font);
    layout->addStretch();
    connect(m_bodyLeft, &QLineEdit::textEdited, this,
        [this](const QString &t) { m_model.bodyLeft = t; });
    connect(
        m_bodyTop, &QLineEdit::textEdited, this, [this](const QString &t) { m_model.bodyTop = t; });
    connect(fontButton, &QPushButton::clicked, this, [this] {
        m_model.chooseBodyFont();
        refresh();
    });
    return page;
}

QWidget *TLabelDlg::buildHeaderPage()
{
    auto *page = new QWidget;
    m_headerText = new QPlainTextEdit;
    m_headerText->setObjectName(QStringLiteral("HFText"));
    auto *font = new QGroupBox(tr("Header/Footer Font"));
    m_headerFontName = readOnlyBox(QStringLiteral("HFFontEd"));
    m_headerFontStyle = readOnlyBox(QStringLiteral("HFStyleEd"));
    m_headerFontSize = readOnlyBox(QStringLiteral("HFSizeEd"));
    auto *fontButton = new QPushButton(tr("Change Font"));
    fontButton->setObjectName(QStringLiteral("BitBtn1"));
    fontButton->setToolTip(tr("Select Header and Footer Font"));
    auto *fontForm = new QFormLayout(font);
    fontForm->addRow(tr("Font Name:"), m_headerFontName);
    fontForm->addRow(tr("Font Style:"), m_headerFontStyle);
    fontForm->addRow(tr("Font Size:"), m_headerFontSize);
    fontForm->addRow(fontButton);
    auto *margins = new QGroupBox(tr("Header/Footer Margins [Units]"));
    m_headerLeft = numberBox(QStringLiteral("HFLeft"), true);
    m_headerTop = numberBox(QStringLiteral("HFTop"), true);
    auto *marginForm = new QFormLayout(margins);
    marginForm->addRow(tr("Left:"), m_headerLeft);
    marginForm->addRow(tr("Top:"), m_headerTop);

    auto *layout = new QGridLayout(page);
    layout->addWidget(new QLabel(tr("Header/Footer Text:")), 0, 0);
    layout->addWidget(m_headerText, 1, 0, 2, 1);
    layout->addWidget(font, 1, 1);
    layout->addWidget(margins, 2, 1);
    connect(m_headerText, &QPlainTextEdit::textChanged, this,
        [this] { m_model.headerText = m_headerText->toPlainText(); });
    connect(m_headerLeft, &QLineEdit::textEdited, this,
        [this](const QString &t) { m_model.headerLeft = t; });
    connect(m_headerTop, &QLineEdit::textEdited, this,
        [this](const QString &t) { m_model.headerTop = t; });
    connect(fontButton, &QPushButton::clicked, this, [this] {
        m_model.chooseHeaderFont();
        refresh();
    });
    return page;
}

QWidget *TLabelDlg::buildLogoPage()
{
    auto *page = new QWidget;
    auto *position = new QGroupBox(tr("Logo Position [Units]"));
    m_logoLeft = numberBox(
        QStringLiteral("LogoLEd"), true, tr("Distance from Label Border to Left Edge of Logo"));
    m_logoTop = numberBox(
        QStringLiteral("LogoTEd"), true, tr("Distance from Label Border to Top Edge of Logo"));
    auto *positionForm = new QFormLayout(position);
    positionForm->addRow(tr("Left:"), m_logoLeft);
    positionForm->addRow(tr("Top:"), m_logoTop);
    auto *file = new QGroupBox(tr("Logo File"));
    m_logoFile = new QLineEdit;
    m_logoFile->setObjectName(QStringLiteral("LogoFEd"));
    m_logoFile->setToolTip(tr("Logo File Name (must be BMP file)"));
    auto *select = new QPushButton(tr("Select"));
    select->setObjectName(QStringLiteral("Button1"));
    select->setToolTip(tr("Select Logo File"));
    auto *fileLayout = new QVBoxLayout(file);
    fileLayout->addWidget(new QLabel(tr("Logo File Name (BMP):")));
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_logoFile, 1);
    fileRow->addWidget(select);
    fileLayout->addLayout(fileRow);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(position);
    layout->addWidget(file);
    layout->addStretch();
    connect(m_logoLeft, &QLineEdit::textEdited, this,
        [this](const QString &t) { m_model.logoLeft = t; });
    connect(
        m_logoTop, &QLineEdit::textEdited, this, [this](const QString &t) { m_model.logoTop = t; });
    connect(m_logoFile, &QLineEdit::textEdited, this,
        [this](const QString &t) { m_model.logoFile = t; });
    connect(select, &QPushButton::clicked, this, [this] {
        m_model.chooseLogoFile();
        refresh();
    });
    return page;
}

} // namespace zendrova

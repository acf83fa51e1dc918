// The five pages of the report dialog and the refresh of their controls
// from the dialog's rules.
#include "output/ui/TReportDlg.h"

#include "output/TReportRec.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "output/ReportNumbers.h"

namespace zendrova {

namespace {

class NumberKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent *>(event)->text();
            if (!text.isEmpty() && text.front().isPrint() && !numberBoxAccepts(text.front())) {
                QApplication::beep();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TReportDlg::RadioGroup TReportDlg::radioGroup(
    const QString &name, const QString &title, const QStringList &items)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(name);
    auto *buttons = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], box);
        button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        buttons->addButton(button, i);
        layout->addWidget(button);
    }
    const RadioGroup group{ box, buttons };
    m_radios[name] = group;
    return group;
}

QLineEdit *TReportDlg::numberBox(const QString &name)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->installEventFilter(new NumberKeyFilter(box));
    m_boxes[name] = box;
    return box;
}

QToolButton *TReportDlg::speedButton(const QString &name, const QString &text, const QString &hint)
{
    auto *button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    m_buttons[name] = button;
    return button;
}

QWidget *TReportDlg::fieldsPage()
{
    auto *page = new QGroupBox(tr("Data Fields"));
    m_all = new QListWidget(page);
    m_all->setObjectName(QStringLiteral("ListBox1"));
    m_all->setToolTip(tr("List Of All Data Fields"));
    m_included = new QListWidget(page);
    m_included->setObjectName(QStringLiteral("ListBox2"));
    m_included->setToolTip(tr("Data Fields Selected For Report"));
    m_width = numberBox(QStringLiteral("FieldWidthEd"));
    m_width->setToolTip(tr("Selected Field Width in Units (only for Column Report Layout)"));

    auto *moves = new QVBoxLayout;
    moves->addStretch();
    const std::tuple<const char *, QString, QString, std::function<void()>> buttons[] = {
        { "IncludeBtn", QStringLiteral(">"), tr("Include Selected Field"), [this] { m_model.include(); } },
        { "IncAllBtn", QStringLiteral(">>"), tr("Include All Fields"), [this] { m_model.includeAll(); } },
        { "ExcludeBtn", QStringLiteral("<"), tr("Exclude Selected Field"), [this] { m_model.exclude(); } },
        { "ExAllBtn", QStringLiteral("<<"), tr("Exclude All Fields"), [this] { m_model.excludeAll(); } },
        { "MoveUpBtn", QStringLiteral("^"), tr("Move Up"), [this] { m_model.moveUp(); } },
        { "MoveDownBtn", QStringLiteral("v"), tr("Move Down"), [this] { m_model.moveDown(); } },
    };
    for (const auto &[name, text, hint, action] : buttons) {
        QToolButton *button = speedButton(QString::fromLatin1(name), text, hint);
        connect(button, &QToolButton::clicked, this, [this, action] {
            action();
            refresh();
        });
        moves->addWidget(button);
    }
    moves->addStretch();

    connect(m_all, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_refreshing)
            m_model.selectAll(row);
    });
    connect(m_included, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_refreshing)
            return;
        m_model.selectIncluded(row);
        refresh();
    });
    connect(m_width, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString kept = m_model.typeWidth(text);
        if (kept != text)
            m_width->setText(kept);
    });

    auto *grid = new QGridLayout(page);
    grid->addWidget(buddyLabel(tr("All Fields:"), m_all), 0, 0);
    grid->addWidget(buddyLabel(tr("Included Fields:"), m_included), 0, 2);
    grid->addWidget(m_all, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(m_included, 1, 2);
    auto *width = new QHBoxLayout;
    width->addWidget(buddyLabel(tr("Width:"), m_width));
    width->addWidget(m_width);
    grid->addLayout(width, 2, 2);
    return page;
}

QWidget *TReportDlg::optionsPage()
{
    auto *page = new QGroupBox(tr("Report Options"));
    auto *grid = new QGridLayout(page);
    const RadioGroup labels = radioGroup(QStringLiteral("LabelsRG"), tr("Field Names"),
        { tr("Print Field Names"), tr("Don't Print Field Names") });
    const RadioGroup layout = radioGroup(QStringLiteral("LayoutRG"), tr("Report Layout"),
        { tr("Fields In Columns"), tr("Fields In Rows") });
    const RadioGroup gridRG
        = radioGroup(QStringLiteral("GridRG"), tr("Grid"), { tr("Print Grid"), tr("Don't Print Grid") });
    const RadioGroup units = radioGroup(QStringLiteral("RadioGroup1"), tr("Units Of Measure"),
        { tr("inches"), tr("centimeters") });
    const RadioGroup totals = radioGroup(QStringLiteral("TotalRG"), tr("Totals"),
        { tr("Total Numeric Fields"), tr("Don't Total Numeric Fields") });
    grid->addWidget(labels.box, 0, 0);
    grid->addWidget(layout.box, 0, 1);
    grid->addWidget(gridRG.box, 1, 0);
    grid->addWidget(units.box, 1, 1);
    grid->addWidget(totals.box, 2, 0);

    const auto onClick = [this](const RadioGroup &group, std::function<void(int)> apply) {
        connect(group.buttons, &QButtonGroup::idClicked, this, [this, apply](int id) {
            if (m_refreshing)
                return;
            apply(id);
            refresh();
        });
    };
    onClick(labels, [this](int id) { m_model.labels = id; });
    onClick(layout, [this](int id) { m_model.setLayout(id); });
    onClick(gridRG, [this](int id) { m_model.grid = id; });
    onClick(units, [this](int id) { m_model.setUnits(id); });
    onClick(totals, [this](int id) { m_model.setTotals(id); });
    return page;
}

QWidget *TReportDlg::pageSettingsPage()
{
    auto *page = new QGroupBox(tr("Page Settings"));
    auto *margins = new QGroupBox(tr("Margins in Units"), page);
    auto *marginForm = new QFormLayout(margins);
    const std::pair<const char *, QString> marginBoxes[]
        = { { "LeftEd", tr("Left:") }, { "RightEd", tr("Right:") }, { "TopEd", tr("Top:") },
              { "BottomEd", tr("Bottom:") } };
    for (const auto &[name, label] : marginBoxes) {
        QLineEdit *box = numberBox(QString::fromLatin1(name));
        marginForm->addRow(buddyLabel(label, box), box);
    }
    auto *size = new QGroupBox(tr("Page Size in Units"), page);
    auto *sizeForm = new QFormLayout(size);
    for (const auto &[name, label] :
        { std::pair<const char *, QString>{ "WidthEd", tr("Width:") }, { "HeightEd", tr("Height:") } }) {
        QLineEdit *box = numberBox(QString::fromLatin1(name));
        sizeForm->addRow(buddyLabel(label, box), box);
    }
    const RadioGroup sizes = radioGroup(QStringLiteral("SizeRG"), QString(),
        { tr("Letter"), tr("Legal"), tr("A4"), tr("Envelope #10"), tr("Custom") });
    sizes.box->setToolTip(tr("Some Page Sizes may not be accepted by your Printer"));
    sizeForm->addRow(sizes.box);
    const RadioGroup orientation = radioGroup(
        QStringLiteral("OrientationRG"), tr("Page Orientation"), { tr("Portrait"), tr("Landscape") });

    for (auto &[name, box] : m_boxes) {
        QString *target = name == "LeftEd" ? &m_model.marginLeft
            : name == "RightEd"            ? &m_model.marginRight
            : name == "TopEd"              ? &m_model.marginTop
            : name == "BottomEd"           ? &m_model.marginBottom
            : name == "WidthEd"            ? &m_model.pageWidth
            : name == "HeightEd"           ? &m_model.pageHeight
                                           : nullptr;
        if (target)
            connect(box, &QLineEdit::textEdited, this, [target](const QString &text) { *target = text; });
    }
    connect(sizes.buttons, &QButtonGroup::idClicked, this, [this](int id) {
        if (m_refreshing)
            return;
        m_model.setPaperSize(id);
        refresh();
    });
    connect(orientation.buttons, &QButtonGroup::idClicked, this, [this](int id) {
        if (!m_refreshing)
            m_model.orientation = id;
    });

    auto *grid = new QGridLayout(page);
    grid->addWidget(margins, 0, 0);
    grid->addWidget(size, 0, 1, 2, 1);
    grid->addWidget(orientation.box, 1, 0);
    return page;
}

QWidget *TReportDlg::fontsPage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    for (const auto &[name, label] : { std::pair<const char *, QString>{ "FontEd", tr("Font Name:") },
             { "StyleEd", tr("Font Style:") }, { "SizeEd", tr("Font Size:") } }) {
        auto *box = new QLineEdit(page);
        box->setObjectName(QString::fromLatin1(name));
        box->setReadOnly(true);
        m_boxes[box->objectName()] = box;
        form->addRow(buddyLabel(label, box), box);
    }
    auto *font = new QPushButton(tr("Change Font"), page);
    font->setObjectName(QStringLiteral("FontBtn"));
    font->setToolTip(tr("Select Font"));
    m_buttons[font->objectName()] = font;
    connect(font, &QPushButton::clicked, this, &TReportDlg::changeFont);
    form->addRow(font);
    return page;
}

QWidget *TReportDlg::titlePage()
{
    auto *page = new QGroupBox(tr("Report Title"));
    auto *title = new QLineEdit(page);
    title->setObjectName(QStringLiteral("TitleEd"));
    title->setToolTip(tr("Enter Report Title"));
    m_boxes[title->objectName()] = title;
    connect(title, &QLineEdit::textEdited, this, [this](const QString &text) { m_model.title = text; });
    const RadioGroup option = radioGroup(QStringLiteral("TitleRG"), tr("Title Options"),
        { tr("Print On First Page Only"), tr("Print On All Pages") });
    const RadioGroup numbers = radioGroup(QStringLiteral("PageNumRG"), tr("Page Numbers/Date"),
        { tr("Do Not Print"), tr("Print At The Top"), tr("Print At The Bottom") });
    connect(option.buttons, &QButtonGroup::idClicked, this, [this](int id) {
        if (!m_refreshing)
            m_model.titleOption = id;
    });
    connect(numbers.buttons, &QButtonGroup::idClicked, this, [this](int id) {
        if (!m_refreshing)
            m_model.pageNumbers = id;
    });
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(buddyLabel(tr("Report Title:"), title));
    layout->addWidget(title);
    layout->addWidget(option.box);
    layout->addWidget(numbers.box);
    layout->addStretch();
    return page;
}

void TReportDlg::setRadio(const QString &name, int index)
{
    if (QAbstractButton *button = m_radios.at(name).buttons->button(index))
        button->setChecked(true);
}

void TReportDlg::refresh()
{
    m_refreshing = true;
    if (m_all->count() != m_model.allFields().size()) {
        m_all->clear();
        m_all->addItems(m_model.allFields());
    }
    m_all->setCurrentRow(m_model.allSelected());
    m_included->clear();
    for (const ReportDialogModel::Included &entry : m_model.included())
        m_included->addItem(entry.caption);
    m_included->setCurrentRow(m_model.includedSelected());
    m_width->setText(m_model.widthText());
    m_width->setEnabled(m_model.widthEnabled());

    setRadio(QStringLiteral("LabelsRG"), m_model.labels);
    setRadio(QStringLiteral("LayoutRG"), m_model.layout());
    setRadio(QStringLiteral("GridRG"), m_model.grid);
    m_radios.at(QStringLiteral("GridRG")).box->setEnabled(m_model.gridEnabled());
    setRadio(QStringLiteral("RadioGroup1"), m_model.units());
    setRadio(QStringLiteral("TotalRG"), m_model.totals);
    m_radios.at(QStringLiteral("TotalRG")).box->setVisible(m_model.totalsVisible());
    setRadio(QStringLiteral("SizeRG"), m_model.paperSize());
    setRadio(QStringLiteral("OrientationRG"), m_model.orientation);
    setRadio(QStringLiteral("TitleRG"), m_model.titleOption);
    setRadio(QStringLiteral("PageNumRG"), m_model.pageNumbers);

    m_boxes.at(QStringLiteral("LeftEd"))->setText(m_model.marginLeft);
    m_boxes.at(QStringLiteral("RightEd"))->setText(m_model.marginRight);
    m_boxes.at(QStringLiteral("TopEd"))->setText(m_model.marginTop);
    m_boxes.at(QStringLiteral("BottomEd"))->setText(m_model.marginBottom);
    for (const char *name : { "WidthEd", "HeightEd" }) {
        QLineEdit *box = m_boxes.at(QString::fromLatin1(name));
        box->setReadOnly(!m_model.pageSizeEditable());
    }
    m_boxes.at(QStringLiteral("WidthEd"))->setText(m_model.pageWidth);
    m_boxes.at(QStringLiteral("HeightEd"))->setText(m_model.pageHeight);
    m_boxes.at(QStringLiteral("FontEd"))->setText(m_model.font.name);
    m_boxes.at(QStringLiteral("StyleEd"))->setText(ReportDialogModel::styleText(m_model.font.style));
    m_boxes.at(QStringLiteral("SizeEd"))->setText(QString::number(m_model.font.size));
    m_boxes.at(QStringLiteral("TitleEd"))->setText(m_model.title);

    const ReportDialogModel::ButtonStates states = m_model.buttons();
    const std::pair<const char *, bool> enabled[] = { { "IncludeBtn", states.include },
        { "IncAllBtn", states.includeAll }, { "ExcludeBtn", states.exclude },
        { "ExAllBtn", states.excludeAll }, { "PrintBtn", states.print },
        { "PreviewBtn", states.preview }, { "SaveBtn", states.save },
        { "MoveUpBtn", states.moveUp }, { "MoveDownBtn", states.moveDown } };
    for (const auto &[name, on] : enabled)
        m_buttons.at(QString::fromLatin1(name))->setEnabled(on);
    m_refreshing = false;
}

} // namespace zendrova

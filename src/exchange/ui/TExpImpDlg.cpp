#include "exchange/ui/TExpImpDlg.h"

#include "common/ui/DialogButtons.h"
#include "store/FieldModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zendrova {

namespace {

QPushButton *arrowButton(const QString &name, const QString &text, const QString &hint)
{
    QPushButton *button = namedButton(name, text);
    button->setToolTip(hint);
    return button;
}

void showList(QListWidget *list, const QStringList &items, int row)
{
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(items);
    list->setCurrentRow(row);
}

// A radio group whose third button goes with a one-character box.
QGroupBox *choiceGroup(const QString &title, const QString &name, const QStringList &items,
    QButtonGroup *&group, QLineEdit *&other)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(name);
    group = new QButtonGroup(box);
    auto *layout = new QGridLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], box);
        radio->setObjectName(name + QStringLiteral("_%1").arg(i));
        group->addButton(radio, i);
        layout->addWidget(radio, i, 0);
    }
    other = new QLineEdit(box);
    other->setMaxLength(1);
    other->setFixedWidth(other->fontMetrics().horizontalAdvance(QStringLiteral("MMM")));
    layout->addWidget(other, items.size() - 1, 1);
    group->button(0)->setChecked(true);
    // Typing checks "Other:"; the other choices empty the box.
    QObject::connect(
        other, &QLineEdit::textEdited, box, [group] { group->button(2)->setChecked(true); });
    QObject::connect(group, &QButtonGroup::idClicked, box, [other](int id) {
        if (id != 2)
            other->clear();
    });
    return box;
}

} // namespace

TExpImpDlg::TExpImpDlg(
    bool exporting, const QStringList &captions, const FieldModel &fields, QWidget *parent)
    : QDialog(parent)
    , SrcList(new QListWidget(this))
    , DstList(new QListWidget(this))
    , IncludeBtn(arrowButton(
          QStringLiteral("IncludeBtn"), QStringLiteral(">"), tr("Click to include selected")))
    , IncAllBtn(arrowButton(
          QStringLiteral("IncAllBtn"), QStringLiteral(">>"), tr("Click to include all")))
    , ExcludeBtn(arrowButton(
          QStringLiteral("ExcludeBtn"), QStringLiteral("<"), tr("Click to exclude selected")))
    , ExcAllBtn(arrowButton(
          QStringLiteral("ExcAllBtn"), QStringLiteral("<<"), tr("Click to exclude all")))
    , MoveUpBtn(
          arrowButton(QStringLiteral("MoveUpBtn"), tr("Up"), tr("Move the selected field up")))
    , MoveDownBtn(arrowButton(
          QStringLiteral("MoveDownBtn"), tr("Down"), tr("Move the selected field down")))
    , NamesBox(new QCheckBox(tr("First line holds field names"), this))
    , m_chooser(captions, fields)
    , m_exporting(exporting)
{
    setObjectName(QStringLiteral("ExpImpDlg"));
    setWindowTitle(exporting ? tr("Export Options") : tr("Import Options"));
    const OkCancelHelp buttons = okCancelHelp(*this, exporting ? kExportHelp : kImportHelp);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    HelpBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(buildChooser(), 1);
    top->addLayout(buttonColumn({ OKBtn, CancelBtn, HelpBtn }));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildFormat());
    SetButtons();
}

QWidget *TExpImpDlg::buildChooser()
{
    auto *chooser = new QWidget(this);
    SrcList->setObjectName(QStringLiteral("SrcList"));
    SrcList->setToolTip(tr("List Of All Data Fields"));
    DstList->setObjectName(QStringLiteral("DstList"));
    DstList->setToolTip(tr("Data Fields Selected For Export/Import"));
    auto *sourceLabel = new QLabel(tr("All Fields:"), chooser);
    sourceLabel->setBuddy(SrcList);
    auto *includedLabel = new QLabel(tr("Fields Included:"), chooser);
    includedLabel->setBuddy(DstList);

    connect(SrcList, &QListWidget::currentRowChanged, this,
        [this](int row) { m_chooser.selectSource(row); });
    connect(DstList, &QListWidget::currentRowChanged, this,
        [this](int row) { m_chooser.selectIncluded(row); });
    connect(IncludeBtn, &QPushButton::clicked, this, [this] { change(&FieldChooser::include); });
    connect(IncAllBtn, &QPushButton::clicked, this, [this] { change(&FieldChooser::includeAll); });
    connect(ExcludeBtn, &QPushButton::clicked, this, [this] { change(&FieldChooser::exclude); });
    connect(ExcAllBtn, &QPushButton::clicked, this, [this] { change(&FieldChooser::excludeAll); });
    connect(MoveUpBtn, &QPushButton::clicked, this, [this] { change(&FieldChooser::moveUp); });
    connect(MoveDownBtn, &QPushButton::clicked, this, [this] { change(&FieldChooser::moveDown); });
    connect(
        SrcList, &QListWidget::itemDoubleClicked, this, [this] { change(&FieldChooser::include); });
    connect(
        DstList, &QListWidget::itemDoubleClicked, this, [this] { change(&FieldChooser::exclude); });

    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    for (QPushButton *button : { IncludeBtn, IncAllBtn, ExcludeBtn, ExcAllBtn })
        arrows->addWidget(button);
    arrows->addStretch();
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(MoveUpBtn);
    moves->addWidget(MoveDownBtn);
    moves->addStretch();
    auto *grid = new QGridLayout(chooser);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(sourceLabel, 0, 0);
    grid->addWidget(includedLabel, 0, 2);
    grid->addWidget(SrcList, 1, 0);
    grid->addLayout(arrows, 1, 1);
    grid->addWidget(DstList, 1, 2);
    grid->addLayout(moves, 1, 3);
    showList(SrcList, m_chooser.sources(), m_chooser.sourceRow());
    return chooser;
}

QWidget *TExpImpDlg::buildFormat()
{
    auto *format = new QWidget(this);
    QGroupBox *separators = choiceGroup(tr("Field Separator"), QStringLiteral("SepGroup"),
        { tr("TABs"), tr("Commas"), tr("Other:") }, m_separator, OtherSepEdit);
    OtherSepEdit->setObjectName(QStringLiteral("OtherSepEdit"));
    QGroupBox *delimiters = choiceGroup(tr("Field Delimiter"), QStringLiteral("DelimGroup"),
        { tr("Nothing"), tr("Quotes"), tr("Other:") }, m_delimiter, OtherDelimEdit);
    OtherDelimEdit->setObjectName(QStringLiteral("OtherDelimEdit"));
    NamesBox->setObjectName(QStringLiteral("NamesBox"));
    NamesBox->setToolTip(tr("The first line of the file holds the names of the fields"));
    connect(NamesBox, &QCheckBox::toggled, this, &TExpImpDlg::SetButtons);
    auto *row = new QHBoxLayout(format);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(separators);
    row->addWidget(delimiters);
    row->addWidget(NamesBox);
    return format;
}

void TExpImpDlg::change(void (FieldChooser::*step)())
{
    (m_chooser.*step)();
    refresh();
}

void TExpImpDlg::refresh()
{
    showList(SrcList, m_chooser.sources(), m_chooser.sourceRow());
    showList(DstList, m_chooser.included(), m_chooser.includedRow());
    SetButtons();
}

void TExpImpDlg::SetButtons()
{
    for (QPushButton *button : { IncludeBtn, IncAllBtn })
        button->setEnabled(m_chooser.includeEnabled());
    for (QPushButton *button : { ExcludeBtn, ExcAllBtn, MoveUpBtn, MoveDownBtn })
        button->setEnabled(m_chooser.excludeEnabled());
    // An import whose file names its fields may start with none chosen.
    OKBtn->setEnabled(m_chooser.excludeEnabled() || (!m_exporting && NamesBox->isChecked()));
}

void TExpImpDlg::preset(const ExchangeSettings &settings)
{
    const auto check
        = [](QButtonGroup *group, QLineEdit *other, char byte, char first, char second) {
              const int id = byte == first ? 0 : byte == second ? 1 : 2;
              group->button(id)->setChecked(true);
              other->setText(id == 2 && byte != 0 ? QString(QLatin1Char(byte)) : QString());
          };
    check(m_separator, OtherSepEdit, settings.separator, ExchangeSettings::kTab,
        ExchangeSettings::kComma);
    check(m_delimiter, OtherDelimEdit, settings.delimiter, 0, ExchangeSettings::kQuote);
    NamesBox->setChecked(settings.namesInFirstLine);
    m_chooser.includePositions(settings.positions);
    refresh();
}

void TExpImpDlg::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TExpImpDlg::FormClose()
{
    m_settings.separator = chosenByte(m_separator->checkedId(), ExchangeSettings::kTab,
        ExchangeSettings::kComma, OtherSepEdit->text());
    m_settings.delimiter
        = chosenByte(m_delimiter->checkedId(), 0, ExchangeSettings::kQuote, OtherDelimEdit->text());
    m_settings.positions = m_chooser.positions();
    m_settings.namesInFirstLine = NamesBox->isChecked();
}

} // namespace zendrova

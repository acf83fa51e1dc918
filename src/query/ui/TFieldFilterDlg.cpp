#include "query/ui/TFieldFilterDlg.h"

#include "editors/DateBuffer.h"
#include "editors/PopupPlacement.h"
#include "editors/ui/TCurrencyEdit.h"
#include "editors/ui/TDateEdit.h"
#include "editors/ui/TFilterEdit.h"
#include "editors/ui/TfrmCalPop.h"

#include "query/FilterValues.h"
#include "query/TFilter.h"

#include "common/Clock.h"
#include "common/ui/DialogButtons.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextBlock>
#include <QVBoxLayout>

namespace zendrova {

namespace {
template <typename Editor>
Editor *valueEditor(QWidget *parent, const char *name, const QString &hint)
{
    auto *editor = new Editor(parent);
    editor->setObjectName(QLatin1String(name));
    editor->setToolTip(hint);
    return editor;
}
} // namespace

TFieldFilterDlg::TFieldFilterDlg(FieldFilterSetup setup, QWidget *parent)
    : QDialog(parent)
    , m_setup(std::move(setup))
    , m_model(m_setup.filter, m_setup.entryIndex, m_setup.fieldPos, m_setup.caption,
          m_setup.fieldKind, m_setup.lookupItems.has_value())
{
    setObjectName(QStringLiteral("TFieldFilterDlg"));
    setWindowTitle(m_model.windowCaption());
    resize(494, 185);

    auto *text1 = new QLabel(tr("Select Records For Which Value Of"), this);
    text1->setObjectName(QStringLiteral("Text1"));
    auto *text2 = new QLabel(m_model.fieldCaption(), this);
    text2->setObjectName(QStringLiteral("Text2"));
    QFont bold = text2->font();
    bold.setBold(true);
    text2->setFont(bold);
    buildConditions();

    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);
    connect(buttons.ok, &QPushButton::clicked, this, &TFieldFilterDlg::okClicked);

    auto *condition = new QVBoxLayout;
    condition->addWidget(text1);
    condition->addWidget(text2);
    condition->addWidget(buildValues());
    condition->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(condition, 1);
    layout->addWidget(m_conditions->button(0)->parentWidget());
    layout->addLayout(buttonColumn({ buttons.ok, buttons.cancel, buttons.help }));

    chooseEditors();
    showEntry();
}

void TFieldFilterDlg::buildConditions()
{
    auto *group = new QGroupBox(tr("Is"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    m_conditions = new QButtonGroup(group);
    auto *column = new QVBoxLayout(group);
    const QStringList items { QStringLiteral("<"), QStringLiteral("<="), QStringLiteral("="),
        QStringLiteral(">="), QStringLiteral(">"), tr("Between"), tr("One Of") };
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], group);
        radio->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        m_conditions->addButton(radio, i);
        column->addWidget(radio);
    }
    connect(m_conditions, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            layOut(id);
    });
}

QWidget *TFieldFilterDlg::buildValues()
{
    auto *values = new QWidget(this);
    m_edit1 = valueEditor<TFilterEdit>(values, "Edit1", tr("Enter Text Here"));
    m_edit2 = valueEditor<TFilterEdit>(values, "Edit2", tr("Enter Text Here"));
    m_currency1
        = valueEditor<TCurrencyEdit>(values, "CurrencyEdit1", tr("Enter Numeric Value Here"));
    m_currency2
        = valueEditor<TCurrencyEdit>(values, "CurrencyEdit2", tr("Enter Numeric Value Here"));
    m_date1 = valueEditor<TDateEdit>(values, "DateEdit1", tr("Enter Date Here"));
    m_date2 = valueEditor<TDateEdit>(values, "DateEdit2", tr("Enter Date Here"));
    for (TCurrencyEdit *number : { m_currency1, m_currency2 }) {
        number->setDisplayFormat(QStringLiteral(",0.00"));
        number->setFont(QFont(QStringLiteral("System")));
    }
    const QString format = DateBuffer::formatOfCode(m_setup.dateFormatSetting);
    for (TDateEdit *date : { m_date1, m_date2 }) {
        date->setMaxLength(10);
        date->setDateFormat(format);
        date->hideFontAndColorEntries();
        // Either editor's format menu sets the format of both: the values are
        // stored in the one filter date format.
        connect(date, &TDateEdit::OnSetFormat, this, &TFieldFilterDlg::setDateFormat);
    }
    m_text3 = new QLabel(values);
    m_text3->setObjectName(QStringLiteral("Text3"));
    m_text4 = new QLabel(tr("AND"), values);
    m_text4->setObjectName(QStringLiteral("Text4"));

    auto *grid = new QGridLayout(values);
    grid->setContentsMargins(0, 0, 0, 0);
    for (QWidget *first : std::initializer_list<QWidget *> { m_edit1, m_currency1, m_date1 })
        grid->addWidget(first, 0, 0);
    grid->addWidget(m_text3, 0, 1);
    grid->addWidget(m_text4, 1, 0);
    for (QWidget *second : std::initializer_list<QWidget *> { m_edit2, m_currency2, m_date2 })
        grid->addWidget(second, 2, 0);
    grid->addWidget(buildListPanel(), 3, 0, 1, 2);
    return values;
}

QWidget *TFieldFilterDlg::buildListPanel()
{
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel2"));
    m_memo = new QPlainTextEdit(m_panel);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setToolTip(tr("Enter One Value Per Line Here"));
    m_removeLine = namedButton(QStringLiteral("BitBtn2"), tr("&Remove"));
    m_removeLine->setToolTip(tr("Remove Current Line"));
    m_removeLine->setEnabled(false);
    m_listButton = namedButton(QStringLiteral("BitBtn1"), QString());
    m_listButton->hide();
    connect(m_removeLine, &QPushButton::clicked, this, &TFieldFilterDlg::removeMemoLine);
    connect(m_listButton, &QPushButton::clicked, this, &TFieldFilterDlg::fillList);
    // The Remove button works on the memo, so moving to it keeps it enabled.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now == m_memo)
            m_removeLine->setEnabled(true);
        else if (old == m_memo && now != m_removeLine)
            m_removeLine->setEnabled(false);
    });
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_removeLine);
    buttons->addWidget(m_listButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(m_panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_memo, 1);
    layout->addLayout(buttons);
    return m_panel;
}

void TFieldFilterDlg::chooseEditors()
{
    switch (m_model.editor()) {
    case FilterValueEditor::Number:
        m_first = m_currency1, m_second = m_currency2;
        break;
    case FilterValueEditor::Date:
        m_first = m_date1, m_second = m_date2;
        break;
    case FilterValueEditor::Text:
        m_first = m_edit1, m_second = m_edit2;
        break;
    }
    const FieldFilterModel::ButtonText text
        = FieldFilterModel::listButtonText(m_model.listButton());
    m_listButton->setText(text.caption);
    m_listButton->setToolTip(text.hint);
}

void TFieldFilterDlg::showEntry()
{
    const auto show = [](QLineEdit *editor, const QString &value) {
        if (auto *number = qobject_cast<TCurrencyEdit *>(editor))
            number->setValue(parseFilterNumber(value).value_or(0));
        else if (auto *date = qobject_cast<TDateEdit *>(editor))
            date->setDate(value);
        else
            editor->setText(value);
    };
    show(m_first, m_model.value1());
    show(m_second, m_model.value2());
    m_memo->setPlainText(m_model.values().join(QLatin1Char('\n')));
    QAbstractButton *condition = m_conditions->button(m_model.condition());
    (condition ? condition : m_conditions->button(0))->setChecked(true);
    layOut(m_conditions->checkedId());
}

void TFieldFilterDlg::layOut(int condition)
{
    const FieldFilterLayout layout = FieldFilterModel::layoutFor(condition);
    for (QWidget *editor : std::initializer_list<QWidget *> {
             m_edit1, m_edit2, m_currency1, m_currency2, m_date1, m_date2 })
        editor->setVisible(
            (editor == m_first && layout.firstShown) || (editor == m_second && layout.secondShown));
    m_text3->setVisible(layout.text3Shown);
    m_text3->setText(layout.text3);
    m_text4->setVisible(layout.text4Shown);
    m_panel->setVisible(layout.panelShown);
    m_listButton->setVisible(layout.panelShown && m_model.listButton() != ListButton::Hidden);
}

QStringList TFieldFilterDlg::memoLines() const
{
    const QString text = m_memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TFieldFilterDlg::removeMemoLine()
{
    QStringList lines = memoLines();
    const int row = m_memo->textCursor().blockNumber();
    if (row >= 0 && row < lines.size()) {
        lines.removeAt(row);
        m_memo->setPlainText(lines.join(QLatin1Char('\n')));
        const QTextBlock block
            = m_memo->document()->findBlockByNumber(std::min<int>(row, lines.size() - 1));
        QTextCursor cursor(m_memo->document());
        if (block.isValid())
            cursor.setPosition(block.position());
        m_memo->setTextCursor(cursor);
    }
    m_memo->setFocus(Qt::OtherFocusReason);
}

void TFieldFilterDlg::fillList()
{
    if (m_model.listButton() == ListButton::Populate) {
        m_memo->setPlainText(m_setup.lookupItems.value_or(QStringList()).join(QLatin1Char('\n')));
        return;
    }
    if (m_model.listButton() == ListButton::AddDates)
        addCalendarDates();
}

void TFieldFilterDlg::addCalendarDates()
{
    TfrmCalPop popup(m_date2);
    const QRect anchor(m_listButton->mapToGlobal(QPoint(0, 0)), m_listButton->size());
    const QScreen *screen = this->screen();
    popup.move(popupPosition(anchor, popup.size(), screen ? screen->geometry() : QRect()));
    const QStringList dates
        = FieldFilterModel::collectDates([this, &popup]() -> std::optional<QString> {
              const int result = popup.exec();
              if (result == TfrmCalPop::TodayResult)
                  m_date2->writeDate(Clock::today());
              else if (result != TfrmCalPop::OkResult)
                  return std::nullopt;
              return m_date2->Date();
          });
    for (const QString &date : dates)
        m_memo->appendPlainText(date);
}

void TFieldFilterDlg::setDateFormat(int setting)
{
    const QString format = DateBuffer::formatOfCode(setting);
    m_date1->setDateFormat(format);
    m_date2->setDateFormat(format);
    m_setup.dateFormatSetting = static_cast<std::uint16_t>(setting);
    m_model.changeDateFormat(setting);
}

QString TFieldFilterDlg::editorText(QLineEdit *editor)
{
    // A blank date shows its mask; it holds no value.
    if (auto *date = qobject_cast<TDateEdit *>(editor); date && date->value() == 0)
        return QString();
    return editor->text();
}

void TFieldFilterDlg::okClicked()
{
    QStringList lines = memoLines();
    const bool stored = m_model.accept(
        m_conditions->checkedId(), editorText(m_first), editorText(m_second), lines);
    if (stored) {
        m_memo->setPlainText(lines.join(QLatin1Char('\n')));
        accept();
    }
}

TFieldFilterDlg::~TFieldFilterDlg()
{
    disconnect(m_focusWatch);
}

} // namespace zendrova

#include "mainwin/ui/CardControl.h"

#include "common/DateSerial.h"
#include "editors/ui/TBmpControl.h"
#include "editors/ui/TCurrencyEdit.h"
#include "editors/ui/TDateEdit.h"
#include "store/ui/TLookup.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace zendrova {

namespace {

constexpr int kDateCharacters = 10;

// Each adapter knows its widget's class; T is what create() made.
template <typename T> class ControlOf : public CardControl
{
protected:
    ControlOf(const CardField &field, T *widget)
        : CardControl(field, widget)
        , m_control(widget)
    { }
    T *control() const { return m_control; }

private:
    T *m_control;
};

class EditControl final : public ControlOf<QLineEdit>
{
public:
    EditControl(const CardField &field, QWidget *parent)
        : ControlOf(field, new QLineEdit(parent))
    { }
    CardValue value() const override { return CardValue::ofText(control()->text()); }
    void setValue(const CardValue &value) override { control()->setText(value.text); }
    void onChange(QObject *context, const std::function<void()> &changed) const override
    {
        QObject::connect(control(), &QLineEdit::textChanged, context, changed);
    }
};

class LookupControl final : public ControlOf<TLookup>
{
public:
    LookupControl(const CardField &field, AppState &state, QWidget *parent)
        : ControlOf(field, new TLookup(state, parent))
    {
        control()->setSource(field.lookupSource);
    }
    CardValue value() const override { return CardValue::ofText(control()->currentText()); }
    void setValue(const CardValue &value) override { control()->setEditText(value.text); }
    void keepTyping() override { control()->keepTypedItem(); }
    void onChange(QObject *context, const std::function<void()> &changed) const override
    {
        QObject::connect(control(), &QComboBox::editTextChanged, context, changed);
    }
};

class CurrencyControl final : public ControlOf<TCurrencyEdit>
{
public:
    CurrencyControl(const CardField &field, QWidget *parent)
        : ControlOf(field, new TCurrencyEdit(parent))
    {
        control()->setDisplayFormat(field.displayFormat);
    }
    // The amount the text shows, also when the editor has not been left yet.
    CardValue value() const override
    {
        if (control()->isBlank())
            return CardValue::blankNumber();
        return CardValue::ofNumber(double(control()->shownValue()));
    }
    // An emptied amount shows as 0 in the display format, whatever was typed.
    void setValue(const CardValue &value) override
    {
        if (value.number)
            control()->setValue(*value.number);
        else
            control()->setBlank();
    }
    void fitField(int width, int decimals) override
    {
        control()->setNumberField(NumberField { width, decimals });
    }
    void onChange(QObject *context, const std::function<void()> &changed) const override
    {
        QObject::connect(control(), &QLineEdit::textChanged, context, changed);
    }
    void applyColors(const CardColors &colors) override
    {
        control()->setPalette(
            fieldPalette(control()->palette(), colors.currencyPositive, colors.oneLineBackground));
        control()->setPlusColor(colors.currencyPositive);
        control()->setNegColor(colors.currencyNegative);
    }
    ColorDialogUse colorUse() const override { return ColorDialogUse::CurrencyFields; }
};

class DateControl final : public ControlOf<TDateEdit>
{
public:
    DateControl(const CardField &field, QWidget *parent)
        : ControlOf(field, new TDateEdit(parent))
    {
        control()->setMaxLength(kDateCharacters);
    }
    CardValue value() const override
    {
        const std::optional<QDate> date = control()->shownDate();
        if (!date && !control()->isBlank())
            return CardValue::ofUnreadableDate(control()->Date());
        return CardValue::ofDate(date);
    }
    void setValue(const CardValue &value) override
    {
        control()->setValue(value.date ? serialFromDate(*value.date) : 0);
    }
    void onChange(QObject *context, const std::function<void()> &changed) const override
    {
        QObject::connect(control(), &QLineEdit::textChanged, context, changed);
    }
};

class PictureControl final : public ControlOf<TBmpControl>
{
public:
    PictureControl(const CardField &field, QWidget *parent)
        : ControlOf(field, new TBmpControl(parent))
    { }
    CardValue value() const override
    {
        return CardValue::ofPicture(control()->isEmpty() ? QByteArray() : control()->pictureData());
    }
    // Bytes that are no readable picture show as no picture.
    void setValue(const CardValue &value) override
    {
        if (value.picture.isEmpty() || !control()->setPictureData(value.picture))
            control()->clear();
    }
    void onChange(QObject *context, const std::function<void()> &changed) const override
    {
        QObject::connect(control(), &TBmpControl::pictureEdited, context, changed);
    }
    // A picture keeps its own colours.
    void applyColors(const CardColors &) override { }
};

class MemoControl final : public ControlOf<QPlainTextEdit>
{
public:
    MemoControl(const CardField &field, QWidget *parent)
        : ControlOf(field, new QPlainTextEdit(parent))
    { }
    CardValue value() const override { return CardValue::ofText(control()->toPlainText()); }
    void setValue(const CardValue &value) override { control()->setPlainText(value.text); }
    void onChange(QObject *context, const std::function<void()> &changed) const override
    {
        QObject::connect(control(), &QPlainTextEdit::textChanged, context, changed);
    }
    void applyColors(const CardColors &colors) override
    {
        control()->setPalette(
            fieldPalette(control()->palette(), colors.memoText, colors.memoBackground));
    }
    ColorDialogUse colorUse() const override { return ColorDialogUse::MultiLineFields; }
};

std::unique_ptr<CardControl> adapterFor(const CardField &field, AppState &state, QWidget *parent)
{
    switch (field.kind) {
    case CardControlKind::Edit:
        return std::make_unique<EditControl>(field, parent);
    case CardControlKind::Lookup:
        return std::make_unique<LookupControl>(field, state, parent);
    case CardControlKind::Currency:
        return std::make_unique<CurrencyControl>(field, parent);
    case CardControlKind::Date:
        return std::make_unique<DateControl>(field, parent);
    case CardControlKind::Picture:
        return std::make_unique<PictureControl>(field, parent);
    case CardControlKind::Memo:
        return std::make_unique<MemoControl>(field, parent);
    }
    return nullptr;
}

} // namespace

std::unique_ptr<CardControl> CardControl::create(
    const CardField &field, AppState &state, QWidget *parent)
{
    std::unique_ptr<CardControl> control = adapterFor(field, state, parent);
    QWidget *widget = control->widget();
    widget->setObjectName(QStringLiteral("L%1").arg(field.tag));
    widget->setToolTip(field.hint);
    CardFields::setTag(widget, field.tag);
    return control;
}

CardControl::CardControl(const CardField &field, QWidget *widget)
    : m_field(field)
    , m_widget(widget)
{ }

CardControl::~CardControl() = default;

void CardControl::fitField(int, int) { }

void CardControl::applyColors(const CardColors &colors)
{
    m_widget->setPalette(
        fieldPalette(m_widget->palette(), colors.oneLineText, colors.oneLineBackground));
}

QPalette fieldPalette(QPalette palette, const QColor &text, const QColor &background)
{
    for (auto group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Base, background);
    }
    const QPalette system = QApplication::palette();
    palette.setColor(
        QPalette::Disabled, QPalette::Base, system.color(QPalette::Active, QPalette::Window));
    palette.setColor(
        QPalette::Disabled, QPalette::Text, system.color(QPalette::Disabled, QPalette::Text));
    return palette;
}

} // namespace zendrova

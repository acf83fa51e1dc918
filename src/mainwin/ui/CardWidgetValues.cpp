#include "mainwin/ui/CardWidgetValues.h"

#include "common/DateSerial.h"
#include "editors/ui/TBmpControl.h"
#include "editors/ui/TCurrencyEdit.h"
#include "editors/ui/TDateEdit.h"
#include "mainwin/CardFields.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"
#include "store/ui/TLookup.h"

#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

namespace zendrova {

namespace {
const QString kStoredDateFormat = QStringLiteral("yyyyMMdd");
// A record template's date that stands for the day it is used.
constexpr double kTodaySerial = 1.0;

CardControlKind kindAt(int index)
{
    return CardFields::byTag(index + 1).kind;
}

int positionAt(int index)
{
    return CardFields::byTag(index + 1).fieldPosition();
}
} // namespace

CardWidgetValues::CardWidgetValues(const QList<QWidget *> &controls, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
{
    for (QWidget *control : std::as_const(m_controls))
        watch(control);
}

void CardWidgetValues::watch(QWidget *control)
{
    if (auto *picture = qobject_cast<TBmpControl *>(control))
        connect(picture, &TBmpControl::pictureEdited, this, &CardWidgetValues::edited);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        connect(memo, &QPlainTextEdit::textChanged, this, &CardWidgetValues::edited);
    else if (auto *lookup = qobject_cast<TLookup *>(control))
        connect(lookup, &QComboBox::editTextChanged, this, &CardWidgetValues::edited);
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textChanged, this, &CardWidgetValues::edited);
}

void CardWidgetValues::edited()
{
    if (!m_filling)
        m_changed = true;
}

void CardWidgetValues::clearAll()
{
    for (int index = 0; index < m_controls.size(); ++index)
        clear(index);
    m_changed = false;
}

void CardWidgetValues::clear(int index)
{
    const QScopedValueRollback filling(m_filling, true);
    QWidget *control = m_controls.at(index);
    switch (kindAt(index)) {
    case CardControlKind::Picture:
        static_cast<TBmpControl *>(control)->clear();
        break;
    case CardControlKind::Memo:
        static_cast<QPlainTextEdit *>(control)->clear();
        break;
    case CardControlKind::Lookup:
        static_cast<TLookup *>(control)->setEditText(QString());
        break;
    case CardControlKind::Currency:
        static_cast<TCurrencyEdit *>(control)->setValue(0);
        break;
    case CardControlKind::Date:
        static_cast<TDateEdit *>(control)->setValue(0);
        break;
    case CardControlKind::Edit:
        static_cast<QLineEdit *>(control)->clear();
        break;
    }
}

bool CardWidgetValues::isEmpty() const
{
    for (int index = 0; index < m_controls.size(); ++index) {
        const QWidget *control = m_controls.at(index);
        switch (kindAt(index)) {
        case CardControlKind::Picture:
            if (!static_cast<const TBmpControl *>(control)->isEmpty())
                return false;
            break;
        case CardControlKind::Memo:
            if (!static_cast<const QPlainTextEdit *>(control)->toPlainText().isEmpty())
                return false;
            break;
        case CardControlKind::Lookup:
            if (!static_cast<const TLookup *>(control)->currentText().isEmpty())
                return false;
            break;
        case CardControlKind::Currency:
            if (static_cast<const TCurrencyEdit *>(control)->Value() != 0)
                return false;
            break;
        case CardControlKind::Date:
            if (static_cast<const TDateEdit *>(control)->shownDate())
                return false;
            break;
        case CardControlKind::Edit:
            if (!static_cast<const QLineEdit *>(control)->text().isEmpty())
                return false;
            break;
        }
    }
    return true;
}

void CardWidgetValues::load(int index, const StoreTable &record, bool asTemplate)
{
    const QScopedValueRollback filling(m_filling, true);
    const int position = positionAt(index);
    QWidget *control = m_controls.at(index);
    switch (kindAt(index)) {
    case CardControlKind::Picture: {
        const QByteArray bytes = record.bytes(position);
        auto *picture = static_cast<TBmpControl *>(control);
        if (bytes.isEmpty() || !picture->setPictureData(bytes))
            picture->clear();
        break;
    }
    case CardControlKind::Memo:
        static_cast<QPlainTextEdit *>(control)->setPlainText(record.text(position));
        break;
    case CardControlKind::Lookup:
        static_cast<TLookup *>(control)->setEditText(record.text(position).trimmed());
        break;
    case CardControlKind::Currency:
        static_cast<TCurrencyEdit *>(control)->setValue(record.number(position));
        break;
    case CardControlKind::Date: {
        const QDate date = QDate::fromString(record.text(position), kStoredDateFormat);
        double serial = date.isValid() ? serialFromDate(date) : 0;
        if (asTemplate && serial == kTodaySerial)
            serial = serialFromDate(QDate::currentDate());
        static_cast<TDateEdit *>(control)->setValue(serial);
        break;
    }
    case CardControlKind::Edit:
        static_cast<QLineEdit *>(control)->setText(record.text(position).trimmed());
        break;
    }
    m_changed = false;
}

void CardWidgetValues::write(int index, RecordEditor &record) const
{
    const int position = positionAt(index);
    const QWidget *control = m_controls.at(index);
    switch (kindAt(index)) {
    case CardControlKind::Picture: {
        const auto *picture = static_cast<const TBmpControl *>(control);
        record.setBytes(position, picture->isEmpty() ? QByteArray() : picture->pictureData());
        break;
    }
    case CardControlKind::Memo:
        record.setText(position, static_cast<const QPlainTextEdit *>(control)->toPlainText());
        break;
    case CardControlKind::Lookup:
        record.setText(position, static_cast<const TLookup *>(control)->currentText());
        break;
    case CardControlKind::Currency:
        record.setNumber(position, double(static_cast<const TCurrencyEdit *>(control)->Value()));
        break;
    case CardControlKind::Date: {
        const auto date = static_cast<const TDateEdit *>(control)->shownDate();
        if (date)
            record.setText(position, date->toString(kStoredDateFormat));
        else
            record.clear(position);
        break;
    }
    case CardControlKind::Edit:
        record.setText(position, static_cast<const QLineEdit *>(control)->text());
        break;
    }
}

} // namespace zendrova

#include "mainwin/PlainCardValues.h"

#include "mainwin/CardFields.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include <QDate>
#include <QLocale>

namespace zendrova {

CardValues::~CardValues() = default;

namespace {

int positionOf(int index)
{
    return index + FieldModel::kFirstUserPosition;
}

QString withoutSeparators(const QString &text)
{
    QString plain = text;
    return plain.remove(QLocale().groupSeparator()).trimmed();
}

// The date value 1.0 (31 December 1899) as the table stores it.
const QString kTodayMarker = QStringLiteral("18991231");

} // namespace

void PlainCardValues::clearAll()
{
    for (int i = 0; i < kCount; ++i)
        clear(i);
    m_changed = false;
}

void PlainCardValues::clear(int index)
{
    m_texts.at(index).clear();
    m_pictures.at(index).clear();
}

bool PlainCardValues::isEmpty() const
{
    for (int i = 0; i < kCount; ++i) {
        if (!m_pictures.at(i).isEmpty())
            return false;
        const QString text = withoutSeparators(m_texts.at(i));
        if (CardFields::all().at(i).kind == CardControlKind::Currency) {
            if (!text.isEmpty() && text.toDouble() != 0)
                return false;
        } else if (!text.isEmpty()) {
            return false;
        }
    }
    return true;
}

void PlainCardValues::load(int index, const StoreTable &record, bool asTemplate)
{
    const int position = positionOf(index);
    clear(index);
    if (record.fieldModel().isPicture(position)) {
        m_pictures.at(index) = record.bytes(position);
    } else {
        QString text = record.text(position);
        if (asTemplate && record.fieldModel().kind(position) == FieldKind::Date
            && text == kTodayMarker)
            text = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        m_texts.at(index) = text;
    }
    m_changed = false;
}

void PlainCardValues::write(int index, RecordEditor &record) const
{
    const int position = positionOf(index);
    const FieldModel &fields = record.table().fieldModel();
    const QString &text = m_texts.at(index);
    if (fields.isPicture(position)) {
        record.setBytes(position, m_pictures.at(index));
    } else if (fields.kind(position) == FieldKind::Numeric) {
        record.setNumber(position, withoutSeparators(text).toDouble());
    } else if (fields.kind(position) == FieldKind::Date && text.isEmpty()) {
        record.clear(position);
    } else {
        record.setText(position, text);
    }
}

void PlainCardValues::setText(int index, const QString &text)
{
    m_texts.at(index) = text;
    m_changed = true;
}

void PlainCardValues::setPicture(int index, const QByteArray &bytes)
{
    m_pictures.at(index) = bytes;
    m_changed = true;
}

} // namespace zendrova

#pragma once

#include "exchange/ExchangeSettings.h"
#include "exchange/FieldTextCodec.h"

#include <QByteArray>
#include <QStringList>

namespace zendrova {

class FieldModel;
class StoreTable;

// Writes records as lines of an exchange text file: each included field's
// value in list order, split by the separator, each between delimiters when
// one is set (a delimiter inside a value is written doubled, so that it reads
// back as one), a memo as its lines joined by CR LF between wrapper bytes,
// and CR LF after the last value.
class TextExport
{
public:
    TextExport(
        const ExchangeSettings &settings, const FieldModel &fields, const FieldTextCodec &codec);

    // The captions of the included fields (captions in field-number order).
    void appendNames(QByteArray &out, const QStringList &captions) const;
    void appendRecord(QByteArray &out, const StoreTable &record) const;

private:
    void appendValue(QByteArray &out, int column, QByteArray value, bool memo) const;

    const ExchangeSettings &m_settings;
    const FieldModel &m_fields;
    const FieldTextCodec &m_codec;
};

} // namespace zendrova

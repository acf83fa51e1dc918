#include "exchange/TextExport.h"

#include "store/FieldModel.h"
#include "store/StoreTable.h"

namespace zendrova {

namespace {

QByteArray windows1252(const QString &text)
{
    const std::string bytes = toCp1252(text);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// The memo's lines, however they were ended, joined by CR LF.
QByteArray memoLines(const QByteArray &value)
{
    QByteArray joined;
    joined.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char byte = value[i];
        if (byte == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue;
        if (byte == '\n' || byte == '\r')
            joined.append(TextLayout::kLineEnd);
        else
            joined.append(byte);
    }
    return joined;
}

} // namespace

TextExport::TextExport(
    const ExchangeSettings &settings, const FieldModel &fields, const FieldTextCodec &codec)
    : m_settings(settings)
    , m_fields(fields)
    , m_codec(codec)
{ }

void TextExport::appendNames(QByteArray &out, const QStringList &captions) const
{
    int column = 0;
    for (const int position : m_settings.positions) {
        const int index = position - FieldModel::kFirstUserPosition;
        appendValue(out, column++,
            windows1252(index >= 0 && index < captions.size() ? captions[index] : QString()),
            false);
    }
    out.append(TextLayout::kLineEnd);
}

void TextExport::appendRecord(QByteArray &out, const StoreTable &record) const
{
    int column = 0;
    for (const int position : m_settings.positions) {
        const bool memo = m_fields.isMemo(position);
        appendValue(out, column++, windows1252(m_codec.toText(record, position)), memo);
    }
    out.append(TextLayout::kLineEnd);
}

void TextExport::appendValue(QByteArray &out, int column, QByteArray value, bool memo) const
{
    if (column > 0)
        out.append(m_settings.separator);
    const char delimiter = m_settings.delimiter;
    if (delimiter != 0) {
        // Most values hold none: a scan is cheaper than a replace.
        if (value.contains(delimiter))
            value.replace(QByteArray(1, delimiter), QByteArray(2, delimiter));
        out.append(delimiter);
    }
    if (memo) {
        out.append(TextLayout::kMemoWrapper);
        out.append(memoLines(value));
        out.append(TextLayout::kMemoWrapper);
    } else {
        out.append(value);
    }
    if (delimiter != 0)
        out.append(delimiter);
}

} // namespace zendrova

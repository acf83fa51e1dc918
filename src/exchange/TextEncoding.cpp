#include "exchange/TextEncoding.h"

#include "store/StoreTable.h"

#include <QStringDecoder>

namespace zendrova {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

bool hasHighByte(const QByteArray &bytes)
{
    for (const char byte : bytes)
        if (static_cast<unsigned char>(byte) >= 0x80)
            return true;
    return false;
}

std::optional<QString> asUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QByteArray encode(const QString &text)
{
    const std::string bytes = toCp1252(text);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// Where the first character lies that does not come back from Windows-1252
// unchanged; -1 when every one does. A character outside the basic plane
// never fits.
qsizetype firstUnmappable(const QString &text, const QByteArray &encoded)
{
    const QString back = fromCp1252(encoded.toStdString());
    if (back == text)
        return -1;
    qsizetype j = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++j) {
        if (text[i].isHighSurrogate() || j >= back.size() || back[j] != text[i])
            return i;
    }
    return -1;
}

} // namespace

ImportText ImportText::decode(const QByteArray &file)
{
    ImportText result;
    QByteArrayView body(file);
    const bool marked = file.startsWith(kByteOrderMark);
    if (marked)
        body = body.sliced(kByteOrderMark.size());
    std::optional<QString> text;
    if (marked || hasHighByte(file))
        text = asUtf8(body);
    if (!text) {
        result.bytes = marked ? body.toByteArray() : file;
        return result;
    }
    result.wasUtf8 = true;
    result.bytes = encode(*text);
    const qsizetype bad = firstUnmappable(*text, result.bytes);
    if (bad >= 0) {
        const QStringView before = QStringView(*text).left(bad);
        const int line = int(before.count(QLatin1Char('\n'))) + 1;
        const qsizetype length = text->at(bad).isHighSurrogate() ? 2 : 1;
        result.unmappable = Unmappable { line, text->mid(bad, length) };
        result.bytes = encode(before.toString());
    }
    return result;
}

} // namespace zendrova

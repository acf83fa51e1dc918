#include "common/FileText.h"

#include <QStringDecoder>

namespace zendrova {

QString textFromFileBytes(const QByteArray &bytes)
{
    // A leading byte-order mark is text like any other here, not a marker to drop.
    QStringDecoder utf8(QStringDecoder::Utf8,
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QByteArray textToFileBytes(const QString &text, int maxBytes)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    int cut = maxBytes;
    // Step back over continuation bytes to the start of the cut character.
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    return bytes.left(cut);
}

} // namespace zendrova

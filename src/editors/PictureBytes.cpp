#include "editors/PictureBytes.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace zendrova::PictureBytes {

QByteArray withoutGraphicHeader(const QByteArray &stored)
{
    if (stored.size() < kGraphicHeaderSize)
        return stored;
    const auto *bytes = reinterpret_cast<const uchar *>(stored.constData());
    const bool isHeader = qFromLittleEndian<quint16>(bytes) == 1
        && qFromLittleEndian<quint16>(bytes + 2) == 0x0100
        && qFromLittleEndian<quint32>(bytes + 4) == quint32(stored.size() - kGraphicHeaderSize);
    return isHeader ? stored.mid(kGraphicHeaderSize) : stored;
}

QImage decode(const QByteArray &stored, bool *ok)
{
    if (ok)
        *ok = true;
    if (stored.isEmpty())
        return {};
    QByteArray bitmap = withoutGraphicHeader(stored);
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    QImage picture = reader.read();
    if (picture.isNull() && ok)
        *ok = false;
    return normalized(picture);
}

QByteArray encode(const QImage &picture)
{
    QByteArray bytes;
    if (picture.isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    normalized(picture).save(&buffer, "BMP");
    return bytes;
}

QImage normalized(const QImage &picture)
{
    if (picture.isNull())
        return {};
    // Palette pictures stay as they are, so they keep their size when stored again.
    if (!picture.hasAlphaChannel())
        return picture;
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.setDotsPerMeterX(picture.dotsPerMeterX());
    opaque.setDotsPerMeterY(picture.dotsPerMeterY());
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    return opaque;
}

} // namespace zendrova::PictureBytes

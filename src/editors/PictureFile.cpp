#include "editors/PictureFile.h"

#include "editors/PictureBytes.h"
#include "common/Interaction.h"

#include <QFile>
#include <QImageReader>
#include <QSaveFile>

namespace zendrova {

namespace {
bool isAcceptedFormat(const QByteArray &format)
{
    return format == "bmp" || format == "png" || format == "jpeg" || format == "jpg";
}
} // namespace

QString PictureFile::openFilter()
{
    return tr("Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg);;All Files (*)");
}

QString PictureFile::saveFilter()
{
    return tr("Bitmaps (*.bmp)");
}

QImage PictureFile::load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(MessageKind::Error,
            tr("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
        return {};
    }
    // The format is taken from the contents, so a picture with the wrong extension still loads.
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    // Photos of cards are often taken turned; their orientation tag puts them upright.
    reader.setAutoTransform(true);
    QImage picture;
    if (isAcceptedFormat(reader.format().toLower()))
        picture = reader.read();
    if (picture.isNull()) {
        showMessage(MessageKind::Error,
            tr("\"%1\" is not a BMP, PNG or JPEG picture, or it is damaged.").arg(fileName));
        return {};
    }
    return PictureBytes::normalized(picture);
}

bool PictureFile::save(const QImage &picture, const QString &fileName)
{
    const QByteArray bytes = PictureBytes::encode(picture);
    QSaveFile file(fileName);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
        || !file.commit()) {
        showMessage(MessageKind::Error,
            tr("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
        return false;
    }
    return true;
}

} // namespace zendrova

#include "editors/PictureEditor.h"

#include "editors/PictureBytes.h"
#include "editors/PictureFile.h"
#include "common/Interaction.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace zendrova {

void PictureEditor::setPicture(const QImage &picture)
{
    m_picture = PictureBytes::normalized(picture);
}

QByteArray PictureEditor::data() const
{
    return PictureBytes::encode(m_picture);
}

bool PictureEditor::setData(const QByteArray &data)
{
    bool ok = false;
    QImage picture = PictureBytes::decode(data, &ok);
    if (ok)
        m_picture = picture;
    return ok;
}

bool PictureEditor::clear()
{
    if (isEmpty())
        return false;
    m_picture = QImage();
    return true;
}

bool PictureEditor::zoom()
{
    if (isEmpty())
        return false;
    m_scaled = !m_scaled;
    return true;
}

bool PictureEditor::load()
{
    const QString name = Interaction::current().openFileName(
        tr("Load Image"), QString(), PictureFile::openFilter());
    if (name.isEmpty())
        return false;
    QImage picture = PictureFile::load(name);
    if (picture.isNull())
        return false;
    m_picture = picture;
    return true;
}

void PictureEditor::save() const
{
    if (isEmpty()) {
        showMessage(
            MessageKind::Information, tr("The picture is empty: there is nothing to save."));
        return;
    }
    const QString name = Interaction::current().saveFileName(
        tr("Save Image"), QString(), PictureFile::saveFilter());
    if (!name.isEmpty())
        PictureFile::save(m_picture, name);
}

void PictureEditor::copy() const
{
    // An empty picture leaves the clipboard as it is rather than wiping it.
    if (isEmpty())
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(m_picture);
}

bool PictureEditor::clipboardHasPicture()
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasImage();
}

bool PictureEditor::paste()
{
    if (!clipboardHasPicture())
        return false;
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull())
        return false;
    setPicture(picture);
    return true;
}

bool PictureEditor::takeCapture(const QImage &captured)
{
    if (captured.width() < 1 || captured.height() < 1) {
        showMessage(MessageKind::Error, captureFailedText());
        return false;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(captured);
    setPicture(captured);
    return true;
}

QString PictureEditor::captureFailedText()
{
    return tr("Both Width and Height of Captured Area must be > 0 !");
}

} // namespace zendrova

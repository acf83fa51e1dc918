#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>

namespace zendrova {

// What the picture control does, without its widgets: the picture, its
// display mode, the byte form the record keeps, and the actions of the bar
// and menu. Each action that can change the picture says whether it did.
class PictureEditor
{
    Q_DECLARE_TR_FUNCTIONS(PictureEditor)
public:
    const QImage &picture() const { return m_picture; }
    bool isEmpty() const { return m_picture.isNull(); }
    void setPicture(const QImage &picture);

    // The field's data: a BMP file image, or empty for an empty picture.
    QByteArray data() const;
    // Takes a field's data (with or without the graphic header); empty data
    // empties the picture. False, with the picture unchanged, for unreadable data.
    bool setData(const QByteArray &data);

    // Scaled to fit the display area (zoomed), else shown at natural size.
    bool scaled() const { return m_scaled; }

    bool clear();
    // Toggles scaled and natural size; nothing happens to an empty picture.
    bool zoom();
    bool load();
    void save() const;
    void copy() const;
    bool paste();
    static bool clipboardHasPicture();
    // Takes a screen capture: it replaces the clipboard's content and the
    // picture. An empty capture is refused with the user told why.
    bool takeCapture(const QImage &captured);

    static QString captureFailedText();

private:
    QImage m_picture;
    bool m_scaled = true;
};

} // namespace zendrova

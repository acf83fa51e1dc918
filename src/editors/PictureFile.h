#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

namespace zendrova {

// Reading and writing picture files for the picture control's Load and Save.
// Failures are reported to the user here; the caller's picture is not touched.
class PictureFile
{
    Q_DECLARE_TR_FUNCTIONS(PictureFile)
public:
    // File dialog filters; the first entry, "*.bmp", is the one offered at first.
    static QString openFilter();
    static QString saveFilter();

    // The picture of a BMP, PNG or JPEG file; a null image after a reported failure.
    static QImage load(const QString &fileName);
    // Writes the picture as a BMP file beside the old one and swaps it in.
    static bool save(const QImage &picture, const QString &fileName);
};

} // namespace zendrova

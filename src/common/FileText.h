#pragma once

#include <QByteArray>
#include <QString>

namespace zendrova {

// Texts in the program's own files are stored as 8-bit bytes. We write UTF-8 so
// any path survives; bytes that are not valid UTF-8 are read as Latin-1, so an
// older single-byte file still loads rather than turning into replacement marks.
QString textFromFileBytes(const QByteArray &bytes);

// At most maxBytes bytes, cut before a partial UTF-8 sequence.
QByteArray textToFileBytes(const QString &text, int maxBytes);

} // namespace zendrova

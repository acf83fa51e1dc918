#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zendrova {

// Small text files of lines ended by CR LF. A lone LF also ends a line when
// reading, and a last line without an end still counts. A file holding NUL
// bytes is not text and reads as unreadable.
// The file is looked up in folder as the program's other files are.
std::optional<QStringList> readTextLines(const QString &folder, const QString &name);
bool writeTextLines(const QString &folder, const QString &name, const QStringList &lines);

} // namespace zendrova

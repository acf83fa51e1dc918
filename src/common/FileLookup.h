#pragma once

#include <QString>

namespace zendrova {

// The program's own files may have been copied with any letter case (they come
// from a case-insensitive file system). Returns the path of the entry in folder
// whose name equals name ignoring case, preferring an exact match; empty when
// there is none.
QString findFileCaseInsensitive(const QString &folder, const QString &name);

// The path to read or rewrite a file of the program: the existing entry found
// case-insensitively, else the name as written, so a rewrite never leaves a
// second copy that differs only in case.
QString programFilePath(const QString &folder, const QString &name);

// The folder exists and may be entered (listed and its files opened).
bool canEnterFolder(const QString &folder);

// Joins a folder and a name with the platform's separator handling of Qt.
QString joinPath(const QString &folder, const QString &name);

} // namespace zendrova

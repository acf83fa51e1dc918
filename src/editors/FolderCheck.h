#pragma once

#include <QString>

namespace zendrova {

// True when the path can be made the current folder; the current folder is
// left as it was.
bool isUsableFolder(const QString &path);
// Folder paths are shown in upper case where the file system ignores case.
bool fileSystemIgnoresCase();

} // namespace zendrova

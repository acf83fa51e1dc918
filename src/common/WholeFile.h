#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zendrova {

// Far above any settings file the program writes.
inline constexpr qint64 kMaxSettingsFileBytes = 64 * 1024;

// Settings files are read in one go and rewritten whole. Reading refuses
// anything that is not a regular file or is larger than maxBytes, so a stray
// device or a huge file can neither hang nor exhaust the program.
std::optional<QByteArray> readWholeFile(const QString &path, qint64 maxBytes);

// Writes beside the old file and renames over it, so a failed write leaves the
// old content intact. Returns false when nothing was written.
bool writeWholeFile(const QString &path, const QByteArray &bytes);

// The same for one of the program's own files in a folder: found ignoring the
// case of its name, and rewritten under the name it already has.
std::optional<QByteArray> readFileIn(
    const QString &folder, const QString &name, qint64 maxBytes = kMaxSettingsFileBytes);
bool writeFileIn(const QString &folder, const QString &name, const QByteArray &bytes);

} // namespace zendrova

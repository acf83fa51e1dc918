#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace zendrova {

class TFilterList;
struct TFilter;

// The filter's file: "filter.dat" in the settings folder, and every filter
// template, as a stream of tagged values.
namespace FilterFile {

inline const QString kFileName = QStringLiteral("filter.dat");

QByteArray encode(const std::vector<TFilter> &entries);
// Nothing when the bytes end early or hold an unexpected tag.
std::optional<std::vector<TFilter>> decode(const QByteArray &bytes);

// Clears the filter, then reads the file; a missing or damaged file leaves
// it empty and returns false. Read entries are prepared.
bool load(TFilterList &filter, const QString &path);
// Writes beside the old file and renames; false when nothing was written.
bool save(const TFilterList &filter, const QString &path);

// The same for "filter.dat" of the settings folder (its name matched
// ignoring case): the filter the program keeps from one run to the next.
bool loadSaved(TFilterList &filter, const QString &settingsFolder);
bool saveSaved(const TFilterList &filter, const QString &settingsFolder);

} // namespace FilterFile

} // namespace zendrova

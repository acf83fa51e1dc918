#pragma once
#include "printengine/PageStream.h"
#include <QByteArray>
#include <QString>
#include <optional>

namespace zendrova::print {

// The page stream file ("temp$$$.rpt"): our own binary layout of a
// PageStream. The reader refuses anything it cannot account for byte by byte
// (wrong header, counts larger than the data, unknown operations, bad sizes,
// bytes left over), so a damaged file never shows half a page.
namespace PageStreamFile {

QByteArray encode(const PageStream &stream);
std::optional<PageStream> decode(const QByteArray &bytes);

// Written beside the old file and renamed; false when nothing was written.
bool write(const PageStream &stream, const QString &fileName);
// Nothing when the file is missing, unreadable or damaged.
std::optional<PageStream> read(const QString &fileName);

} // namespace PageStreamFile
} // namespace zendrova::print

#pragma once

#include <QString>
#include <QStringList>

namespace zendrova {

class TextExport;
class ViewWalk;
struct ExchangeProgress;

// The caption of each part of an export walk: per letter in letter-tab mode.
QString exportCaption(char letter);

// Writes the records of the walk as a text file, beside the old one and then
// in its place; with names, the captions come first. False (after telling the
// user) when the file could not be written: an old file of that name stays.
bool exportTextFile(const QString &fileName, ViewWalk &walk, const TextExport &writer,
    const QStringList *names, const ExchangeProgress &progress);

} // namespace zendrova

#pragma once

#include <QString>

namespace zendrova {

// Copies the lookup lists ("list" + k + ".dbf" with its ".mdx") of one folder
// over those of another, as backup and restore do. Every list is copied beside
// its target first; only when all are complete do they replace the target's
// lists, so a stop part way loses no list.
class ListCopy
{
public:
    static QString listFile(int k);
    // The name a list's copy has until it replaces the list.
    static QString readyFile(int k);

    // Lists k = 1, 2, ... of the source while both files exist replace the
    // target's; the target's further lists are deleted up to the first that
    // lacks one of its two files. Raises StoreError when a copy or rename
    // fails; the target's lists are then whole, old or new.
    static void run(const QString &sourceFolder, const QString &targetFolder);
    // Completes what a stopped list copy left in the folder.
    static void finishInterrupted(const QString &folder);

private:
    static constexpr int kListCount = 9;
};

} // namespace zendrova

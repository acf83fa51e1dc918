#pragma once

#include <QString>

namespace zendrova {

// Puts a freshly built table family in the place of another one without a
// moment in which neither is whole. A family is built under a working name,
// then renamed to its ready name (the .DBF moves last, so a ready .DBF means a
// complete family), and only then replaces the target. Every step goes through
// the engine's family operations, so .DBF, .DBT and .MDX move together and the
// production flag follows the index. Paths name the .DBF; failures raise
// StoreError and leave the target as it was.
class TableSwap
{
public:
    // Moves the complete family at built to ready, replacing any family there.
    static void markReady(const QString &built, const QString &ready);
    // Replaces target by the ready family. With a kept path the target's
    // family is first copied there (replacing what was kept before), so the
    // previous table survives under that name.
    static void commit(const QString &ready, const QString &target, const QString &kept = {});
    // What a process stopped between removing the target and renaming the
    // ready family left: the ready family takes the target's name. True when
    // it did; nothing happens while the target exists.
    static bool finishInterrupted(const QString &ready, const QString &target);
    // Copies the family to target, replacing what is there; the target's
    // .DBF is written last.
    static void copy(const QString &source, const QString &target);
    // Deletes the family; a missing one is no error.
    static void discard(const QString &path);
    static bool exists(const QString &path);
};

} // namespace zendrova

#pragma once

#include <QString>
#include <QStringList>

namespace zendrova {

// The runs of the program in one user folder. Each run holds a lock on a file
// of its own ("shut-<id>.run") for as long as it lives; the system drops the
// lock when the process ends, however it ends. So a run file whose lock is
// gone belongs to a run that ended without its exit steps, and a locked one to
// a run still going (which is why its "#10*" in "shut.dat" is no crash).
class RunFiles
{
public:
    static inline const QString kPattern = QStringLiteral("shut-*.run");

    struct Others
    {
        int live = 0;
        // Run files nobody holds any more.
        QStringList ended;

        bool none() const { return live == 0 && ended.isEmpty(); }
    };

    RunFiles() = default;
    ~RunFiles();
    RunFiles(const RunFiles &) = delete;
    RunFiles &operator=(const RunFiles &) = delete;

    // Creates and locks this run's file. False when the folder takes no file:
    // the run then goes on without one.
    bool join(const QString &folder);
    bool joined() const { return m_fd >= 0; }
    // The other runs' files in the folder (this run's own is never counted).
    Others others(const QString &folder) const;
    // Removes the files of runs that ended, once their end has been reported.
    static void removeEnded(const Others &others);
    // Removes this run's file and lets go of it (the exit steps are done).
    void leave();

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace zendrova

#pragma once

#include "shell/RunFiles.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace zendrova {

// "shut.dat" in the user folder: "#10*" while a run is in progress, "@a$)"
// after a clean exit, without a line end.
class ShutdownMarker
{
    Q_DECLARE_TR_FUNCTIONS(ShutdownMarker)

public:
    static inline const QString kFileName = QStringLiteral("shut.dat");
    static inline const QByteArray kRunning = QByteArrayLiteral("#10*");
    static inline const QByteArray kClean = QByteArrayLiteral("@a$)");
    static constexpr int kHelpContext = 123;

    // A marker that cannot be opened counts as clean; otherwise only a first
    // line of exactly "@a$)" does.
    static bool lastRunWasClean(const QString &userFolder);
    // Failures to write the marker are ignored, as the run goes on either way.
    static void writeRunning(const QString &userFolder);
    static void writeClean(const QString &userFolder);
    // Whether an earlier run ended without its exit steps: a run whose file
    // nobody holds any more, or "#10*" left behind while no other run is going
    // (a run still going has written it too).
    static bool earlierRunFailed(const QString &userFolder, const RunFiles::Others &others);
    // At start-up: beeps and warns when an earlier run failed, then marks this
    // run as in progress. Returns whether the warning was shown.
    static bool checkAtStartUp(const QString &userFolder, const QString &productName,
        const RunFiles::Others &others = {}, const std::function<void()> &beep = {});
};

} // namespace zendrova

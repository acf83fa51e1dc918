#pragma once

#include <QCoreApplication>
#include <QString>

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
    // At start-up: warns when the last run did not end cleanly, then marks this
    // run as in progress. Returns whether the warning was shown.
    static bool checkAtStartUp(const QString &userFolder, const QString &productName);
};

} // namespace zendrova

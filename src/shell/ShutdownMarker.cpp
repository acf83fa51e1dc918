#include "shell/ShutdownMarker.h"

#include "common/FileLookup.h"
#include "common/Interaction.h"
#include "common/WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace zendrova {

namespace {
// Enough to tell the marker from anything else; a longer line is not the marker.
constexpr qint64 kFirstLineBytes = 64;
} // namespace

bool ShutdownMarker::lastRunWasClean(const QString &userFolder)
{
    const QString path = findFileCaseInsensitive(userFolder, kFileName);
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return true;
    QByteArray firstLine = file.read(kFirstLineBytes);
    for (qsizetype i = 0; i < firstLine.size(); ++i) {
        if (firstLine[i] == '\r' || firstLine[i] == '\n') {
            firstLine.truncate(i);
            break;
        }
    }
    return firstLine == kClean;
}

void ShutdownMarker::writeRunning(const QString &userFolder)
{
    writeWholeFile(programFilePath(userFolder, kFileName), kRunning);
}

void ShutdownMarker::writeClean(const QString &userFolder)
{
    writeWholeFile(programFilePath(userFolder, kFileName), kClean);
}

bool ShutdownMarker::earlierRunFailed(const QString &userFolder, const RunFiles::Others &others)
{
    return !others.ended.isEmpty() || (others.live == 0 && !lastRunWasClean(userFolder));
}

bool ShutdownMarker::checkAtStartUp(const QString &userFolder, const QString &productName,
    const RunFiles::Others &others, const std::function<void()> &beep)
{
    const bool failed = earlierRunFailed(userFolder, others);
    if (failed) {
        if (beep)
            beep();
        showMessage(MessageKind::Warning,
            productName
                + tr(" was not Closed normally!\rIt is STRONGLY recommended that you Restore "
                     "the last used database from your backup. For more information click "
                     "on Help."),
            MessageButtons::OkHelp, kHelpContext);
    }
    writeRunning(userFolder);
    return failed;
}

} // namespace zendrova

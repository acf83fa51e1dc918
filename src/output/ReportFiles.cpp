#include "output/ReportFiles.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/FileLookup.h"
#include "common/Interaction.h"
#include "common/TemplateWriteFailure.h"
#include "common/WholeFile.h"
#include "output/TReportList.h"
#include "output/TReportRec.h"

#include <QDir>
#include <QFileInfo>

namespace zendrova {

namespace {

// Far more than any list of report templates a user keeps.
constexpr qint64 kMaxReportFileBytes = 4 * 1024 * 1024;

QString pathIn(const QString &folder, const QString &name)
{
    return programFilePath(folder, name);
}

} // namespace

QString ReportFiles::cannotOpenText(const QString &path)
{
    return tr("Cannot open file %1").arg(QDir::toNativeSeparators(path));
}

QString ReportFiles::readErrorText()
{
    return tr("Stream read error");
}

ReportFiles::ReadResult ReportFiles::readCurrent(const QString &userFolder, TReportRec &current)
{
    const std::optional<QByteArray> bytes = readFileIn(userFolder, kCurrentFile, kMaxReportFileBytes);
    if (!bytes)
        return ReadResult::CannotOpen;
    ByteReader in(*bytes);
    TReportRec read;
    read.read(in);
    if (!in.ok())
        return ReadResult::Damaged;
    current.copyFrom(read);
    return ReadResult::Read;
}

void ReportFiles::loadCurrentQuietly(const QString &userFolder, TReportRec &current)
{
    readCurrent(userFolder, current);
}

bool ReportFiles::writeCurrent(const QString &userFolder, const TReportRec &current)
{
    ByteWriter out;
    current.write(out);
    if (writeFileIn(userFolder, kCurrentFile, out.bytes()))
        return true;
    showMessage(MessageKind::Error,
        tr("Cannot create file %1").arg(QDir::toNativeSeparators(pathIn(userFolder, kCurrentFile))));
    return false;
}

bool ReportFiles::readTemplates(const QString &userFolder, TReportList &list)
{
    list.clear();
    const QString path = pathIn(userFolder, kTemplatesFile);
    if (!QFileInfo::exists(path))
        return true;
    const std::optional<QByteArray> bytes = readWholeFile(path, kMaxReportFileBytes);
    if (!bytes) {
        showMessage(MessageKind::Error, cannotOpenText(path));
        return false;
    }
    if (!list.fromBytes(*bytes)) {
        showMessage(MessageKind::Error, readErrorText());
        return false;
    }
    return true;
}

bool ReportFiles::writeTemplates(const QString &userFolder, const TReportList &list)
{
    if (writeFileIn(userFolder, kTemplatesFile, list.toBytes()))
        return true;
    TemplateWriteFailure::reportNotSaved(pathIn(userFolder, kTemplatesFile));
    return false;
}

} // namespace zendrova

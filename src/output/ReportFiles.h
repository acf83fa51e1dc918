#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

class TReportList;
class TReportRec;

// "rep.dat" (the current report definition) and "report.dat" (the report
// templates) of the user folder.
class ReportFiles
{
    Q_DECLARE_TR_FUNCTIONS(ReportFiles)

public:
    static inline const QString kCurrentFile = QStringLiteral("rep.dat");
    static inline const QString kTemplatesFile = QStringLiteral("report.dat");

    enum class ReadResult { Read, CannotOpen, Damaged };

    // Replaces current only when the whole file reads; otherwise it stays as it was.
    static ReadResult readCurrent(const QString &userFolder, TReportRec &current);
    // Start-up: a missing or damaged file silently keeps the definition.
    static void loadCurrentQuietly(const QString &userFolder, TReportRec &current);
    // Tells the user when the file could not be written.
    static bool writeCurrent(const QString &userFolder, const TReportRec &current);

    // A missing file is an empty list. Any other failure is shown to the user
    // ("Cannot open file ..." or "Stream read error") and returns false.
    static bool readTemplates(const QString &userFolder, TReportList &list);
    // Tells the user when the file could not be written; the old file stays.
    static bool writeTemplates(const QString &userFolder, const TReportList &list);

    static QString cannotOpenText(const QString &path);
    static QString readErrorText();
};

} // namespace zendrova

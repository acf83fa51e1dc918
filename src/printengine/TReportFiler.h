#pragma once
#include "printengine/TBaseReport.h"
#include <QImage>

class QIODevice;

namespace zendrova::print {

// An engine whose pages go to a page stream: kept in memory and, for
// smFile/smTempFile/smUser, written at the end of the job.
class TReportFiler : public TBaseReport
{
    Q_DECLARE_TR_FUNCTIONS(TReportFiler)

public:
    TReportFiler();
    ~TReportFiler() override;

    QString FileName = QStringLiteral("temp$$$.rpt");
    TStreamMode StreamMode = smFile;
    QIODevice *UserStream = nullptr; // smUser
    // The stream of the last job (all its pages, also after it was written).
    const PageStream &Stream() const { return m_stream; }
    PageStream TakeStream();
    // The file actually written (smTempFile picks its own name); empty for smMemory.
    QString WrittenFile() const { return m_written; }

    QString DestinationName() const override;

    // Page size for pages produced with no printer (inches, portrait).
    void SetPaperInches(const QSizeF &portrait);

protected:
    bool beginJob() override;
    bool endJob(bool failed) override;
    void pageDone(Page &&page) override;
    QSizeF paperInches() const override;

private:
    PageStream m_stream;
    QString m_written;
    std::optional<QSizeF> m_paper;
};

} // namespace zendrova::print

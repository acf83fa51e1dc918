#include "printengine/TReportFiler.h"

#include "common/Interaction.h"
#include "printengine/PageStreamFile.h"

#include <QDir>
#include <QIODevice>
#include <QTemporaryFile>

namespace zendrova::print {

TReportFiler::TReportFiler()
{
    StatusFormat = QStringLiteral("Generating page %p");
}

TReportFiler::~TReportFiler() = default;

QString TReportFiler::DestinationName() const
{
    return FileName;
}

void TReportFiler::SetPaperInches(const QSizeF &portrait)
{
    m_paper = portrait;
}

QSizeF TReportFiler::paperInches() const
{
    if (!m_paper)
        return TBaseReport::paperInches();
    return Orientation == poLandScape ? m_paper->transposed() : *m_paper;
}

PageStream TReportFiler::TakeStream()
{
    return std::exchange(m_stream, PageStream {});
}

bool TReportFiler::beginJob()
{
    m_stream = PageStream { Title, {} };
    m_written.clear();
    return true;
}

void TReportFiler::pageDone(Page &&page)
{
    m_stream.pages.append(std::move(page));
}

bool TReportFiler::endJob(bool failed)
{
    if (failed || StreamMode == smMemory)
        return true;
    QString target = FileName;
    bool ok = false;
    if (StreamMode == smUser) {
        const QByteArray bytes = PageStreamFile::encode(m_stream);
        ok = UserStream && UserStream->write(bytes) == bytes.size();
        target = tr("the report stream");
    } else {
        if (StreamMode == smTempFile) {
            QTemporaryFile file(QDir::tempPath() + QStringLiteral("/zendrova-XXXXXX.rpt"));
            file.setAutoRemove(false);
            if (file.open())
                target = file.fileName();
        }
        ok = PageStreamFile::write(m_stream, target);
        if (ok)
            m_written = target;
    }
    if (!ok)
        showMessage(
            MessageKind::Error, tr("The report pages could not be written to %1.").arg(target));
    return ok;
}

} // namespace zendrova::print

#include "printengine/TFilePrinter.h"

#include "common/Interaction.h"
#include "printengine/PagePainter.h"
#include "printengine/PageStreamFile.h"
#include "printengine/TRPDevice.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace zendrova::print {

bool TFilePrinter::Print(const PageStream &stream, int copies)
{
    if (!requirePrinter())
        return false;
    QPrinter *printer = TRPDevice::instance().Printer();
    if (!printer)
        return false;
    printer->setDocName(stream.title);
    printer->setCopyCount(copies);
    return paintPages(*printer, stream);
}

bool TFilePrinter::PrintFile(const QString &fileName, int copies)
{
    const std::optional<PageStream> stream = PageStreamFile::read(fileName);
    if (!stream) {
        showMessage(MessageKind::Error, tr("The report pages in %1 are damaged.").arg(fileName));
        return false;
    }
    return Print(*stream, copies);
}

bool writePdf(const PageStream &stream, const QString &fileName)
{
    QSaveFile file(fileName);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QPdfWriter pdf(&file);
        pdf.setTitle(stream.title);
        pdf.setCreator(QStringLiteral("Zendrova"));
        pdf.setResolution(1200);
        ok = paintPages(pdf, stream);
    }
    ok = ok && file.commit();
    if (!ok)
        showMessage(MessageKind::Error,
            QCoreApplication::translate("TFilePrinter", "The PDF file %1 could not be written.")
                .arg(fileName));
    return ok;
}

} // namespace zendrova::print

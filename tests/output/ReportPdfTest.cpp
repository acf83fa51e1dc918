// A report written to PDF holds every value of every record, as a PDF reader
// extracts it.
#include "ReportFixture.h"

#include "printengine/TFilePrinter.h"

#include <QProcess>
#include <QTemporaryDir>

namespace zendrova::test {
namespace {

class ReportPdfTest : public ReportFixture
{
protected:
    // The text pdftotext reads from the file, with its lines joined by blanks.
    static QString pdfText(const QString &pdf)
    {
        QProcess reader;
        reader.start("pdftotext", { "-layout", pdf, "-" });
        if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
            return QString();
        return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    }
};

TEST_F(ReportPdfTest, EveryValueOfEveryRecordIsInThePdf)
{
    QStringList expected;
    double total = 0;
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("Player%1").arg(i, 3, 10, QLatin1Char('0'));
        const QString team = QStringLiteral("Team%1").arg(i % 7);
        const double price = 1000 + i * 12.25;
        addCard({ name, team, double(i), price });
        expected << name << team << QString::number(i)
                 << QLocale().toString(price, 'f', 2);
        total += price;
    }
    setup.pageWidth = 8.5;
    setup.pageHeight = 11;
    setup.pageNumbers = 2;
    include(kCardName, 2);
    include(kTeam, 1.5);
    include(kCardNumber, 1);
    include(kPurchase, 1.5);
    run();
    ASSERT_GT(pageCount(), 2);

    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    ASSERT_TRUE(print::writePdf(stream(), pdf));
    const QString text = pdfText(pdf);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext read nothing";
    const QStringList words = text.split(QLatin1Char(' '));
    for (const QString &value : expected)
        EXPECT_TRUE(words.contains(value)) << value.toStdString();
    EXPECT_TRUE(words.contains(QLocale().toString(total, 'f', 2)));
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1").arg(pageCount())));
}

} // namespace
} // namespace zendrova::test

#include "PageProbe.h"
#include "printengine/TFilePrinter.h"
#include "support/ScriptedInteraction.h"

#include <QRegularExpression>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::print;

namespace {

TEST(Pdf, HoldsEveryValueOnItsPage)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils); the PDF cannot be read back";
    test::MemoryFiler engine;
    engine.Title = "Cards";
    int next = 1;
    engine.OnPrintPage = [&](int) {
        engine.DropStops();
        engine.AddStop(pjLeft, BOXLINEALL, 0, 4, 2.5, 1.0);
        engine.AddStop(pjRight, BOXLINEALL, 0, 4, 1.5, kAfterPreviousStop);
        while (engine.RoomInLines() > 0 && next <= 120) {
            engine.EmitLine(QStringLiteral("\tCard%1\t%2.50").arg(next).arg(next * 3));
            ++next;
        }
        return next <= 120;
    };
    ASSERT_TRUE(engine.RunJob());
    const QList<Page> pages = engine.Stream().pages;
    ASSERT_GE(pages.size(), 2);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("cards.pdf");
    ASSERT_TRUE(writePdf(engine.Stream(), pdf));
    QProcess reader;
    reader.start(pdftotext, { "-layout", pdf, "-" });
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QStringList pdfPages
        = QString::fromUtf8(reader.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pdfPages.size(), pages.size());
    for (int p = 0; p < pages.size(); ++p)
        for (const QString &text : test::textsOf(pages[p]))
            EXPECT_TRUE(pdfPages[p].contains(
                QRegularExpression("\\b" + QRegularExpression::escape(text) + "\\b")))
                << text.toStdString() << " on page " << p + 1;
}

TEST(Pdf, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    test::ScriptedInteraction user;
    const QString target = dir.filePath("missing/cards.pdf");
    user.expectMessage(MessageKind::Error, "The PDF file " + target + " could not be written.",
        MessageButtons::Ok, test::kNoHelp);
    PageStream stream;
    stream.pages.append(Page {});
    EXPECT_FALSE(writePdf(stream, target));
    EXPECT_TRUE(user.allConsumed());
}

} // namespace

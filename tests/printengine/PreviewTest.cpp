#include "printengine/PreviewModel.h"
#include "printengine/ui/TFilePreview.h"
#include "printengine/ui/TRPPreviewForm.h"
#include "printengine/ui/TRPStatusForm.h"
#include "support/ScriptedInteraction.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::print;

namespace {

PageStream pagesNumbered(int first, int count)
{
    PageStream stream;
    stream.title = "Cards";
    for (int n = first; n < first + count; ++n) {
        Page page { n, 8.5, 11.0, {} };
        page.ops.append(PageText { 1, 1, QStringLiteral("page %1").arg(n), TFontSpec {} });
        stream.pages.append(page);
    }
    return stream;
}

TEST(PreviewModel, ZoomAndPageRules)
{
    PreviewModel model;
    model.setStream(pagesNumbered(3, 4));
    EXPECT_EQ(model.pageLabel(), "Page 1 of 4") << "counted from the stream's first page";
    EXPECT_FALSE(model.previousPage());
    EXPECT_TRUE(model.showPageNumber(6));
    EXPECT_EQ(model.pageLabel(), "Page 4 of 4");
    EXPECT_FALSE(model.nextPage());
    EXPECT_FALSE(model.acceptPageText("6")) << "the page shown";
    EXPECT_FALSE(model.acceptPageText("9"));
    EXPECT_FALSE(model.acceptPageText("x"));
    EXPECT_TRUE(model.acceptPageText(" 4 "));
    EXPECT_EQ(model.pageNumber(), 4);

    EXPECT_EQ(model.zoomText(), "100.0");
    EXPECT_TRUE(model.zoomIn());
    EXPECT_EQ(model.zoomText(), "110.0");
    EXPECT_FALSE(model.acceptZoomText("110"));
    EXPECT_FALSE(model.acceptZoomText("big"));
    EXPECT_TRUE(model.acceptZoomText("62.5"));
    EXPECT_TRUE(model.setZoom(1));
    EXPECT_DOUBLE_EQ(model.ZoomFactor, PreviewModel::kMinZoom);
    // A 8.5 inch page on a 96 dpi screen in 1000 pixels, 2.5% margin each side.
    EXPECT_TRUE(model.zoomToWidth(1000, 96));
    EXPECT_NEAR(model.ZoomFactor, 100.0 * 1000 / 1.05 / (8.5 * 96), 1e-9);
    EXPECT_TRUE(model.zoomToPage(QSizeF(1000, 600), 96));
    EXPECT_NEAR(model.ZoomFactor, 100.0 * 600 / 1.05 / (11 * 96), 1e-9);
}

template <typename W> W *child(QWidget &parent, const char *name)
{
    W *widget = parent.findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST(PreviewForm, NavigatesZoomsAndSavesPdf)
{
    TRPPreviewForm form("Report Preview", pagesNumbered(1, 3));
    form.show();
    auto *pageLabel = child<QLabel>(form, "PageLabel");
    auto *pageEdit = child<QLineEdit>(form, "PageEdit");
    auto *zoomEdit = child<QLineEdit>(form, "ZoomEdit");
    EXPECT_EQ(form.windowTitle(), "Report Preview");
    EXPECT_EQ(pageLabel->text(), "Page 1 of 3");
    EXPECT_EQ(zoomEdit->text(), "100.0");
    QTest::mouseClick(child<QToolButton>(form, "SBNextPage"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(form, "SBNextPage"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(form, "SBNextPage"), Qt::LeftButton);
    EXPECT_EQ(pageLabel->text(), "Page 3 of 3");
    EXPECT_EQ(pageEdit->text(), "3");
    QTest::mouseClick(child<QToolButton>(form, "SBPrevPage"), Qt::LeftButton);
    EXPECT_EQ(pageEdit->text(), "2");
    QTest::mouseClick(child<QToolButton>(form, "SBZoomOut"), Qt::LeftButton);
    EXPECT_EQ(zoomEdit->text(), "90.0");
    zoomEdit->setText("abc");
    emit zoomEdit->editingFinished();
    EXPECT_EQ(zoomEdit->text(), "90.0") << "not a number: ignored";
    pageEdit->setText("1");
    emit pageEdit->editingFinished();
    EXPECT_EQ(pageLabel->text(), "Page 1 of 3");
    const int widthAt90 = form.FilePreview1()->widget()->width();
    QTest::mouseClick(child<QToolButton>(form, "SBZoomIn"), Qt::LeftButton);
    EXPECT_GT(form.FilePreview1()->widget()->width(), widthAt90);

    QTemporaryDir dir;
    test::ScriptedInteraction user;
    user.expectFileName(dir.filePath("preview.pdf"));
    QTest::mouseClick(child<QToolButton>(form, "SBPdf"), Qt::LeftButton);
    QFile pdf(dir.filePath("preview.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST(StatusForm, CancelThenOk)
{
    int cancels = 0;
    TRPStatusForm form("Report Status", [&] { ++cancels; });
    form.show();
    form.setStatus("Printing page 2");
    EXPECT_EQ(form.StatusLabel()->text(), "Printing page 2");
    EXPECT_EQ(form.CancelButton()->text(), "&Cancel");
    QTest::mouseClick(form.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(cancels, 1);
    form.finished(true);
    EXPECT_EQ(form.StatusLabel()->text(), "Report Canceled!");
    EXPECT_EQ(form.CancelButton()->text(), "OK");
    EXPECT_TRUE(form.isVisible()) << "waits for the user";
    QTest::mouseClick(form.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(form.isVisible());

    TRPStatusForm done("Report Status", [] {});
    done.show();
    done.finished(false);
    EXPECT_FALSE(done.isVisible()) << "a completed job closes its window";
}

} // namespace

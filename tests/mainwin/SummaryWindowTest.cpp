// The Summary window opened from the main window's speed bar.
#include "GeneratedCardsWindow.h"
#include "support/WidgetLookup.h"

#include "output/ui/TSummaryDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace zendrova::test {
namespace {

class SummaryWindowTest : public GeneratedCardsWindow
{
};

TEST_F(SummaryWindowTest, TheSummaryButtonCountsEveryCardOfTheOpenDatabase)
{
    auto form = openWindow();
    auto *button = child<QAbstractButton>(*form, "B_Summary");
    ASSERT_TRUE(button->isEnabled());
    QString total;
    bool printed = false;
    form->printSummary = [&](const SummaryDialogModel &) { printed = true; };
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<TSummaryDlg *>(topLevel(QStringLiteral("TSummaryDlg")));
        ASSERT_NE(dialog, nullptr);
        auto *combo = child<QComboBox>(*dialog, "ComboBox1");
        combo->setCurrentIndex(combo->findText(QStringLiteral("Team:")));
        total = child<QLabel>(*dialog, "Label3")->text();
        QTest::mouseClick(child<QAbstractButton>(*dialog, "BitBtn2"), Qt::LeftButton);
        QTest::mouseClick(child<QAbstractButton>(*dialog, "OKBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(total, QString::number(kCards));
    EXPECT_TRUE(printed);
}

} // namespace
} // namespace zendrova::test

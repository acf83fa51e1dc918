#include "StoreFixtures.h"
#include "store/ui/TSortDlg.h"
#include "support/ScriptedInteraction.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using namespace test;

class SortDlgTest : public ::testing::Test
{
protected:
    void open(const SortBytes &sort)
    {
        descriptor.sort = sort;
        descriptor.applied = sort;
        dialog = std::make_unique<TSortDlg>(descriptor, cardCaptions(), cardFields());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        sortCB = dialog->findChild<QComboBox *>("Sort_CB");
        sort2CB = dialog->findChild<QComboBox *>("Sort2_CB");
        orderGB = dialog->findChild<QGroupBox *>("Order_GB");
        order2GB = dialog->findChild<QGroupBox *>("Order2_GB");
        ASSERT_TRUE(sortCB && sort2CB && orderGB && order2GB);
    }
    void choose(QComboBox *combo, const QString &caption)
    {
        const int index = combo->findText(caption);
        ASSERT_GE(index, 0) << caption.toStdString();
        combo->setCurrentIndex(index);
    }
    static QRadioButton *radio(QGroupBox *box, const QString &text)
    {
        for (QRadioButton *r : box->findChildren<QRadioButton *>())
            if (r->text() == text)
                return r;
        return nullptr;
    }
    static QString checked(QGroupBox *box)
    {
        for (QRadioButton *r : box->findChildren<QRadioButton *>())
            if (r->isChecked())
                return r->text();
        return {};
    }
    void click(const char *name)
    {
        QTest::mouseClick(dialog->findChild<QPushButton *>(name), Qt::LeftButton);
    }

    ScriptedInteraction user;
    SortDescriptor descriptor;
    std::unique_ptr<TSortDlg> dialog;
    QComboBox *sortCB = nullptr;
    QComboBox *sort2CB = nullptr;
    QGroupBox *orderGB = nullptr;
    QGroupBox *order2GB = nullptr;
};

TEST_F(SortDlgTest, ShowsTheDescriptorAndListsSortableFieldsOnly)
{
    open({ kCardName, true, kPurchase, false });
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Sort Options"));
    EXPECT_EQ(sortCB->currentText(), QStringLiteral("Card Name:"));
    EXPECT_EQ(sort2CB->currentText(), QStringLiteral("Purchase Price:"));
    EXPECT_EQ(checked(orderGB), QStringLiteral("Descending"));
    EXPECT_EQ(checked(order2GB), QStringLiteral("Ascending"));
    EXPECT_TRUE(order2GB->isEnabled());
    EXPECT_EQ(orderGB->title(), QStringLiteral("Sort Order"));

    ASSERT_EQ(sortCB->count(), 19);
    EXPECT_EQ(sortCB->itemText(0), QStringLiteral("Entry Order"));
    EXPECT_EQ(sort2CB->itemText(0), QStringLiteral("NONE"));
    for (const char *unsortable : { "Small Picture:", "Notes:", "Picture:" }) {
        EXPECT_EQ(sortCB->findText(unsortable), -1) << unsortable;
        EXPECT_EQ(sort2CB->findText(unsortable), -1) << unsortable;
    }
    EXPECT_EQ(sortCB->itemText(18), QStringLiteral("Custom 5:"));
}

TEST_F(SortDlgTest, TwoTextFieldsShareThePrimaryDirection)
{
    open({ kCardName, true, 0, false });
    choose(sort2CB, QStringLiteral("Sport:"));
    EXPECT_FALSE(order2GB->isEnabled());
    EXPECT_EQ(checked(order2GB), QStringLiteral("Descending"));

    QTest::mouseClick(radio(orderGB, QStringLiteral("Ascending")), Qt::LeftButton);
    EXPECT_EQ(checked(order2GB), QStringLiteral("Ascending"));

    // A number secondary gets its own direction back.
    choose(sort2CB, QStringLiteral("Sale Price:"));
    EXPECT_TRUE(order2GB->isEnabled());
    QTest::mouseClick(radio(order2GB, QStringLiteral("Descending")), Qt::LeftButton);
    EXPECT_EQ(checked(order2GB), QStringLiteral("Descending"));
    EXPECT_EQ(checked(orderGB), QStringLiteral("Ascending"));
}

TEST_F(SortDlgTest, SecondaryFallsBackToNoneWithAscendingOrder)
{
    open({ kCustom4, false, kPurchase, true });
    EXPECT_EQ(checked(order2GB), QStringLiteral("Descending"));

    choose(sort2CB, QStringLiteral("Custom 4:")); // the primary field
    EXPECT_EQ(sort2CB->currentText(), QStringLiteral("NONE"));
    EXPECT_FALSE(order2GB->isEnabled());
    EXPECT_EQ(checked(order2GB), QStringLiteral("Ascending"));

    choose(sort2CB, QStringLiteral("Year:"));
    EXPECT_TRUE(order2GB->isEnabled());
    choose(sortCB, QStringLiteral("Year:")); // primary onto the secondary
    EXPECT_EQ(sort2CB->currentText(), QStringLiteral("NONE"));

    choose(sort2CB, QStringLiteral("Team:"));
    choose(sortCB, QStringLiteral("Entry Order"));
    EXPECT_EQ(sort2CB->currentText(), QStringLiteral("NONE"));
    choose(sort2CB, QStringLiteral("Team:"));
    EXPECT_EQ(sort2CB->currentText(), QStringLiteral("NONE"));
}

TEST_F(SortDlgTest, OkWritesTheChoiceAndCancelKeepsTheDescriptor)
{
    open({ kCardName, false, 0, false });
    choose(sortCB, QStringLiteral("Custom 4:"));
    QTest::mouseClick(radio(orderGB, QStringLiteral("Descending")), Qt::LeftButton);
    choose(sort2CB, QStringLiteral("Custom 5:"));
    QTest::mouseClick(radio(order2GB, QStringLiteral("Descending")), Qt::LeftButton);
    click("OKBtn");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(descriptor.sort, (SortBytes { kCustom4, true, kCustom5, true }));
    EXPECT_EQ(descriptor.applied, (SortBytes { kCardName, false, 0, false }));

    open({ kCardName, false, 0, false });
    choose(sortCB, QStringLiteral("Team:"));
    click("CancelBtn");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(descriptor.sort, (SortBytes { kCardName, false, 0, false }));
}

TEST_F(SortDlgTest, HelpShowsTheSortTopic)
{
    open({});
    click("HelpBtn");
    EXPECT_EQ(user.helpRequests(), QList<int> { 22 });
}

} // namespace
} // namespace zendrova

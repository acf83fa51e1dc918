#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"
#include "support/WidgetLookup.h"

#include "mainwin/HeaderSections.h"
#include "mainwin/ui/TForm3.h"
#include "mainwin/ui/TOrvanHeader.h"
#include "store/RecordStore.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

// The settings files the main window reads when it is created and writes
// when it goes, as a user sees them on a fresh or a damaged installation.
class MainWindowFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fixture.createDatabase(user);
    }

    QString userFile(const QString &name) const
    {
        return fixture.state.userFolder + QLatin1Char('/') + name;
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;
};

TEST_F(MainWindowFilesTest, WithoutAHeaderFileTheTwoColumnsShareTheHeaderWidth)
{
    ASSERT_FALSE(QFile::exists(userFile(HeaderSections::kFileName)));
    RecordStore store(fixture.state);
    TForm3 form(fixture.state, store);
    form.resize(900, 600);
    form.show();
    QCoreApplication::processEvents();
    const auto *header = child<TOrvanHeader>(form, "OrvanHeader1");
    ASSERT_NE(header, nullptr);
    const int width = header->width();
    ASSERT_GT(width, 300);
    const HeaderSections &sections = header->sections();
    ASSERT_EQ(sections.count(), 2);
    EXPECT_EQ(sections.caption(0), QStringLiteral("Card Name:"));
    EXPECT_NEAR(sections.width(0), width / 3.0, 0.5);
    EXPECT_EQ(sections.width(0) + sections.width(1), width);

    // Written as the pixels shown, and shown as written next time.
    form.writeFiles();
    const auto saved = HeaderSections::decode(fileBytes(userFile(HeaderSections::kFileName)));
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->size(), 2);
    EXPECT_EQ(saved->at(0).width, sections.width(0));
    EXPECT_EQ(saved->at(1).width, sections.width(1));
}

TEST_F(MainWindowFilesTest, AFilterListReadOnlyInPartIsNotWrittenAtTheEnd)
{
    const QByteArray damaged = templatesFixture(QStringLiteral("BrokenFiltersBadType.tml"));
    writeBytes(userFile(QStringLiteral("filters.tml")), damaged);
    {
        RecordStore store(fixture.state);
        TForm3 form(fixture.state, store);
        form.writeFiles();
    }
    EXPECT_EQ(fileBytes(userFile(QStringLiteral("filters.tml"))), damaged);
}

} // namespace
} // namespace zendrova::test

#include "support/ScriptedInteraction.h"

#include "mainwin/FontChoice.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

TEST(FontChoice, OkStoresTheChoiceInTheRecordOfItsTarget)
{
    EXPECT_EQ(FontChoice::forField(true), FontTarget::MultiLineFields);
    EXPECT_EQ(FontChoice::forField(false), FontTarget::OneLineFields);

    const FontRecord chosen { QStringLiteral("Courier New"), FontRecord::Italic, 14 };
    const FontTarget targets[]
        = { FontTarget::RecordButtons, FontTarget::OneLineFields, FontTarget::MultiLineFields };
    for (const FontTarget target : targets) {
        UserOptions options;
        options.recordButtonsFont.size = 8;
        options.oneLineFieldsFont.size = 9;
        options.multiLineFieldsFont.size = 11;
        const UserOptions before = options;
        ScriptedInteraction user;
        user.expectFont(chosen);
        ASSERT_TRUE(FontChoice::choose(options, target));
        ASSERT_EQ(user.fontPresets().size(), 1);
        UserOptions expected = before;
        EXPECT_EQ(user.fontPresets().first(), FontChoice::recordOf(expected, target));
        FontChoice::recordOf(expected, target) = chosen;
        EXPECT_EQ(options, expected) << static_cast<int>(target);
    }
}

TEST(FontChoice, CancelKeepsTheFont)
{
    UserOptions options;
    ScriptedInteraction user;
    user.expectFont(std::nullopt);
    EXPECT_FALSE(FontChoice::choose(options, FontTarget::OneLineFields));
    EXPECT_EQ(options, UserOptions());
}

} // namespace
} // namespace zendrova::test

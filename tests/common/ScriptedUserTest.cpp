#include "support/ScriptedInteraction.h"

#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::test;

namespace {

// Nothing scripted: the user every test main installs must fail the test.
TEST(StrictUser, EveryUnscriptedCallFailsTheTestWithWhatItWouldShow)
{
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(askYesNo(MessageKind::Warning, "Delete it?")),
        "unexpected message (warning, Yes/No, help 0: Delete it?)");
    EXPECT_NONFATAL_FAILURE(showMessage(MessageKind::Error, "Gone", MessageButtons::OkHelp, 7),
        "unexpected message (error, OK/Help, help 7: Gone)");

    Interaction &user = Interaction::current();
    const std::pair<std::function<void()>, const char *> others[] = {
        { [&] { EXPECT_FALSE(user.inputText("New Item", "Name:", "x")); },
            "unexpected input box: New Item / Name:" },
        { [&] { EXPECT_EQ(QString(), user.openFileName("Load", "/tmp", "*.bmp")); },
            "unexpected open file dialog: Load" },
        { [&] { EXPECT_EQ(QString(), user.saveFileName("Save", "/tmp", "*.bmp")); },
            "unexpected save file dialog: Save" },
        { [&] { EXPECT_EQ(QString(), user.folderName("Folder", "/tmp")); },
            "unexpected folder dialog: Folder" },
        { [&] { user.showHelp(31); }, "unexpected help call, context 31" },
    };
    for (const auto &[call, failure] : others)
        EXPECT_NONFATAL_FAILURE(call(), failure);
}

TEST(ScriptedUser, AMessageMustMatchInKindButtonsAndHelp)
{
    ScriptedInteraction user;
    user.expectMessage(MessageKind::Warning, "Sure?", MessageButtons::YesNo, kNoHelp, Answer::Yes);
    EXPECT_TRUE(askYesNo(MessageKind::Warning, "Sure?"));

    struct Shown
    {
        MessageKind kind;
        MessageButtons buttons;
        int helpContext;
        const char *failure;
    };
    const Shown differing[] = {
        { MessageKind::Error, MessageButtons::OkHelp, 5, "error, OK/Help, help 5: Note" },
        { MessageKind::Information, MessageButtons::Ok, 5, "information, OK, help 5: Note" },
        { MessageKind::Information, MessageButtons::OkHelp, 0,
            "information, OK/Help, help 0: Note" },
    };
    for (const Shown &shown : differing) {
        user.expectMessage(MessageKind::Information, "Note", MessageButtons::OkHelp, 5);
        EXPECT_NONFATAL_FAILURE(
            showMessage(shown.kind, "Note", shown.buttons, shown.helpContext), shown.failure);
    }
    EXPECT_TRUE(user.allConsumed());
}

TEST(ScriptedUser, AnAnswerTheButtonsCannotGiveIsAScriptError)
{
    ScriptedInteraction user;
    EXPECT_NONFATAL_FAILURE(
        user.expectMessage(MessageKind::Warning, "Sure?", MessageButtons::YesNo, kNoHelp),
        "answer does not fit the buttons of: Sure?");
    EXPECT_NONFATAL_FAILURE(
        user.expectMessage(MessageKind::Error, "Oops", MessageButtons::Ok, kNoHelp, Answer::No),
        "answer does not fit the buttons of: Oops");
    // Both were queued all the same; answer them so the script ends clean.
    askYesNo(MessageKind::Warning, "Sure?");
    showMessage(MessageKind::Error, "Oops");
}

} // namespace

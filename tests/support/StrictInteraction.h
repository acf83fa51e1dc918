#pragma once

#include "common/Interaction.h"

#include <string>

namespace zendrova::test {

// The user of a test that scripted nothing: every message, input box, file
// dialog or help call fails the running test with what it would have shown,
// then declines like a user who cancels.
class StrictInteraction : public Interaction
{
public:
    Answer message(
        MessageKind kind, const QString &text, MessageButtons buttons, int helpContext) override;
    std::optional<QString> inputText(
        const QString &caption, const QString &prompt, const QString &initial) override;
    QString openFileName(
        const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFileName(
        const QString &caption, const QString &folder, const QString &filter) override;
    QString folderName(const QString &caption, const QString &folder) override;
    std::optional<FontRecord> chooseFont(const FontRecord &current) override;
    void showHelp(int helpContext) override;

    // How a message reads in a failure: "error, OK, help 0: Invalid Date!".
    static std::string describe(
        MessageKind kind, const QString &text, MessageButtons buttons, int helpContext);

private:
    static QString unexpectedFile(const char *dialog, const QString &caption);
};

// Runs every test of the binary with a StrictInteraction installed, so a test
// that scripted no user fails on the first message it causes.
int runAllTestsStrictly();

} // namespace zendrova::test

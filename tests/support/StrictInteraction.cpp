#include "support/StrictInteraction.h"

#include "common/PasswordHash.h"

#include <gtest/gtest.h>

namespace zendrova::test {

namespace {

const char *kindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return "warning";
    case MessageKind::Error:
        return "error";
    case MessageKind::Information:
        return "information";
    case MessageKind::Confirmation:
        return "confirmation";
    }
    return "unknown kind";
}

const char *buttonsName(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return "OK";
    case MessageButtons::YesNo:
        return "Yes/No";
    case MessageButtons::OkHelp:
        return "OK/Help";
    }
    return "unknown buttons";
}

} // namespace

std::string StrictInteraction::describe(
    MessageKind kind, const QString &text, MessageButtons buttons, int helpContext)
{
    return std::string(kindName(kind)) + ", " + buttonsName(buttons) + ", help "
        + std::to_string(helpContext) + ": " + text.toStdString();
}

Answer StrictInteraction::message(
    MessageKind kind, const QString &text, MessageButtons buttons, int helpContext)
{
    ADD_FAILURE() << "unexpected message (" << describe(kind, text, buttons, helpContext) << ")";
    return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
}

std::optional<QString> StrictInteraction::inputText(
    const QString &caption, const QString &prompt, const QString &)
{
    ADD_FAILURE() << "unexpected input box: " << caption.toStdString() << " / "
                  << prompt.toStdString();
    return std::nullopt;
}

QString StrictInteraction::unexpectedFile(const char *dialog, const QString &caption)
{
    ADD_FAILURE() << "unexpected " << dialog << " dialog: " << caption.toStdString();
    return {};
}

QString StrictInteraction::openFileName(const QString &caption, const QString &, const QString &)
{
    return unexpectedFile("open file", caption);
}

QString StrictInteraction::saveFileName(const QString &caption, const QString &, const QString &)
{
    return unexpectedFile("save file", caption);
}

QString StrictInteraction::folderName(const QString &caption, const QString &)
{
    return unexpectedFile("folder", caption);
}

std::optional<FontRecord> StrictInteraction::chooseFont(const FontRecord &current)
{
    ADD_FAILURE() << "unexpected font dialog, preset " << current.name.toStdString() << " "
                  << current.size;
    return std::nullopt;
}

void StrictInteraction::showHelp(int helpContext)
{
    ADD_FAILURE() << "unexpected help call, context " << helpContext;
}

int runAllTestsStrictly()
{
    StrictInteraction strict;
    Interaction::install(&strict);
    // Every stored hash names its own count, so checks are unchanged; only
    // making the fixtures' many accounts gets quick.
    PasswordHash::setIterations(PasswordHash::kMinimumIterations);
    const int result = RUN_ALL_TESTS();
    Interaction::install(nullptr);
    return result;
}

} // namespace zendrova::test

#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace zendrova::test {

ScriptedInteraction::ScriptedInteraction()
    : m_previous(Interaction::install(this))
{
}

ScriptedInteraction::~ScriptedInteraction()
{
    Interaction::install(m_previous);
    EXPECT_TRUE(allConsumed()) << "scripted answers were left over";
}

void ScriptedInteraction::expectMessage(
    MessageKind kind, const QString &text, MessageButtons buttons, int helpContext, Answer answer)
{
    // A Yes/No box cannot be answered OK, nor an OK box Yes or No.
    const bool yesNoAnswer = answer == Answer::Yes || answer == Answer::No;
    EXPECT_EQ(buttons == MessageButtons::YesNo, yesNoAnswer)
        << "answer does not fit the buttons of: " << text.toStdString();
    m_messages.push_back({ describe(kind, text, buttons, helpContext), answer });
}

void ScriptedInteraction::expectInput(std::optional<QString> answer)
{
    m_inputs.push_back(std::move(answer));
}

void ScriptedInteraction::expectFileName(const QString &fileName)
{
    m_files.push_back(fileName);
}

Answer ScriptedInteraction::message(
    MessageKind kind, const QString &text, MessageButtons buttons, int helpContext)
{
    m_shown << text;
    if (m_messages.empty())
        return StrictInteraction::message(kind, text, buttons, helpContext);
    const ExpectedMessage expected = m_messages.front();
    m_messages.pop_front();
    EXPECT_EQ(expected.shape, describe(kind, text, buttons, helpContext));
    return expected.answer;
}

std::optional<QString> ScriptedInteraction::inputText(
    const QString &caption, const QString &prompt, const QString &initial)
{
    if (m_inputs.empty())
        return StrictInteraction::inputText(caption, prompt, initial);
    m_inputRequests << caption + QStringLiteral(" / ") + prompt + QStringLiteral(" / ") + initial;
    // Copied out as text and flag: GCC 12 misreads a moved-from optional<QString>
    // as uninitialised.
    const bool given = m_inputs.front().has_value();
    const QString text = m_inputs.front().value_or(QString());
    m_inputs.pop_front();
    return given ? std::optional<QString>(text) : std::nullopt;
}

bool ScriptedInteraction::takeFile(QString &name)
{
    if (m_files.empty())
        return false;
    name = m_files.front();
    m_files.pop_front();
    return true;
}

QString ScriptedInteraction::openFileName(
    const QString &caption, const QString &folder, const QString &filter)
{
    QString name;
    return takeFile(name) ? name : StrictInteraction::openFileName(caption, folder, filter);
}

QString ScriptedInteraction::saveFileName(
    const QString &caption, const QString &folder, const QString &filter)
{
    QString name;
    return takeFile(name) ? name : StrictInteraction::saveFileName(caption, folder, filter);
}

QString ScriptedInteraction::folderName(const QString &caption, const QString &folder)
{
    QString name;
    return takeFile(name) ? name : StrictInteraction::folderName(caption, folder);
}

void ScriptedInteraction::expectFont(std::optional<FontRecord> answer)
{
    m_fonts.push_back(std::move(answer));
}

std::optional<FontRecord> ScriptedInteraction::chooseFont(const FontRecord &current)
{
    if (m_fonts.empty())
        return StrictInteraction::chooseFont(current);
    m_fontPresets.append(current);
    const std::optional<FontRecord> answer = m_fonts.front();
    m_fonts.pop_front();
    return answer;
}

void ScriptedInteraction::showHelp(int helpContext)
{
    m_help << helpContext;
}

} // namespace zendrova::test

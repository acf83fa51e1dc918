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

void ScriptedInteraction::expectMessage(const QString &text, Answer answer)
{
    m_messages.emplace_back(text, answer);
}

void ScriptedInteraction::expectInput(std::optional<QString> answer)
{
    m_inputs.push_back(std::move(answer));
}

void ScriptedInteraction::expectFileName(const QString &fileName)
{
    m_files.push_back(fileName);
}

Answer ScriptedInteraction::message(MessageKind, const QString &text, MessageButtons buttons, int)
{
    m_shown << text;
    if (m_messages.empty()) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
        return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
    auto [expected, answer] = m_messages.front();
    m_messages.pop_front();
    EXPECT_EQ(expected.toStdString(), text.toStdString());
    return answer;
}

std::optional<QString> ScriptedInteraction::inputText(const QString &caption, const QString &,
                                                      const QString &)
{
    if (m_inputs.empty()) {
        ADD_FAILURE() << "unexpected input box: " << caption.toStdString();
        return std::nullopt;
    }
    // Copied out as text and flag: GCC 12 misreads a moved-from optional<QString>
    // as uninitialised.
    const bool given = m_inputs.front().has_value();
    const QString text = m_inputs.front().value_or(QString());
    m_inputs.pop_front();
    return given ? std::optional<QString>(text) : std::nullopt;
}

QString ScriptedInteraction::nextFile(const QString &caption)
{
    if (m_files.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << caption.toStdString();
        return {};
    }
    QString name = m_files.front();
    m_files.pop_front();
    return name;
}

QString ScriptedInteraction::openFileName(const QString &caption, const QString &, const QString &)
{
    return nextFile(caption);
}

QString ScriptedInteraction::saveFileName(const QString &caption, const QString &, const QString &)
{
    return nextFile(caption);
}

QString ScriptedInteraction::folderName(const QString &caption, const QString &)
{
    return nextFile(caption);
}

void ScriptedInteraction::showHelp(int helpContext)
{
    m_help << helpContext;
}

} // namespace zendrova::test

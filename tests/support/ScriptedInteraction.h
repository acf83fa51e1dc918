#pragma once

#include "common/Interaction.h"

#include <QStringList>
#include <deque>

namespace zendrova::test {

// Stands in for the user while installed: each expected message is queued with
// the answer to give; an unexpected message or dialog fails the running test.
class ScriptedInteraction final : public Interaction
{
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;

    void expectMessage(const QString &text, Answer answer = Answer::Ok);
    void expectInput(std::optional<QString> answer);
    void expectFileName(const QString &fileName);
    // Texts of every message shown so far, in order.
    const QStringList &shownMessages() const { return m_shown; }
    const QList<int> &helpRequests() const { return m_help; }
    bool allConsumed() const { return m_messages.empty() && m_inputs.empty() && m_files.empty(); }

    Answer message(MessageKind kind, const QString &text, MessageButtons buttons,
                   int helpContext) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt,
                                     const QString &initial) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString folderName(const QString &caption, const QString &folder) override;
    void showHelp(int helpContext) override;

private:
    QString nextFile(const QString &caption);

    std::deque<std::pair<QString, Answer>> m_messages;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<QString> m_files;
    QStringList m_shown;
    QList<int> m_help;
    Interaction *m_previous;
};

} // namespace zendrova::test

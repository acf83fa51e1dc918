#pragma once

#include "support/StrictInteraction.h"

#include <QStringList>
#include <deque>

namespace zendrova::test {

// The help context of a message without a Help button.
inline constexpr int kNoHelp = 0;

// Stands in for the user while installed: each expected message is queued with
// the answer to give; an unexpected message or dialog fails the running test.
class ScriptedInteraction final : public StrictInteraction
{
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // The next message must match in kind, text, buttons and help context.
    void expectMessage(MessageKind kind, const QString &text, MessageButtons buttons,
        int helpContext, Answer answer = Answer::Ok);
    void expectInput(std::optional<QString> answer);
    void expectFileName(const QString &fileName);
    // The next font dialog answers this (nothing = Cancel).
    void expectFont(std::optional<FontRecord> answer);
    // Each answered input box as "caption / prompt / initial text", in order.
    const QStringList &inputRequests() const { return m_inputRequests; }
    // The presets the font dialogs were opened with, in order.
    const QList<FontRecord> &fontPresets() const { return m_fontPresets; }
    // Texts of every message shown so far, in order.
    const QStringList &shownMessages() const { return m_shown; }
    const QList<int> &helpRequests() const { return m_help; }
    bool allConsumed() const
    {
        return m_messages.empty() && m_inputs.empty() && m_files.empty() && m_fonts.empty();
    }

    Answer message(MessageKind kind, const QString &text, MessageButtons buttons,
                   int helpContext) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt,
                                     const QString &initial) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString folderName(const QString &caption, const QString &folder) override;
    std::optional<FontRecord> chooseFont(const FontRecord &current) override;
    // Recorded, not failed: tests check helpRequests() after pressing Help.
    void showHelp(int helpContext) override;

private:
    struct ExpectedMessage
    {
        std::string shape;
        Answer answer;
    };

    bool takeFile(QString &name);

    std::deque<ExpectedMessage> m_messages;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<QString> m_files;
    std::deque<std::optional<FontRecord>> m_fonts;
    QList<FontRecord> m_fontPresets;
    QStringList m_inputRequests;
    QStringList m_shown;
    QList<int> m_help;
    Interaction *m_previous;
};

} // namespace zendrova::test

#pragma once

#include "common/FontRecord.h"

#include <QString>
#include <optional>

namespace zendrova {

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, OkHelp };
enum class Answer { Ok, Yes, No, Cancel };

// Every message box, input box, file dialog and help call of the program goes
// through the one installed Interaction, so tests can see each text and answer it.
class Interaction
{
public:
    virtual ~Interaction();

    // Texts may hold "\r" line breaks; helpContext 0 means none.
    virtual Answer message(MessageKind kind, const QString &text, MessageButtons buttons,
                           int helpContext = 0) = 0;
    // Returns nothing when the user cancels.
    virtual std::optional<QString> inputText(const QString &caption, const QString &prompt,
                                             const QString &initial) = 0;
    // An empty result means the user cancelled.
    virtual QString openFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString folderName(const QString &caption, const QString &folder) = 0;
    // The font dialog preset with current; nothing when the user cancels.
    virtual std::optional<FontRecord> chooseFont(const FontRecord &current) = 0;
    virtual void showHelp(int helpContext) = 0;

    static Interaction &current();
    // Installs a replacement (tests) and returns the previous one; nullptr restores the default.
    static Interaction *install(Interaction *replacement);
};

// Shorthands for the common message shapes.
Answer showMessage(MessageKind kind, const QString &text,
                   MessageButtons buttons = MessageButtons::Ok, int helpContext = 0);
bool askYesNo(MessageKind kind, const QString &text);

} // namespace zendrova

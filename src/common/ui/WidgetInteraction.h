#pragma once

#include "common/Interaction.h"

namespace zendrova {

// The real dialogs: Qt message boxes, input and file dialogs.
class WidgetInteraction final : public Interaction
{
public:
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
    void showHelp(int helpContext) override;
};

} // namespace zendrova

#include "common/Interaction.h"

#include "common/InstalledService.h"

namespace zendrova {

namespace {

// Used until the program installs its widget implementation: answers like a
// user who declines everything, so nothing destructive happens unattended.
class SilentInteraction final : public Interaction
{
public:
    Answer message(MessageKind, const QString &, MessageButtons buttons, int) override
    {
        return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString folderName(const QString &, const QString &) override { return {}; }
    std::optional<FontRecord> chooseFont(const FontRecord &) override { return std::nullopt; }
    void showHelp(int) override {}
};

SilentInteraction silent;
InstalledService<Interaction> installed(silent);

} // namespace

Interaction::~Interaction() = default;

Interaction &Interaction::current()
{
    return installed.current();
}

Interaction *Interaction::install(Interaction *replacement)
{
    return installed.install(replacement);
}

Answer showMessage(MessageKind kind, const QString &text, MessageButtons buttons, int helpContext)
{
    return Interaction::current().message(kind, text, buttons, helpContext);
}

bool askYesNo(MessageKind kind, const QString &text)
{
    return showMessage(kind, text, MessageButtons::YesNo) == Answer::Yes;
}

} // namespace zendrova

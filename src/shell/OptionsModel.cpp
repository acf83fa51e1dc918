#include "shell/OptionsModel.h"

#include "common/FontConversion.h"
#include "common/AppState.h"
#include "common/ColorSchemeFile.h"
#include "common/Interaction.h"
#include "mainwin/FontChoice.h"
#include "mainwin/Palette.h"

#include <QDir>

namespace zendrova {

namespace {

constexpr int kSingleUser = int(UsersCount::SingleUser);
constexpr int kReadAndWrite = int(PublicAccessRights::ReadAndWrite);

FontTarget targetOf(int component)
{
    switch (component) {
    case 0:
        return FontTarget::RecordButtons;
    case 2:
        return FontTarget::MultiLineFields;
    default:
        return FontTarget::OneLineFields;
    }
}

} // namespace

OptionsModel::OptionsModel(AppState &state)
    : m_state(state)
    , m_pages(state.isSupervisor)
    , m_labels(state.captions, state.userFolder)
    , m_originalScheme(state.colorScheme)
    , m_fonts(state.userOptions)
{
    const UserOptions &u = state.userOptions;
    const SystemOptions &s = state.systemOptions;
    m_choices.menusAndSpeedBars = u.menusAndSpeedBars;
    m_choices.letterTabs = u.letterTabs;
    m_choices.letterTabsLocation = u.letterTabsLocation;
    m_choices.hintMessages = u.hintMessages;
    m_choices.speedBarLocation = u.speedBarLocation;
    m_choices.recordDeleteMode = u.recordDeleteMode;
    m_choices.displayTips = u.displayTips;
    m_choices.autoFill = u.autoFill;
    m_choices.dontDisplayReminders = !u.displayReminders;
    m_choices.initialDataFile = u.initialDataFile;
    m_choices.dataDirectory = QDir::toNativeSeparators(state.dataDirectory);
    m_choices.passwordMode = int(s.passwordMode);
    m_choices.accessRights = int(s.publicAccessRights);
    chooseUsersCount(int(s.usersCount));
    if (!state.dateFormats.isEmpty())
        m_dateField = 0;
}

// ---- users -----------------------------------------------------------------

void OptionsModel::chooseUsersCount(int count)
{
    m_choices.usersCount = count;
    if (count == kSingleUser)
        m_choices.accessRights = kReadAndWrite;
}

bool OptionsModel::multiUser() const
{
    return m_choices.usersCount != kSingleUser;
}

// ---- date formats ----------------------------------------------------------

bool OptionsModel::dateFormatsEnabled() const
{
    return !m_state.dateFormats.isEmpty();
}

QStringList OptionsModel::dateFieldCaptions() const
{
    QStringList captions;
    for (const DateFormatList::Entry &entry : m_state.dateFormats.entries())
        captions.append(m_state.captions.caption(entry.fieldIndex + 1));
    return captions;
}

void OptionsModel::selectDateField(int index)
{
    if (index >= 0 && index < m_state.dateFormats.entries().size())
        m_dateField = index;
}

int OptionsModel::dateFormat() const
{
    return m_state.dateFormats.codeAt(m_dateField);
}

void OptionsModel::chooseDateFormat(int code)
{
    if (m_dateField < 0 || code < 0 || code > DateFormatList::kMaxCode)
        return;
    m_state.dateFormats.setCodeForField(
        m_state.dateFormats.entries().at(m_dateField).fieldIndex, code);
}

// ---- colours ---------------------------------------------------------------

QStringList OptionsModel::elementNames()
{
    return { tr("TofC - Record Button Text"), tr("TofC - Record Button Background"),
        tr("TofC - Selected Record Button Text"), tr("TofC - Selected Record Button Background"),
        tr("TofC - Not Empty Letter Tab Text"), tr("TofC - Not Empty Letter Tab Background"),
        tr("TofC - Empty Letter Tab Text"), tr("TofC - Empty Letter Tab Background"),
        tr("TofC - Selected Letter Tab Text"), tr("TofC - Selected Letter Tab Background"),
        tr("TofC - Labels Text"), tr("TofC - Labels Background"), tr("TofC - Pages"),
        tr("TofC - Speed Bar"), tr("TofC - Window Background"), tr("DW   - Text Fields Text"),
        tr("DW   - Text Fields Background"), tr("DW   - Multi-line Fields Text"),
        tr("DW   - Multi-line Fields Background"), tr("DW   - Labels Text"),
        tr("DW   - Labels Background"), tr("DW   - Currency Text (>0)"),
        tr("DW   - Currency Text (<0)"), tr("DW   - Currency Background"), tr("DW   - Pages"),
        tr("DW   - Speed Bar"), tr("DW   - Window Background") };
}

void OptionsModel::selectElement(int element)
{
    if (element >= 0 && element < ColorScheme::kElementCount)
        m_element = element;
}

int OptionsModel::elementColor() const
{
    return m_state.colorScheme.elements.at(m_element);
}

QColor OptionsModel::outlineColor() const
{
    return Palette::outlineColor(elementColor());
}

void OptionsModel::chooseColor(int paletteIndex)
{
    if (paletteIndex >= 0 && paletteIndex < Palette::kSize)
        m_state.colorScheme.elements[m_element] = std::uint8_t(paletteIndex);
}

ColorScheme &OptionsModel::scheme()
{
    return m_state.colorScheme;
}

// ---- fonts -----------------------------------------------------------------

QStringList OptionsModel::fontComponentNames()
{
    return { tr("Record Buttons"), tr("One-Line Edit Fields"), tr("Multi-Line Edit Fields") };
}

void OptionsModel::selectFontComponent(int component)
{
    if (component >= 0 && component < kFontComponents)
        m_fontComponent = component;
}

const FontRecord &OptionsModel::font() const
{
    switch (targetOf(m_fontComponent)) {
    case FontTarget::RecordButtons:
        return m_fonts.recordButtonsFont;
    case FontTarget::MultiLineFields:
        return m_fonts.multiLineFieldsFont;
    case FontTarget::OneLineFields:
        break;
    }
    return m_fonts.oneLineFieldsFont;
}

QString OptionsModel::styleText(std::uint8_t style)
{
    return fontStyleText(style);
}

bool OptionsModel::changeFont()
{
    return FontChoice::choose(m_fonts, targetOf(m_fontComponent));
}

// ---- close -----------------------------------------------------------------

QString OptionsModel::dataDirectoryQuestion()
{
    return tr("You may have to move all your data files to a new directory.\rAre you sure you "
              "want to change your Data Directory?");
}

QString OptionsModel::dataDirectoryChangedText()
{
    return tr("Data Root Directory changed.\rYou have to restart the program for the change to "
              "take effect.");
}

QString OptionsModel::passwordQuestion()
{
    return tr("Do you want to protect user accounts by Passwords?");
}

OptionsClosed OptionsModel::close()
{
    UserOptions &u = m_state.userOptions;
    SystemOptions &s = m_state.systemOptions;
    const OptionsChoices &c = m_choices;

    u.menusAndSpeedBars = std::uint16_t(c.menusAndSpeedBars);
    u.letterTabs = std::uint16_t(c.letterTabs);
    u.hintMessages = std::uint16_t(c.hintMessages);
    u.initialDataFile = std::uint16_t(c.initialDataFile);
    s.passwordMode = PasswordMode(c.passwordMode);
    s.publicAccessRights = PublicAccessRights(c.accessRights);
    const UsersCount usersCountBefore = s.usersCount;
    s.usersCount = UsersCount(c.usersCount);
    u.displayReminders = !c.dontDisplayReminders;

    // A failed write keeps the colours in use, as the files at exit do.
    ColorSchemeFile::write(m_state.databaseFolder, m_state.colorScheme);

    m_labels.store();
    m_state.dateFormats.save(m_state.userFolder);

    u.speedBarLocation = std::uint16_t(c.speedBarLocation);
    u.recordDeleteMode = std::uint16_t(c.recordDeleteMode);
    u.letterTabsLocation = std::uint16_t(c.letterTabsLocation);
    u.displayTips = c.displayTips;
    u.autoFill = c.autoFill;

    storeDataDirectory();

    u.recordButtonsFont = m_fonts.recordButtonsFont;
    u.oneLineFieldsFont = m_fonts.oneLineFieldsFont;
    u.multiLineFieldsFont = m_fonts.multiLineFieldsFont;

    if (s.usersCount == UsersCount::MultiUser && usersCountBefore != UsersCount::MultiUser
        && s.passwordMode == PasswordMode::NotRequired
        && askYesNo(MessageKind::Confirmation, passwordQuestion()))
        s.passwordMode = PasswordMode::Required;

    return { m_state.colorScheme != m_originalScheme };
}

void OptionsModel::storeDataDirectory()
{
    // Separators and a trailing one do not make another folder.
    const QString typed = QDir::cleanPath(QDir::fromNativeSeparators(m_choices.dataDirectory.trimmed()));
    if (typed.isEmpty() || typed == m_state.dataDirectory
        || !askYesNo(MessageKind::Warning, dataDirectoryQuestion()))
        return;
    m_state.userOptions.initialDataFile = 0;
    m_state.dataDirectory = typed;
    showMessage(MessageKind::Information, dataDirectoryChangedText());
}

} // namespace zendrova

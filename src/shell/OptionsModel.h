#pragma once

#include "common/ColorScheme.h"
#include "common/UserOptions.h"
#include "shell/OptionsLabels.h"
#include "shell/OptionsPages.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

class AppState;

// The choices of the Options dialog's radio groups and boxes, as 0-based
// radio indexes; they become settings only when the dialog closes.
struct OptionsChoices
{
    int menusAndSpeedBars = 0;
    int letterTabs = 0;
    int letterTabsLocation = 0;
    int hintMessages = 0;
    int speedBarLocation = 0;
    int recordDeleteMode = 0;
    bool displayTips = true;
    bool autoFill = true;
    bool dontDisplayReminders = false;
    int initialDataFile = 0;
    QString dataDirectory;
    int passwordMode = 0;
    int accessRights = 0;
    int usersCount = 0;
};

// What the main window applies after the dialog.
struct OptionsClosed
{
    bool colorsChanged = false;
};

// The Options dialog without its widgets. Colours and date formats are edited
// in the settings at once; captions and fonts in copies; every other choice is
// stored when the dialog closes, in the order the close gives.
class OptionsModel
{
    Q_DECLARE_TR_FUNCTIONS(OptionsModel)

public:
    static constexpr int kHelpContext = 29;
    static constexpr int kFontComponents = 3;

    explicit OptionsModel(AppState &state);

    OptionsPages &pages() { return m_pages; }
    OptionsLabels &labels() { return m_labels; }
    OptionsChoices &choices() { return m_choices; }
    const OptionsChoices &choices() const { return m_choices; }

    // The users count; the 1-User System has its one user read and write the
    // public files and no accounts to edit.
    void chooseUsersCount(int count);
    bool multiUser() const;

    // Date formats: one radio item per date field, captioned with its caption.
    bool dateFormatsEnabled() const;
    QStringList dateFieldCaptions() const;
    int selectedDateField() const { return m_dateField; }
    void selectDateField(int index);
    int dateFormat() const;
    void chooseDateFormat(int code);

    // Colours: the 27 elements, the palette row of the selected one.
    static QStringList elementNames();
    int selectedElement() const { return m_element; }
    void selectElement(int element);
    int elementColor() const;
    QColor outlineColor() const;
    void chooseColor(int paletteIndex);
    // A colour template was loaded into the scheme: the first element again.
    void colorsLoaded() { selectElement(0); }
    ColorScheme &scheme();

    // Fonts: "Record Buttons", "One-Line Edit Fields", "Multi-Line Edit Fields".
    static QStringList fontComponentNames();
    int fontComponent() const { return m_fontComponent; }
    void selectFontComponent(int component);
    const FontRecord &font() const;
    // "Regular", or "Bold ", "Italic ", "Underline ", "Strikeout" as set.
    static QString styleText(std::uint8_t style);
    // The font dialog preset with the component's font; true on OK.
    bool changeFont();

    // Close: stores everything, asks about a new data directory and about
    // passwords for a new multi-user system.
    OptionsClosed close();

    static QString dataDirectoryQuestion();
    static QString dataDirectoryChangedText();
    static QString passwordQuestion();

private:
    void storeDataDirectory();

    AppState &m_state;
    OptionsPages m_pages;
    OptionsLabels m_labels;
    OptionsChoices m_choices;
    const ColorScheme m_originalScheme;
    UserOptions m_fonts;
    int m_dateField = -1;
    int m_element = 0;
    int m_fontComponent = 0;
};

} // namespace zendrova

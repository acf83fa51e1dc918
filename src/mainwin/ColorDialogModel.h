#pragma once

#include "common/ColorScheme.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

// Where the colour dialog was opened from; each use edits its own run of
// consecutive scheme elements.
enum class ColorDialogUse { RecordButtons, Labels, MultiLineFields, CurrencyFields, SingleLineFields };

// The colour dialog's state and rules. Clicking a palette cell changes the
// scheme at once so the caller can show it; Cancel puts back all 27 elements
// as they were at opening, OK writes "color.lst" to the database folder.
class ColorDialogModel
{
    Q_DECLARE_TR_FUNCTIONS(ColorDialogModel)

public:
    // The appearance help page, shared with the options dialog's colours.
    static constexpr int kHelpContext = 29;

    ColorDialogModel(ColorScheme &scheme, QString databaseFolder, ColorDialogUse use);

    QString groupCaption() const { return m_caption; }
    const QStringList &radioItems() const { return m_items; }
    int baseElement() const { return m_base; }

    int selectedItem() const { return m_selected; }
    // Radio item i edits element base + i; out-of-range items are ignored.
    void selectItem(int item);
    int currentElement() const { return m_base + m_selected; }
    // The palette index of the element being edited: the outlined cell.
    int currentColor() const;
    QColor outlineColor() const;
    void chooseColor(int paletteIndex);

    // Writes the scheme; false when the file could not be written (the scheme
    // stays as chosen, as the options files do at exit).
    bool accept();
    void cancel();
    // OK was pressed and one of this dialog's elements differs from opening.
    bool changed() const;

private:
    ColorScheme &m_scheme;
    const ColorScheme m_original;
    QString m_databaseFolder;
    QString m_caption;
    QStringList m_items;
    int m_base = 0;
    int m_selected = 0;
    bool m_accepted = false;
};

} // namespace zendrova

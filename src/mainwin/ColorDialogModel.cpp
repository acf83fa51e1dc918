#include "mainwin/ColorDialogModel.h"

#include "common/ColorSchemeFile.h"
#include "mainwin/Palette.h"

#include <array>

namespace zendrova {

namespace {

struct UseLayout
{
    ColorDialogUse use;
    const char *caption;
    int base;
    // Up to four radio items; the rest are null.
    std::array<const char *, 4> items;
};

#define ITEM(text) QT_TRANSLATE_NOOP("ColorDialogModel", text)
// The currency use's third item edits element 23, which no field draws.
const UseLayout kLayouts[] = {
    { ColorDialogUse::RecordButtons, ITEM("Record Buttons"), 0,
        { ITEM("Text Color"), ITEM("Bgnd Color"), ITEM("Selected Button Text Color"),
            ITEM("Selected Button Bgnd Color") } },
    { ColorDialogUse::Labels, ITEM("Labels"), 19, { ITEM("Text Color"), ITEM("Bgnd Color") } },
    { ColorDialogUse::MultiLineFields, ITEM("Multi-Line Fields"), 17,
        { ITEM("Text Color"), ITEM("Bgnd Color") } },
    { ColorDialogUse::CurrencyFields, ITEM("Currency Fields"), 21,
        { ITEM("Positive Color"), ITEM("Negative Color"), ITEM("Bgnd Color") } },
    { ColorDialogUse::SingleLineFields, ITEM("Single-Line Fields"), 15,
        { ITEM("Text Color"), ITEM("Bgnd Color") } },
};
#undef ITEM

} // namespace

ColorDialogModel::ColorDialogModel(
    ColorScheme &scheme, QString databaseFolder, ColorDialogUse use)
    : m_scheme(scheme)
    , m_original(scheme)
    , m_databaseFolder(std::move(databaseFolder))
{
    for (const UseLayout &layout : kLayouts) {
        if (layout.use != use)
            continue;
        m_caption = tr(layout.caption);
        m_base = layout.base;
        for (const char *item : layout.items) {
            if (item)
                m_items.append(tr(item));
        }
    }
}

void ColorDialogModel::selectItem(int item)
{
    if (item >= 0 && item < m_items.size())
        m_selected = item;
}

int ColorDialogModel::currentColor() const
{
    return m_scheme.elements[static_cast<std::size_t>(currentElement())];
}

QColor ColorDialogModel::outlineColor() const
{
    return Palette::outlineColor(currentColor());
}

void ColorDialogModel::chooseColor(int paletteIndex)
{
    if (paletteIndex < 0 || paletteIndex >= Palette::kSize)
        return;
    m_scheme.elements[static_cast<std::size_t>(currentElement())]
        = static_cast<std::uint8_t>(paletteIndex);
}

bool ColorDialogModel::accept()
{
    m_accepted = true;
    return ColorSchemeFile::write(m_databaseFolder, m_scheme);
}

void ColorDialogModel::cancel()
{
    m_accepted = false;
    m_scheme = m_original;
}

bool ColorDialogModel::changed() const
{
    if (!m_accepted)
        return false;
    for (int i = 0; i < m_items.size(); ++i) {
        const auto element = static_cast<std::size_t>(m_base + i);
        if (m_scheme.elements[element] != m_original.elements[element])
            return true;
    }
    return false;
}

} // namespace zendrova

#pragma once

#include "common/FontRecord.h"

#include <cstdint>

namespace zendrova {

// The per-user choices of the user options file. Radio choices are kept as
// their 0-based index, as stored; reserved words are kept so they are written
// back as held.
struct UserOptions
{
    std::uint16_t menusAndSpeedBars = 0; // 0 both, 1 only menus, 2 only speed bars
    std::uint16_t reserved2 = 1;
    std::uint16_t reserved3 = 0;
    std::uint16_t hintMessages = 0; // 0 show, 1 hide
    std::uint16_t letterTabs = 0; // 0 use letter tabs, 1 don't use
    std::uint16_t initialDataFile = 1; // 0 load default file, 1 load last used file
    std::uint16_t reserved7 = 0;
    std::uint16_t filterDateFormat = 0; // 0..3
    std::uint16_t speedBarLocation = 1; // 0 top, 1 bottom
    std::uint16_t recordDeleteMode = 0; // 0 ask to confirm, 1 immediate
    std::uint16_t reserved13 = 0;
    std::uint16_t letterTabsLocation = 0; // 0 center, 1 right
    bool stayOnTop = false;
    bool displayTips = true;
    FontRecord recordButtonsFont;
    FontRecord oneLineFieldsFont;
    FontRecord multiLineFieldsFont;
    bool autoFill = true;
    bool displayReminders = true;

    static constexpr std::uint16_t kLoadLastUsedFile = 1;

    bool operator==(const UserOptions &) const = default;
};

} // namespace zendrova

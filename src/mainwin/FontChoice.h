#pragma once

#include "common/FontRecord.h"
#include "common/UserOptions.h"

namespace zendrova {

// Which of the user options' three fonts a font request edits.
enum class FontTarget { RecordButtons, OneLineFields, MultiLineFields };

// The font dialog for one of the three fonts: preset with the record's name,
// size and style; OK stores the choice in the user options.
class FontChoice
{
public:
    // A memo's menu edits the multi-line font, any other field's the one-line font.
    static FontTarget forField(bool isMemo);
    static FontRecord &recordOf(UserOptions &options, FontTarget target);

    // True when the user pressed OK; the caller then re-applies the fonts.
    static bool choose(UserOptions &options, FontTarget target);
};

} // namespace zendrova

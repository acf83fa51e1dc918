#include "mainwin/FontChoice.h"

#include "common/Interaction.h"

namespace zendrova {

FontTarget FontChoice::forField(bool isMemo)
{
    return isMemo ? FontTarget::MultiLineFields : FontTarget::OneLineFields;
}

FontRecord &FontChoice::recordOf(UserOptions &options, FontTarget target)
{
    switch (target) {
    case FontTarget::RecordButtons:
        return options.recordButtonsFont;
    case FontTarget::MultiLineFields:
        return options.multiLineFieldsFont;
    case FontTarget::OneLineFields:
        break;
    }
    return options.oneLineFieldsFont;
}

bool FontChoice::choose(UserOptions &options, FontTarget target)
{
    FontRecord &record = recordOf(options, target);
    const auto chosen = Interaction::current().chooseFont(record);
    if (!chosen)
        return false;
    record.name = chosen->name;
    record.size = chosen->size;
    record.style = chosen->style;
    return true;
}

} // namespace zendrova

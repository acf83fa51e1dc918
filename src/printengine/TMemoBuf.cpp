#include "printengine/TMemoBuf.h"

#include <algorithm>

namespace zendrova::print {

void TMemoBuf::SetText(const QString &text)
{
    m_text = text;
    m_pos = 0;
}

void TMemoBuf::SetPos(int pos)
{
    m_pos = std::clamp(pos, 0, Size());
}

} // namespace zendrova::print

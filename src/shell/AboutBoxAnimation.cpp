#include "shell/AboutBoxAnimation.h"

#include <algorithm>

namespace zendrova {

AboutBoxAnimation::AboutBoxAnimation(QSize pictureSize)
    : m_target(std::max(pictureSize.width(), 1), std::max(pictureSize.height(), 1))
    , m_size(1, 1)
{ }

bool AboutBoxAnimation::tick()
{
    if (finished())
        return false;
    m_size = QSize(std::min(m_size.width() + 1, m_target.width()),
        std::min(m_size.height() + 1, m_target.height()));
    return true;
}

} // namespace zendrova

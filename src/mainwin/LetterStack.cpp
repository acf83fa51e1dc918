#include "mainwin/LetterStack.h"

#include <algorithm>

namespace zendrova {

int LetterStack::letterHeight(int panelHeight)
{
    return std::max(kMinLetterHeight, panelHeight / kLetterCount);
}

void LetterStack::setPanel(int width, int height)
{
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    // A taller panel needs fewer clicks: keep no empty room below "Z" that a
    // click back up would fill.
    m_steps = std::min(m_steps, maxSteps());
}

QRect LetterStack::letterRect(int index) const
{
    return QRect(0, index * step() - offset(), m_width, letterHeight());
}

int LetterStack::maxSteps() const
{
    const int hidden = stackHeight() - m_height;
    if (hidden <= 0)
        return 0;
    return (hidden + step() - 1) / step();
}

void LetterStack::scrollUp()
{
    if (canScrollUp())
        --m_steps;
}

void LetterStack::scrollDown()
{
    if (canScrollDown())
        ++m_steps;
}

} // namespace zendrova

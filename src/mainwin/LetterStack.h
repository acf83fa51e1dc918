#pragma once

#include <QRect>

namespace zendrova {

// The 26 letter tabs stacked in their panel, each overlapping the one above
// by a pixel, and scrolled a tab at a time when the panel is too short.
class LetterStack
{
public:
    static constexpr int kLetterCount = 26;
    static constexpr int kMinLetterHeight = 14;

    static int letterHeight(int panelHeight);

    void setPanel(int width, int height);
    int panelHeight() const { return m_height; }
    int letterHeight() const { return letterHeight(m_height); }
    // How far the stack is moved up, in pixels.
    int offset() const { return m_steps * step(); }
    // Letter 0 is 'A'.
    QRect letterRect(int index) const;

    // "A" is cut off at the top.
    bool canScrollUp() const { return m_steps > 0; }
    // "Z" is cut off at the bottom.
    bool canScrollDown() const { return m_steps < maxSteps(); }
    void scrollUp();
    void scrollDown();

private:
    int step() const { return letterHeight() - 1; }
    int stackHeight() const { return kLetterCount * step() + 1; }
    // Clicks needed until "Z" is whole.
    int maxSteps() const;

    int m_width = 0;
    int m_height = 0;
    int m_steps = 0;
};

} // namespace zendrova

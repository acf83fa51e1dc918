#pragma once

#include <QSize>

namespace zendrova {

// The about box's icon grows from 1 x 1 pixel by one pixel in width and height
// per tick until it reaches the picture's own size.
class AboutBoxAnimation
{
public:
    static constexpr int kTickMilliseconds = 20;

    explicit AboutBoxAnimation(QSize pictureSize);

    QSize size() const { return m_size; }
    bool finished() const { return m_size == m_target; }
    // Grows one step; returns whether the size changed.
    bool tick();

private:
    QSize m_target;
    QSize m_size;
};

} // namespace zendrova

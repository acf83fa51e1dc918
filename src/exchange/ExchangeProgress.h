#pragma once

#include <QString>

#include <functional>

namespace zendrova {

// What a long export or import tells the progress window; any may be left
// empty.
struct ExchangeProgress
{
    // A new part begins: its caption and how many records it walks.
    std::function<void(const QString &caption, int total)> start;
    // Records done so far in the part.
    std::function<void(int done)> position;
    // The walk is over: the window goes before the closing message shows.
    std::function<void()> finish;

    void begin(const QString &caption, int total) const
    {
        if (start)
            start(caption, total);
    }
    void at(int done) const
    {
        if (position)
            position(done);
    }
    void end() const
    {
        if (finish)
            finish();
    }
};

} // namespace zendrova

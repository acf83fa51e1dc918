#pragma once

#include <cstdint>
#include <string>

namespace scale {

// The program's main window on a database of `cards` generated cards: its first show
// (create, open the database, the letter counts, the first page of the list, the
// card), warm or with the files dropped from the page cache before each show.
// Builds without the widget libraries have no window: available() is false there.
class WindowSteps
{
public:
    static bool available();
    // Generates the database in `folder` and opens it once, as a program start had.
    WindowSteps(const std::string &folder, uint32_t cards);
    ~WindowSteps();
    WindowSteps(const WindowSteps &) = delete;
    WindowSteps &operator=(const WindowSteps &) = delete;

    double firstShow(bool cold);

private:
    struct Parts;
    Parts *m_parts = nullptr;
};

} // namespace scale

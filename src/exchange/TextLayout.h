#pragma once

#include <cstddef>
#include <vector>

namespace zendrova {

// How the values of an exchange text file are laid out: one line per record
// ended by CR LF, values in the chosen field order, split by the separator and
// each, when a delimiter is set, between two delimiters. A memo value is its
// lines joined by CR LF between two wrapper bytes.
struct TextLayout
{
    static constexpr char kMemoWrapper = '\x03';
    static constexpr char kLineEnd[] = "\r\n";
    // Longest value the import keeps; a memo breaks into lines at it.
    static constexpr int kValueLimit = 255;

    char separator = ',';
    // 0 for none.
    char delimiter = 0;
    // One entry per column: whether it holds a memo.
    std::vector<bool> memoColumns;

    int columnCount() const { return static_cast<int>(memoColumns.size()); }
    bool isMemo(int column) const
    {
        return column >= 0 && column < columnCount() && memoColumns[std::size_t(column)];
    }
};

} // namespace zendrova

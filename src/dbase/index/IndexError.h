#pragma once

#include <stdexcept>
#include <string>

namespace dbase {

// The one error the index code throws: a damaged or unusable .MDX file, a key
// expression that cannot be used, or a tag operation the file cannot take.
class IndexError : public std::runtime_error
{
public:
    explicit IndexError(const std::string &message) : std::runtime_error(message) {}
};

} // namespace dbase

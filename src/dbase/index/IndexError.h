#pragma once

#include "dbase/Error.h"

#include <string>

namespace dbase {

// What the index code throws: a dBASE Error, so callers of the table catch one type.
// A damaged or unusable .MDX file is Corrupt; a tag or key expression the engine
// refuses (bad text, too long, too many tags) is Value.
class IndexError : public Error
{
public:
    explicit IndexError(const std::string &message, ErrorKind kind = ErrorKind::Corrupt)
        : Error(kind, message)
    {
    }
};

} // namespace dbase

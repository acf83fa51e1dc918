#pragma once

#include <stdexcept>
#include <string>

namespace dbase {

enum class ErrorKind {
    Io,            // the operating system refused a read, write, rename ...
    NotFound,      // a file or record that should exist does not
    AlreadyExists, // a target that must not exist does
    Corrupt,       // a file's bytes make no sense (truncated, impossible header ...)
    Locked,        // another table object or process holds the lock
    Usage,         // the call does not fit the table's state (not open, not editing ...)
    Value,         // a value does not fit the field
};

const char *errorKindName(ErrorKind kind);

// The one error type of the engine. The message names the file concerned.
class Error : public std::runtime_error
{
public:
    Error(ErrorKind kind, const std::string &message);
    ErrorKind kind() const { return m_kind; }

private:
    ErrorKind m_kind;
};

} // namespace dbase

#pragma once

#include <stdexcept>
#include <string>

namespace zendrova {

// Why the store could not do what it was asked.
enum class StoreErrorKind {
    Io,            // the operating system refused a read or write
    NotFound,      // a file or record that should exist does not
    AlreadyExists, // a target that must not exist does
    Corrupt,       // a file's bytes make no sense
    Locked,        // another user or table object holds the record or table
    Usage,         // the call does not fit the table's state
    Value,         // a value does not fit the field
};

// The one error the store's tables raise; the message names the file concerned.
class StoreError : public std::runtime_error
{
public:
    StoreError(StoreErrorKind kind, const std::string &message);
    StoreErrorKind kind() const { return m_kind; }

private:
    StoreErrorKind m_kind;
};

} // namespace zendrova

#include "dbase/Error.h"

namespace dbase {

const char *errorKindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Io: return "I/O error";
    case ErrorKind::NotFound: return "not found";
    case ErrorKind::AlreadyExists: return "already exists";
    case ErrorKind::Corrupt: return "damaged file";
    case ErrorKind::Locked: return "locked";
    case ErrorKind::Usage: return "invalid operation";
    case ErrorKind::Value: return "invalid value";
    }
    return "error";
}

Error::Error(ErrorKind kind, const std::string &message)
    : std::runtime_error(message), m_kind(kind)
{
}

} // namespace dbase

#include "store/StoreError.h"

namespace zendrova {

StoreError::StoreError(StoreErrorKind kind, const std::string &message)
    : std::runtime_error(message)
    , m_kind(kind)
{
}

} // namespace zendrova

#pragma once

#include "dbase/Error.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace dbase {

// Files shipped in the old Windows "LZ" (SZDD) compressed form.
class SzddError : public Error
{
public:
    explicit SzddError(const std::string &message) : Error(ErrorKind::Corrupt, message) {}
};

bool isSzdd(const void *data, std::size_t size);

// Expands a whole SZDD image; throws SzddError when it is damaged or cut short.
std::string expandSzdd(const void *data, std::size_t size);

// Copies source to target, expanding it when it is SZDD-compressed. The target
// is written beside its final name and renamed, so a failed copy leaves any
// previous target intact. Returns false when either file cannot be opened or
// the copy fails.
bool copyFileExpanding(const std::string &source, const std::string &target);

} // namespace dbase

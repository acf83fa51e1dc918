// Feeds arbitrary bytes to every settings decoder. Besides never crashing or
// reading out of bounds, whatever a decoder accepts must survive a round trip.
#include "common/ByteWriter.h"
#include "common/ColorSchemeFile.h"
#include "common/SystemOptionsFile.h"
#include "common/TUserList.h"
#include "common/UserOptionsFile.h"
#include "common/WindowPlacementFile.h"

#include <cstdlib>

using namespace zendrova;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    // Single-byte text can grow past the string limit when written as UTF-8;
    // the writers refuse such strings, so only storable ones are compared.
    const auto system = SystemOptionsFile::decode(bytes);
    if (system && ByteWriter::fitsString(system->dataDirectory)) {
        const auto again = SystemOptionsFile::decode(SystemOptionsFile::encode(*system));
        check(again && again->options == system->options
            && again->dataDirectory == system->dataDirectory);
    }
    if (const auto user = UserOptionsFile::decode(bytes, UserOptions()))
        check(UserOptionsFile::decode(UserOptionsFile::encode(*user), UserOptions()).has_value());
    if (const auto placement = WindowPlacementFile::decode(bytes))
        check(WindowPlacementFile::decode(WindowPlacementFile::encode(*placement)) == placement);
    if (const auto scheme = ColorSchemeFile::decode(bytes))
        check(ColorSchemeFile::encode(*scheme) == bytes);
    if (const auto accounts = TUserList::decode(bytes)) {
        if (const auto encoded = TUserList::encode(*accounts)) {
            const auto again = TUserList::decode(*encoded);
            check(again && again->accounts() == accounts->accounts());
        }
    }
    return 0;
}

// Feeds arbitrary bytes to the filter file reader. Whatever it accepts must
// survive a round trip, and its values must prepare and compare without
// raising anything, whatever they hold.
#include "query/FilterFile.h"
#include "query/TFilter.h"

#include <cstdlib>

using namespace zendrova;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameStored(const TFilter &a, const TFilter &b)
{
    return a.FieldPos == b.FieldPos && a.Kind == b.Kind && a.Unset == b.Unset
        && a.Condition == b.Condition && a.Value1 == b.Value1 && a.Value2 == b.Value2
        && a.Values == b.Values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto entries = FilterFile::decode(bytes);
    if (!entries)
        return 0;
    const auto again = FilterFile::decode(FilterFile::encode(*entries));
    check(again && again->size() == entries->size());
    for (std::size_t i = 0; i < entries->size(); ++i)
        check(sameStored((*entries)[i], (*again)[i]));
    for (TFilter entry : *entries) {
        const auto format = filterDateFormatFrom(entry.Kind % 4);
        entry.prepare(format);
        entry.passesFieldText(entry.Value2, format);
        entry.passesDate(entry.Date1, format);
        entry.passesNumber(entry.Number2);
    }
    return 0;
}

// Feeds arbitrary bytes to the "label.dat" reader. Whatever it accepts is
// written again; that image must read back and write the same bytes, so a
// written list can always be read whole.
#include "output/LabelFile.h"
#include "output/LabelLines.h"

#include <cstdlib>

using namespace zendrova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto labels = LabelFile::decode(bytes);
    if (!labels)
        return 0;
    const QByteArray written = LabelFile::encode(*labels);
    const auto again = LabelFile::decode(written);
    if (!again || again->size() != labels->size() || LabelFile::encode(*again) != written)
        std::abort();
    for (qsizetype i = 0; i < labels->size(); ++i)
        if (LabelLines::decode((*labels)[i].Lines) != LabelLines::decode((*again)[i].Lines))
            std::abort();
    return 0;
}

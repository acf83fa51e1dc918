// Feeds arbitrary text to the stock file reader: the index and every section
// it names (the first few: the program reads one at a time). Names are never
// empty and never a section header.
#include "common/FileText.h"
#include "output/LabelStockFile.h"

#include <cstdlib>

using namespace zendrova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = textFromFileBytes(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const QStringList names = LabelStockFile::namesIn(text);
    constexpr qsizetype kSectionsRead = 8;
    for (const QString &name : names.mid(0, kSectionsRead)) {
        if (name.isEmpty() || name.startsWith(QLatin1Char('[')))
            std::abort();
        if (const auto stock = LabelStockFile::stockIn(text, name))
            if (stock->shape < 0 || stock->shape > 2 || stock->orientation < 0
                || stock->orientation > 1)
                std::abort();
    }
    LabelStockFile::stockIn(text, QStringLiteral("AV 12_294"));
    return 0;
}

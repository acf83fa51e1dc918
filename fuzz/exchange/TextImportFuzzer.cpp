// Feeds arbitrary bytes to the import text reader under a layout taken from
// the first bytes. Whatever it reads must stay within the layout: never more
// values than columns, values within the length limit (memo lines too), no
// control bytes kept but Tab and a doubled delimiter, lines counted forward, and the reader must
// end.
#include "exchange/TextEncoding.h"
#include "exchange/TextRecordParser.h"

#include <cstdlib>

using namespace zendrova;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A delimiter doubled inside a value is kept as one, whatever byte it is.
void checkValue(const QByteArray &value, bool memo, char delimiter)
{
    const QList<QByteArray> parts = memo ? value.split('\n') : QList<QByteArray> { value };
    for (QByteArray part : parts) {
        if (memo && part.endsWith('\r'))
            part.chop(1);
        check(part.size() <= TextLayout::kValueLimit);
        for (const char byte : part)
            check(static_cast<unsigned char>(byte) >= 32 || byte == '\t'
                || (delimiter != 0 && byte == delimiter));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    // Byte 0: separator, byte 1: delimiter choice, byte 2: the columns (bit set = memo).
    TextLayout layout;
    layout.separator = static_cast<char>(data[0]);
    layout.delimiter = data[1] % 3 == 0 ? 0 : (data[1] % 3 == 1 ? '"' : static_cast<char>(data[1]));
    const int columns = 1 + data[2] % 8;
    for (int i = 0; i < columns; ++i)
        layout.memoColumns.push_back(((data[2] >> (i % 8)) & 1) != 0);
    const QByteArray file(
        reinterpret_cast<const char *>(data + 3), static_cast<qsizetype>(size - 3));

    const ImportText text = ImportText::decode(file);
    check(text.bytes.size() <= file.size());
    TextRecordParser::splitFirstLine(text.bytes, layout);
    TextRecordParser parser(text.bytes, layout, text.unmappable.has_value());
    int lastLine = 1;
    int records = 0;
    while (auto record = parser.next()) {
        check(++records <= text.bytes.size() + 1);
        check(!record->values.empty() && int(record->values.size()) <= columns);
        check(record->lines.size() == record->values.size());
        for (size_t i = 0; i < record->values.size(); ++i) {
            checkValue(record->values[i], layout.isMemo(int(i)), layout.delimiter);
            check(record->lines[i] >= lastLine);
            lastLine = record->lines[i];
        }
    }
    return 0;
}

// Parses arbitrary text as a key expression and evaluates what parses on a record whose
// field bytes also come from the input. Only IndexError may come out.
#include "dbase/index/IndexError.h"
#include "dbase/index/KeyExpression.h"

#include <string>

namespace {

const std::vector<dbase::FieldInfo> kFields = {
    {"RECNO", 'N', 10, 0, 0}, {"FMARK", 'C', 1, 0, 10}, {"NAME", 'C', 50, 0, 11},
    {"PPRICE", 'N', 12, 2, 61}, {"CUSTOM4", 'D', 8, 0, 73}, {"NOTES", 'M', 10, 0, 81},
    {"LONGTEXT", 'C', 120, 0, 91}, {"PICTURE", 'B', 10, 0, 211}};

class BytesRecord : public dbase::RecordView
{
public:
    explicit BytesRecord(std::string bytes) : bytes_(std::move(bytes)) { bytes_.resize(221, ' '); }
    const std::vector<dbase::FieldInfo> &fields() const override { return kFields; }
    std::string_view raw(int field) const override
    {
        const auto &f = kFields[static_cast<size_t>(field)];
        return std::string_view(bytes_).substr(f.offset, f.length);
    }
    std::string memo(int) const override { return bytes_; }

private:
    std::string bytes_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const size_t split = input.find('\n');
    const std::string text = input.substr(0, split);
    const std::string record = split == std::string::npos ? std::string() : input.substr(split + 1);
    try {
        const auto expression = dbase::KeyExpression::parse(text, kFields);
        const std::string key = expression.evaluate(BytesRecord(record));
        if (static_cast<int>(key.size()) != expression.keyLength())
            __builtin_trap();
    } catch (const dbase::IndexError &) {
    }
    return 0;
}

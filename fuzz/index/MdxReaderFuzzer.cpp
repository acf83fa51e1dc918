// Opens arbitrary bytes as an .MDX file and does what a table would: list tags, walk,
// count, check, insert and remove. Only IndexError may come out.
#include "dbase/CardTableLayout.h"
#include "dbase/DbfHeader.h"
#include "dbase/index/IndexCheck.h"
#include "dbase/index/IndexError.h"
#include "dbase/index/ProductionIndex.h"
#include "dbase/index/TagCursor.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// The card table's fields, so real card indexes open, then the names the older 60-record
// fixture's tags use, so that seed opens too.
std::vector<dbase::FieldInfo> makeFields()
{
    std::vector<dbase::FieldInfo> fields = dbase::layout::cardTableFields();
    fields.push_back(dbase::makeField("RECNO", 'N', 10));
    fields.push_back(dbase::makeField("FMARK", 'C', 1));
    fields.push_back(dbase::makeField("NAME", 'C', 50));
    fields.push_back(dbase::makeField("PPRICE", 'N', 12, 2));
    uint32_t offset = 0;
    for (auto &field : fields) {
        field.offset = offset;
        offset += field.length;
    }
    return fields;
}

const std::vector<dbase::FieldInfo> kFields = makeFields();

// Every field holds a plausible stored value of its type.
std::string storedValue(const dbase::FieldInfo &field)
{
    std::string value;
    switch (field.type) {
    case 'N': value = field.decimals ? "12.50" : "42"; break;
    case 'D': value = "19520415"; break;
    case 'M': case 'B': value = "1"; break;
    default: value = field.length == 1 ? "2" : "Mickey Mantle"; break;
    }
    const size_t width = field.length;
    return field.type == 'C' ? value + std::string(width - value.size(), ' ')
                             : std::string(width - value.size(), ' ') + value;
}

class FixedRecord : public dbase::RecordView
{
public:
    FixedRecord()
    {
        for (const auto &field : kFields)
            values_.push_back(storedValue(field));
    }
    const std::vector<dbase::FieldInfo> &fields() const override { return kFields; }
    std::string_view raw(int field) const override { return values_[static_cast<size_t>(field)]; }
    std::string memo(int) const override { return "Notes line one\r\nline two"; }

private:
    std::vector<std::string> values_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = "/tmp/fuzz-mdx-" + std::to_string(getpid()) + ".mdx";
    static const FixedRecord record;
    if (FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    try {
        auto index = dbase::ProductionIndex::open(path, kFields);
        for (const auto &tag : index->tags()) {
            // Enough steps from each end to cross many leaves; walking all of a big seed's
            // keys would cost seconds per input and reach no code the first leaves do not.
            dbase::TagCursor cursor(*index, tag.name);
            int steps = 0;
            for (bool ok = cursor.first(); ok && steps < 300; ok = cursor.next())
                ++steps;
            for (bool ok = cursor.last(); ok && steps < 600; ok = cursor.prior())
                ++steps;
            cursor.setRange("M", "M\377");
            cursor.count();
            cursor.seekNearest("MI");
        }
        dbase::checkIndex(*index, [](const dbase::RecordVisitor &visit) { visit(42, record); });
        index->insertKey(42, record);
        index->removeKey(42, record);
        if (index->tagCount() > 0)
            index->deleteTag(index->tags().front().name);
    } catch (const dbase::IndexError &) {
    }
    return 0;
}

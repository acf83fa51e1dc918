// Opens arbitrary bytes as an .MDX file and does what a table would: list tags, walk,
// count, check, insert and remove. Only IndexError may come out.
#include "dbase/index/IndexCheck.h"
#include "dbase/index/IndexError.h"
#include "dbase/index/ProductionIndex.h"
#include "dbase/index/TagCursor.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const std::vector<dbase::FieldInfo> kFields = {
    {"RECNO", 'N', 10, 0, 0}, {"FMARK", 'C', 1, 0, 10}, {"NAME", 'C', 50, 0, 11},
    {"PPRICE", 'N', 12, 2, 61}, {"CUSTOM4", 'D', 8, 0, 73}, {"NOTES", 'M', 10, 0, 81}};

class FixedRecord : public dbase::RecordView
{
public:
    const std::vector<dbase::FieldInfo> &fields() const override { return kFields; }
    std::string_view raw(int field) const override
    {
        static const std::string values[] = {"        42", "2", std::string("Mickey Mantle") + std::string(37, ' '),
                                             "       12.50", "19520415", "         1"};
        return values[field];
    }
    std::string memo(int) const override { return "Notes line one\r\nline two"; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = "/tmp/fuzz-mdx-" + std::to_string(getpid()) + ".mdx";
    if (FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    try {
        auto index = dbase::ProductionIndex::open(path, kFields);
        for (const auto &tag : index->tags()) {
            dbase::TagCursor cursor(*index, tag.name);
            int steps = 0;
            for (bool ok = cursor.first(); ok && steps < 20000; ok = cursor.next())
                ++steps;
            for (bool ok = cursor.last(); ok && steps < 40000; ok = cursor.prior())
                ++steps;
            cursor.setRange("M", "M\377");
            cursor.count();
            cursor.seekNearest("MI");
        }
        dbase::checkIndex(*index, [](const dbase::RecordVisitor &visit) { visit(42, FixedRecord()); });
        index->insertKey(42, FixedRecord());
        index->removeKey(42, FixedRecord());
        if (index->tagCount() > 0)
            index->deleteTag(index->tags().front().name);
    } catch (const dbase::IndexError &) {
    }
    return 0;
}

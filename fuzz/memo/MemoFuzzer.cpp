// Feeds arbitrary bytes to the memo reader as a .DBT behind a good table whose
// records point at blocks 1 ... 8, then rewrites one value to exercise the free list.
#include "../FuzzFiles.h"

#include "dbase/Error.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const std::string &tableTemplate()
{
    static const std::string path = [] {
        const std::string p = fuzzfiles::folder() + "/template.dbf";
        dbase::Table::create(p, {dbase::makeField("NOTES", 'M', 10)});
        dbase::Table t;
        t.open(p, true);
        for (int block = 1; block <= 8; ++block) {
            t.append();
            t.setString(0, "x"); // marks the record changed; the pointer is set below
            t.post();
        }
        t.close();
        // Point record n at block n by hand.
        std::string bytes;
        {
            std::ifstream in(p, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), {});
        }
        const size_t header = size_t(uint8_t(bytes[8])) | size_t(uint8_t(bytes[9])) << 8;
        for (int n = 1; n <= 8; ++n)
            bytes.replace(header + size_t(n - 1) * 11 + 1, 10, "         " + std::to_string(n));
        std::ofstream(p, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
        return p;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string dbf = fuzzfiles::folder() + "/m.dbf";
    std::filesystem::copy_file(tableTemplate(), dbf, std::filesystem::copy_options::overwrite_existing);
    fuzzfiles::writeBytes(fuzzfiles::folder() + "/m.dbt", data, size);
    fuzzfiles::readEverything(dbf);
    try {
        dbase::Table t;
        t.open(dbf, true);
        t.edit();
        t.setBlob(0, std::string(700, 'r'));
        t.post();
        t.next();
        t.edit();
        t.setBlob(0, "");
        t.post();
    } catch (const dbase::Error &) {
    }
    return 0;
}

// Feeds arbitrary bytes to the table reader as a .DBF (with a valid empty memo file beside it).
#include "../FuzzFiles.h"

#include "dbase/MemoFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string dbf = fuzzfiles::folder() + "/t.dbf";
    static const bool memoReady = [] {
        dbase::MemoFile::create(fuzzfiles::folder() + "/t.dbt", dbase::MemoFile::Format::Dbase4);
        return true;
    }();
    (void)memoReady;
    fuzzfiles::writeBytes(dbf, data, size);
    fuzzfiles::readEverything(dbf);
    return 0;
}

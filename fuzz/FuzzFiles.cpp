#include "FuzzFiles.h"

#include "dbase/Error.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fuzzfiles {

const std::string &folder()
{
    static const std::string path = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        const auto dir = base / ("zendrova-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    return path;
}

void writeBytes(const std::string &path, const uint8_t *data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), std::streamsize(size));
}

void readEverything(const std::string &dbfPath)
{
    try {
        dbase::Table table;
        table.open(dbfPath, true);
        int steps = 0;
        for (table.first(); !table.eof() && steps < 10000; table.next(), ++steps) {
            for (int i = 0; i < table.fieldCount(); ++i) {
                try {
                    table.asString(i);
                    table.isNull(i);
                } catch (const dbase::Error &) {
                }
            }
        }
        table.recordCount();
        table.last();
        table.prior();
    } catch (const dbase::Error &) {
    }
}

} // namespace fuzzfiles

#include "TestTables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace dbase::test {

TempDir::TempDir()
{
    std::random_device seed;
    m_path = std::filesystem::temp_directory_path() / ("zendrova-dbase-" + std::to_string(seed()));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<FieldInfo> sampleFields()
{
    return {field("NAME", 'C', 20), field("PRICE", 'N', 10, 2), field("QTY", 'N', 6), field("BORN", 'D', 8),
            field("OK", 'L', 1), field("NOTES", 'M', 10), field("PIC", 'B', 10)};
}

void appendSample(Table &table, const std::string &name, double price, const std::string &notes,
                  const std::string &picture)
{
    table.append();
    table.setString(kName, name);
    table.setNumber(kPrice, price);
    if (!notes.empty())
        table.setBlob(kNotes, notes);
    if (!picture.empty())
        table.setBlob(kPic, picture);
    table.post();
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string run(const std::string &command, int *status)
{
    std::string output;
    FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        if (status)
            *status = -1;
        return output;
    }
    std::array<char, 4096> buffer {};
    while (size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int rc = ::pclose(pipe);
    if (status)
        *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return output;
}

} // namespace dbase::test

namespace dbase::test {

void expectSound(const std::string &dbfPath)
{
    Table t;
    t.open(dbfPath, false);
    const std::vector<std::string> problems = t.checkIndexes();
    EXPECT_TRUE(problems.empty()) << dbfPath << ": " << (problems.empty() ? "" : problems.front());
}

std::vector<std::string> namesInTag(const std::string &dbfPath, const std::string &tag, int pos)
{
    Table t;
    t.setIndexName(tag);
    t.open(dbfPath, false);
    std::vector<std::string> out;
    for (t.first(); !t.eof(); t.next())
        out.push_back(t.asString(pos));
    return out;
}

} // namespace dbase::test

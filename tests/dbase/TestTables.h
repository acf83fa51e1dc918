#pragma once

#include "dbase/DbfHeader.h"
#include "dbase/Table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace dbase::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    std::string path(const std::string &name) const { return (m_path / name).string(); }
    const std::filesystem::path &root() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline FieldInfo field(const char *name, char type, int length, int decimals = 0)
{
    return makeField(name, type, length, decimals);
}

// NAME C(20), PRICE N(10,2), QTY N(6), BORN D, OK L, NOTES M, PIC B
std::vector<FieldInfo> sampleFields();
enum SamplePos { kName, kPrice, kQty, kBorn, kOk, kNotes, kPic };

// Appends and posts one record of sampleFields().
void appendSample(Table &table, const std::string &name, double price, const std::string &notes = {},
                  const std::string &picture = {});

// Opens the table and expects its index (tags, keys, header flags) to be sound.
void expectSound(const std::string &dbfPath);
// One field (NAME of sampleFields() by default) of the live records in the order of one tag.
std::vector<std::string> namesInTag(const std::string &dbfPath, const std::string &tag, int pos = 0);

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);
// Runs a shell command; returns its standard output (and its exit code through status).
std::string run(const std::string &command, int *status = nullptr);

} // namespace dbase::test

#include "IndexFixture.h"

#include <fstream>
#include <sstream>

namespace dbase::test {

void IndexFixture::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zendrova-index-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
}

void IndexFixture::TearDown() { std::filesystem::remove_all(dir_); }

std::unique_ptr<ProductionIndex> IndexFixture::createIndex(const std::string &name)
{
    return ProductionIndex::create(path(name), "DATA", cardFields());
}

std::unique_ptr<ProductionIndex> IndexFixture::openIndex(const std::string &name)
{
    return ProductionIndex::open(path(name), cardFields());
}

std::string IndexFixture::fileBytes(const std::string &name) const
{
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void IndexFixture::patch(size_t offset, const std::string &bytes, const std::string &name)
{
    std::fstream file(path(name), std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint32_t> walk(TagCursor &cursor, bool backward)
{
    std::vector<uint32_t> order;
    for (bool ok = backward ? cursor.last() : cursor.first(); ok; ok = backward ? cursor.prior() : cursor.next())
        order.push_back(cursor.recNo());
    return order;
}

std::vector<uint32_t> walkTag(ProductionIndex &index, const std::string &tag)
{
    TagCursor cursor(index, tag);
    return walk(cursor);
}

} // namespace dbase::test

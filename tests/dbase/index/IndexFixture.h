#pragma once

#include "CardRecords.h"

#include "dbase/index/ProductionIndex.h"
#include "dbase/index/TagCursor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace dbase::test {

// A fresh folder per test for the index files it writes.
class IndexFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::string path(const std::string &name = "DATA.MDX") const { return (dir_ / name).string(); }
    std::unique_ptr<ProductionIndex> createIndex(const std::string &name = "DATA.MDX");
    std::unique_ptr<ProductionIndex> openIndex(const std::string &name = "DATA.MDX");
    std::string fileBytes(const std::string &name = "DATA.MDX") const;
    void patch(size_t offset, const std::string &bytes, const std::string &name = "DATA.MDX");

private:
    std::filesystem::path dir_;
};

// Record numbers of a tag in cursor order (forward, or backward from the last).
std::vector<uint32_t> walk(TagCursor &cursor, bool backward = false);
std::vector<uint32_t> walkTag(ProductionIndex &index, const std::string &tag);

} // namespace dbase::test

#include "dbase/szdd/Szdd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path &path, const std::string &content)
{
    std::ofstream(path, std::ios::binary) << content;
}

class SzddTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("szdd-" + std::to_string(::getpid()) + "-"
                                           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Compresses with Debian's independent SZDD compressor.
    fs::path compress(const std::string &name, const std::string &content)
    {
        writeFile(dir / name, content);
        const std::string command = "cd '" + dir.string() + "' && mscompress '" + name + "' >/dev/null 2>&1";
        EXPECT_EQ(0, std::system(command.c_str()));
        return dir / (name + "_");
    }

    fs::path dir;
};

std::string randomBytes(std::size_t n, unsigned seed, int alphabet)
{
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (auto &c : s)
        c = char(rng() % alphabet);
    return s;
}

TEST_F(SzddTest, ExpandsWhatTheIndependentCompressorMakes)
{
    const std::pair<const char *, std::string> cases[] = {
        {"empty", ""},
        {"text", "hello hello hello world\n"},
        {"leading_blanks", std::string(40, ' ') + "after the window's blank fill"},
        {"long_runs", std::string(70000, 'x') + std::string(5000, '\0')},
        {"binary", randomBytes(100000, 7, 256)},
        {"few_symbols", randomBytes(60000, 11, 4)},
    };
    for (const auto &[name, content] : cases) {
        SCOPED_TRACE(name);
        const fs::path packed = compress(name, content);
        const std::string image = readFile(packed);
        ASSERT_TRUE(dbase::isSzdd(image.data(), image.size()));
        EXPECT_EQ(content, dbase::expandSzdd(image.data(), image.size()));

        const fs::path target = dir / (std::string(name) + ".out");
        ASSERT_TRUE(dbase::copyFileExpanding(packed.string(), target.string()));
        EXPECT_EQ(content, readFile(target));
    }
}

TEST_F(SzddTest, PlainFileIsCopiedAsItIsAndOverwritesTheTarget)
{
    writeFile(dir / "plain.dbf", "plain bytes \x1a");
    writeFile(dir / "target.dbf", "older and longer contents");
    ASSERT_TRUE(dbase::copyFileExpanding((dir / "plain.dbf").string(), (dir / "target.dbf").string()));
    EXPECT_EQ("plain bytes \x1a", readFile(dir / "target.dbf"));
}

TEST_F(SzddTest, DamagedImageFailsAndLeavesTheTargetAlone)
{
    const std::string image = readFile(compress("data", randomBytes(5000, 3, 16)));
    writeFile(dir / "target", "previous");

    const std::string cut = image.substr(0, image.size() / 2);
    EXPECT_THROW(dbase::expandSzdd(cut.data(), cut.size()), dbase::SzddError);
    writeFile(dir / "cut_", cut);
    EXPECT_FALSE(dbase::copyFileExpanding((dir / "cut_").string(), (dir / "target").string()));
    EXPECT_EQ("previous", readFile(dir / "target"));
    EXPECT_FALSE(fs::exists(dir / "target.part"));

    std::string lying = image;
    lying[13] = char(0x7f); // claims about two gigabytes
    EXPECT_THROW(dbase::expandSzdd(lying.data(), lying.size()), dbase::SzddError);
}

TEST_F(SzddTest, UnopenableFilesGiveFalse)
{
    writeFile(dir / "source", "x");
    EXPECT_FALSE(dbase::copyFileExpanding((dir / "missing").string(), (dir / "t").string()));
    EXPECT_FALSE(dbase::copyFileExpanding((dir / "source").string(), (dir / "no" / "t").string()));
}

} // namespace

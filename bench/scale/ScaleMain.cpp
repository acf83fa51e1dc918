// The table engine at 100,000 and 1,000,000 cards: each size runs in a child process
// of its own, so that its peak memory is its own, and one table compares the sizes.
//
//   bench_scale [--sizes 100000,1000000] [--seed N] [--keep DIR] [--timestamps]
//
// Tables go into a temporary folder removed at the end; with --keep they stay in
// DIR/cards-N with expected-sample.jsonl, the values written to a sample of records
// (scripts/bench-scale-check.sh reads them back with another reader). --timestamps
// prints each step's CLOCK_MONOTONIC start and end on stderr, for perf report --time.
#include "ScaleReport.h"
#include "ScaleRun.h"

#include "dbase/PathNames.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Options
{
    std::vector<uint32_t> sizes {100000, 1000000};
    uint64_t seed = 20261211;
    std::string keepFolder;
    bool timestamps = false;
};

[[noreturn]] void usage(const char *problem)
{
    std::fprintf(stderr, "bench_scale: %s\nusage: bench_scale [--sizes N,N...] [--seed N] [--keep DIR] [--timestamps]\n", problem);
    std::exit(2);
}

std::vector<uint32_t> parseSizes(const std::string &list)
{
    std::vector<uint32_t> sizes;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        const unsigned long value = std::strtoul(item.c_str(), nullptr, 10);
        if (value < 1000 || value > 50000000)
            usage("each size must be a number of cards from 1000 to 50000000");
        sizes.push_back(uint32_t(value));
    }
    if (sizes.empty())
        usage("--sizes needs at least one size");
    return sizes;
}

Options parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--timestamps") {
            options.timestamps = true;
            continue;
        }
        if (i + 1 >= argc)
            usage(("missing value after " + arg).c_str());
        const std::string value = argv[++i];
        if (arg == "--sizes")
            options.sizes = parseSizes(value);
        else if (arg == "--seed")
            options.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--keep")
            options.keepFolder = value;
        else
            usage(("unknown option " + arg).c_str());
    }
    return options;
}

uint32_t indexBlockBytes(const std::string &folder)
{
    std::ifstream mdx(dbase::joinPath(folder, "DATA.MDX"), std::ios::binary);
    unsigned char header[24] = {};
    mdx.read(reinterpret_cast<char *>(header), sizeof header);
    return mdx ? uint32_t(header[22]) | uint32_t(header[23]) << 8 : 0;
}

// In the child: runs one size and writes "step<TAB>seconds<TAB>peak kB" lines to the pipe.
[[noreturn]] void runChild(int out, const scale::RunOptions &options)
{
    std::string lines;
    int status = 0;
    try {
        for (const scale::Figure &figure : scale::runAtSize(options))
        {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%.9g", figure.seconds);
            lines += figure.step + "\t" + seconds + "\t" + std::to_string(figure.peakRssKb) + "\n";
        }
        lines += "block\t" + std::to_string(indexBlockBytes(options.folder)) + "\n";
    } catch (const std::exception &error) {
        lines += std::string("error\t") + error.what() + "\n";
        status = 1;
    }
    for (size_t done = 0; done < lines.size();) {
        const ssize_t n = ::write(out, lines.data() + done, lines.size() - done);
        if (n <= 0)
            break;
        done += size_t(n);
    }
    ::_exit(status);
}

scale::SizeResult readChild(int in, pid_t child, uint32_t cards)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(in, buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            text.append(buffer, size_t(n));
        else if (errno != EINTR)
            break;
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    scale::SizeResult result;
    result.cards = cards;
    result.peakRssKb = usage.ru_maxrss;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t tab = line.find('\t');
        const std::string key = line.substr(0, tab), value = line.substr(tab + 1);
        if (key == "error")
            throw std::runtime_error(std::to_string(cards) + " cards: " + value);
        if (key == "block")
            result.indexBlockBytes = uint32_t(std::stoul(value));
        else
            result.figures.push_back({key, std::stod(value), std::atol(value.substr(value.find('\t') + 1).c_str())});
    }
    // The child starts its peak afresh before each step, which also lowers ru_maxrss:
    // the whole run's peak is the highest of the steps' and what came after them.
    for (const scale::Figure &figure : result.figures)
        result.peakRssKb = std::max(result.peakRssKb, figure.peakRssKb);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::to_string(cards) + " cards: the child process failed");
    return result;
}

scale::SizeResult runSize(const scale::RunOptions &options)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (child == 0) {
        ::close(pipeEnds[0]);
        runChild(pipeEnds[1], options);
    }
    ::close(pipeEnds[1]);
    try {
        scale::SizeResult result = readChild(pipeEnds[0], child, options.cards);
        ::close(pipeEnds[0]);
        return result;
    } catch (...) {
        ::close(pipeEnds[0]);
        throw;
    }
}

std::string makeTemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zendrova-scale-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error(std::string("mkdtemp: ") + std::strerror(errno));
    return pattern;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parseOptions(argc, argv);
    const bool keep = !options.keepFolder.empty();
    std::string root;
    int status = 0;
    try {
        root = keep ? options.keepFolder : makeTemporaryFolder();
        std::vector<scale::SizeResult> results;
        for (const uint32_t cards : options.sizes) {
            std::printf("%u cards ...\n", cards);
            const std::string folder = dbase::joinPath(root, "cards-" + std::to_string(cards));
            results.push_back(runSize({folder, cards, options.seed, keep, options.timestamps}));
        }
        scale::printReport(results);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_scale: %s\n", error.what());
        status = 1;
    }
    if (!keep && !root.empty())
        std::filesystem::remove_all(root);
    return status;
}

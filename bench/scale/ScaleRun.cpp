#include "ScaleRun.h"

#include "ScaleCards.h"
#include "ScaleWindow.h"

#include "dbase/CardTableLayout.h"
#include "dbase/Cp1252.h"
#include "dbase/PathNames.h"
#include "dbase/Table.h"
#include "dbase/tool/CardMaker.h"
#include "dbase/tool/CardRandom.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace scale {

const char *const kAppend = "append";
const char *const kBuildTag = "build tag";
const char *const kOpenWarm = "open warm";
const char *const kOpenCold = "open cold";
const char *const kScan = "scan";
const char *const kFirstCount = "first count";
const char *const kLetterCounts = "letter counts";
const char *const kFind = "find";
const char *const kLastPage = "last page";
const char *const kEdits = "edits";
const char *const kWindowWarm = "window warm";
const char *const kWindowCold = "window cold";

void dropFromCache(const std::string &folder)
{
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        const int fd = ::open(entry.path().c_str(), O_RDONLY);
        if (fd < 0)
            continue;
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

void settleFolder(const std::string &folder)
{
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        std::filesystem::last_write_time(entry.path(), std::filesystem::last_write_time(entry.path())
                                                           - std::chrono::hours(1));
}

namespace {

constexpr int kFinds = 1000;
constexpr int kPages = 200;
constexpr int kPageRows = 20;
constexpr int kEditCount = 10000;
constexpr int kLetterRuns = 3;
constexpr const char *kNameTag = "IDX1";

template <typename Work>
double secondsOf(Work &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void require(bool condition, const std::string &what)
{
    if (!condition)
        throw std::runtime_error(what);
}

struct Written
{
    std::vector<std::string> names; // every (cards / kFinds)-th name, to look for later
    uint64_t asciiInitials = 0; // names starting with a letter A to Z; accented ones sort after them
};

// Fills the program's own empty card table (tags IDX0 on the record number, IDX1 on
// the card name).
double appendAll(const RunOptions &options, const std::string &path, Written &written)
{
    dbase::layout::writeTemplateTables(options.folder);
    const uint32_t every = std::max<uint32_t>(1, options.cards / kFinds);
    return secondsOf([&] {
        dbase::Table table;
        table.open(path, true);
        dbase::cardgen::CardMaker maker(options.seed);
        for (uint32_t i = 0; i < options.cards; ++i) {
            const dbase::cardgen::Card card = maker.next();
            appendCard(table, card, i);
            if (i % every == 0)
                written.names.push_back(dbase::utf8ToCp1252(card.name));
            written.asciiInitials += std::isalpha(static_cast<unsigned char>(card.name[0])) != 0;
        }
        table.close();
    });
}

// A second tag on the card name built over the filled table; dropped again afterwards
// so that the later steps keep the usual two tags up to date.
double buildTag(const std::string &path)
{
    dbase::Table table;
    table.open(path, true);
    const double seconds = secondsOf([&] {
        table.addIndex("NAMES", "UPPER(CARDNAME)", false);
        table.flush();
    });
    table.deleteIndex("NAMES");
    table.close();
    return seconds;
}

// What a program start does with the table before its counts: open it shared on the
// name tag and read the first record (the first count is a step of its own).
void openAndCount(const std::string &path, uint32_t)
{
    dbase::Table table;
    table.setIndexName(kNameTag);
    table.open(path, false);
    table.first();
    require(!table.eof() && !table.rawValue(kCardName).empty(), "The opened name tag shows no first record");
}

// As a collection last changed a while ago: its files' times put back an hour, and one
// open first (it counts the deleted records and keeps the count for the opens after it).
void settle(const std::string &folder, const std::string &path, uint32_t cards)
{
    settleFolder(folder);
    openAndCount(path, cards);
}

constexpr int kOpens = 5;

double openWarm(const std::string &path, uint32_t cards)
{
    openAndCount(path, cards);
    return secondsOf([&] {
               for (int i = 0; i < kOpens; ++i)
                   openAndCount(path, cards);
           })
        / kOpens;
}

double openCold(const std::string &folder, const std::string &path, uint32_t cards)
{
    double seconds = 0;
    for (int i = 0; i < kOpens; ++i) {
        dropFromCache(folder);
        seconds += secondsOf([&] { openAndCount(path, cards); });
    }
    return seconds / kOpens;
}

double scan(dbase::Table &table, uint32_t cards)
{
    table.selectIndex("");
    uint64_t seen = 0, touched = 0;
    const double seconds = secondsOf([&] {
        for (table.first(); !table.eof(); table.next()) {
            touched += table.rawValue(kCardName).size() + (table.rawValue(kCardNumber)[9] == '1');
            ++seen;
        }
    });
    require(seen == cards && touched > 0, "The scan saw " + std::to_string(seen) + " records");
    return seconds;
}

// The first count along the name tag walks it; later ones are remembered.
double firstCount(dbase::Table &table, uint32_t cards)
{
    uint64_t count = 0;
    const double seconds = secondsOf([&] {
        table.selectIndex(kNameTag);
        count = table.recordCount();
    });
    require(count == cards, "The name tag counts " + std::to_string(count) + " records");
    return seconds;
}

double letterCounts(dbase::Table &table, uint32_t cards, uint64_t asciiInitials)
{
    dbase::KeyBuffer start = table.keyBuffer(), end = table.keyBuffer();
    uint64_t total = 0;
    const double seconds = secondsOf([&] {
        for (int run = 0; run < kLetterRuns; ++run) {
            total = 0;
            for (char letter = 'A'; letter <= 'Z'; ++letter) {
                start.setString(kCardName, letter == 'A' ? std::string("\001") : std::string(1, letter));
                // "A\377" as the end would miss "AÉ...": UPPER makes \377 a \237.
                end.setPrefix(kCardName, std::string(1, letter));
                table.setRange(start, end);
                total += table.recordCount();
            }
        }
    });
    table.cancelRange();
    require(total >= asciiInitials && total <= cards, "The letter counts add up to " + std::to_string(total));
    return seconds / kLetterRuns;
}

double finds(dbase::Table &table, const std::vector<std::string> &names, uint64_t seed)
{
    dbase::cardgen::CardRandom random(seed ^ 0xF1D5);
    dbase::KeyBuffer key = table.keyBuffer();
    int found = 0;
    const double seconds = secondsOf([&] {
        for (int i = 0; i < kFinds; ++i) {
            key.setString(kCardName, names[random.below(names.size())]);
            found += table.findKey(key) && table.recno() != 0;
        }
    });
    require(found == kFinds, "Only " + std::to_string(found) + " of the names were found");
    return seconds / kFinds;
}

// As the record list shows the end of a long list: the last record and the rows before
// it, then a page near the end reached by its position. The list knows its length
// (counted once, untimed here: the first count's own figure) before it pages.
double lastPages(dbase::Table &table, uint32_t cards)
{
    table.selectIndex(kNameTag);
    require(table.recordCount() == cards, "The name tag lost records");
    uint64_t rows = 0;
    const double seconds = secondsOf([&] {
        for (int page = 0; page < kPages; ++page) {
            dbase::Table::IndexReadHold hold(table);
            table.last();
            ++rows;
            for (int row = 1; row < kPageRows && table.prior(); ++row)
                rows += table.rawValue(kCardName).size() > 0;
            const uint64_t from = table.recordCount() - uint64_t(kPageRows) * (1 + page % 10);
            if (table.gotoPosition(from))
                rows += uint64_t(table.moveBy(kPageRows - 1)) + 1;
        }
    });
    require(rows == uint64_t(kPages) * 2 * kPageRows, "The last pages held " + std::to_string(rows) + " rows");
    return seconds / kPages;
}

// Random records get another card's name, each change posted on its own.
double edits(dbase::Table &table, const RunOptions &options, std::map<uint32_t, std::string> &edited)
{
    table.selectIndex("");
    dbase::cardgen::CardRandom random(options.seed ^ 0xED17);
    dbase::cardgen::CardMaker names(options.seed + 1);
    return secondsOf([&] {
        for (int i = 0; i < kEditCount; ++i) {
            const uint32_t recno = 1 + uint32_t(random.below(options.cards));
            const std::string name = names.next().name;
            table.gotoBookmark(recno);
            table.edit();
            table.setString(kCardName, dbase::utf8ToCp1252(name));
            table.post();
            edited[recno] = name;
        }
    });
}

// Peak resident memory so far (VmHWM); writing 5 to clear_refs starts it again from
// the current size, so each step's own peak can be read.
long peakRssKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

void resetPeakRss() { std::ofstream("/proc/self/clear_refs") << "5"; }

double monotonicSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

template <typename Step>
void measure(const RunOptions &options, std::vector<Figure> &figures, const char *name, Step &&step)
{
    resetPeakRss();
    const double start = monotonicSeconds();
    const double seconds = step();
    figures.push_back({name, seconds, peakRssKb()});
    if (options.timestamps)
        std::fprintf(stderr, "%u cards, %s: %.6f,%.6f\n", options.cards, name, start, monotonicSeconds());
}

} // namespace

std::vector<Figure> runAtSize(const RunOptions &options)
{
    std::filesystem::remove_all(options.folder);
    std::filesystem::create_directories(options.folder);
    const std::string path = dbase::joinPath(options.folder, "data.dbf");
    Written written;
    std::vector<Figure> figures;
    measure(options, figures, kAppend, [&] { return appendAll(options, path, written); });
    measure(options, figures, kBuildTag, [&] { return buildTag(path); });

    settle(options.folder, path, options.cards);
    measure(options, figures, kOpenWarm, [&] { return openWarm(path, options.cards); });
    measure(options, figures, kOpenCold, [&] { return openCold(options.folder, path, options.cards); });

    std::map<uint32_t, std::string> edited;
    dbase::Table table;
    table.open(path, false);
    measure(options, figures, kScan, [&] { return scan(table, options.cards); });
    measure(options, figures, kFirstCount, [&] { return firstCount(table, options.cards); });
    measure(options, figures, kLetterCounts, [&] { return letterCounts(table, options.cards, written.asciiInitials); });
    measure(options, figures, kFind, [&] { return finds(table, written.names, options.seed); });
    measure(options, figures, kLastPage, [&] { return lastPages(table, options.cards); });
    measure(options, figures, kEdits, [&] { return edits(table, options, edited); });
    table.close();

    if (WindowSteps::available()) {
        WindowSteps window(dbase::joinPath(options.folder, "window"), options.cards);
        measure(options, figures, kWindowWarm, [&] { return window.firstShow(false); });
        measure(options, figures, kWindowCold, [&] { return window.firstShow(true); });
    }

    if (options.keep)
        writeExpectedSample(dbase::joinPath(options.folder, "expected-sample.jsonl"), options.seed, options.cards,
                            std::max<uint32_t>(1, options.cards / 1000), edited);
    return figures;
}

} // namespace scale

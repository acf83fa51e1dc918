#include "ScaleWindow.h"

#include "ScaleRun.h"

#include "GeneratedCards.h"
#include "mainwin/ui/TForm3.h"
#include "store/RecordStore.h"

#include <QApplication>

#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace scale {

namespace {

constexpr int kShows = 5;

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_scale";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

} // namespace

struct WindowSteps::Parts
{
    explicit Parts(const std::string &folder) : state(QString::fromStdString(folder)) {}
    zendrova::AppState state;
    std::string dataFolder;
};

bool WindowSteps::available() { return true; }

WindowSteps::WindowSteps(const std::string &folder, uint32_t cards)
{
    application();
    std::filesystem::create_directories(folder);
    m_parts = new Parts(folder);
    const std::string table = zendrova::bench::generateCardsSortedByName(m_parts->state, cards);
    m_parts->dataFolder = std::filesystem::path(table).parent_path().string();
    // The first open adds the name tag; the shows after it are measured.
    zendrova::RecordStore store(m_parts->state);
    store.openDatabase();
    store.closeAll();
    settleFolder(m_parts->dataFolder);
    store.openDatabase(); // counts the deleted records once and keeps the count
    store.closeAll();
}

WindowSteps::~WindowSteps() { delete m_parts; }

double WindowSteps::firstShow(bool cold)
{
    double seconds = 0;
    for (int i = 0; i < kShows; ++i) {
        if (cold)
            dropFromCache(m_parts->dataFolder);
        const auto start = std::chrono::steady_clock::now();
        zendrova::RecordStore store(m_parts->state);
        auto window = std::make_unique<zendrova::TForm3>(m_parts->state, store);
        if (!window->databaseOpened())
            throw std::runtime_error("The main window did not open the database");
        window->show();
        QApplication::processEvents();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        window.reset();
        store.closeAll();
    }
    return seconds / kShows;
}

} // namespace scale

#pragma once

#include "GeneratedCards.h"

#include "common/AppState.h"
#include "store/RecordStore.h"

#include <QTemporaryDir>

namespace zendrova::bench {

constexpr uint32_t kCards = 100000;

// 100,000 generated cards sorted by card name, made once per run.
class GeneratedCards
{
public:
    static GeneratedCards &instance()
    {
        static GeneratedCards cards;
        return cards;
    }

    AppState &state() { return m_state; }
    std::string tablePath() const { return m_tablePath; }

private:
    GeneratedCards()
        : m_state(m_dir.path())
    {
        m_tablePath = generateCardsSortedByName(m_state, kCards);
        // The first open adds the name tag; the benchmark measures the opens after it.
        RecordStore store(m_state);
        store.openDatabase();
        store.closeAll();
    }

    QTemporaryDir m_dir;
    AppState m_state;
    std::string m_tablePath;
};

} // namespace zendrova::bench

#pragma once

#include "store/LetterRange.h"
#include "store/SortBytes.h"
#include "store/SortTarget.h"

#include <optional>

namespace zendrova {

class StoreTable;

// The store's record table as the sort and the letter tabs see it.
class RecordTableSort final : public SortTarget, public LetterRangeTarget
{
public:
    // sort: the primary position of the letter ranges is read from it.
    RecordTableSort(StoreTable &table, const SortBytes &sort, const QString &templateFolder)
        : m_table(table)
        , m_sort(sort)
        , m_templateFolder(templateFolder)
    { }

    const FieldModel &fieldModel() override;
    IndexDefinitions indexDefinitions() override;
    void refreshIndexDefinitions() override { m_definitions.reset(); }
    QString currentTag() const override;
    void selectTag(const QString &name) override;
    bool open(bool exclusive) override;
    void close() override;
    bool addTag(
        const QString &name, const QString &expression, const IndexOptions &options) override;
    void readNumericDecimals() override;

    void applyRange(const LetterRange &range) override;
    int32_t recordCount() override;
    int32_t countOf(const LetterRange &range) override;
    bool holdsMoreThan(const LetterRange &range, int32_t n) override;

private:
    IndexDefinitions readDefinitions();

    StoreTable &m_table;
    const SortBytes &m_sort;
    const QString &m_templateFolder;
    std::optional<IndexDefinitions> m_definitions;
};

} // namespace zendrova

#include "store/TableIndex.h"

#include "store/EngineTable.h"
#include "store/StoreTable.h"

namespace zendrova {

namespace {

// A tag on one field by its bare name is not an expression tag.
bool isFieldName(const dbase::Table &table, const std::string &expression)
{
    return table.fieldIndex(expression) >= 0;
}

void setEnd(dbase::KeyBuffer &buffer, const QString &mark, const QString &value,
    const LetterRange &range, int primaryPosition)
{
    if (!mark.isEmpty())
        buffer.setString(FieldModel::kFilterMarkPosition, toCp1252(mark));
    if (range.kind == LetterRange::Kind::Letter)
        buffer.setPrefix(primaryPosition, toCp1252(value));
}

struct RangeEnds
{
    dbase::KeyBuffer start, end;
};

RangeEnds rangeEnds(const dbase::Table &table, const LetterRange &range, int primaryPosition)
{
    RangeEnds ends { table.keyBuffer(), table.keyBuffer() };
    setEnd(ends.start, range.startMark, range.startValue, range, primaryPosition);
    setEnd(ends.end, range.endMark, range.endValue, range, primaryPosition);
    return ends;
}

} // namespace

IndexDefinitions TableIndex::definitions(dbase::Table &table)
{
    IndexDefinitions definitions;
    for (const dbase::TagInfo &tag : table.indexDefinitions()) {
        definitions.append({ fromCp1252(tag.name), fromCp1252(tag.expression),
            { !isFieldName(table, tag.expression), tag.descending } });
    }
    return definitions;
}

void TableIndex::select(dbase::Table &table, const QString &name)
{
    table.selectIndex(toCp1252(name));
}

void TableIndex::add(dbase::Table &table, const QString &name, const QString &expression,
    const IndexOptions &options)
{
    table.addIndex(toCp1252(name), toCp1252(expression), options.descending);
}

void TableIndex::deleteAll(dbase::Table &table)
{
    const auto tags = table.indexDefinitions();
    for (auto tag = tags.rbegin(); tag != tags.rend(); ++tag)
        table.deleteIndex(tag->name);
}

void TableIndex::setRange(dbase::Table &table, const LetterRange &range, int primaryPosition)
{
    if (range.kind == LetterRange::Kind::None) {
        table.cancelRange();
        table.first();
        return;
    }
    const RangeEnds ends = rangeEnds(table, range, primaryPosition);
    table.setRange(ends.start, ends.end);
}

uint64_t TableIndex::countInRange(dbase::Table &table, const LetterRange &range, int primaryPosition)
{
    const RangeEnds ends = rangeEnds(table, range, primaryPosition);
    return table.countInRange(ends.start, ends.end);
}

bool TableIndex::rangeHoldsMoreThan(
    dbase::Table &table, const LetterRange &range, int primaryPosition, int32_t n)
{
    const RangeEnds ends = rangeEnds(table, range, primaryPosition);
    return n < 0 || table.rangeHoldsMoreThan(ends.start, ends.end, uint64_t(n));
}

} // namespace zendrova

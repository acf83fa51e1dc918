#pragma once

#include "StoreFixtures.h"
#include "store/SortTarget.h"

#include <QStringList>

namespace zendrova::test {

// A record table reduced to what the sort touches. It refuses an exclusive
// open while `othersHaveItOpen`, and a shared open of a tag it does not hold.
class FakeSortTarget final : public SortTarget
{
public:
    FakeSortTarget()
    {
        // The template index holds two tags.
        tags = { { QStringLiteral("IDX0"), QStringLiteral("UPPER(CARDNAME)"), { true, false } },
            { QStringLiteral("IDX1"), QStringLiteral("STR(PURCHASE, 20, 4)"), { true, false } } };
    }

    const FieldModel &fieldModel() override { return fields; }
    IndexDefinitions indexDefinitions() override { return tags; }
    void refreshIndexDefinitions() override { log << QStringLiteral("refresh"); }
    QString currentTag() const override { return selected; }
    void selectTag(const QString &name) override { selected = name; }

    bool open(bool exclusive) override
    {
        log << (exclusive ? QStringLiteral("open exclusive") : QStringLiteral("open shared"));
        if (exclusive && othersHaveItOpen)
            return false;
        if (!selected.isEmpty() && !hasTag(selected))
            return false;
        isOpen = true;
        isExclusive = exclusive;
        return true;
    }
    void close() override
    {
        isOpen = false;
        isExclusive = false;
    }
    bool addTag(
        const QString &name, const QString &expression, const IndexOptions &options) override
    {
        log << QStringLiteral("add ") + name;
        if (!isOpen || !isExclusive || refuseTags)
            return false;
        tags.append({ name, expression, options });
        return true;
    }
    void readNumericDecimals() override { log << QStringLiteral("decimals"); }

    bool hasTag(const QString &name) const
    {
        return std::any_of(
            tags.begin(), tags.end(), [&](const IndexDefinition &tag) { return tag.name == name; });
    }

    FieldModel fields = cardFields();
    IndexDefinitions tags;
    QString selected = QStringLiteral("IDX0");
    bool isOpen = true;
    bool isExclusive = false;
    bool othersHaveItOpen = false;
    bool refuseTags = false;
    QStringList log;
};

} // namespace zendrova::test

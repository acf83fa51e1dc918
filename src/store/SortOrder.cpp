#include "store/SortOrder.h"

#include "common/Interaction.h"
#include "store/SortFile.h"

namespace zendrova {

QString SortOrder::indexFailureText()
{
    return tr("Unable to create Index!\rDatabase may be used by someone else - this function "
              "requires Exclusive Database Use.");
}

void SortOrder::readSortFile(const QString &folder, const QString &tableFile)
{
    SortFile::read(folder, tableFile, descriptor);
}

bool SortOrder::writeSortFile(const QString &folder, const QString &tableFile) const
{
    return SortFile::write(folder, tableFile, descriptor.sort);
}

std::optional<QString> SortOrder::findOrAddTag(SortTarget &target)
{
    const FieldModel &fields = target.fieldModel();
    const IndexDefinitions tags = target.indexDefinitions();
    if (!descriptor.buildKeys(fields))
        return std::nullopt;
    const SortKey &wanted = descriptor.keyInUse();
    if (!wanted.isEmpty()) {
        for (const IndexDefinition &tag : tags) {
            if (tag.expression == wanted.expression && tag.options == wanted.options)
                return tag.name;
        }
    }
    const QString name = (descriptor.filtered ? QStringLiteral("IDXF") : QStringLiteral("IDX"))
        + QString::number(tags.size());
    if (wanted.isEmpty())
        return name;
    if (!target.open(true))
        return std::nullopt;
    const bool added = target.addTag(name, wanted.expression, wanted.options);
    target.close();
    if (!added)
        return std::nullopt;
    return name;
}

bool SortOrder::applySort(SortTarget &target)
{
    target.close();
    const QString previousTag = target.currentTag();
    target.selectTag(QString());

    const auto name = findOrAddTag(target);
    if (!name) {
        fallBack(target, previousTag);
        return false;
    }
    target.refreshIndexDefinitions();
    target.selectTag(*name);
    if (!target.open(false)) {
        fallBack(target, previousTag);
        return false;
    }
    // From now on a failed change returns to this sort, the one on screen.
    descriptor.rememberApplied();
    if (afterSort)
        afterSort();
    target.readNumericDecimals();
    return true;
}

void SortOrder::fallBack(SortTarget &target, const QString &previousTag)
{
    target.close();
    target.selectTag(previousTag);
    target.open(false);
    target.readNumericDecimals();
    descriptor.restoreApplied();
    descriptor.buildKeys(target.fieldModel());
    if (!quiet)
        showMessage(MessageKind::Error, indexFailureText());
}

bool SortOrder::applyChange(SortTarget &target)
{
    if (!descriptor.isChanged())
        return true;
    filterScope = FilterScope::AllRecords;
    descriptor.filtered = false;
    return applySort(target);
}

bool SortOrder::chooseFilterScope(SortTarget &target, FilterScope scope)
{
    const bool wasFiltered = descriptor.filtered;
    const FilterScope previousScope = filterScope;
    descriptor.filtered = scope != FilterScope::AllRecords;
    filterScope = scope;
    if (applySort(target))
        return true;
    descriptor.filtered = wasFiltered;
    filterScope = previousScope;
    return false;
}

} // namespace zendrova

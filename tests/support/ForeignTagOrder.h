#pragma once

#include "dbase/index/KeyBatch.h"
#include "dbase/index/ProductionIndex.h"
#include "dbase/index/TagCursor.h"
#include "dbase/index/TagTree.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace zendrova::test {

// Rewrites one tag with its entries in the given record order, as another dBASE writer
// may leave a run of equal keys; the order must keep the keys ascending and name every
// record of the tag once.
inline void rebuildTagInOrder(const std::string &mdxPath, const std::vector<dbase::FieldInfo> &fields,
                              const std::string &tag, const std::vector<uint32_t> &order)
{
    auto index = dbase::ProductionIndex::open(mdxPath, fields);
    std::map<uint32_t, std::string> keys;
    {
        dbase::TagCursor cursor(*index, tag);
        for (bool on = cursor.first(); on; on = cursor.next())
            keys[cursor.recNo()] = cursor.key();
    }
    if (keys.size() != order.size())
        throw std::invalid_argument("the order names " + std::to_string(order.size()) + " of "
                                    + std::to_string(keys.size()) + " entries");
    dbase::MdxFile::Scope scope(index->file(), true);
    index->syncTags();
    const int i = *index->findTag(tag);
    dbase::KeyBatch entries(size_t(index->tag(i).header.keyLength));
    for (uint32_t r : order)
        entries.add(keys.at(r), r);
    dbase::TagTree tree = index->tree(i);
    tree.releaseAll();
    tree.build(entries);
}

} // namespace zendrova::test

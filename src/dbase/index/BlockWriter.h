#pragma once

#include "dbase/index/IndexNode.h"
#include "dbase/index/MdxFile.h"

#include <cstdint>
#include <vector>

namespace dbase {

// Collects the blocks of a bulk build, which are appended one after another, into few
// large writes. Call flush() before the blocks are read or the build is finished.
class BlockWriter
{
public:
    explicit BlockWriter(MdxFile &file) : file_(file) {}

    void add(const IndexNode &node);
    void flush();

private:
    MdxFile &file_;
    std::vector<uint8_t> pending_;
    uint32_t first_ = 0;
};

} // namespace dbase

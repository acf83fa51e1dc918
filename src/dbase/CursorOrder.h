#pragma once

#include <cstdint>

namespace dbase {

// The order a table's cursor walks: physical now, an index tag's order later.
// Record numbers are 1-based; 0 means "none".
class CursorOrder
{
public:
    virtual ~CursorOrder() = default;
    virtual uint32_t first() = 0;
    virtual uint32_t last() = 0;
    virtual uint32_t next(uint32_t recno) = 0;
    virtual uint32_t prior(uint32_t recno) = 0;
    // Records this order visits.
    virtual uint64_t count() = 0;
    // The record at position n (from 0) of this order; 0 past the last one.
    virtual uint32_t recordAt(uint64_t n)
    {
        uint32_t recno = first();
        while (recno && n--)
            recno = next(recno);
        return recno;
    }
};

// What a physical walk needs to know of the table.
class PhysicalRecords
{
public:
    virtual ~PhysicalRecords() = default;
    // Records in the file; `refresh` re-reads what others may have appended.
    virtual uint32_t physicalCount(bool refresh) = 0;
    virtual bool isDeleted(uint32_t recno) = 0;
};

class PhysicalOrder : public CursorOrder
{
public:
    explicit PhysicalOrder(PhysicalRecords &records) : m_records(records) {}
    uint32_t first() override;
    uint32_t last() override;
    uint32_t next(uint32_t recno) override;
    uint32_t prior(uint32_t recno) override;
    uint64_t count() override;

private:
    PhysicalRecords &m_records;
};

} // namespace dbase

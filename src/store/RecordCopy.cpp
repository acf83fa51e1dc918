#include "store/RecordCopy.h"

#include "store/EngineTable.h"
#include "store/FieldModel.h"
#include "store/RecordEditor.h"

#include <memory>
#include <vector>

namespace zendrova {

namespace {

// How a source field reaches the destination.
enum class FieldCopy { Bytes, Contents, Converted };

// Text fields of the same width are taken byte for byte, memos and pictures by
// their contents, everything else through the engine's conversion.
std::vector<FieldCopy> fieldCopies(const dbase::Table &source, const dbase::Table &destination)
{
    std::vector<FieldCopy> copies;
    const int count = std::min(source.fieldCount(), destination.fieldCount());
    for (int pos = 0; pos < count; ++pos) {
        const dbase::FieldInfo &from = source.fieldInfo(pos);
        const dbase::FieldInfo &to = destination.fieldInfo(pos);
        const dbase::FieldKind kind = source.fieldKind(pos);
        if (kind == dbase::FieldKind::Text && from.type == to.type && from.length == to.length)
            copies.push_back(FieldCopy::Bytes);
        else if (dbase::isMemoKind(kind) && destination.fieldKind(pos) == kind)
            copies.push_back(FieldCopy::Contents);
        else
            copies.push_back(FieldCopy::Converted);
    }
    return copies;
}

void copyField(dbase::Table &to, const dbase::Table &from, int pos, FieldCopy how)
{
    switch (how) {
    case FieldCopy::Bytes:
        to.setString(pos, from.rawValue(pos));
        break;
    case FieldCopy::Contents:
        if (!from.isNull(pos))
            to.setBlob(pos, from.asBlob(pos));
        break;
    case FieldCopy::Converted:
        to.assign(pos, from, pos);
        break;
    }
}

// Posts of one batch share the destination's index changes; the destination is
// ours alone, so the batch may be long.
constexpr int kRecordsPerBatch = 1000;

} // namespace

RecordCopy::Result RecordCopy::run(
    StoreTable &source, StoreTable &destination, const Progress &progress)
{
    Result result;
    translated([&] {
        dbase::Table &from = engineOf(source);
        dbase::Table &to = engineOf(destination);
        const int total = int(from.recordCount());
        if (progress)
            progress(0, total);
        from.selectIndex(std::string());
        const std::vector<FieldCopy> copies = fieldCopies(from, to);
        std::unique_ptr<dbase::Table::WriteBatch> batch;
        int walked = 0;
        for (from.first(); !from.eof(); from.next()) {
            if (!batch)
                batch = std::make_unique<dbase::Table::WriteBatch>(to);
            bool faulty = false;
            to.append();
            for (int pos = FieldModel::kFilterMarkPosition; pos < int(copies.size()); ++pos) {
                try {
                    copyField(to, from, pos, copies[size_t(pos)]);
                } catch (const dbase::Error &error) {
                    if (error.kind() == dbase::ErrorKind::Io)
                        throw;
                    faulty = true;
                }
            }
            to.setNumber(FieldModel::kRecordNumberPosition, result.nextNumber);
            try {
                to.post();
                ++result.nextNumber;
            } catch (const dbase::Error &error) {
                to.cancel();
                if (error.kind() == dbase::ErrorKind::Io)
                    throw;
                faulty = true;
            }
            if (faulty)
                ++result.errors;
            if (++walked % kRecordsPerBatch == 0)
                batch.reset();
            if (progress)
                progress(walked, total);
        }
        batch.reset();
        to.close();
    });
    return result;
}

void RecordCopy::copyUserFields(const StoreTable &source, RecordEditor &destination)
{
    translated([&] {
        const dbase::Table &from = engineOf(source);
        dbase::Table &to = engineOf(destination.table());
        const int count = std::min(from.fieldCount(), to.fieldCount());
        for (int pos = FieldModel::kFirstUserPosition; pos < count; ++pos) {
            if (!dbase::isMemoKind(from.fieldKind(pos)))
                copyField(to, from, pos, FieldCopy::Converted);
            else if (from.isNull(pos)) // else the destination's old text stays
                to.setNull(pos);
            else
                copyField(to, from, pos, FieldCopy::Contents);
        }
    });
}

} // namespace zendrova

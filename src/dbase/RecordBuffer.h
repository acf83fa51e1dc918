#pragma once

#include "dbase/DbfHeader.h"
#include "dbase/FieldCodec.h"
#include "dbase/RecordView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

class MemoFile;

// How the program treats a field, decided from its dBASE type.
enum class FieldKind { Text, Numeric, Date, Logical, Memo, Picture };
FieldKind kindOfType(char type);
inline bool isMemoKind(FieldKind kind)
{
    return kind == FieldKind::Memo || kind == FieldKind::Picture;
}

// The record a table shows or edits: its bytes as loaded and as changed, its
// memo values as read or set, and the typed reading and writing of its fields.
// As a RecordView it is the record with its pending changes, as the index keys
// and the observer of a change see it.
class RecordBuffer : public RecordView
{
public:
    // The bytes of a record as stored, its memos as in the memo file.
    class Stored : public RecordView
    {
    public:
        Stored(const RecordBuffer &layout, const std::string &bytes) : m_layout(layout), m_bytes(bytes) {}
        const std::vector<FieldInfo> &fields() const override { return m_layout.fields(); }
        std::string_view raw(int field) const override { return m_layout.fieldBytes(m_bytes, field); }
        std::string memo(int field) const override;

    private:
        const RecordBuffer &m_layout;
        const std::string &m_bytes;
    };

    // The header is the open table's, which this buffer follows from open to close.
    explicit RecordBuffer(const DbfHeader &header) : m_header(header) {}
    RecordBuffer(const RecordBuffer &) = delete;
    RecordBuffer &operator=(const RecordBuffer &) = delete;

    // At open, with the table's memo file (or none); `path` names the table in
    // messages. Starts with a blank record.
    void attach(MemoFile *memo, const std::string &path);
    void detach()
    {
        m_memo = nullptr;
        m_modified = false;
    }

    const std::vector<FieldInfo> &fields() const override { return m_header.fields; }
    std::string_view raw(int field) const override { return fieldBytes(m_bytes, field); }
    std::string memo(int field) const override;
    bool memoPending(int field) const override { return size_t(field) < m_memoChanged.size() && m_memoChanged[size_t(field)]; }

    // Usage when the table has no field at pos.
    const FieldInfo &field(int pos) const;
    FieldKind kind(int pos) const { return kindOfType(field(pos).type); }
    // -1 when no field has that name (compared without regard to case).
    int fieldIndex(std::string_view name) const;
    std::string_view fieldBytes(std::string_view record, int pos) const;

    // A record as stored: nothing changed yet.
    void load(std::string_view stored);
    void clear();
    // Drops the changes: back to the record as loaded.
    void revert();
    // The changes were stored: they are now the record as loaded.
    void accept();
    // Starts a change of the loaded record.
    void beginChange();

    std::string &bytes() { return m_bytes; }
    const std::string &bytes() const { return m_bytes; }
    const std::string &original() const { return m_original; }
    bool isModified() const { return m_modified; }
    bool hasMemoChanges() const;

    // Each kind of field: reading (trailing blanks dropped, blank values as
    // null) and writing (checked against the field, Value when it does not fit).
    std::string asString(int pos) const;
    void setString(int pos, std::string_view value);
    double asNumber(int pos) const;
    void setNumber(int pos, double value);
    int64_t asInteger(int pos) const;
    void setInteger(int pos, int64_t value);
    std::optional<Date> asDate(int pos) const;
    void setDate(int pos, const std::optional<Date> &value);
    bool asBool(int pos) const;
    void setBool(int pos, bool value);
    std::string asBlob(int pos) const;
    void setBlob(int pos, std::string_view value);
    bool isNull(int pos) const;
    void setNull(int pos);

    // A memo value as the memo file holds it for a record's bytes.
    std::string storedMemo(std::string_view record, int pos) const;
    // Writes the changed memo values and points the record at them; returns the
    // blocks of the values they replace, to be freed once the record is stored.
    std::vector<uint32_t> storeMemos();

private:
    [[noreturn]] void wrongKind(int pos, const std::string &what) const;
    [[noreturn]] void wrongValue(std::string_view value, const std::string &what, int pos) const;
    [[noreturn]] void doesNotFit(const std::string &value, int pos) const;
    void setField(int pos, std::string_view bytes);
    void forgetMemos();
    bool holdsStoredMemo(int pos, std::string_view value) const;

    const DbfHeader &m_header;
    MemoFile *m_memo = nullptr;
    std::string m_path;
    std::string m_bytes;
    std::string m_original;
    bool m_modified = false;
    mutable std::vector<std::optional<std::string>> m_memoValues;
    std::vector<bool> m_memoChanged;
    // The loaded record's stored memo values, read once: a post compares a new value
    // with the stored one and keys the stored one for every tag that names it.
    mutable std::vector<std::optional<std::string>> m_originalMemos;
};

} // namespace dbase

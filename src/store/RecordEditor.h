#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace zendrova {

class StoreTable;

// The one way code above the store changes records: locking the current
// record for change, starting a new one, setting its values by field position
// and storing, cancelling or deleting it, on one of the store's table objects.
// An editor holds no state of its own: any number may work on one table
// object, and the table keeps the record being changed. Failures surface as
// StoreError; a record another user holds is StoreErrorKind::Locked.
class RecordEditor
{
public:
    // How often storing a record is tried before giving up.
    static constexpr int kStoreAttempts = 100;

    explicit RecordEditor(StoreTable &table)
        : m_table(table)
    {
    }

    StoreTable &table() const { return m_table; }

    // A change is open: the current record is locked or a new one started.
    bool editing() const;
    bool inserting() const;

    // Locks the current record for change (Locked while another user has it).
    void lock();
    // Starts a new blank record; the table's after-insert action runs on it.
    void append();
    // Stores the open change (the before-post action runs first) and unlocks.
    void post();
    // Drops the open change, if any: a new record is discarded, a locked one
    // keeps what is stored and is unlocked.
    void cancel();
    // Deletes the current record and stands on the next (else the prior).
    void remove();

    // Values of the record being changed, or of the current record.
    QString text(int position) const;
    double number(int position) const;
    std::optional<QDate> date(int position) const;
    QByteArray bytes(int position) const;
    bool isNull(int position) const;

    void setText(int position, const QString &value);
    void setNumber(int position, double value);
    // Nothing clears the field.
    void setDate(int position, const std::optional<QDate> &value);
    // A memo's or picture's contents; empty bytes clear the field.
    void setBytes(int position, const QByteArray &value);
    void clear(int position);

    // What one attempt at filling the record did.
    enum class Fill { Filled, Stop };
    // Stores the current record (asNew: a new one) with up to attempts
    // tries: each starts the change when none is open (append or lock), lets
    // fill set the values and posts. A try that raises a StoreError counts as
    // failed; Fill::Stop gives up at once. True when the record was stored;
    // otherwise a change may still be open for the caller to cancel.
    bool store(bool asNew, const std::function<Fill(RecordEditor &)> &fill,
        int attempts = kStoreAttempts);

    // Groups the posts made while it lives as one change of the table's
    // index (one lock, one write of each changed block), for walks that store
    // many records. Every post still writes its record at once. Other users
    // wait for the index meanwhile: keep a batch to a few hundred posts and
    // never wait for the user inside one.
    class WriteBatch
    {
    public:
        explicit WriteBatch(StoreTable &table);
        ~WriteBatch();
        WriteBatch(const WriteBatch &) = delete;
        WriteBatch &operator=(const WriteBatch &) = delete;

    private:
        struct Held;
        std::unique_ptr<Held> m_held;
    };

private:
    StoreTable &m_table;
};

} // namespace zendrova

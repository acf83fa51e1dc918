#pragma once

#include "exchange/ExchangeSettings.h"
#include "exchange/FieldTextCodec.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace zendrova {

class StoreTable;

// Imports the records of an exchange text file into a record table, each
// through the table's record editor and the field codec. The first value that
// does not convert, a record that cannot be stored, or a character the table
// cannot hold stops the import with a message naming its line; the records
// stored before it stay.
class TextImport
{
public:
    // Told the number of records stored so far, after each one.
    using Progress = std::function<void(int stored)>;

    TextImport(StoreTable &table, const FieldTextCodec &codec, const QStringList &captions);

    // The field positions the names of the file's first line stand for;
    // nothing (after naming the columns that match no field) when one does not.
    std::optional<std::vector<int>> namedPositions(
        const QByteArray &file, const ExchangeSettings &settings) const;

    // Stores the records; the first line is passed over when it holds names.
    // Returns how many were stored.
    int run(const QByteArray &file, const ExchangeSettings &settings, const Progress &progress);

private:
    QString captionOf(int position) const;
    bool storeRecord(const std::vector<QByteArray> &values, const std::vector<int> &lines,
        const std::vector<int> &positions);

    StoreTable &m_table;
    const FieldTextCodec &m_codec;
    QStringList m_captions;
};

} // namespace zendrova

#pragma once

#include <QString>

#include <functional>

namespace zendrova {

class RecordEditor;
class StoreTable;

// How a field's value becomes the text of an exchange file and back: the
// mapping the record card uses, handed in by whoever composes the program so
// that both directions convert every field the same way.
struct FieldTextCodec
{
    // A memo's lines are joined by CR LF, as the file keeps them.
    std::function<QString(const StoreTable &record, int position)> toText;
    // Raises StoreError (Value) when the text does not convert; an empty
    // text leaves the field blank.
    std::function<void(RecordEditor &record, int position, const QString &text)> fromText;
};

} // namespace zendrova

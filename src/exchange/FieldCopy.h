#pragma once

namespace zendrova {

class RecordEditor;
class StoreTable;

// Copies one field of the current record of a table into the record being
// changed, by the field's kind: text as text, numbers and dates as values
// (blank stays blank), memos and pictures as their bytes.
void copyField(const StoreTable &from, RecordEditor &to, int position);

} // namespace zendrova

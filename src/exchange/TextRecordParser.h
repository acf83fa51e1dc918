#pragma once

#include "exchange/TextLayout.h"

#include <QByteArray>
#include <QList>

#include <optional>
#include <vector>

namespace zendrova {

// One record read from an exchange text file: a value per column (fewer when
// the file ended early), memo values with their lines joined by CR LF.
struct TextRecord
{
    std::vector<QByteArray> values;
    // The 1-based file line on which each value ended.
    std::vector<int> lines;
};

// Reads the records of an exchange text file byte by byte, as laid out: a
// separator ends a value (also inside memo text), a line feed ends a value
// outside a memo, CR and other control bytes are dropped, a value keeps at
// most 255 bytes (a memo breaks into lines at its last space instead), and a
// short line's values continue the same record on the next line. Within
// delimiters a doubled delimiter reads as one. The last line counts whether or
// not a line feed ends it; at a cut-off end (the rest of the file could not
// be read) the record in progress is dropped.
class TextRecordParser
{
public:
    TextRecordParser(QByteArray bytes, TextLayout layout, bool cutOff = false);

    // The next record; nothing at the end of the bytes.
    std::optional<TextRecord> next();
    // The 1-based line the parser stands on.
    int line() const { return m_line; }

    // The values of the first line of bytes, split by the layout's separator
    // and delimiter (memo wrappers are not looked for), and where the next
    // line starts.
    static QList<QByteArray> splitFirstLine(
        const QByteArray &bytes, const TextLayout &layout, qsizetype *nextLine = nullptr);

private:
    enum class Step { Going, RecordDone };

    int byteAt(qsizetype index) const;
    Step takeByte();
    Step takeDelimited(char byte);
    Step takeDelimiter();
    Step takeWrapper();
    Step takeLineFeed();
    void append(char byte);
    Step endValue(bool byLineFeed);
    bool pendingValue() const;
    bool recordHasText() const;
    void skipRestOfLine();

    QByteArray m_bytes;
    TextLayout m_layout;
    bool m_cutOff;
    qsizetype m_pos = 0;
    int m_line = 1;

    TextRecord m_record;
    QByteArray m_buffer;
    QList<QByteArray> m_memoLines;
    bool m_memoOpen = false;
    // Within delimiters (a delimited layout only).
    bool m_valueOpen = false;
    bool m_lineEnded = false;
    bool m_skipLine = false;
};

} // namespace zendrova

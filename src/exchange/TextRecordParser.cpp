#include "exchange/TextRecordParser.h"

#include <utility>

namespace zendrova {

namespace {
constexpr char kLineFeed = '\n';
constexpr char kTab = '\t';
constexpr int kEnd = -1;

bool isControl(char byte)
{
    return static_cast<unsigned char>(byte) < 32 && byte != kTab;
}
} // namespace

TextRecordParser::TextRecordParser(QByteArray bytes, TextLayout layout, bool cutOff)
    : m_bytes(std::move(bytes))
    , m_layout(std::move(layout))
    , m_cutOff(cutOff)
{ }

int TextRecordParser::byteAt(qsizetype index) const
{
    return index < m_bytes.size() ? static_cast<unsigned char>(m_bytes[index]) : kEnd;
}

std::optional<TextRecord> TextRecordParser::next()
{
    if (m_layout.columnCount() == 0)
        return std::nullopt;
    if (m_skipLine)
        skipRestOfLine();
    while (m_pos < m_bytes.size()) {
        if (takeByte() == Step::RecordDone)
            return std::exchange(m_record, {});
    }
    if (m_cutOff)
        return std::nullopt;
    // A last line without its line feed still counts.
    if (pendingValue() && endValue(false) == Step::RecordDone)
        return std::exchange(m_record, {});
    if (recordHasText())
        return std::exchange(m_record, {});
    m_record = {};
    return std::nullopt;
}

void TextRecordParser::skipRestOfLine()
{
    m_skipLine = false;
    while (m_pos < m_bytes.size()) {
        if (m_bytes[m_pos++] == kLineFeed) {
            ++m_line;
            return;
        }
    }
}

TextRecordParser::Step TextRecordParser::takeByte()
{
    const char byte = m_bytes[m_pos++];
    if (m_layout.delimiter != 0)
        return takeDelimited(byte);
    if (byte == m_layout.separator)
        return endValue(false);
    if (byte == TextLayout::kMemoWrapper && m_layout.isMemo(int(m_record.values.size())))
        return takeWrapper();
    if (byte == kLineFeed)
        return takeLineFeed();
    if (!isControl(byte))
        append(byte);
    return Step::Going;
}

TextRecordParser::Step TextRecordParser::takeDelimited(char byte)
{
    if (!m_valueOpen) {
        // Everything up to the delimiter that opens the value is skipped.
        if (byte == m_layout.delimiter)
            m_valueOpen = true;
        else if (byte == kLineFeed)
            ++m_line;
        return Step::Going;
    }
    if (byte == m_layout.delimiter)
        return takeDelimiter();
    if (byte == TextLayout::kMemoWrapper && m_layout.isMemo(int(m_record.values.size())))
        return takeWrapper();
    if (byte == kLineFeed)
        return takeLineFeed();
    if (!isControl(byte))
        append(byte);
    return Step::Going;
}

TextRecordParser::Step TextRecordParser::takeDelimiter()
{
    const int following = byteAt(m_pos);
    // A doubled delimiter is one delimiter of the text.
    if (following == static_cast<unsigned char>(m_layout.delimiter)) {
        ++m_pos;
        append(m_layout.delimiter);
        return Step::Going;
    }
    const bool lastColumn = int(m_record.values.size()) == m_layout.columnCount() - 1;
    if (lastColumn || following == kEnd || following == '\r' || following == kLineFeed)
        return endValue(false);
    ++m_pos;
    if (following == static_cast<unsigned char>(m_layout.separator))
        return endValue(false);
    // Any other byte: the delimiter belongs to the text and that byte is lost.
    append(m_layout.delimiter);
    return Step::Going;
}

TextRecordParser::Step TextRecordParser::takeWrapper()
{
    if (!m_memoOpen) {
        m_memoOpen = true;
        return Step::Going;
    }
    m_memoOpen = false;
    m_memoLines.append(std::exchange(m_buffer, {}));
    if (m_layout.delimiter != 0 && byteAt(m_pos) == static_cast<unsigned char>(m_layout.delimiter))
        ++m_pos;
    const bool lastColumn = int(m_record.values.size()) == m_layout.columnCount() - 1;
    if (!lastColumn && byteAt(m_pos) == static_cast<unsigned char>(m_layout.separator))
        ++m_pos;
    return endValue(false);
}

TextRecordParser::Step TextRecordParser::takeLineFeed()
{
    ++m_line;
    if (m_layout.isMemo(int(m_record.values.size())))
        m_memoLines.append(std::exchange(m_buffer, {}));
    if (m_memoOpen)
        return Step::Going;
    return endValue(true);
}

void TextRecordParser::append(char byte)
{
    if (m_buffer.size() < TextLayout::kValueLimit) {
        m_buffer.append(byte);
        return;
    }
    if (!m_layout.isMemo(int(m_record.values.size())))
        return;
    // A full memo line breaks at its last space; without one, where it is full.
    const qsizetype space = m_buffer.lastIndexOf(' ');
    if (space < 0) {
        m_memoLines.append(std::exchange(m_buffer, {}));
    } else {
        m_memoLines.append(m_buffer.left(space));
        m_buffer.remove(0, space + 1);
    }
    m_buffer.append(byte);
}

TextRecordParser::Step TextRecordParser::endValue(bool byLineFeed)
{
    const int column = int(m_record.values.size());
    QByteArray value;
    if (m_layout.isMemo(column)) {
        if (!m_buffer.isEmpty())
            m_memoLines.append(m_buffer);
        value = m_memoLines.join(TextLayout::kLineEnd);
    } else {
        value = m_buffer;
    }
    m_buffer.clear();
    m_memoLines.clear();
    m_memoOpen = false;
    m_valueOpen = false;
    m_lineEnded = byLineFeed;
    // A value ended by its line feed was counted on the line before it.
    m_record.values.push_back(value);
    m_record.lines.push_back(byLineFeed ? m_line - 1 : m_line);
    if (int(m_record.values.size()) < m_layout.columnCount())
        return Step::Going;
    m_skipLine = !m_lineEnded;
    return Step::RecordDone;
}

bool TextRecordParser::pendingValue() const
{
    return m_valueOpen || m_memoOpen || !m_buffer.isEmpty() || !m_memoLines.isEmpty();
}

bool TextRecordParser::recordHasText() const
{
    for (const QByteArray &value : m_record.values)
        if (!value.isEmpty())
            return true;
    return false;
}

QList<QByteArray> TextRecordParser::splitFirstLine(
    const QByteArray &bytes, const TextLayout &layout, qsizetype *nextLine)
{
    qsizetype end = bytes.indexOf(kLineFeed);
    if (nextLine)
        *nextLine = end < 0 ? bytes.size() : end + 1;
    if (end < 0)
        end = bytes.size();
    QList<QByteArray> values;
    QByteArray value;
    bool open = false;
    bool any = false;
    for (qsizetype i = 0; i < end; ++i) {
        const char byte = bytes[i];
        if (layout.delimiter != 0 && byte == layout.delimiter) {
            if (open && i + 1 < end && bytes[i + 1] == layout.delimiter) {
                value.append(byte);
                ++i;
            } else {
                open = !open;
            }
            any = true;
        } else if (byte == layout.separator && !open) {
            values.append(std::exchange(value, {}));
        } else if (!isControl(byte)) {
            value.append(byte);
            any = true;
        }
    }
    if (any || !values.isEmpty())
        values.append(value);
    return values;
}

} // namespace zendrova

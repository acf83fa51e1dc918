#include "output/TReportRec.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/FileText.h"

namespace zendrova {

namespace {

// Stored column numbers are shifted so that an entry never starts with the
// 0x00 that ends the list.
constexpr std::uint16_t kColumnShift = 20;
constexpr std::uint8_t kListStart = 0x01;
constexpr std::uint8_t kListEnd = 0x00;
constexpr int kMaxTextBytes = 255;

void writeText(ByteWriter &out, const QString &text)
{
    const QByteArray bytes = textToFileBytes(text, kMaxTextBytes);
    out.byte(static_cast<std::uint8_t>(bytes.size()));
    out.raw(bytes);
}

QString readText(ByteReader &in)
{
    const int length = in.byte();
    return textFromFileBytes(in.raw(length));
}

std::uint16_t unshift(ByteReader &in)
{
    const std::uint16_t stored = in.word();
    if (stored < kColumnShift)
        in.fail();
    return static_cast<std::uint16_t>(stored - kColumnShift);
}

} // namespace

TReportRec::TReportRec(const QString &name)
    : Name(name)
{ }

void TReportRec::copyFrom(const TReportRec &source)
{
    if (&source != this)
        *this = source;
}

void TReportRec::addColumn(std::uint16_t fieldIndex, std::uint16_t width)
{
    m_columns.push_back({ fieldIndex, width });
}

std::uint16_t TReportRec::fieldIndex(int i) const
{
    return i >= 0 && i < columnCount() ? m_columns[static_cast<size_t>(i)].fieldIndex : 0;
}

std::uint16_t TReportRec::width(int i) const
{
    return i >= 0 && i < columnCount() ? m_columns[static_cast<size_t>(i)].width : 0;
}

void TReportRec::write(ByteWriter &out) const
{
    writeText(out, Name);
    out.int32(FieldNames);
    out.int32(Layout);
    out.int32(Grid);
    out.int32(Totals);
    writeText(out, Reserved);
    writeText(out, FontName);
    out.byte(FontStyle);
    out.int32(FontSize);
    for (const QString *text :
         { &MarginLeft, &MarginRight, &MarginTop, &MarginBottom, &PageHeight, &PageWidth })
        writeText(out, *text);
    out.int32(PaperSize);
    out.int32(Orientation);
    writeText(out, Title);
    out.int32(TitleOption);
    out.int32(PageNumbers);
    out.byte(Units);
    out.int32(FontColor);
    out.byte(kListStart);
    for (const ReportColumn &column : m_columns) {
        out.word(static_cast<std::uint16_t>(column.fieldIndex + kColumnShift));
        out.word(static_cast<std::uint16_t>(column.width + kColumnShift));
    }
    out.byte(kListEnd);
}

void TReportRec::read(ByteReader &in)
{
    m_columns.clear();
    Name = readText(in);
    FieldNames = in.int32();
    Layout = in.int32();
    Grid = in.int32();
    Totals = in.int32();
    Reserved = readText(in);
    FontName = readText(in);
    FontStyle = in.byte();
    FontSize = in.int32();
    for (QString *text :
         { &MarginLeft, &MarginRight, &MarginTop, &MarginBottom, &PageHeight, &PageWidth })
        *text = readText(in);
    PaperSize = in.int32();
    Orientation = in.int32();
    Title = readText(in);
    TitleOption = in.int32();
    PageNumbers = in.int32();
    Units = in.byte();
    FontColor = in.int32();
    if (in.byte() != kListStart)
        in.fail();
    while (in.ok()) {
        const std::optional<std::uint8_t> next = in.peek();
        if (!next) {
            in.fail();
            break;
        }
        if (*next == kListEnd) {
            in.skip(1);
            break;
        }
        const std::uint16_t fieldIndex = unshift(in);
        const std::uint16_t width = unshift(in);
        if (in.ok())
            addColumn(fieldIndex, width);
    }
}

} // namespace zendrova

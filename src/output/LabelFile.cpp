#include "output/LabelFile.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/FileText.h"
#include "output/LabelLines.h"

namespace zendrova::LabelFile {

namespace {

constexpr std::uint8_t kListStart = 0x01;
constexpr std::uint8_t kListEnd = 0x00;
constexpr std::int32_t kStoredOffset = 20;
constexpr int kMaxTextBytes = 255;
// An empty header line would be the length byte 0x00, which reads as the end
// of the header list; it is stored as one space, which prints the same.
const QString kStoredEmptyLine = QStringLiteral(" ");

void writeText(ByteWriter &out, const QString &text)
{
    const QByteArray bytes = textToFileBytes(text, kMaxTextBytes);
    out.byte(static_cast<std::uint8_t>(bytes.size()));
    out.raw(bytes);
}

QString readText(ByteReader &in)
{
    return textFromFileBytes(in.raw(in.byte()));
}

// A list ends where a 0x00 byte stands in place of the next entry; data that
// ends first is damaged.
template <typename ReadEntry> void readList(ByteReader &in, ReadEntry readEntry)
{
    if (in.byte() != kListStart) {
        in.fail();
        return;
    }
    while (in.ok()) {
        const auto next = in.peek();
        if (!next) {
            in.fail();
            return;
        }
        if (*next == kListEnd) {
            in.byte();
            return;
        }
        readEntry();
    }
}

} // namespace

void writeOne(ByteWriter &out, const TLabelRec &label)
{
    writeText(out, label.Name);
    out.byte(kListStart);
    // Re-encoded, so that no stored value can read as the list's end.
    for (std::int32_t value : LabelLines::encode(LabelLines::decode(label.Lines)))
        out.int32(value + kStoredOffset);
    out.byte(kListEnd);
    out.int32(label.LabelType);
    out.int32(label.Shape);
    for (const QString *text :
        { &label.StockName, &label.LabelWidth, &label.LabelHeight, &label.PitchWidth,
            &label.PitchHeight, &label.SheetLeft, &label.SheetTop, &label.Across, &label.Down,
            &label.FirstLabel, &label.BodyLeft, &label.BodyTop, &label.BodyFontName })
        writeText(out, *text);
    out.byte(label.BodyFontStyle);
    out.int32(label.BodyFontSize);
    out.byte(kListStart);
    for (const QString &line : label.HeaderText)
        writeText(out, line.isEmpty() ? kStoredEmptyLine : line);
    out.byte(kListEnd);
    writeText(out, label.HeaderLeft);
    writeText(out, label.HeaderTop);
    writeText(out, label.HeaderFontName);
    out.byte(label.HeaderFontStyle);
    out.int32(label.HeaderFontSize);
    writeText(out, label.LogoFile);
    writeText(out, label.LogoLeft);
    writeText(out, label.LogoTop);
    out.int32(label.Orientation);
    out.byte(label.Units);
    out.int32(label.HeaderFontColor);
    out.int32(label.BodyFontColor);
    writeText(out, label.PageWidth);
    writeText(out, label.PageHeight);
    out.int32(label.PaperSize);
}

TLabelRec readOne(ByteReader &in)
{
    TLabelRec label;
    label.Name = readText(in);
    readList(in, [&] { label.Lines.append(in.int32() - kStoredOffset); });
    label.LabelType = in.int32();
    label.Shape = in.int32();
    for (QString *text :
        { &label.StockName, &label.LabelWidth, &label.LabelHeight, &label.PitchWidth,
            &label.PitchHeight, &label.SheetLeft, &label.SheetTop, &label.Across, &label.Down,
            &label.FirstLabel, &label.BodyLeft, &label.BodyTop, &label.BodyFontName })
        *text = readText(in);
    label.BodyFontStyle = in.byte();
    label.BodyFontSize = in.int32();
    readList(in, [&] {
        const QString line = readText(in);
        label.HeaderText.append(line == kStoredEmptyLine ? QString() : line);
    });
    label.HeaderLeft = readText(in);
    label.HeaderTop = readText(in);
    label.HeaderFontName = readText(in);
    label.HeaderFontStyle = in.byte();
    label.HeaderFontSize = in.int32();
    label.LogoFile = readText(in);
    label.LogoLeft = readText(in);
    label.LogoTop = readText(in);
    label.Orientation = in.int32();
    label.Units = in.byte();
    label.HeaderFontColor = in.int32();
    label.BodyFontColor = in.int32();
    label.PageWidth = readText(in);
    label.PageHeight = readText(in);
    label.PaperSize = in.int32();
    return label;
}

QByteArray encode(const QList<TLabelRec> &labels)
{
    ByteWriter out;
    out.byte(kListStart);
    for (const TLabelRec &label : labels)
        writeOne(out, label);
    out.byte(kListEnd);
    return out.bytes();
}

std::optional<QList<TLabelRec>> decode(const QByteArray &bytes)
{
    ByteReader in(bytes);
    QList<TLabelRec> labels;
    readList(in, [&] { labels.append(readOne(in)); });
    if (!in.ok())
        return std::nullopt;
    return labels;
}

} // namespace zendrova::LabelFile

#include "printengine/PageStreamFile.h"

#include "common/ByteReader.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <cmath>
#include <cstring>

namespace zendrova::print::PageStreamFile {

namespace {
const QByteArray kMagic("ZPGS");
const QByteArray kTrailer("END.");
constexpr quint16 kVersion = 1;
enum OpType : quint8 { OpText = 1, OpLine = 2, OpShape = 3, OpPicture = 4 };
// The fewest bytes a page and an operation can take, to check counts against what is left.
constexpr qsizetype kMinPage = 4 + 8 + 8 + 4;
constexpr qsizetype kMinOp = 1 + 4 * 8;
// Anything further from the paper than this is not a page of ours.
constexpr double kMaxInches = 1000.0;

class Writer
{
public:
    QByteArray bytes;
    void u8(quint8 v) { bytes.append(char(v)); }
    void u16(quint16 v) { u8(v & 0xff), u8(v >> 8); }
    void u32(quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            u8((v >> (8 * i)) & 0xff);
    }
    void f64(double v)
    {
        quint64 raw;
        std::memcpy(&raw, &v, sizeof raw);
        for (int i = 0; i < 8; ++i)
            u8((raw >> (8 * i)) & 0xff);
    }
    void blob(const QByteArray &data)
    {
        u32(quint32(data.size()));
        bytes.append(data);
    }
    void text(const QString &s) { blob(s.toUtf8()); }
    void color(const QColor &c)
    {
        u8(c.isValid() ? 1 : 0);
        u32(c.isValid() ? c.rgba() : 0);
    }
};

class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_in(bytes)
        , m_size(bytes.size())
    { }
    bool ok() const { return m_in.ok() && m_good; }
    void fail() { m_good = false; }
    qsizetype left() const { return m_size - m_in.position(); }
    quint8 u8() { return m_in.byte(); }
    quint16 u16() { return m_in.word(); }
    quint32 u32() { return quint32(m_in.int32()); }
    double f64()
    {
        const QByteArray raw = m_in.raw(8);
        double v = 0;
        if (raw.size() == 8)
            std::memcpy(&v, raw.constData(), 8);
        if (!std::isfinite(v) || std::fabs(v) > kMaxInches * 100)
            fail();
        return v;
    }
    bool flag()
    {
        const quint8 v = u8();
        if (v > 1)
            fail();
        return v == 1;
    }
    QByteArray blob()
    {
        const quint32 size = u32();
        if (qsizetype(size) > left()) {
            fail();
            return {};
        }
        return m_in.raw(int(size));
    }
    QString text()
    {
        const QByteArray raw = blob();
        const QString s = QString::fromUtf8(raw);
        if (s.toUtf8() != raw)
            fail();
        return s;
    }
    QColor color()
    {
        const bool valid = flag();
        const quint32 rgba = u32();
        if (!valid && rgba != 0)
            fail();
        return valid ? QColor::fromRgba(rgba) : QColor();
    }
    QByteArray raw(int count) { return m_in.raw(count); }
    bool atEnd() const { return m_in.atEnd(); }

private:
    ByteReader m_in;
    qsizetype m_size;
    bool m_good = true;
};

void writeFont(Writer &out, const TFontSpec &font)
{
    out.text(font.name);
    out.f64(font.size);
    out.u8(quint8(font.style));
    out.color(font.color);
}

TFontSpec readFont(Reader &in)
{
    TFontSpec font;
    font.name = in.text();
    font.size = in.f64();
    font.style = in.u8();
    font.color = in.color();
    if (font.size <= 0 || font.size > 1000 || font.style > 15 || !font.color.isValid())
        in.fail();
    return font;
}

struct OpWriter
{
    Writer &out;
    void operator()(const PageText &op) const
    {
        out.u8(OpText);
        out.f64(op.x), out.f64(op.y);
        out.text(op.text);
        writeFont(out, op.font);
    }
    void operator()(const PageLine &op) const
    {
        out.u8(OpLine);
        out.f64(op.x1), out.f64(op.y1), out.f64(op.x2), out.f64(op.y2);
        out.color(op.color);
        out.f64(op.width);
    }
    void operator()(const PageShape &op) const
    {
        out.u8(OpShape);
        out.f64(op.left), out.f64(op.top), out.f64(op.right), out.f64(op.bottom);
        out.u8(quint8(op.kind));
        out.f64(op.radius);
        out.color(op.pen);
        out.color(op.brush);
        out.u8(op.screenOnly ? 1 : 0);
    }
    void operator()(const PagePicture &op) const
    {
        out.u8(OpPicture);
        out.f64(op.left), out.f64(op.top), out.f64(op.right), out.f64(op.bottom);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        op.image.save(&buffer, "PNG");
        out.blob(png);
    }
};

std::optional<PageOp> readOp(Reader &in)
{
    const quint8 type = in.u8();
    switch (type) {
    case OpText: {
        PageText op;
        op.x = in.f64(), op.y = in.f64();
        op.text = in.text();
        op.font = readFont(in);
        return op;
    }
    case OpLine: {
        PageLine op;
        op.x1 = in.f64(), op.y1 = in.f64(), op.x2 = in.f64(), op.y2 = in.f64();
        op.color = in.color();
        op.width = in.f64();
        if (op.width < 0)
            in.fail();
        return op;
    }
    case OpShape: {
        PageShape op;
        op.left = in.f64(), op.top = in.f64(), op.right = in.f64(), op.bottom = in.f64();
        const quint8 kind = in.u8();
        if (kind > quint8(PageShapeKind::Ellipse))
            in.fail();
        op.kind = PageShapeKind(kind);
        op.radius = in.f64();
        op.pen = in.color();
        op.brush = in.color();
        op.screenOnly = in.flag();
        return op;
    }
    case OpPicture: {
        PagePicture op;
        op.left = in.f64(), op.top = in.f64(), op.right = in.f64(), op.bottom = in.f64();
        const QByteArray png = in.blob();
        if (!in.ok() || !op.image.loadFromData(png, "PNG"))
            in.fail();
        return op;
    }
    default:
        in.fail();
        return std::nullopt;
    }
}
} // namespace

QByteArray encode(const PageStream &stream)
{
    Writer out;
    out.bytes.append(kMagic);
    out.u16(kVersion);
    out.text(stream.title);
    out.u32(quint32(stream.pages.size()));
    for (const Page &page : stream.pages) {
        out.u32(quint32(page.number));
        out.f64(page.width);
        out.f64(page.height);
        out.u32(quint32(page.ops.size()));
        const OpWriter write { out };
        for (const PageOp &op : page.ops)
            std::visit(write, op);
    }
    out.bytes.append(kTrailer);
    return out.bytes;
}

std::optional<PageStream> decode(const QByteArray &bytes)
{
    Reader in(bytes);
    if (in.raw(4) != kMagic || in.u16() != kVersion)
        return std::nullopt;
    PageStream stream;
    stream.title = in.text();
    const quint32 pages = in.u32();
    if (!in.ok() || qsizetype(pages) > in.left() / kMinPage)
        return std::nullopt;
    for (quint32 p = 0; p < pages && in.ok(); ++p) {
        Page page;
        page.number = int(in.u32());
        page.width = in.f64();
        page.height = in.f64();
        const quint32 ops = in.u32();
        if (page.number < 1 || page.width <= 0 || page.height <= 0 || page.width > kMaxInches
            || page.height > kMaxInches || qsizetype(ops) > in.left() / kMinOp)
            return std::nullopt;
        for (quint32 i = 0; i < ops && in.ok(); ++i) {
            std::optional<PageOp> op = readOp(in);
            if (!op)
                return std::nullopt;
            page.ops.append(std::move(*op));
        }
        stream.pages.append(std::move(page));
    }
    if (!in.ok() || in.raw(4) != kTrailer || !in.ok() || !in.atEnd())
        return std::nullopt;
    return stream;
}

bool write(const PageStream &stream, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = encode(stream);
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

std::optional<PageStream> read(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(file.readAll());
}

} // namespace zendrova::print::PageStreamFile

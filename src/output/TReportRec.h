#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace zendrova {

class ByteReader;
class ByteWriter;

// One included field of a report: the field's index in the caption list and
// its column width in hundredths of the definition's unit.
struct ReportColumn
{
    std::uint16_t fieldIndex = 0;
    std::uint16_t width = 0;

    bool operator==(const ReportColumn &) const = default;
};

// A report definition: which fields print, in which order and how wide, and
// how the page is set up. The current definition has an empty name; named
// copies are the report templates.
class TReportRec
{
public:
    enum PaperSizes : std::int32_t { Letter = 0, Legal = 1, A4 = 2, Envelope10 = 3, Custom = 4 };
    enum PageNumberPlaces : std::int32_t { NoPageNumbers = 0, NumbersAtTop = 1, NumbersAtBottom = 2 };
    enum UnitsOfMeasure : std::uint8_t { Inches = 0, Centimetres = 1 };

    explicit TReportRec(const QString &name = QString());

    // Replaces every field and the whole column list, the name included.
    void copyFrom(const TReportRec &source);

    void clearColumns() { m_columns.clear(); }
    void addColumn(std::uint16_t fieldIndex, std::uint16_t width);
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    // Both 0 for an index outside the list.
    std::uint16_t fieldIndex(int i) const;
    std::uint16_t width(int i) const;
    const std::vector<ReportColumn> &columns() const { return m_columns; }
    void setColumns(std::vector<ReportColumn> columns) { m_columns = std::move(columns); }

    // The definition's bytes as the definition files hold them; texts longer
    // than 255 bytes are cut.
    void write(ByteWriter &out) const;
    // Reads one definition, replacing the columns; the reader fails on a
    // definition that ends early or whose column list is malformed.
    void read(ByteReader &in);

    QString Name;
    std::int32_t FieldNames = 0;
    std::int32_t Layout = 0;
    std::int32_t Grid = 0;
    std::int32_t Totals = 0;
    QString Reserved = QStringLiteral("20");
    QString FontName = QStringLiteral("Arial");
    std::uint8_t FontStyle = 0;
    std::int32_t FontSize = 10;
    QString MarginLeft = QStringLiteral("1");
    QString MarginRight = QStringLiteral("1");
    QString MarginTop = QStringLiteral("1");
    QString MarginBottom = QStringLiteral("1");
    QString PageHeight = QStringLiteral("8.5");
    QString PageWidth = QStringLiteral("11");
    std::int32_t PaperSize = Letter;
    std::int32_t Orientation = 0;
    QString Title;
    std::int32_t TitleOption = 0;
    std::int32_t PageNumbers = NumbersAtBottom;
    std::uint8_t Units = Inches;
    std::int32_t FontColor = 0;

private:
    std::vector<ReportColumn> m_columns;
};

} // namespace zendrova

#include "common/FontConversion.h"

#include <QCoreApplication>

namespace zendrova {

QFont toQFont(const FontRecord &record)
{
    QFont font(record.name);
    if (record.size > 0)
        font.setPointSize(record.size);
    font.setBold(record.style & FontRecord::Bold);
    font.setItalic(record.style & FontRecord::Italic);
    font.setUnderline(record.style & FontRecord::Underline);
    font.setStrikeOut(record.style & FontRecord::StrikeOut);
    return font;
}

FontRecord fontRecordOf(const QFont &font)
{
    FontRecord record;
    record.name = font.family();
    // A font given in pixels has no point size; keep the record's default then.
    if (font.pointSize() > 0)
        record.size = font.pointSize();
    std::uint8_t style = 0;
    if (font.bold())
        style |= FontRecord::Bold;
    if (font.italic())
        style |= FontRecord::Italic;
    if (font.underline())
        style |= FontRecord::Underline;
    if (font.strikeOut())
        style |= FontRecord::StrikeOut;
    record.style = style;
    return record;
}

QString fontStyleText(std::uint8_t style)
{
    if ((style & 0x0F) == 0)
        return QCoreApplication::translate("FontStyle", "Regular");
    QString text;
    if (style & FontRecord::Bold)
        text += QCoreApplication::translate("FontStyle", "Bold ");
    if (style & FontRecord::Italic)
        text += QCoreApplication::translate("FontStyle", "Italic ");
    if (style & FontRecord::Underline)
        text += QCoreApplication::translate("FontStyle", "Underline ");
    if (style & FontRecord::StrikeOut)
        text += QCoreApplication::translate("FontStyle", "Strikeout");
    return text;
}

} // namespace zendrova

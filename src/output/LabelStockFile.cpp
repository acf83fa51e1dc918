#include "output/LabelStockFile.h"

#include "common/FileText.h"
#include "common/WholeFile.h"

namespace zendrova {

namespace {

// Far above any stock file; refuses a stray huge file.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line break ends the last line; it does not start another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

std::optional<QString> fileText(const QString &path)
{
    const auto bytes = readWholeFile(path, kMaxFileBytes);
    if (!bytes)
        return std::nullopt;
    return textFromFileBytes(*bytes);
}

bool isSectionHeader(const QString &trimmed)
{
    return trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'));
}

} // namespace

QStringList LabelStockFile::namesIn(const QString &text)
{
    const QStringList lines = linesOf(text);
    if (lines.isEmpty() || lines.first() != QLatin1String("[Index]"))
        return {};
    QStringList names;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.isEmpty() || line.startsWith(QLatin1Char('[')))
            break;
        names.append(line);
    }
    return names;
}

std::optional<LabelStock> LabelStockFile::stockIn(const QString &text, const QString &name)
{
    const QString wanted = name.trimmed();
    QList<QPair<QString, QString>> values;
    bool inSection = false;
    for (const QString &line : linesOf(text)) {
        const QString trimmed = line.trimmed();
        if (isSectionHeader(trimmed)) {
            inSection
                = trimmed.mid(1, trimmed.size() - 2).trimmed().compare(wanted, Qt::CaseInsensitive)
                == 0;
            continue;
        }
        if (!inSection || trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (equals < 0)
            values.append({ trimmed, QString() });
        else
            values.append({ trimmed.left(equals).trimmed(), trimmed.mid(equals + 1).trimmed() });
    }
    if (wanted.isEmpty() || values.isEmpty())
        return std::nullopt;
    auto value = [&](const char *key) {
        for (const auto &[k, v] : values)
            if (k.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                return v;
        return QString();
    };
    LabelStock stock;
    const QString shape = value("Shape");
    stock.shape = shape == QLatin1String("Round") ? 2 : shape == QLatin1String("Rectangle") ? 1 : 0;
    stock.orientation = value("PageOrientation") == QLatin1String("Landscape") ? 1 : 0;
    stock.width = value("Width");
    stock.height = value("Height");
    stock.pitchWidth = value("SpacingWidth");
    stock.pitchHeight = value("SpacingHeight");
    stock.sheetLeft = value("SpacingLeft");
    stock.sheetTop = value("SpacingTop");
    stock.across = value("Across");
    stock.down = value("Down");
    return stock;
}

std::optional<QStringList> LabelStockFile::readNames(const QString &path)
{
    const auto text = fileText(path);
    if (!text)
        return std::nullopt;
    return namesIn(*text);
}

std::optional<LabelStock> LabelStockFile::readStock(const QString &path, const QString &name)
{
    const auto text = fileText(path);
    if (!text)
        return std::nullopt;
    return stockIn(*text, name);
}

} // namespace zendrova

#include "exchange/ExchangeTexts.h"

#include <QStringList>

namespace zendrova {

namespace {
const QString kRecordsKept = QStringLiteral("\rThe records before it were imported.");
}

QString ExchangeTexts::exporting()
{
    return tr("Exporting. Please Wait...");
}

QString ExchangeTexts::exportingLetter(char letter)
{
    return exporting() + QStringLiteral(" (") + QLatin1Char(letter) + QLatin1Char(')');
}

QString ExchangeTexts::importing()
{
    return tr("Importing. Please Wait...");
}

QString ExchangeTexts::recordCounter(int posted)
{
    return tr("Record #: ") + QString::number(posted);
}

QString ExchangeTexts::overwrite()
{
    return tr("File Already Exists!!! Do you want to Overwrite it?");
}

QString ExchangeTexts::cannotCreate()
{
    return tr("Could Not Create A File For Export!!!");
}

QString ExchangeTexts::exported(const QString &path)
{
    return tr("Data Exported Successfully to: \r") + path;
}

QString ExchangeTexts::cannotOpen()
{
    return tr("File Could Not Be Open!!!");
}

QString ExchangeTexts::imported()
{
    return tr("Data Imported Successfully!!!");
}

QString ExchangeTexts::badTableName()
{
    return tr("A table name may not contain \"\\\", \"/\", \":\", \"*\", \"?\" or \"..\".");
}

QString ExchangeTexts::badValue(int line, const QString &caption, const QString &value)
{
    return tr("Line %1: \"%2\" is not a valid value for %3.").arg(line).arg(value, caption)
        + kRecordsKept;
}

QString ExchangeTexts::notStored(int line)
{
    return tr("The record ending on line %1 could not be stored.").arg(line) + kRecordsKept;
}

QString ExchangeTexts::unmappable(int line, const QString &character)
{
    return tr("Line %1 holds the character \"%2\", which a card cannot hold.")
               .arg(line)
               .arg(character)
        + kRecordsKept;
}

QString ExchangeTexts::unknownColumns(const QStringList &names)
{
    return tr("These columns of the first line name no field: %1.\rNothing was imported.")
        .arg(names.join(QStringLiteral(", ")));
}

QString ExchangeTexts::cannotRead(const QString &fileName)
{
    return tr("The file %1 could not be read.").arg(fileName);
}

} // namespace zendrova

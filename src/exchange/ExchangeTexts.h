#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

// The captions and messages of export and import.
class ExchangeTexts
{
    Q_DECLARE_TR_FUNCTIONS(ExchangeTexts)

public:
    static QString exporting();
    // While the walk is at one letter of the letter tabs.
    static QString exportingLetter(char letter);
    static QString importing();
    static QString recordCounter(int posted);

    static QString overwrite();
    static QString cannotCreate();
    static QString exported(const QString &path);
    static QString cannotOpen();
    static QString imported();

    static QString badTableName();
    static QString badValue(int line, const QString &caption, const QString &value);
    static QString notStored(int line);
    static QString unmappable(int line, const QString &character);
    static QString unknownColumns(const QStringList &names);
    static QString cannotRead(const QString &fileName);
};

} // namespace zendrova

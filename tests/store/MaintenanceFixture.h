#pragma once

#include "support/DatabaseFixture.h"

#include "store/DatabaseCatalog.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace zendrova::test {

inline constexpr int kRecordNumber = 0;
inline constexpr int kCardName = 2;
inline constexpr int kSmallPicture = 10;
inline constexpr int kNotes = 21;

// A public database opened through the store, with cards added through the
// record editor.
class MaintenanceFixture : public DatabaseFixture
{
public:
    MaintenanceFixture()
    {
        state.publicFolderCreatedThisRun = true; // no "new database" warning
        EXPECT_TRUE(store.openDatabase());
    }

    // A card with this record number (the store's own number is replaced).
    void addCard(int number, const QString &name, const QByteArray &notes = {},
        const QByteArray &picture = {})
    {
        RecordEditor card(store.recordTable());
        card.append();
        card.setNumber(kRecordNumber, number);
        card.setText(kCardName, name);
        card.setBytes(kNotes, notes);
        card.setBytes(kSmallPicture, picture);
        card.post();
    }

    // "number name" of every record, in physical order.
    static QStringList cards(StoreTable &table)
    {
        QStringList rows;
        table.selectNaturalOrder();
        for (table.first(); !table.atEnd(); table.next())
            rows << QString::number(table.number(kRecordNumber)) + QLatin1Char(' ')
                    + table.text(kCardName);
        return rows;
    }

    double recordCounter()
    {
        return DatabaseCatalog(store.catalog()).recordCounter(state.currentTableFile);
    }

    // "number name notes" of every live record as an independent dBASE reader
    // sees the file. That reader takes a memo's length without its 8-byte
    // header and so reads 8 bytes past the value: the padding is dropped.
    static QStringList readByForeignReader(const QString &path)
    {
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-c"),
                QStringLiteral("import sys, dbfread\n"
                               "for r in dbfread.DBF(sys.argv[1], encoding='cp1252'):\n"
                               "    print(int(r['RECNUM']), r['CARDNAME'], repr((r['NOTES'] or '').rstrip(chr(0))))\n"),
                path });
        python.waitForFinished(60000);
        const QString out = QString::fromUtf8(python.readAllStandardOutput());
        EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
        return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Problems "dbtool check" finds in the table; empty when it is sound.
    static QString checkTable(const QString &path)
    {
        QProcess tool;
        tool.start(QStringLiteral(ZENDROVA_BIN_DIR "/dbtool"), { QStringLiteral("check"), path });
        tool.waitForFinished(60000);
        return tool.exitCode() == 0 ? QString()
                                    : QString::fromUtf8(tool.readAllStandardOutput()
                                          + tool.readAllStandardError());
    }

    RecordStore store { state };
};

} // namespace zendrova::test

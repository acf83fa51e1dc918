#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace zendrova::test {

// A record table as Debian's python3-dbfread reads it, not through our
// engine: one line per record in physical order, the named fields joined by
// "|", a blank field as "None" and a number as Python prints it. A memo is
// left out: dbfread reads 8 bytes past its end.
inline QStringList dbfreadRows(const QString &table, const QStringList &fields)
{
    const QStringList arguments = QStringList { QStringLiteral("-c"),
        QStringLiteral("import sys, dbfread\n"
                       "for r in dbfread.DBF(sys.argv[1], encoding='cp1252'):\n"
                       "  print('|'.join(str(r[f]) for f in sys.argv[2:]))\n"),
        table }
        + fields;
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), arguments);
    EXPECT_TRUE(python.waitForFinished());
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QString::fromUtf8(python.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace zendrova::test

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova::test {

inline QString settingsFixturePath(const QString &name)
{
    return QStringLiteral(ZENDROVA_TEST_DATA "/settings/") + name;
}

inline QString templatesFixturePath(const QString &name)
{
    return QStringLiteral(ZENDROVA_TEST_DATA "/templates/") + name;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

inline QByteArray settingsFixture(const QString &name)
{
    return fileBytes(settingsFixturePath(name));
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

inline QByteArray templatesFixture(const QString &name)
{
    return fileBytes(templatesFixturePath(name));
}

// Copies a fixture into folder under the given name and returns the path.
inline QString copyFixture(const QString &fixture, const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name;
    writeBytes(path, settingsFixture(fixture));
    return path;
}

// Bytes that no settings file of the program holds: a fixed pseudo-random run.
inline QByteArray garbageBytes(int count)
{
    QByteArray bytes;
    quint32 state = 0x2545F491u;
    for (int i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes.append(static_cast<char>(state >> 24));
    }
    return bytes;
}

} // namespace zendrova::test

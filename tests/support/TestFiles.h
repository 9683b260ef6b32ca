#pragma once
// Whole files written and read back in one step, for tests that build their fixtures on disk.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Creates or replaces the file; gives its path.
inline QString WriteTestFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
    return path;
}

// The whole file; empty when it cannot be read.
inline QByteArray ReadTestFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#pragma once
// Raw bytes in and out of files, and GBK bytes, for the INI tests.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringEncoder>

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray Gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

inline QByteArray WithCrLf(QByteArray bytes)
{
    return bytes.replace("\n", "\r\n");
}

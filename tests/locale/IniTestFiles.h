#pragma once
// GBK bytes and CR LF line ends for the INI tests; whole files in and out come from TestFiles.h.

#include "support/TestFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

inline QByteArray Gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

inline QByteArray WithCrLf(QByteArray bytes)
{
    return bytes.replace("\n", "\r\n");
}

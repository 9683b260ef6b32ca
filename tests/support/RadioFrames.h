#pragma once
// The bytes on the line between the program and the radio, built by hand for tests that play one
// side of it.

#include "codeplug/RowCodec.h"

#include <QByteArray>

inline const QByteArray WakeUp("\x02", 1);
inline const QByteArray AckByte("\x06", 1);

inline QByteArray ReadRequest(int address)
{
    return QByteArray("R") + char(address >> 8) + char(address & 0xFF) + char(0x08);
}

// A write of eight bytes; 'Y' writes the settings rows.
inline QByteArray WriteRequest(int address, const QByteArray& data, char command = 'W')
{
    return QByteArray(1, command) + char(address >> 8) + char(address & 0xFF) + char(0x08) + data;
}

// The radio's answer to the wake-up after "PROGRAM": its model code and three unused bytes.
inline QByteArray Identification(const char* code)
{
    return QByteArray("P") + code + QByteArray(3, '\xFF');
}

inline QByteArray RowBytes(const TRow& row)
{
    return QByteArray(reinterpret_cast<const char*>(row.data()), static_cast<qsizetype>(row.size()));
}

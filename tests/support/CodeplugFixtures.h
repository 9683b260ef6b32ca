#pragma once
// Codeplug files built by hand row by row, for tests that read them.

#include <QByteArray>

inline QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

inline QByteArray BlankRows(int count)
{
    return QByteArray(16 * count, '\xFF');
}

// A UHF codeplug: channels 1 and 3, settings other than the defaults, a 32-character and a
// 5-character line.
inline QByteArray UhfFixture()
{
    QByteArray file;
    file += Hex("50 36 36 34 31  45 04 70  E8 07 05 03 0E 07  FF FF");  // P6641, 450-470, 2024-05-03 14:07
    file += Hex("00 50 00 46  00 00 01 46  FF FF  23 80  0B  FF FF FF");  // 1: 460.05 / 460.1, -, D023N
    file += BlankRows(1);                                                 // 2: empty
    file += Hex("25 06 00 46  FF FF FF FF  70 06  FF FF  14  FF FF FF");  // 3: 460.00625, no TX, 67.0, -
    file += BlankRows(13);                                                // 4..16: empty
    file += BlankRows(38);                                                // gap
    file += Hex("01 00 01 01 03 00 01 00 01 00  FF FF FF FF FF FF");      // settings row 2
    file += QByteArray("ABCDEFGHIJKLMNOP") + QByteArray("QRSTUVWXYZ012345");
    file += QByteArray("HELLO") + QByteArray(11, '\xFF');
    file += BlankRows(1);
    file += Hex("02 07 02 09  FF FF FF FF FF FF FF FF FF FF FF FF");      // settings row 1
    file += Hex("00 00 F4 31 34 36 36 50  FF FF FF FF FF FF FF FF");      // band 450-470, 6641
    return file;
}

#pragma once
// The memory row codec: every unit of the codeplug, in the radio and in the file, is a row of
// exactly 16 bytes. This class owns every row layout.

#include <QString>
#include <array>
#include <cstdint>

struct TFun;

using TRow = std::array<std::uint8_t, 16>;

// One memory channel's values as the codec exchanges them.
struct TChannel {
    double Rx = 0.0;        // MHz
    double Tx = -1.0;       // MHz; -1 when the channel has no transmit frequency
    QString Decode;         // tone text, empty for no tone
    QString Encode;
    int Power = 0;          // 0 Low, 1 High
    int Bandwidth = 0;      // 0 Wide, 1 Narrow
    int ScanAdd = 0;        // 0 Yes, 1 No
    int BeatShift = 0;      // 0 Yes, 1 No
    int BusyLockout = 0;    // 0 Yes, 1 No

    bool operator==(const TChannel&) const = default;
};

struct THeader {
    QString ModelText;   // "P" + model code, five characters
    QString BandDigits;  // e.g. "450470"
    QString Stamp;       // "yyyy-MM-dd HH:mm"
};

class TBWriteRead {
public:
    static void BlankRow(TRow& row);

    static void EncodeHeader(TRow& row, const QString& stamp, const QString& bandDigits,
                             const QString& modelText);
    static THeader DecodeHeader(const TRow& row);

    // A frequency or tone that cannot be stored is written as absent (0xFF).
    static void EncodeChannel(TRow& row, const TChannel& channel);
    // False when the row holds no channel (its RX bytes are not all decimal digits); the channel
    // is then reset.
    static bool DecodeChannel(const TRow& row, TChannel& channel);

    static void EncodeSettings1(TRow& row, const TFun& fun);
    static void DecodeSettings1(const TRow& row, TFun& fun);
    static void EncodeSettings2(TRow& row, const TFun& fun);
    static void DecodeSettings2(const TRow& row, TFun& fun);

    // At most 16 characters, one byte each (Latin-1, '?' beyond it); the rest of the row 0xFF.
    static void EncodeMessage(TRow& row, const QString& text);
    // Every byte that is not 0xFF, one character each.
    static QString DecodeMessage(const TRow& row);

    static void EncodeBand(TRow& row, int bandCode, const QString& modelCode);
    // Gives the band code; the model code carried by the row goes to modelCode.
    static int DecodeBand(const TRow& row, QString& modelCode);

    // At most 128 flags "0"/"1", channel 1 first; channel 8k+1 is bit 0 of byte k.
    static void EncodeBitmap(TRow& row, const QString& flags);

    // Helpers of the layouts.
    // -1 for a text that is empty, holds a non-hex character or does not fit an int.
    static int HexToInt(const QString& text);
    // 0xFF when the text does not begin with two hex digits.
    static std::uint8_t HexPairToByte(const QString& text);
    static bool ContainsAnyOf(const QString& text, const QString& set);
    static QString ReverseStr(const QString& text);
    // A character other than "1" counts as 0.
    static QString BinToInt(const QString& bits);
    static QString ByteHex(std::uint8_t byte);
};

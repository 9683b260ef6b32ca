#include "codeplug/CodeplugState.h"
#include "codeplug/RowCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>

static void PrintTo(const TChannel& c, std::ostream* out)
{
    *out << "{Rx " << c.Rx << ", Tx " << c.Tx << ", Dec \"" << c.Decode.toStdString()
         << "\", Enc \"" << c.Encode.toStdString() << "\", Power " << c.Power << ", W/N "
         << c.Bandwidth << ", Scan " << c.ScanAdd << ", Beat " << c.BeatShift << ", Busy "
         << c.BusyLockout << "}";
}

namespace {

// Rows are written as hex text, blanks allowed anywhere, "FF.." filling the rest.
TRow Row(const char* hex)
{
    QString digits = QString::fromLatin1(hex).remove(' ');
    const bool fill = digits.endsWith("..");
    if (fill)
        digits.chop(2);
    TRow row;
    row.fill(0xFF);
    for (int i = 0; i < int(row.size()) && 2 * i < digits.size(); ++i)
        row[i] = static_cast<std::uint8_t>(digits.mid(2 * i, 2).toUInt(nullptr, 16));
    EXPECT_TRUE(fill || digits.size() == 32) << hex;
    return row;
}

std::string Hex(const TRow& row)
{
    std::string text;
    for (const std::uint8_t byte : row) {
        static const char digits[] = "0123456789ABCDEF";
        if (!text.empty())
            text += ' ';
        text += digits[byte >> 4];
        text += digits[byte & 0xF];
    }
    return text;
}

void ExpectRow(const TRow& actual, const char* expected)
{
    EXPECT_EQ(Hex(actual), Hex(Row(expected)));
}

TChannel Channel(double rx, double tx, const char* decode = "", const char* encode = "")
{
    TChannel c;
    c.Rx = rx;
    c.Tx = tx;
    c.Decode = decode;
    c.Encode = encode;
    return c;
}

TChannel WithFlags(TChannel c, int power, int bandwidth, int scanAdd, int beatShift,
                   int busyLockout)
{
    c.Power = power;
    c.Bandwidth = bandwidth;
    c.ScanAdd = scanAdd;
    c.BeatShift = beatShift;
    c.BusyLockout = busyLockout;
    return c;
}

struct ChannelCase {
    TChannel Channel;
    const char* Bytes;
};

} // namespace

TEST(RowCodec, ChannelRowsBothWays)
{
    const ChannelCase cases[] = {
        {WithFlags(Channel(460.05, 460.1, "", "D023N"), 1, 0, 0, 1, 1),
         "00500046 00000146 FFFF 2380 0B FFFFFF"},
        {Channel(460.05, -1.0), "00500046 FFFFFFFF FFFF FFFF 00 FFFFFF"},
        {Channel(460.00625, 460.00625), "25060046 25060046 FFFF FFFF 00 FFFFFF"},
        {Channel(146.52, 0.0), "00206514 00000000 FFFF FFFF 00 FFFFFF"},
        {Channel(999.99999, 27.0), "99999999 00007002 FFFF FFFF 00 FFFFFF"},
        {Channel(450.0, 450.0, "67.0", "250.3"), "00000045 00000045 7006 0325 00 FFFFFF"},
        {Channel(450.0, 450.0, "D754I", "799.9"), "00000045 00000045 54C7 9979 00 FFFFFF"},
        {Channel(450.0, 450.0, "0.0", "D000N"), "00000045 00000045 0000 0080 00 FFFFFF"},
        {WithFlags(Channel(450.0, 450.0), 1, 1, 1, 1, 1), "00000045 00000045 FFFF FFFF 1F FF.."},
        {WithFlags(Channel(450.0, 450.0), 0, 0, 1, 0, 0), "00000045 00000045 FFFF FFFF 10 FF.."},
        {WithFlags(Channel(450.0, 450.0), 1, 0, 0, 0, 0), "00000045 00000045 FFFF FFFF 08 FF.."},
        {WithFlags(Channel(450.0, 450.0), 0, 1, 0, 0, 0), "00000045 00000045 FFFF FFFF 04 FF.."},
        {WithFlags(Channel(450.0, 450.0), 0, 0, 0, 1, 0), "00000045 00000045 FFFF FFFF 02 FF.."},
        {WithFlags(Channel(450.0, 450.0), 0, 0, 0, 0, 1), "00000045 00000045 FFFF FFFF 01 FF.."},
    };
    for (const ChannelCase& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TRow row;
        row.fill(0x5A);
        TBWriteRead::EncodeChannel(row, c.Channel);
        ExpectRow(row, c.Bytes);

        TChannel decoded;
        ASSERT_TRUE(TBWriteRead::DecodeChannel(Row(c.Bytes), decoded));
        EXPECT_EQ(decoded, c.Channel);
    }
}

TEST(RowCodec, RowsThatHoldNoChannel)
{
    const char* const rows[] = {
        "FF..",
        "A0500046 00000146 FFFF FFFF 00 FF..", "0A500046 00000146 FFFF FFFF 00 FF..",
        "00B00046 00000146 FFFF FFFF 00 FF..", "005C0046 00000146 FFFF FFFF 00 FF..",
        "0050D046 00000146 FFFF FFFF 00 FF..", "00500E46 00000146 FFFF FFFF 00 FF..",
        "00500F46 00000146 FFFF FFFF 00 FF..", "005000A6 00000146 FFFF FFFF 00 FF..",
        "0050004F 00000146 FFFF FFFF 00 FF..",
    };
    for (const char* bytes : rows) {
        SCOPED_TRACE(bytes);
        TChannel channel = WithFlags(Channel(1.0, 2.0, "67.0", "D023N"), 1, 1, 1, 1, 1);
        EXPECT_FALSE(TBWriteRead::DecodeChannel(Row(bytes), channel));
        // Nothing of an earlier channel survives in the caller's variable.
        EXPECT_EQ(channel, TChannel{});
    }
}

TEST(RowCodec, UnreadableTransmitFrequencyAndToneWordsDecodeAsAbsent)
{
    struct Case {
        const char* Bytes;
        double Tx;
        const char* Decode;
        const char* Encode;
    };
    const Case cases[] = {
        {"00500046 000A0146 FFFF FFFF 00 FF..", -1.0, "", ""},
        {"00500046 00000040 FFFF FFFF 00 FF..", 400.0, "", ""},
        {"00500046 0000014F FFFF FFFF 00 FF..", -1.0, "", ""},
        {"00500046 FFFFFFFF 12AB 7006 00 FF..", -1.0, "", "67.0"},
        {"00500046 FFFFFFFF FF00 00FF 00 FF..", -1.0, "", ""},
        {"00500046 FFFFFFFF 2380 23C0 00 FF..", -1.0, "D023N", "D023I"},
        // A digital code word keeps any decimal code digits; hex letters make it no code.
        {"00500046 FFFFFFFF 8980 BC8A 00 FF..", -1.0, "D089N", ""},
        {"00500046 FFFFFFFF 23C8 2390 00 FF..", -1.0, "D823I", "902.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TChannel channel;
        ASSERT_TRUE(TBWriteRead::DecodeChannel(Row(c.Bytes), channel));
        EXPECT_EQ(channel.Rx, 460.05);
        EXPECT_EQ(channel.Tx, c.Tx);
        EXPECT_EQ(channel.Decode, c.Decode);
        EXPECT_EQ(channel.Encode, c.Encode);
    }
}

TEST(RowCodec, FlagBitsBeyondTheFiveColumnsAreIgnored)
{
    TChannel channel;
    ASSERT_TRUE(TBWriteRead::DecodeChannel(Row("00500046 FFFFFFFF FFFF FFFF E5 FF.."), channel));
    EXPECT_EQ(channel, WithFlags(Channel(460.05, -1.0), 0, 1, 0, 0, 1));
}

// Values no editor produces are stored in a way that reads back as "absent", never as a
// different value.
TEST(RowCodec, ValuesThatCannotBeStoredTravelAsAbsent)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ChannelCase cases[] = {
        {Channel(1000.0, 460.0), "FFFFFFFF 00000046 FFFF FFFF 00 FF.."},
        {Channel(-0.5, 460.0), "FFFFFFFF 00000046 FFFF FFFF 00 FF.."},
        {Channel(nan, 460.0), "FFFFFFFF 00000046 FFFF FFFF 00 FF.."},
        {Channel(460.0, 1234.5), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
        {Channel(460.0, -0.5), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
        {Channel(460.0, -1.0, "800.0", "1000.0"), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
        {Channel(460.0, -1.0, "899.9", "999.95"), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
        {Channel(460.0, -1.0, "-67.0", "abc"), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
        {Channel(460.0, -1.0, "1.2.3", "None"), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
        {Channel(460.0, -1.0, "D02AN", "D23N"), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
        {Channel(460.0, -1.0, "D023X", "D0234N"), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
        {Channel(460.0, -1.0, "DABCN", "D"), "00000046 FFFFFFFF FFFF FFFF 00 FF.."},
    };
    for (const ChannelCase& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TRow row;
        TBWriteRead::EncodeChannel(row, c.Channel);
        ExpectRow(row, c.Bytes);
    }
}

TEST(RowCodec, ToneTextsAreStoredInTheirOneForm)
{
    struct Case {
        const char* Text;
        std::uint8_t Low;
        std::uint8_t High;
        const char* ReadsBack;
    };
    const Case cases[] = {
        {"D023n", 0x23, 0x80, "D023N"}, {"D754i", 0x54, 0xC7, "D754I"},
        {"d023i", 0x23, 0xC0, "D023I"}, {"67", 0x70, 0x06, "67.0"},
        {"67.04", 0x70, 0x06, "67.0"},  {"67.06", 0x71, 0x06, "67.1"},
        {"88.49", 0x85, 0x08, "88.5"},  {" 100.0 ", 0x00, 0x10, "100.0"},
        {"900.0", 0x00, 0x90, "900.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        TRow row;
        TBWriteRead::EncodeChannel(row, Channel(460.0, -1.0, c.Text, ""));
        EXPECT_EQ(row[8], c.Low);
        EXPECT_EQ(row[9], c.High);
        TChannel decoded;
        ASSERT_TRUE(TBWriteRead::DecodeChannel(row, decoded));
        EXPECT_EQ(decoded.Decode, c.ReadsBack);
    }
}

TEST(RowCodec, EveryDigitalCodeWordSurvivesARoundTrip)
{
    // Words with the digits 8 and 9 (0x8099, 0xC999) are no standard code, but a radio or file
    // may hold them; Open then Save, or Read then Write, must not erase them.
    for (const std::uint8_t polarity : {0x80, 0xC0}) {
        for (int code = 0; code <= 999; ++code) {
            const QString digits = QStringLiteral("%1").arg(code, 3, 10, QChar('0'));
            const auto high = static_cast<std::uint8_t>(polarity | digits.left(1).toInt());
            const auto low = static_cast<std::uint8_t>(digits.mid(1).toInt(nullptr, 16));
            TRow row;
            TBWriteRead::BlankRow(row);
            row[0] = 0x00; row[1] = 0x50; row[2] = 0x00; row[3] = 0x46;
            row[10] = low;
            row[11] = high;
            TChannel channel;
            ASSERT_TRUE(TBWriteRead::DecodeChannel(row, channel));
            ASSERT_EQ(channel.Encode, 'D' + digits + (polarity == 0x80 ? 'N' : 'I'));
            TRow again;
            TBWriteRead::EncodeChannel(again, channel);
            ASSERT_EQ(again[10], low) << qPrintable(channel.Encode);
            ASSERT_EQ(again[11], high) << qPrintable(channel.Encode);
        }
    }
}

TEST(RowCodec, ListValuesOtherThanZeroOrOneKeepOnlyTheirLowestBit)
{
    TRow row;
    TBWriteRead::EncodeChannel(row, WithFlags(Channel(460.0, -1.0), 2, 3, -1, 256, 5));
    EXPECT_EQ(row[12], 0x15);
    EXPECT_EQ(row[13], 0xFF);
}

TEST(RowCodec, HeaderRowsBothWays)
{
    struct Case {
        const char* Stamp;
        const char* BandDigits;
        const char* ModelText;
        const char* Bytes;
        const char* DecodedModelText;
    };
    const Case cases[] = {
        {"2024-05-03 14:07", "450470", "P6641", "5036363431 450470 E807 05 03 0E 07 FFFF", "P6641"},
        {"2009-12-31 23:59", "027072", "P5641", "5035363431 027072 D907 0C 1F 17 3B FFFF", "P5641"},
        {"2000-01-01 00:00", "136174", "P664", "5036363420 136174 D007 01 01 00 00 FFFF", "P664 "},
        {"2024-05-03 14:07", "450470", "P", "5020202020 450470 E807 05 03 0E 07 FFFF", "P    "},
        {"2024-05-03 14:07", "400480", "P664123", "5036363431 400480 E807 05 03 0E 07 FFFF",
         "P6641"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TRow row;
        row.fill(0);
        TBWriteRead::EncodeHeader(row, c.Stamp, c.BandDigits, c.ModelText);
        ExpectRow(row, c.Bytes);

        const THeader header = TBWriteRead::DecodeHeader(Row(c.Bytes));
        EXPECT_EQ(header.ModelText, c.DecodedModelText);
        EXPECT_EQ(header.BandDigits, c.BandDigits);
        EXPECT_EQ(header.Stamp, c.Stamp);
    }
}

TEST(RowCodec, HeaderWithUnusableStampOrBandDigitsKeepsThoseBytesUnwritten)
{
    struct Case {
        const char* Stamp;
        const char* BandDigits;
        const char* Bytes;
    };
    const Case cases[] = {
        {"", "450470", "5036363431 450470 FF.."},
        {"yesterday", "450470", "5036363431 450470 FF.."},
        {"2024-13-03 14:07", "450470", "5036363431 450470 FF.."},
        {"2024-05-00 14:07", "450470", "5036363431 450470 FF.."},
        {"2024-05-03 24:00", "450470", "5036363431 450470 FF.."},
        {"2024-05-03 14:60", "450470", "5036363431 450470 FF.."},
        {"2024-05-03 14:", "450470", "5036363431 450470 FF.."},
        {"2024-05-03 14:07", "45x470", "5036363431 45FF70 E807 05 03 0E 07 FF.."},
        {"2024-05-03 14:07", "4504", "5036363431 4504FF E807 05 03 0E 07 FF.."},
        {"2024-05-03 14:07", "", "5036363431 FFFFFF E807 05 03 0E 07 FF.."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stamp);
        TRow row;
        TBWriteRead::EncodeHeader(row, c.Stamp, c.BandDigits, "P6641");
        ExpectRow(row, c.Bytes);
    }
}

TEST(RowCodec, HeaderDecodesAnyBytes)
{
    const THeader header = TBWriteRead::DecodeHeader(Row("FF.."));
    EXPECT_EQ(header.ModelText, QString(5, QChar(0xFF)));
    EXPECT_EQ(header.BandDigits, "FFFFFF");
    EXPECT_EQ(header.Stamp, "65535-255-255 255:255");
}

TEST(RowCodec, MessageRowsBothWays)
{
    struct Case {
        QString Text;
        const char* Bytes;
    };
    const Case cases[] = {
        {"", "FF.."},
        {"ABC", "414243 FF.."},
        {"0123456789ABCDEF", "30313233343536373839414243444546"},
        {QString::fromUtf8("Caf\u00e9 \u00a0\u00fe"), "436166E9 20 A0 FE FF.."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TRow row;
        TBWriteRead::EncodeMessage(row, c.Text);
        ExpectRow(row, c.Bytes);
        EXPECT_EQ(TBWriteRead::DecodeMessage(row), c.Text);
    }
}

TEST(RowCodec, MessageLinesTravelAsTwoRows)
{
    const QString lines[] = {
        "Twenty characters!!!",
        "Thirty-two characters, exactly..",
    };
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        TRow first;
        TRow second;
        TBWriteRead::EncodeMessage(first, line);
        TBWriteRead::EncodeMessage(second, line.mid(16));
        EXPECT_EQ(TBWriteRead::DecodeMessage(first), line.left(16));
        EXPECT_EQ(TBWriteRead::DecodeMessage(first) + TBWriteRead::DecodeMessage(second), line);
    }
    TRow second;
    TBWriteRead::EncodeMessage(second, QStringLiteral("Twenty characters!!!").mid(16));
    ExpectRow(second, "73212121 FF..");
}

TEST(RowCodec, MessageCharactersOutsideOneByteBecomeQuestionMarks)
{
    TRow row;
    TBWriteRead::EncodeMessage(row, QString::fromUtf8("A\u4e2dB\u00ffC"));
    ExpectRow(row, "413F42FF43 FF..");
    // U+00FF is the empty byte, which reading drops.
    EXPECT_EQ(TBWriteRead::DecodeMessage(row), "A?BC");
}

TEST(RowCodec, MessageDropsEmptyBytesWhereverTheyStand)
{
    const struct {
        const char* Bytes;
        const char* Text;
    } cases[] = {
        {"FF41FF42FFFFFFFFFFFFFFFFFFFFFF43", "ABC"},
        {"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF41", "A"},
        {"41FF..", "A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TBWriteRead::DecodeMessage(Row(c.Bytes)), c.Text) << c.Bytes;
}

TEST(RowCodec, BitmapRows)
{
    const QString alternatingPairs = QString("1100").repeated(32);
    const struct {
        QString Flags;
        const char* Bytes;
    } cases[] = {
        {"1000000001", "01 02 0000000000000000000000000000"},
        {"", "00000000000000000000000000000000"},
        {"1", "01 000000000000000000000000000000"},
        {"0000001", "40 000000000000000000000000000000"},
        {"10000000" "01000000" "00100000" "00010000" "00001000" "00000100" "00000010" "00000001",
         "0102040810204080 0000000000000000"},
        {alternatingPairs, "33333333333333333333333333333333"},
        {QString("1").repeated(128), "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
        // Flags beyond channel 128 have no place in the row.
        {QString("0").repeated(128) + "11111111", "00000000000000000000000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TRow row;
        row.fill(0xAA);
        TBWriteRead::EncodeBitmap(row, c.Flags);
        ExpectRow(row, c.Bytes);
    }
}

TEST(RowCodec, SettingsRowOneBothWays)
{
    struct Case {
        const char* Bytes;
        int BattSave, BeepTone, Squelch, SideKey, TxTimeout;
        const char* EncodesAs;
    };
    const Case cases[] = {
        {"02050106 FF..", 1, 0, 5, 1, 6, "02050106 FF.."},
        {"01000300 FF..", 0, 1, 0, 3, 0, "01000300 FF.."},
        // Decoding takes the bytes as they are: no range is applied, other bits are ignored.
        {"FF..", 1, 1, 255, 255, 255, "03FFFFFF FF.."},
        {"FC 00 07 0B FF..", 0, 0, 0, 7, 11, "0000070B FF.."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TFun fun;
        fun.BattSave = 1 - c.BattSave;
        fun.BeepTone = 1 - c.BeepTone;
        TBWriteRead::DecodeSettings1(Row(c.Bytes), fun);
        EXPECT_EQ(fun.BattSave, c.BattSave);
        EXPECT_EQ(fun.BeepTone, c.BeepTone);
        EXPECT_EQ(fun.Squelch, c.Squelch);
        EXPECT_EQ(fun.SideKey, c.SideKey);
        EXPECT_EQ(fun.TxTimeout, c.TxTimeout);

        TRow row;
        TBWriteRead::EncodeSettings1(row, fun);
        ExpectRow(row, c.EncodesAs);
    }
}

TEST(RowCodec, SettingsRowTwoKeepsItsByteOrder)
{
    TFun fun;
    fun.Voice = 1;
    fun.VoiceLang = 2;
    fun.Scan = 3;
    fun.VoxFun = 4;
    fun.VoxLevel = 5;
    fun.VoxInhibit = 6;
    fun.VolLowInhibit = 7;
    fun.VolHighInhibit = 8;
    fun.InceptAlarm = 9;
    fun.FM = 10;
    TRow row;
    TBWriteRead::EncodeSettings2(row, fun);
    ExpectRow(row, "0102030405060708090A FF..");

    TFun decoded;
    TBWriteRead::DecodeSettings2(row, decoded);
    EXPECT_EQ(decoded, fun);

    TBWriteRead::DecodeSettings2(Row("FF.."), decoded);
    EXPECT_EQ(decoded.Voice, 255);
    EXPECT_EQ(decoded.FM, 255);
}

TEST(RowCodec, SettingsFieldsBeyondAByteKeepTheirLowByte)
{
    TFun fun;
    fun.BattSave = 2;
    fun.BeepTone = 3;
    fun.Squelch = 300;
    fun.SideKey = -1;
    fun.Voice = 256;
    TRow row;
    TBWriteRead::EncodeSettings1(row, fun);
    ExpectRow(row, "01 2C FF 06 FF..");
    TBWriteRead::EncodeSettings2(row, fun);
    EXPECT_EQ(row[0], 0x00);
}

TEST(RowCodec, BandRowsBothWays)
{
    const struct {
        int BandCode;
        QString ModelCode;
        const char* Bytes;
    } cases[] = {
        {0xFD, "6641", "0000FD 31343636 50 FF.."},
        {0x01, "664", "000001 20343636 50 FF.."},
        {0x00, "A", "000000 20202041 50 FF.."},
        {0x07, "", "000007 20202020 50 FF.."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Bytes);
        TRow row;
        TBWriteRead::EncodeBand(row, c.BandCode, c.ModelCode);
        ExpectRow(row, c.Bytes);

        QString modelCode = "stale";
        EXPECT_EQ(TBWriteRead::DecodeBand(Row(c.Bytes), modelCode), c.BandCode);
        EXPECT_EQ(modelCode, c.ModelCode);
    }
}

TEST(RowCodec, BandRowEdges)
{
    TRow row;
    TBWriteRead::EncodeBand(row, 0x1FE, "664199");
    ExpectRow(row, "0000FE 31343636 50 FF..");
    TBWriteRead::EncodeBand(row, -1, "6641");
    EXPECT_EQ(row[2], 0xFF);

    const struct {
        const char* Bytes;
        const char* ModelCode;
    } decodes[] = {
        {"12345620363620 99 FF..", "66"},
        {"0000FD 20362036 00 FF..", "6 6"},
        {"FF..", "\xff\xff\xff\xff"},
    };
    for (const auto& c : decodes) {
        QString modelCode;
        TBWriteRead::DecodeBand(Row(c.Bytes), modelCode);
        EXPECT_EQ(modelCode, QString::fromLatin1(c.ModelCode)) << c.Bytes;
    }
}

TEST(RowCodec, HexHelpersRefuseWhatIsNotHex)
{
    const struct {
        const char* Text;
        int Value;
    } cases[] = {
        {"FF", 255}, {"ff", 255}, {"1A2", 418}, {"0", 0}, {"7FFFFFFF", 0x7FFFFFFF},
        {"", -1},    {"G1", -1},  {"0x1", -1},  {" 1", -1}, {"-1", -1}, {"80000000", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TBWriteRead::HexToInt(c.Text), c.Value) << c.Text;

    const struct {
        const char* Text;
        std::uint8_t Byte;
    } pairs[] = {{"45", 0x45}, {"c7", 0xC7}, {"45ZZ", 0x45}, {"4", 0xFF}, {"4G", 0xFF}, {"", 0xFF}};
    for (const auto& c : pairs)
        EXPECT_EQ(TBWriteRead::HexPairToByte(c.Text), c.Byte) << c.Text;

    EXPECT_EQ(TBWriteRead::ByteHex(0x0A), "0A");
    EXPECT_EQ(TBWriteRead::ByteHex(0xC7), "C7");
}

TEST(RowCodec, TextHelpers)
{
    EXPECT_TRUE(TBWriteRead::ContainsAnyOf("4600A000", "ABCDEF"));
    EXPECT_FALSE(TBWriteRead::ContainsAnyOf("46005000", "ABCDEF"));
    EXPECT_FALSE(TBWriteRead::ContainsAnyOf("", "ABCDEF"));
    EXPECT_EQ(TBWriteRead::ReverseStr("10000000"), "00000001");
    EXPECT_EQ(TBWriteRead::ReverseStr(""), "");
    EXPECT_EQ(TBWriteRead::BinToInt("10000000"), "128");
    EXPECT_EQ(TBWriteRead::BinToInt("0011"), "3");
    EXPECT_EQ(TBWriteRead::BinToInt(""), "0");
    EXPECT_EQ(TBWriteRead::BinToInt("1x1"), "5");
}

// Whatever a radio or a damaged file holds: decoding never fails, and what decodes is stored
// again unchanged.
TEST(RowCodec, RandomRowsDecodeAndReEncodeStably)
{
    std::mt19937 random(20240503);
    std::uniform_int_distribution<int> byteOf(0, 255);
    std::uniform_int_distribution<int> digitOf(0, 9);
    int channels = 0;
    for (int round = 0; round < 4000; ++round) {
        TRow row;
        for (std::uint8_t& byte : row)
            byte = static_cast<std::uint8_t>(byteOf(random));
        // Half of the rows get decimal frequencies so that many of them hold channels.
        if (round % 2 == 0)
            for (int i = 0; i < 8; ++i)
                row[i] = static_cast<std::uint8_t>(digitOf(random) << 4 | digitOf(random));
        SCOPED_TRACE(Hex(row));

        TChannel channel;
        if (TBWriteRead::DecodeChannel(row, channel)) {
            ++channels;
            TRow again;
            TBWriteRead::EncodeChannel(again, channel);
            for (int i = 0; i < 4; ++i)
                ASSERT_EQ(again[i], row[i]);
            ASSERT_EQ(again[12], row[12] & 0x1F);
            TChannel twice;
            ASSERT_TRUE(TBWriteRead::DecodeChannel(again, twice));
            ASSERT_EQ(twice, channel);
        }

        TRow message;
        const QString text = TBWriteRead::DecodeMessage(row);
        TBWriteRead::EncodeMessage(message, text);
        ASSERT_EQ(TBWriteRead::DecodeMessage(message), text);

        QString modelCode;
        const int bandCode = TBWriteRead::DecodeBand(row, modelCode);
        TRow band;
        TBWriteRead::EncodeBand(band, bandCode, modelCode);
        QString modelCodeAgain;
        ASSERT_EQ(TBWriteRead::DecodeBand(band, modelCodeAgain), bandCode);
        ASSERT_EQ(modelCodeAgain, modelCode);

        const THeader header = TBWriteRead::DecodeHeader(row);
        TRow headerRow;
        TBWriteRead::EncodeHeader(headerRow, header.Stamp, header.BandDigits, header.ModelText);
        for (int i = 0; i < 8; ++i)
            ASSERT_EQ(headerRow[i], row[i]);

        TFun fun;
        TBWriteRead::DecodeSettings1(row, fun);
        TBWriteRead::DecodeSettings2(row, fun);
        TRow settings;
        TBWriteRead::EncodeSettings2(settings, fun);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(settings[i], row[i]);
    }
    EXPECT_GT(channels, 1000);
}

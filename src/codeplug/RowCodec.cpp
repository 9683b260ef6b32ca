#include "codeplug/RowCodec.h"

#include "codeplug/CodeplugState.h"
#include "codeplug/TextNumbers.h"

#include <QChar>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString HexLetters = QStringLiteral("ABCDEF");
constexpr std::uint8_t Unwritten = 0xFF;

// One character as one byte: Latin-1, a character beyond it as '?'.
std::uint8_t CharByte(QChar c)
{
    return c.unicode() <= 0xFF ? static_cast<std::uint8_t>(c.unicode()) : std::uint8_t('?');
}

QChar ByteChar(std::uint8_t byte)
{
    return QChar(char16_t(byte));
}

std::uint8_t LowByte(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

int Bit(int value)
{
    return value & 1;
}

// A frequency as eight decimal digits of 10 Hz; nothing when it has no such form (negative,
// 1000 MHz or more, not a number).
std::optional<QString> FrequencyDigits(double mhz)
{
    const double units = std::round(mhz * 100000.0);
    if (!(units >= 0.0 && units <= 99999999.0))
        return std::nullopt;
    return QStringLiteral("%1").arg(static_cast<qint64>(units), 8, 10, QChar('0'));
}

// Least significant pair first: byte 0 holds digits 7-8, byte 3 digits 1-2.
void EncodeFrequency(TRow& row, int at, double mhz)
{
    const std::optional<QString> digits = FrequencyDigits(mhz);
    if (!digits)
        return;
    for (int pair = 0; pair < 4; ++pair)
        row[at + pair] = TBWriteRead::HexPairToByte(digits->mid(6 - 2 * pair, 2));
}

// Nothing when any nibble is not a decimal digit.
std::optional<double> DecodeFrequency(const TRow& row, int at)
{
    QString digits;
    for (int pair = 3; pair >= 0; --pair)
        digits += TBWriteRead::ByteHex(row[at + pair]);
    if (TBWriteRead::ContainsAnyOf(digits, HexLetters))
        return std::nullopt;
    return digits.toLongLong() / 100000.0;
}

bool AllDecimal(const QString& digits)
{
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

// "D" + three code digits + "N" or "I", in upper case. The code digits are those of the tone
// word, so any decimal digit is kept: a radio's word with an 8 or 9 in it must survive a round
// trip, although no standard code has one.
bool IsDcsText(const QString& upper)
{
    return upper.size() == 5 && upper[0] == 'D' && AllDecimal(upper.mid(1, 3))
        && (upper[4] == 'N' || upper[4] == 'I');
}

// A CTCSS tone as four digits of tenths of a hertz; nothing for text that is no number, a tone
// of 1000 Hz or more, and a tone whose word would begin with 8 and read back as a digital code.
std::optional<QString> CtcssDigits(const QString& text)
{
    const std::optional<double> hertz = ReadDecimal(text);
    if (!hertz)
        return std::nullopt;
    const double tenths = std::round(*hertz * 10.0);
    if (!(tenths >= 0.0 && tenths <= 9999.0))
        return std::nullopt;
    const QString digits = QStringLiteral("%1").arg(static_cast<int>(tenths), 4, 10, QChar('0'));
    if (digits.startsWith('8'))
        return std::nullopt;
    return digits;
}

// The tone word's four hex digits, high byte first; nothing for a tone that cannot be stored,
// which then travels as no tone. A digital code is read regardless of case, so "D023n" is stored
// as "D023N".
std::optional<QString> ToneWordText(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper.startsWith('D')) {
        if (!IsDcsText(upper))
            return std::nullopt;
        const QChar polarity = upper[4] == 'N' ? QChar('8') : QChar('C');
        return polarity + upper.mid(1, 3);
    }
    return CtcssDigits(text);
}

// An empty text, like any text that is no tone, leaves the two bytes at 0xFF.
void EncodeTone(TRow& row, int at, const QString& text)
{
    const std::optional<QString> word = ToneWordText(text);
    if (!word)
        return;
    row[at] = TBWriteRead::HexPairToByte(word->mid(2, 2));
    row[at + 1] = TBWriteRead::HexPairToByte(word->left(2));
}

// Empty for no tone, and for a word that is neither a CTCSS tone nor a digital code.
QString DecodeTone(const TRow& row, int at)
{
    const std::uint8_t low = row[at];
    const std::uint8_t high = row[at + 1];
    if (low == Unwritten && high == Unwritten)
        return {};
    const QString word = TBWriteRead::ByteHex(high) + TBWriteRead::ByteHex(low);
    const QString code = word.mid(1);
    if (word[0] == '8' || word[0] == 'C') {
        if (!AllDecimal(code))
            return {};
        return 'D' + code + (word[0] == '8' ? 'N' : 'I');
    }
    if (TBWriteRead::ContainsAnyOf(word, HexLetters))
        return {};
    const int tenths = word.toInt();
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

// Positions of the date and time fields in "yyyy-MM-dd HH:mm", with their ranges.
struct StampField {
    int At;
    int Length;
    int Min;
    int Max;
};
constexpr StampField StampFields[] = {
    {0, 4, 0, 9999}, {5, 2, 1, 12}, {8, 2, 1, 31}, {11, 2, 0, 23}, {14, 2, 0, 59},
};

// Year, month, day, hour, minute; nothing when any of them is unreadable or out of range.
std::optional<std::array<int, 5>> ReadStamp(const QString& stamp)
{
    std::array<int, 5> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        const StampField& field = StampFields[i];
        const std::optional<int> value = ReadInteger(stamp.mid(field.At, field.Length));
        if (!value || *value < field.Min || *value > field.Max)
            return std::nullopt;
        values[i] = *value;
    }
    return values;
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar('0'));
}

constexpr int TFun::*Settings2Fields[] = {
    &TFun::Voice,         &TFun::VoiceLang,      &TFun::Scan,        &TFun::VoxFun,
    &TFun::VoxLevel,      &TFun::VoxInhibit,     &TFun::VolLowInhibit, &TFun::VolHighInhibit,
    &TFun::InceptAlarm,   &TFun::FM,
};

constexpr int ModelCodeLength = 4;

} // namespace

void TBWriteRead::BlankRow(TRow& row)
{
    row.fill(Unwritten);
}

void TBWriteRead::EncodeHeader(TRow& row, const QString& stamp, const QString& bandDigits,
                               const QString& modelText)
{
    BlankRow(row);
    const QString model = (modelText + QString(8, ' ')).left(5);
    for (int i = 0; i < 5; ++i)
        row[i] = CharByte(model[i]);
    for (int pair = 0; pair < 3; ++pair)
        row[5 + pair] = HexPairToByte(bandDigits.mid(2 * pair, 2));
    const std::optional<std::array<int, 5>> time = ReadStamp(stamp);
    if (!time)
        return;
    const auto [year, month, day, hour, minute] = *time;
    row[8] = LowByte(year);
    row[9] = LowByte(year >> 8);
    row[10] = LowByte(month);
    row[11] = LowByte(day);
    row[12] = LowByte(hour);
    row[13] = LowByte(minute);
}

THeader TBWriteRead::DecodeHeader(const TRow& row)
{
    THeader header;
    for (int i = 0; i < 5; ++i)
        header.ModelText += ByteChar(row[i]);
    header.BandDigits = ByteHex(row[5]) + ByteHex(row[6]) + ByteHex(row[7]);
    const int year = row[9] * 256 + row[8];
    header.Stamp = QStringLiteral("%1-%2-%3 %4:%5")
                       .arg(year)
                       .arg(TwoDigits(row[10]), TwoDigits(row[11]), TwoDigits(row[12]),
                            TwoDigits(row[13]));
    return header;
}

void TBWriteRead::EncodeChannel(TRow& row, const TChannel& channel)
{
    BlankRow(row);
    EncodeFrequency(row, 0, channel.Rx);
    if (channel.Tx > -1.0)
        EncodeFrequency(row, 4, channel.Tx);
    EncodeTone(row, 8, channel.Decode);
    EncodeTone(row, 10, channel.Encode);
    row[12] = static_cast<std::uint8_t>(Bit(channel.ScanAdd) << 4 | Bit(channel.Power) << 3
                                        | Bit(channel.Bandwidth) << 2
                                        | Bit(channel.BeatShift) << 1 | Bit(channel.BusyLockout));
}

bool TBWriteRead::DecodeChannel(const TRow& row, TChannel& channel)
{
    channel = TChannel{};
    const std::optional<double> rx = DecodeFrequency(row, 0);
    if (!rx)
        return false;
    channel.Rx = *rx;
    channel.Tx = DecodeFrequency(row, 4).value_or(-1.0);
    channel.Decode = DecodeTone(row, 8);
    channel.Encode = DecodeTone(row, 10);
    const int flags = row[12];
    channel.BusyLockout = Bit(flags);
    channel.BeatShift = Bit(flags >> 1);
    channel.Bandwidth = Bit(flags >> 2);
    channel.Power = Bit(flags >> 3);
    channel.ScanAdd = Bit(flags >> 4);
    return true;
}

void TBWriteRead::EncodeSettings1(TRow& row, const TFun& fun)
{
    BlankRow(row);
    row[0] = static_cast<std::uint8_t>(Bit(fun.BattSave) << 1 | Bit(fun.BeepTone));
    row[1] = LowByte(fun.Squelch);
    row[2] = LowByte(fun.SideKey);
    row[3] = LowByte(fun.TxTimeout);
}

void TBWriteRead::DecodeSettings1(const TRow& row, TFun& fun)
{
    fun.BattSave = Bit(row[0] >> 1);
    fun.BeepTone = Bit(row[0]);
    fun.Squelch = row[1];
    fun.SideKey = row[2];
    fun.TxTimeout = row[3];
}

void TBWriteRead::EncodeSettings2(TRow& row, const TFun& fun)
{
    BlankRow(row);
    int at = 0;
    for (int TFun::*field : Settings2Fields)
        row[at++] = LowByte(fun.*field);
}

void TBWriteRead::DecodeSettings2(const TRow& row, TFun& fun)
{
    int at = 0;
    for (int TFun::*field : Settings2Fields)
        fun.*field = row[at++];
}

void TBWriteRead::EncodeMessage(TRow& row, const QString& text)
{
    BlankRow(row);
    const QString part = text.left(int(row.size()));
    for (int i = 0; i < part.size(); ++i)
        row[i] = CharByte(part[i]);
}

QString TBWriteRead::DecodeMessage(const TRow& row)
{
    QString text;
    for (const std::uint8_t byte : row)
        if (byte != Unwritten)
            text += ByteChar(byte);
    return text;
}

void TBWriteRead::EncodeBand(TRow& row, int bandCode, const QString& modelCode)
{
    BlankRow(row);
    row[0] = 0x00;
    row[1] = 0x00;
    row[2] = LowByte(bandCode);
    const QString code = (modelCode + QString(ModelCodeLength, ' ')).left(ModelCodeLength);
    for (int i = 0; i < ModelCodeLength; ++i)
        row[6 - i] = CharByte(code[i]);
    row[7] = 'P';
}

int TBWriteRead::DecodeBand(const TRow& row, QString& modelCode)
{
    QString code;
    for (int i = 0; i < ModelCodeLength; ++i)
        code += ByteChar(row[6 - i]);
    qsizetype first = 0;
    qsizetype end = code.size();
    while (first < end && code[first] == ' ')
        ++first;
    while (end > first && code[end - 1] == ' ')
        --end;
    modelCode = code.mid(first, end - first);
    return row[2];
}

void TBWriteRead::EncodeBitmap(TRow& row, const QString& flags)
{
    row.fill(0x00);
    QString rest = flags;
    for (std::uint8_t& byte : row) {
        if (rest.isEmpty())
            break;
        const QString group = rest.left(8);
        rest.remove(0, group.size());
        byte = static_cast<std::uint8_t>(BinToInt(ReverseStr(group)).toUInt());
    }
}

int TBWriteRead::HexToInt(const QString& text)
{
    if (text.isEmpty())
        return -1;
    qint64 value = 0;
    for (const QChar c : text) {
        const int digit = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
        if (value > std::numeric_limits<int>::max())
            return -1;
    }
    return static_cast<int>(value);
}

std::uint8_t TBWriteRead::HexPairToByte(const QString& text)
{
    const int value = text.size() >= 2 ? HexToInt(text.left(2)) : -1;
    return value < 0 ? Unwritten : static_cast<std::uint8_t>(value);
}

bool TBWriteRead::ContainsAnyOf(const QString& text, const QString& set)
{
    for (const QChar c : set)
        if (text.contains(c))
            return true;
    return false;
}

QString TBWriteRead::ReverseStr(const QString& text)
{
    QString reversed = text;
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

QString TBWriteRead::BinToInt(const QString& bits)
{
    quint64 value = 0;
    for (const QChar c : bits)
        value = value << 1 | (c == '1' ? 1u : 0u);
    return QString::number(value);
}

QString TBWriteRead::ByteHex(std::uint8_t byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QChar('0')).toUpper();
}

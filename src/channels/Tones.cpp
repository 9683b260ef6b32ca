#include "channels/Tones.h"

#include "channels/DecimalRounding.h"
#include "codeplug/TextNumbers.h"

#include <array>

namespace {

constexpr double LowestCtcss = 30.0;
constexpr double HighestCtcss = 290.0;
const QString UnreadableCtcssText = QStringLiteral("290.0");
const QString MalformedDcsText = QStringLiteral("D777N");

QString CtcssText(double hz)
{
    return QString::number(RoundScaledDecimal(hz * 10.0) / 10.0, 'f', 1);
}

bool IsOctalDigit(QChar c)
{
    return c >= '0' && c <= '7';
}

bool IsWellFormedDcs(const QString& text)
{
    return text.size() == 5 && text[0] == 'D' && IsOctalDigit(text[1]) && IsOctalDigit(text[2])
        && IsOctalDigit(text[3]) && QStringView(u"NIni").contains(text[4]);
}

struct TCtcssTone {
    const char* Tone;
    const char* Code;     // the picker's two-character tone code
    bool InToneList;      // three of the picker's tones are not offered by the tone boxes
};

constexpr std::array<TCtcssTone, 42> CtcssTones = {{
    {"67.0", "XZ", true},   {"69.3", "WZ", true},   {"71.9", "XA", true},
    {"74.4", "WA", true},   {"77.0", "XB", true},   {"79.7", "WB", true},
    {"82.5", "YZ", true},   {"85.4", "YA", true},   {"88.5", "YB", true},
    {"91.5", "ZZ", true},   {"94.8", "ZA", true},   {"97.4", "ZB", true},
    {"100.0", "1Z", true},  {"103.5", "1A", true},  {"107.2", "1B", true},
    {"110.9", "2Z", true},  {"114.8", "2A", true},  {"118.8", "2B", true},
    {"123.0", "3Z", true},  {"127.3", "3A", true},  {"131.8", "3B", true},
    {"136.5", "4Z", true},  {"141.3", "4A", true},  {"146.2", "4B", true},
    {"151.4", "5Z", true},  {"156.7", "5A", true},  {"162.2", "5B", true},
    {"167.9", "6Z", true},  {"173.8", "6A", true},  {"179.9", "6B", true},
    {"186.2", "7Z", true},  {"192.8", "7A", true},  {"203.5", "M1", true},
    {"206.5", "8Z", false}, {"210.7", "M2", true},  {"218.1", "M3", true},
    {"225.7", "M4", true},  {"229.1", "9Z", false}, {"233.6", "M5", true},
    {"241.8", "M6", true},  {"250.3", "M7", true},  {"254.1", "0Z", false},
}};

// The DCS codes of the tone list's normal group, in order.
constexpr std::array<const char*, 83> DcsCodes = {
    "D023", "D025", "D026", "D031", "D032", "D043", "D047", "D051", "D054", "D065", "D071",
    "D072", "D073", "D074", "D114", "D115", "D116", "D125", "D131", "D132", "D134", "D143",
    "D152", "D155", "D156", "D162", "D165", "D172", "D174", "D205", "D223", "D226", "D243",
    "D244", "D245", "D251", "D261", "D263", "D265", "D271", "D306", "D311", "D315", "D331",
    "D343", "D346", "D351", "D364", "D365", "D371", "D411", "D412", "D413", "D423", "D431",
    "D432", "D445", "D464", "D465", "D466", "D503", "D506", "D516", "D532", "D546", "D565",
    "D606", "D612", "D624", "D627", "D631", "D632", "D654", "D662", "D664", "D703", "D712",
    "D723", "D731", "D732", "D734", "D743", "D754",
};

// The inverted group differs from the normal one in two places: D145 stands where D245 stands,
// and D351 is missing.
QString InvertedCode(const QString& code)
{
    return code == QLatin1String("D245") ? QStringLiteral("D145") : code;
}
bool HasInvertedEntry(const QString& code)
{
    return code != QLatin1String("D351");
}

// The picker's DCS group has two codes more, each following the code named here.
QString PickerCodeAfter(const QString& code)
{
    if (code == QLatin1String("D516"))
        return QStringLiteral("D525");
    if (code == QLatin1String("D632"))
        return QStringLiteral("D645");
    return {};
}

constexpr int EmptyPickerEntries = 3;

QStringList BuildToneList()
{
    QStringList list{BuiltInNoneText};
    for (const TCtcssTone& tone : CtcssTones) {
        if (tone.InToneList)
            list << QLatin1String(tone.Tone);
    }
    for (const char* code : DcsCodes)
        list << QLatin1String(code) + 'N';
    for (const char* code : DcsCodes) {
        if (HasInvertedEntry(QLatin1String(code)))
            list << InvertedCode(QLatin1String(code)) + 'I';
    }
    return list;
}

QStringList BuildToneTable()
{
    QStringList table;
    int index = 1;
    for (const TCtcssTone& tone : CtcssTones) {
        table << QStringLiteral("%1-%2-%3")
                     .arg(QString::number(index, 16).toUpper().rightJustified(2, '0'),
                          QLatin1String(tone.Tone), QLatin1String(tone.Code));
        ++index;
    }
    for (int i = 0; i < EmptyPickerEntries; ++i)
        table << QString();

    int number = 1;
    const auto addDcs = [&](const QString& code) {
        table << QString::number(number) + '-' + code;
        ++number;
    };
    for (const char* code : DcsCodes) {
        addDcs(QLatin1String(code));
        const QString inserted = PickerCodeAfter(QLatin1String(code));
        if (!inserted.isEmpty())
            addDcs(inserted);
    }
    for (int i = 0; i < EmptyPickerEntries; ++i)
        table << QString();
    return table;
}

} // namespace

QString NormalizeTone(const QString& text)
{
    if (text.isEmpty())
        return text;
    const QChar first = text[0];
    if (first >= '0' && first <= '9') {
        // The whole text must be a number: "67a" or "1.2.3" are unreadable, not 67 or 1.2.
        const std::optional<double> hz = ReadDecimal(text);
        if (!hz)
            return UnreadableCtcssText;
        return CtcssText(qBound(LowestCtcss, *hz, HighestCtcss));
    }
    return IsWellFormedDcs(text) ? text : MalformedDcsText;
}

const QStringList& ToneList()
{
    static const QStringList list = BuildToneList();
    return list;
}

const QStringList& ToneTable()
{
    static const QStringList table = BuildToneTable();
    return table;
}

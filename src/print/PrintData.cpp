#include "print/PrintData.h"

#include "channels/ChannelTable.h"
#include "locale/MessageTable.h"

namespace {

constexpr int TitleBytes = 20;
constexpr int TypeNameBytes = 20;
constexpr int WideFieldBytes = 100;
constexpr int BandFieldBytes = 30;
constexpr int LinesPerChannel = 6;

// What one character takes in GBK: ASCII one byte, everything else two.
int ansiBytes(char32_t character)
{
    return character < 0x80 ? 1 : 2;
}

enum class TFunctionValue { Check, Text };

struct TFunctionRow {
    const char* Caption;
    const char* Control;
    TFunctionValue Value;
};

// The printed order; FM is left out.
constexpr TFunctionRow FunctionRows[] = {
    {"cbBattSave", "cbBattSave", TFunctionValue::Check},
    {"cbBeepTone", "cbBeepTone", TFunctionValue::Check},
    {"cbVolhigh", "cbVolhigh", TFunctionValue::Check},
    {"cbVolLow", "cbVolLow", TFunctionValue::Check},
    {"Label1", "cbSQvelch", TFunctionValue::Text},
    {"Label2", "cbMonikey", TFunctionValue::Text},
    {"Label3", "cbTxTimeout", TFunctionValue::Text},
    {"Label5", "cxScan", TFunctionValue::Text},
    {"Label4", "cxWaveof", TFunctionValue::Text},
    {"Label10", "cbVoice", TFunctionValue::Text},
    {"Label6", "cxAlt", TFunctionValue::Text},
    {"chVoxFun", "chVoxFun", TFunctionValue::Check},
    {"Label8", "seVoxLevel", TFunctionValue::Text},
    {"chVoxInhibit", "chVoxInhibit", TFunctionValue::Check},
};

} // namespace

QString CutToAnsiBytes(const QString& text, int maxBytes)
{
    int bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        const char32_t character = pair ? QChar::surrogateToUcs4(text[end], text[end + 1]) : text[end].unicode();
        bytes += ansiBytes(character);
        if (bytes > maxBytes)
            break;
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

void SetPrintHeader(TPrintData& data, const TPrintHeader& header)
{
    data.Header = {CutToAnsiBytes(header.Title, TitleBytes),         CutToAnsiBytes(header.AField, WideFieldBytes),
                   CutToAnsiBytes(header.AValue, WideFieldBytes),    CutToAnsiBytes(header.BField, WideFieldBytes),
                   CutToAnsiBytes(header.BValue, WideFieldBytes),    CutToAnsiBytes(header.CField, BandFieldBytes),
                   CutToAnsiBytes(header.CValue, BandFieldBytes)};
}

void AppendPrintLine(TPrintData& data, const TPrintLine& line)
{
    data.Lines.push_back({line.TypeID, CutToAnsiBytes(line.TypeName, TypeNameBytes),
                          CutToAnsiBytes(line.AField, WideFieldBytes), CutToAnsiBytes(line.AValue, WideFieldBytes),
                          CutToAnsiBytes(line.BField, WideFieldBytes), CutToAnsiBytes(line.BValue, WideFieldBytes),
                          line.KeepWithNext});
}

void AppendFunctionRows(TPrintData& data, const TFunctionForm& form, const TLanguage& language)
{
    const QString title = form.Title();
    for (const TFunctionRow& row : FunctionRows) {
        const QString value = row.Value == TFunctionValue::Check
                                  ? (form.Ticked(row.Control) ? language.Open : language.Close)
                                  : form.Text(row.Control);
        AppendPrintLine(data, {GroupFunctions, title, form.Caption(row.Caption), value, {}, {}});
    }
}

void AppendChannelRows(TPrintData& data, const TChannelTable& table, const TLanguage& language)
{
    const QString title = language.Channel + language.Info;
    const QStringList& titles = table.Texts().Titles;
    AppendPrintLine(data, {GroupChannels, title, {}, {}, {}, {}});
    for (int channel = 1; channel <= table.ChannelCount(); ++channel) {
        if (!table.HoldsChannel(channel))
            continue;
        const auto titleOf = [&titles](int column) { return titles.value(column - 1); };
        const auto textOf = [&table, channel](int column) { return table.Cell(channel, column).Fore; };
        const auto pair = [&](int left, int right) {
            AppendPrintLine(data, {GroupChannels, title, titleOf(left), textOf(left), titleOf(right), textOf(right)});
        };
        AppendPrintLine(data, {GroupChannels, title, titleOf(ColChannel) + textOf(ColChannel), {}, {}, {},
                               LinesPerChannel - 1});
        pair(ColRx, ColTx);
        pair(ColDecode, ColEncode);
        pair(ColPower, ColBandwidth);
        pair(ColScanAdd, ColBeatShift);
        AppendPrintLine(data, {GroupChannels, title, titleOf(ColBusyLockout), textOf(ColBusyLockout), {}, {}});
    }
}

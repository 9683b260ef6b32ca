#include "print/LanguageFileReport.h"
#include "print/PrintFixtures.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using TLines = std::vector<TPrintLine>;

TPrintData Report()
{
    return LanguageFileReport(theAll(), theFun(), theChannels(), theAll().LanguageName, theAll().LanguageIndex);
}

// The fourteen function rows: captions and values.
TLines FunctionLines(const QString& title, const std::vector<std::pair<QString, QString>>& rows)
{
    TLines lines;
    for (const auto& [caption, value] : rows)
        lines.push_back({GroupFunctions, title, caption, value, {}, {}});
    return lines;
}

// The blank line and the six lines of each channel, from the column titles and the shown texts.
TLines ChannelLines(const QString& title, const QStringList& titles, const std::vector<QStringList>& channels)
{
    TLines lines{{GroupChannels, title, {}, {}, {}, {}}};
    for (const QStringList& c : channels) {
        lines.push_back({GroupChannels, title, titles[0] + c[0], {}, {}, {}, 5});
        for (int left : {1, 3, 5, 7})
            lines.push_back({GroupChannels, title, titles[left], c[left], titles[left + 1], c[left + 1]});
        lines.push_back({GroupChannels, title, titles[9], c[9], {}, {}});
    }
    return lines;
}

TLines Concat(TLines a, const TLines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class PrintDataTest : public PrintFixture {};

TEST_F(PrintDataTest, EnglishReportOfChannelsTwoAndFour)
{
    UseLanguage("English", 0);
    ProgramSampleCodeplug();
    const TPrintData report = Report();

    EXPECT_EQ(report.Header.Title, "K-640");
    EXPECT_EQ(report.Header.AField, "Model Type: ");
    EXPECT_EQ(report.Header.AValue, "K-640(UHF)");
    EXPECT_EQ(report.Header.BField, "");
    EXPECT_EQ(report.Header.BValue, "");
    EXPECT_EQ(report.Header.CField, "Frequency: ");
    EXPECT_EQ(report.Header.CValue, "450 - 470MHz");

    const TLines functions = FunctionLines(
        "Function Setting",
        {{"Battery Save", "Off"}, {"Clew Voice", "On"}, {"High Vol Inhibit Tx", "On"}, {"Low Vol Inhibit Tx", "On"},
         {"Squelch level", "3"}, {"Side Key", "4"}, {"TX Time Out", "Off"}, {"Scan", "Off"}, {"Voice", "On"},
         {"Voice Annunciation", "Chinese"}, {"Incept Alarm", "Off"}, {"VOX Function", "On"}, {"VOX Gain Level", "3"},
         {"VOX Inhibit OnReceive", "Off"}});
    const TLines channels = ChannelLines(
        "Channel Information",
        {"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc", "TX Power", "W/N", "Scan Add",
         "Beat Shift", "Busy Lockout"},
        {{"2", "462.56250", "467.56250", "None", "D023N", "High", "Wide", "No", "Yes", "No"},
         {"4", "450.00000", "450.00000", "67.0", "None", "Low", "Narrow", "Yes", "No", "Yes"}});
    EXPECT_EQ(report.Lines, Concat(functions, channels));
}

TEST_F(PrintDataTest, ChineseReportTranslatesCaptionsListTextsAndMessages)
{
    UseLanguage("Chinese", 1);
    ProgramSampleCodeplug();
    const TPrintData report = Report();

    EXPECT_EQ(report.Header.AField, "机型：");
    EXPECT_EQ(report.Header.CField, "频段：");
    EXPECT_EQ(report.Header.CValue, "450 - 470MHz");
    const TLines functions = FunctionLines(
        "功能设置",
        {{"省电模式", "已关闭"}, {"按键提示音", "已启动"}, {"电压过高禁止发射", "已启动"},
         {"电压过低禁止发射", "已启动"}, {"静噪等级", "3"}, {"侧键功能", "4"}, {"发射限时（秒）", "关闭"},
         {"扫描", "关闭"}, {"语音提示", "开启"}, {"语音播报语言", "中文"}, {"报警提示", "关闭"},
         {"声控功能", "已启动"}, {"声控灵敏度", "3"}, {"接收时禁止声控", "已关闭"}});
    const TLines channels = ChannelLines(
        "信道信息",
        {"信道号", "接收频率", "发射频率", "亚音解码", "亚音编码", "发射功率", "宽/窄带", "扫描添加", "差频",
         "繁忙锁定"},
        {{"2", "462.56250", "467.56250", "无", "D023N", "高", "宽带", "否", "是", "否"},
         {"4", "450.00000", "450.00000", "67.0", "无", "低", "窄带", "是", "否", "是"}});
    EXPECT_EQ(report.Lines, Concat(functions, channels));
}

TEST_F(PrintDataTest, OpenAndCloseComeFromTheMessageTableInEveryLanguage)
{
    // The first language is not translated, but its messages are still those of its file.
    WriteProgramFile("English.Ini", "[Language]\nOpen=Enabled\nClose=Disabled\n");
    UseLanguage("English", 0);
    const TPrintData report = Report();
    EXPECT_EQ(report.Lines[0].AField, "Battery Save");
    EXPECT_EQ(report.Lines[0].AValue, "Enabled");
    EXPECT_EQ(report.Lines[11].AValue, "Disabled");
}

TEST_F(PrintDataTest, WithoutChannelsTheChannelGroupHoldsOnlyItsBlankLine)
{
    UseLanguage("English", 0);
    const TPrintData report = Report();
    ASSERT_EQ(report.Lines.size(), 15u);
    EXPECT_EQ(report.Lines.back(), (TPrintLine{GroupChannels, "Channel Information", {}, {}, {}, {}}));
}

TEST_F(PrintDataTest, LongTranslationsAreCutToTheFieldWidthInGbkBytes)
{
    WriteProgramFile("Chinese.Ini", "[fBFunSet]\nfBFunSet.Caption=收发信机功能设置参数一览表\n"
                                    "[Language]\nChannel=ChannelChannel\nInfo=信息表格\n");
    UseLanguage("Chinese", 1);
    const TPrintData report = Report();
    // Ten Chinese characters are twenty bytes; an eleventh would not fit.
    EXPECT_EQ(report.Lines.front().TypeName, "收发信机功能设置参数");
    // 14 bytes of ASCII leave room for three characters of two bytes, not for a half one.
    EXPECT_EQ(report.Lines.back().TypeName, "ChannelChannel信息表");
}

TEST(CutToAnsiBytes, CountsGbkBytesAndCutsOnCharacterBoundaries)
{
    const struct {
        const char* Text;
        int Bytes;
        const char* Cut;
    } cases[] = {
        {"Function Setting", 20, "Function Setting"},
        {"Voice Annunciation 12", 20, "Voice Annunciation 1"},
        {"功能设置", 8, "功能设置"},
        {"功能设置", 7, "功能设"},
        {"a功能", 4, "a功"},
        {"", 20, ""},
        {"😀x", 2, "😀"},   // a pair of surrogates stays whole
        {"😀x", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutToAnsiBytes(QString::fromUtf8(c.Text), c.Bytes), QString::fromUtf8(c.Cut)) << c.Text << ' ' << c.Bytes;
}

} // namespace

#include "codeplug/CodeplugFile.h"

#include "channels/ChannelTable.h"
#include "codeplug/GlobalState.h"
#include "support/CodeplugFixtures.h"
#include "support/FreshState.h"
#include "support/ScriptedMsgBox.h"
#include "support/NonRegularFiles.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QDateTime FixtureStamp(QDate(2024, 5, 3), QTime(14, 7));
const QString Line1 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");  // 32 characters
const QString Line2 = QStringLiteral("HELLO");

// Hex text, one row per line, so a failure shows the rows that differ.
std::string Rows(const QByteArray& bytes)
{
    std::string text;
    for (qsizetype at = 0; at < bytes.size(); at += 16)
        text += bytes.mid(at, 16).toHex(' ').toStdString() + '\n';
    return text;
}

constexpr int BandRow = 61;
constexpr int Settings1Row = 60;

class CodeplugFileTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        UseModel(*theMacList().FindByCode("6641"), "450 - 470MHz");
    }

    static void UseModel(const TMacType& model, const QString& band)
    {
        SetCurrentModel(theAll(), model);
        ASSERT_TRUE(SetBand(theAll(), band));
        theChannels().ResetChannelRows();
    }

    // Two channels, non-default settings and a two-line message.
    static void UhfCodeplug()
    {
        TChannelTable& table = theChannels();
        table.StoreChannel(1, {460.05, 460.1, "", "D023N", 1, 0, 0, 1, 1});
        table.StoreChannel(3, {460.00625, -1.0, "67.0", "", 0, 1, 1, 0, 0});
        TFun& fun = theFun();
        fun.BattSave = 1, fun.BeepTone = 0, fun.Squelch = 7, fun.SideKey = 2, fun.TxTimeout = 9;
        fun.Voice = 1, fun.VoiceLang = 0, fun.Scan = 1, fun.VoxFun = 1, fun.VoxLevel = 3;
        fun.VoxInhibit = 0, fun.VolLowInhibit = 1, fun.VolHighInhibit = 0, fun.InceptAlarm = 1, fun.FM = 0;
        theEnMsg() = {Line1, Line2};
        theAll().Modified = true;
    }

    QString PathOf(const QString& name) const { return folder.path() + '/' + name; }

    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        return WriteTestFile(PathOf(name), bytes);
    }

    ScriptedMsgBox messages;
};

// Everything a failed Open must leave as it was.
struct TSnapshot {
    QString ModelName, ModelCode, BandText;
    int ChannelCount = 0;
    TFun Fun;
    QString Line1, Line2;
    bool Modified = false;
    std::vector<QString> Cells;

    static TSnapshot Take()
    {
        const TALL& all = theAll();
        TSnapshot s{all.ModelName, all.ModelCode, all.BandText, all.ChannelCount, theFun(),
                    theEnMsg().Line1, theEnMsg().Line2, all.Modified, {}};
        const TChannelTable& table = theChannels();
        for (int channel = 1; channel <= table.ChannelCount(); ++channel)
            for (int column = ColChannel; column <= ColBusyLockout; ++column)
                s.Cells.push_back(table.Cell(channel, column).Fore + '|' + table.Cell(channel, column).Back);
        return s;
    }
    bool operator==(const TSnapshot&) const = default;
};

TEST_F(CodeplugFileTest, ImageOfACodeplugMatchesTheHandBuiltFile)
{
    UhfCodeplug();
    QByteArray image;
    TChannelRows channels;
    QString reason;
    ASSERT_TRUE(BuildCodeplugFileImage(FixtureStamp, image, channels, reason)) << qPrintable(reason);
    EXPECT_EQ(image.size(), 992);
    EXPECT_EQ(Rows(image), Rows(UhfFixture()));
    EXPECT_EQ(channels.ChannelBits, "1010000000000000");
    EXPECT_EQ(channels.ScanBits, "0010000000000000");  // "1" where the scan add value is 1 ("No")
}

TEST_F(CodeplugFileTest, SaveWritesTheImageStampedNowAndClearsModified)
{
    UhfCodeplug();
    const QDateTime before = QDateTime::currentDateTime();
    const QString path = PathOf("saved.dat");
    ASSERT_TRUE(WriteCodeplugFile(path).Ok());
    const QDateTime after = QDateTime::currentDateTime();

    const QByteArray saved = ReadTestFile(path);
    ASSERT_EQ(saved.size(), 992);
    const QByteArray fixture = UhfFixture();
    EXPECT_EQ(Rows(saved.left(8)), Rows(fixture.left(8)));
    EXPECT_EQ(Rows(saved.mid(14)), Rows(fixture.mid(14)));
    const auto byte = [&](int i) { return int(quint8(saved[i])); };
    const QDateTime stamp(QDate(byte(9) * 256 + byte(8), byte(10), byte(11)), QTime(byte(12), byte(13)));
    EXPECT_GE(stamp.secsTo(before), -60);
    EXPECT_LE(stamp.secsTo(after), 60);
    EXPECT_FALSE(theAll().Modified);
    EXPECT_EQ(theAll().ChannelBits, "1010000000000000");
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(CodeplugFileTest, OpenLoadsEveryField)
{
    UseModel(*theMacList().FindByCode("5641"), "150 - 174MHz");
    theAll().Modified = true;
    ASSERT_TRUE(ReadCodeplugFile(WriteFile("in.dat", UhfFixture())).Ok());

    const TALL& all = theAll();
    EXPECT_EQ(all.ModelName, "K-640(UHF)");
    EXPECT_EQ(all.ModelCode, "6641");
    EXPECT_EQ(all.BandText, "450 - 470MHz");
    EXPECT_EQ(all.BandMinFreq, 450.0);
    EXPECT_EQ(all.BandMaxFreq, 470.0);
    EXPECT_EQ(all.FileStamp, "2024-05-03 14:07");
    EXPECT_FALSE(all.Modified);

    const TChannelTable& table = theChannels();
    ASSERT_EQ(table.ChannelCount(), 16);
    const auto fore = [&](int channel) {
        QStringList texts;
        for (int column = ColRx; column <= ColBusyLockout; ++column)
            texts.append(table.Cell(channel, column).Fore);
        return texts.join('|');
    };
    const auto back = [&](int channel) {
        QStringList texts;
        for (int column : {ColChannel, ColPower, ColBandwidth, ColScanAdd, ColBeatShift, ColBusyLockout})
            texts.append(table.Cell(channel, column).Back);
        return texts.join('|');
    };
    EXPECT_EQ(fore(1), "460.05000|460.10000|None|D023N|High|Wide|Yes|No|No");
    EXPECT_EQ(back(1), "1|1|0|0|1|1");
    EXPECT_FALSE(table.Cell(1, ColTx).ReadOnly);
    EXPECT_EQ(fore(2), "||||||||");
    EXPECT_EQ(back(2), "|||||");
    EXPECT_EQ(fore(3), "460.00625||67.0|None|Low|Narrow|No|Yes|Yes");
    EXPECT_EQ(back(3), "1|0|1|1|0|0");

    TFun expected;
    expected.BattSave = 1, expected.BeepTone = 0, expected.Squelch = 7, expected.SideKey = 2;
    expected.TxTimeout = 9, expected.Voice = 1, expected.VoiceLang = 0, expected.Scan = 1;
    expected.VoxFun = 1, expected.VoxLevel = 3, expected.VoxInhibit = 0, expected.VolLowInhibit = 1;
    expected.VolHighInhibit = 0, expected.InceptAlarm = 1, expected.FM = 0;
    EXPECT_EQ(theFun(), expected);
    EXPECT_EQ(theEnMsg().Line1, Line1);
    EXPECT_EQ(theEnMsg().Line2, Line2);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(CodeplugFileTest, AnOpenedChannelKeepsItsValuesWhenItsRxIsRetyped)
{
    ASSERT_TRUE(ReadCodeplugFile(WriteFile("in.dat", UhfFixture())).Ok());
    theChannels().SetForeText(1, ColRx, "461");
    const TChannelTable& table = theChannels();
    EXPECT_EQ(table.Cell(1, ColRx).Fore, "461.00000");
    EXPECT_EQ(table.Cell(1, ColTx).Fore, "460.10000");
    EXPECT_EQ(table.Cell(1, ColEncode).Fore, "D023N");
    EXPECT_EQ(table.Cell(1, ColPower).Fore, "High");
    EXPECT_EQ(table.Cell(1, ColScanAdd).Fore, "Yes");
}

// Bytes of a file changed in one place, and what Open makes of them.
TEST_F(CodeplugFileTest, OpenTakesRowContentAsItStands)
{
    struct Case {
        const char* name;
        int offset;
        QByteArray bytes;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"unknown band code falls back to the first band", BandRow * 16 + 2, Hex("00"),
         [] {
             EXPECT_EQ(theAll().BandText, " 27 -  72MHz");
             EXPECT_EQ(theAll().BandMinFreq, 27.0);
             EXPECT_EQ(theAll().BandMaxFreq, 72.0);
         }},
        {"settings beyond their ranges are taken unclamped", Settings1Row * 16, Hex("03 0C 07 FF"),
         [] {
             EXPECT_EQ(theFun().Squelch, 12);
             EXPECT_EQ(theFun().SideKey, 7);
             EXPECT_EQ(theFun().TxTimeout, 255);
             EXPECT_EQ(theFun().BattSave, 1);
             EXPECT_EQ(theFun().BeepTone, 1);
         }},
        {"a tone word that is no tone opens as None", 3 * 16 + 8, Hex("12 AB"),
         [] { EXPECT_EQ(theChannels().Cell(3, ColDecode).Fore, "None"); }},
        {"RX bytes with a hex letter open as an empty channel", 16, Hex("0A"),
         [] {
             EXPECT_FALSE(theChannels().HoldsChannel(1));
             EXPECT_TRUE(theChannels().Cell(1, ColChannel).Back.isEmpty());
         }},
        {"the band row's model code stands", BandRow * 16 + 3, QByteArray("2"),
         [] {
             EXPECT_EQ(theAll().ModelCode, "6642");
             EXPECT_EQ(theAll().ModelName, "K-640(UHF)");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray file = UhfFixture();
        file.replace(c.offset, c.bytes.size(), c.bytes);
        ASSERT_TRUE(ReadCodeplugFile(WriteFile("case.dat", file)).Ok());
        c.check();
    }
}

TEST_F(CodeplugFileTest, AFileOfAnotherModelBringsItsModelChannelCountAndBitmaps)
{
    // A model with more than 16 channels has bitmap rows behind the band row.
    theMacList().Add({"7032", "Test(32)", 32, 520.0, 380.0, {"400 - 470MHz"}, 3, "400 - 470MHz"});
    UseModel(*theMacList().FindByCode("7032"), "400 - 470MHz");
    theChannels().StoreChannel(1, {410.0, 410.0, "", "", 1, 0, 1, 1, 1});
    theChannels().StoreChannel(20, {420.0, -1.0, "D754I", "250.3", 0, 0, 0, 0, 0});
    const QString path = PathOf("big.dat");
    ASSERT_TRUE(WriteCodeplugFile(path).Ok());

    const QByteArray saved = ReadTestFile(path);
    ASSERT_EQ(saved.size(), CodeplugFileRowCount(32, 3) * 16);
    ASSERT_EQ(saved.size(), (1 + 32 + 2 + 1 + 4 + 1 + 1 + 4) * 16);
    const int bitmaps = (1 + 32 + 2 + 1 + 4 + 1 + 1) * 16;
    EXPECT_EQ(Rows(saved.mid(bitmaps - 16, 16)), Rows(Hex("00 00 F7 32 33 30 37 50 FF FF FF FF FF FF FF FF")));
    QByteArray channelBits(16, '\0'), scanBits(16, '\0');
    channelBits[0] = 0x01, channelBits[2] = 0x08;  // channels 1 and 20
    scanBits[0] = 0x01;                              // channel 1 has scan add value 1
    EXPECT_EQ(Rows(saved.mid(bitmaps, 16)), Rows(channelBits));
    EXPECT_EQ(Rows(saved.mid(bitmaps + 16, 16)), Rows(QByteArray(16, '\0')));
    EXPECT_EQ(Rows(saved.mid(bitmaps + 32, 16)), Rows(scanBits));
    EXPECT_EQ(Rows(saved.mid(bitmaps + 48, 16)), Rows(QByteArray(16, '\0')));

    UseModel(*theMacList().FindByCode("6641"), "450 - 470MHz");
    ASSERT_TRUE(ReadCodeplugFile(path).Ok());
    EXPECT_EQ(theAll().ModelName, "Test(32)");
    EXPECT_EQ(theAll().ChannelCount, 32);
    EXPECT_EQ(theChannels().ChannelCount(), 32);
    EXPECT_EQ(theAll().BandText, "400 - 470MHz");
    EXPECT_EQ(theChannels().Cell(20, ColRx).Fore, "420.00000");
    EXPECT_EQ(theChannels().Cell(20, ColTx).Fore, "");
    EXPECT_EQ(theChannels().Cell(20, ColDecode).Fore, "D754I");
    EXPECT_EQ(theChannels().Cell(20, ColEncode).Fore, "250.3");

    // And a catalog file of the other 16-channel model switches back.
    QByteArray vhf = UhfFixture();
    vhf.replace(0, 8, QByteArray("P5641") + Hex("15 01 74"));
    vhf.replace(BandRow * 16 + 2, 6, Hex("F0") + QByteArray("1465P"));
    ASSERT_TRUE(ReadCodeplugFile(WriteFile("vhf.dat", vhf)).Ok());
    EXPECT_EQ(theAll().ModelName, "K-640(VHF)");
    EXPECT_EQ(theAll().ModelCode, "5641");
    EXPECT_EQ(theAll().BandText, "150 - 174MHz");
    EXPECT_EQ(theChannels().ChannelCount(), 16);
}

TEST_F(CodeplugFileTest, AFileThatCannotBeLoadedChangesNothing)
{
    UhfCodeplug();
    QByteArray unknownModel = UhfFixture();
    unknownModel.replace(1, 4, "9999");
    struct Case {
        const char* name;
        QByteArray bytes;
        TFileStatus status;
        std::function<QString(const QString& path)> message;
    };
    const auto damaged = [](const QString& path) { return theLanguage().FileDamaged.arg(path); };
    const Case cases[] = {
        {"unknown model", unknownModel, TFileStatus::UnknownModel, [](const QString&) { return theLanguage().ModError; }},
        {"empty file", {}, TFileStatus::Damaged, damaged},
        {"shorter than a row", UhfFixture().left(15), TFileStatus::Damaged, damaged},
        {"header only", UhfFixture().left(16), TFileStatus::Damaged, damaged},
        {"one byte short", UhfFixture().left(991), TFileStatus::Damaged, damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TSnapshot before = TSnapshot::Take();
        messages.Clear();
        const QString path = WriteFile("bad.dat", c.bytes);
        const TFileResult result = ReadCodeplugFile(path);
        EXPECT_EQ(result.Status, c.status);
        EXPECT_TRUE(TSnapshot::Take() == before);
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Caption, theLanguage().Confirmation);
        EXPECT_EQ(messages.Shown()[0].Text, c.message(path));
        EXPECT_EQ(messages.Shown()[0].Kind, MsgInformation);
        EXPECT_EQ(result.Message, c.message(path));
    }
}

TEST_F(CodeplugFileTest, APathThatCannotBeOpenedIsReportedWithItsReason)
{
    UhfCodeplug();
    QDir(folder.path()).mkdir("folder.dat");
    for (const QString& name : {QStringLiteral("missing.dat"), QStringLiteral("folder.dat")}) {
        SCOPED_TRACE(qPrintable(name));
        const TSnapshot before = TSnapshot::Take();
        messages.Clear();
        const TFileResult result = ReadCodeplugFile(PathOf(name));
        EXPECT_EQ(result.Status, TFileStatus::CannotOpen);
        EXPECT_TRUE(TSnapshot::Take() == before);
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_TRUE(messages.Shown()[0].Text.contains(PathOf(name)));
        EXPECT_FALSE(messages.Shown()[0].Text.endsWith(": "));  // the system's reason follows the name
    }
}

TEST_F(CodeplugFileTest, OnlyARegularFileOfSaneSizeIsRead)
{
    UhfCodeplug();
    // A FIFO would block the open and a device may never end: neither is opened.
    std::vector<TSpecialFile> paths = MakeSpecialFiles(folder.path());
    paths.push_back({"endless device", QStringLiteral("/dev/zero"), S_IFCHR});
    for (const TSpecialFile& path : paths) {
        SCOPED_TRACE(path.Kind);
        const TSnapshot before = TSnapshot::Take();
        messages.Clear();
        EXPECT_EQ(ReadCodeplugFile(path.Path).Status, TFileStatus::CannotOpen);
        EXPECT_TRUE(TSnapshot::Take() == before);
        EXPECT_TRUE(path.Unchanged());
        EXPECT_EQ(messages.Texts(), std::vector<QString>{theLanguage().FileOpenError.arg(
                                        path.Path, theLanguage().NotRegularFile)});
    }
    // A regular file far larger than any codeplug is damaged, and not read into memory whole.
    QFile huge(PathOf("huge.dat"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(64) << 20));
    huge.close();
    const TSnapshot before = TSnapshot::Take();
    EXPECT_EQ(ReadCodeplugFile(huge.fileName()).Status, TFileStatus::Damaged);
    EXPECT_TRUE(TSnapshot::Take() == before);
}

TEST_F(CodeplugFileTest, AFailedSaveKeepsThePreviousFileAndModified)
{
    UhfCodeplug();
    const QByteArray previous("the previous file");
    // A name so long that no temporary file fits beside it.
    const QString longName = QString(250, 'x');
    QDir(folder.path()).mkdir("folder.dat");
    struct Case {
        const char* name;
        QString path;
        bool hasPrevious;
    };
    const Case cases[] = {
        {"temporary file cannot be made", WriteFile(longName, previous), true},
        {"a directory in the way", PathOf("folder.dat"), false},
        {"no such directory", PathOf("missing/out.dat"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        theAll().ChannelBits = "unchanged";
        const TFileResult result = WriteCodeplugFile(c.path);
        EXPECT_EQ(result.Status, TFileStatus::CannotSave);
        EXPECT_TRUE(theAll().Modified);
        EXPECT_EQ(theAll().ChannelBits, "unchanged");
        if (c.hasPrevious) {
            EXPECT_EQ(ReadTestFile(c.path), previous);
        }
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_TRUE(messages.Shown()[0].Text.contains(c.path));
    }
    EXPECT_TRUE(QFileInfo(PathOf("folder.dat")).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);  // no temporary file left
}

TEST_F(CodeplugFileTest, SaveWritesOnlyOverRegularFiles)
{
    UhfCodeplug();
    for (const TSpecialFile& target : MakeSpecialFiles(folder.path())) {
        SCOPED_TRACE(target.Kind);
        messages.Clear();
        EXPECT_EQ(WriteCodeplugFile(target.Path).Status, TFileStatus::CannotSave);
        EXPECT_TRUE(target.Unchanged());
        EXPECT_TRUE(theAll().Modified);
        EXPECT_EQ(messages.Texts(), std::vector<QString>{theLanguage().FileSaveError.arg(
                                        target.Path, theLanguage().NotRegularFile)});
    }
    // A symbolic link is followed: the regular file it leads to is replaced, the link stays.
    const QString file = WriteFile("target.dat", "old");
    ASSERT_TRUE(QFile::link(file, PathOf("link.dat")));
    ASSERT_TRUE(WriteCodeplugFile(PathOf("link.dat")).Ok());
    EXPECT_TRUE(QFileInfo(PathOf("link.dat")).isSymLink());
    EXPECT_EQ(ReadTestFile(file).size(), CodeplugFileRowCount(16, 39) * CodeplugRowSize);
}

TEST_F(CodeplugFileTest, AChannelThatCannotBeReadRefusesTheSave)
{
    UhfCodeplug();
    const QString path = WriteFile("old.dat", "the previous file");
    theChannels().SetCell(3, ColRx, "460..1", "");
    const TFileResult result = WriteCodeplugFile(path);
    EXPECT_EQ(result.Status, TFileStatus::InvalidChannel);
    EXPECT_TRUE(result.Message.contains(path));
    EXPECT_TRUE(result.Message.contains("channel 3"));
    EXPECT_EQ(ReadTestFile(path), "the previous file");
    EXPECT_TRUE(theAll().Modified);
    EXPECT_EQ(messages.Shown().size(), 1u);
}

} // namespace

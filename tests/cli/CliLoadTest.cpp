// k640-cli load: the JSON document of dump built back into a codeplug file, run as the user runs
// it.
#include "channels/ChannelTable.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/GlobalState.h"
#include "support/CliProcessTest.h"
#include "support/CodeplugFixtures.h"
#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class CliLoadTest : public CliProcessTest {
protected:
    // The file without the header's date and time bytes (8 to 13).
    static QByteArray WithoutStamp(const QByteArray& file)
    {
        return file.left(8) + file.mid(14);
    }

    // Dumps the file, loads the dump into again.dat; gives the dump.
    QByteArray DumpAndLoad(const QString& path)
    {
        const TCliRun dump = Run({"dump", path});
        EXPECT_EQ(dump.Code, 0) << qPrintable(dump.Err);
        WriteTestFile(PathOf("dump.json"), dump.Out);
        QFile::remove(PathOf("again.dat"));
        const TCliRun load = Run({"load", PathOf("dump.json"), "-o", PathOf("again.dat")});
        EXPECT_EQ(load.Code, 0) << qPrintable(load.Err);
        EXPECT_TRUE(load.Out.isEmpty());
        return dump.Out;
    }
};

// A valid document to break one value of at a time.
const QString Valid = QString::fromUtf8(
    R"j({"model": "K-640(UHF)", "modelCode": "6641", "band": "450 - 470MHz", "stamp": "2024-05-03 14:07",)j"
    R"j( "settings": {"BattSave": 1, "BeepTone": 1, "Squelch": 5, "SideKey": 4, "TxTimeout": 6, "VoxFun": 0,)j"
    R"j( "VoxInhibit": 0, "VoxLevel": 4, "VoiceLang": 1, "Scan": 0, "Voice": 1, "VolHighInhibit": 1,)j"
    R"j( "VolLowInhibit": 1, "InceptAlarm": 0, "FM": 1},)j"
    R"j( "message": ["ABCDEFGHIJKLMNOP", "Shop 42 open from 9 to 5 daily X"],)j"
    R"j( "channels": [{"channel": 1, "rx": "462.56250", "tx": "467.56250", "decode": "None", "encode": "D023N",)j"
    R"j( "power": "High", "bandwidth": "Wide", "scanAdd": "No", "beatShift": "No", "busyLockout": "No"},)j"
    R"j( {"channel": 16, "rx": "450.00000", "tx": "", "decode": "250.3", "encode": "D754I",)j"
    R"j( "power": "Low", "bandwidth": "Narrow", "scanAdd": "Yes", "beatShift": "Yes", "busyLockout": "Yes"}]})j");

TEST_F(CliLoadTest, DumpThenLoadGivesTheSameFileApartFromItsStamp)
{
    struct Case {
        const char* Name;
        std::function<void()> Fill;
    };
    const Case cases[] = {
        {"three channels, other settings, 16 and 32 character lines", [] {
             TChannelTable& table = theChannels();
             table.StoreChannel(1, {462.5625, 467.5625, "", "D023N", 1, 0, 1, 1, 1});
             table.StoreChannel(3, {460.00625, -1.0, "67.0", "", 0, 1, 0, 1, 0});
             table.StoreChannel(16, {450.0, 450.0, "D754I", "250.3", 1, 1, 1, 0, 1});
             theFun().Squelch = 3, theFun().FM = 0, theFun().SideKey = 5, theFun().VoxLevel = 0;
             theEnMsg() = {QStringLiteral("SIXTEEN CHARS 16"), QStringLiteral("Thirty two characters fill 32 ok")};
         }},
        {"an empty codeplug of the VHF model", [] {
             SetCurrentModel(theAll(), *theMacList().FindByCode("5641"));
             SetBand(theAll(), "136 - 150MHz");
             theChannels().ResetChannelRows();
         }},
        {"every channel in use", [] {
             for (int channel = 1; channel <= 16; ++channel)
                 theChannels().StoreChannel(channel, {451.0 + channel * 0.0125, 452.0, "D023I", "D023N", 0, 0, 0, 0, 0});
         }},
    };
    // The hand-built file of the file tests, its rows as the program would write them.
    WriteTestFile(PathOf("fixture.dat"), UhfFixture());
    const QByteArray dump = DumpAndLoad(PathOf("fixture.dat"));
    EXPECT_EQ(WithoutStamp(ReadTestFile(PathOf("again.dat"))).toHex(), WithoutStamp(UhfFixture()).toHex())
        << dump.constData();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DataModuleCreate(AppPath());
        SetCurrentModel(theAll(), *theMacList().FindByCode("6641"));
        SetBand(theAll(), "450 - 470MHz");
        theChannels().ResetChannelRows();
        c.Fill();
        ASSERT_TRUE(WriteCodeplugFile(PathOf("original.dat")).Ok());
        const QByteArray dump = DumpAndLoad(PathOf("original.dat"));
        const QByteArray original = ReadTestFile(PathOf("original.dat"));
        const QByteArray again = ReadTestFile(PathOf("again.dat"));
        EXPECT_EQ(again.size(), original.size());
        EXPECT_EQ(WithoutStamp(again).toHex(), WithoutStamp(original).toHex()) << dump.constData();
    }
}

TEST_F(CliLoadTest, TheDumpOfAMessageTheDialogWouldRefuseIsRefused)
{
    // The sample's message holds quotes, a backslash and control characters, which dump writes
    // and the message dialog never lets in.
    const QString sample = SampleCodeplug("sample.dat");
    const TCliRun dump = Run({"dump", sample});
    WriteTestFile(PathOf("dump.json"), dump.Out);
    const TCliRun load = Run({"load", PathOf("dump.json"), "-o", PathOf("again.dat")});
    EXPECT_EQ(load.Code, 2);
    const QStringList lines = load.Err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << qPrintable(load.Err);
    EXPECT_TRUE(lines[0].startsWith(PathOf("dump.json") + ": message[0]: ")) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[1].startsWith(PathOf("dump.json") + ": message[1]: ")) << qPrintable(lines[1]);
    EXPECT_FALSE(QFile::exists(PathOf("again.dat")));
}

TEST_F(CliLoadTest, LoadTakesAValidDocumentAsTheProgramWouldShowIt)
{
    WriteTestFile(PathOf("in.json"), QString(Valid).replace("462.56250", "462.5626").replace("450 - 470MHz", "450-470MHz").toUtf8());
    const TCliRun load = Run({"load", PathOf("in.json"), "-o", PathOf("out.dat")});
    ASSERT_EQ(load.Code, 0) << qPrintable(load.Err);
    ASSERT_TRUE(ReadCodeplugFile(PathOf("out.dat")).Ok());
    EXPECT_EQ(theAll().BandText, "450 - 470MHz");
    EXPECT_EQ(theChannels().Cell(1, ColRx).Fore, "462.56250");  // moved onto the raster
    EXPECT_EQ(theChannels().Cell(16, ColDecode).Fore, "250.3");
    EXPECT_FALSE(theChannels().HoldsChannel(2));
    EXPECT_EQ(theFun().SideKey, 4);
    EXPECT_EQ(theEnMsg().Line2, "Shop 42 open from 9 to 5 daily X");
}

TEST_F(CliLoadTest, BadDocumentsNameEachBadValueAndWriteNothing)
{
    struct Case {
        const char* Name;
        QString Json;
        QStringList Places;  // the place of each expected line, in order
    };
    const auto with = [](const char* from, const char* to) { return QString(Valid).replace(from, to); };
    const Case cases[] = {
        {"unknown model", with("\"K-640(UHF)\"", "\"K-999\""), {"model"}},
        {"model code of another model", with("\"6641\"", "\"5641\""), {"modelCode"}},
        {"band the model does not offer", with("450 - 470MHz", "136 - 150MHz"), {"band"}},
        {"unknown setting name", with("\"Scan\": 0", "\"Scan\": 0, \"Scna\": 1"), {"settings.Scna"}},
        {"setting out of range, one missing, one not a number",
         with("\"Squelch\": 5, \"SideKey\": 4, \"TxTimeout\": 6", "\"Squelch\": 10, \"TxTimeout\": \"6\""),
         {"settings.Squelch", "settings.SideKey", "settings.TxTimeout"}},
        {"side key beyond what a radio holds", with("\"SideKey\": 4", "\"SideKey\": 6"), {"settings.SideKey"}},
        {"check box holding 2", with("\"BattSave\": 1", "\"BattSave\": 2"), {"settings.BattSave"}},
        {"message line too long", with("ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"), {"message[0]"}},
        {"message characters the dialog refuses", with("Shop 42", "Shop-42"), {"message[1]"}},
        {"a Chinese character in a line", with("ABCDEFGHIJKLMNOP", "ABC\u4e2d"), {"message[0]"}},
        {"one message line", with(R"(["ABCDEFGHIJKLMNOP", "Shop 42 open from 9 to 5 daily X"])", R"(["A"])"), {"message"}},
        {"frequency above the model's limit", with("462.56250", "999"), {"channels[0].rx"}},
        {"frequency below it and not a number", with("\"tx\": \"\"", "\"tx\": \"4x0\"").replace("450.00000", "250"),
         {"channels[1].rx", "channels[1].tx"}},
        {"bad tones", with("\"D023N\"", "\"D028N\"").replace("\"250.3\"", "\"67\""), {"channels[0].encode", "channels[1].decode"}},
        {"unknown list words", with("\"High\"", "\"Medium\"").replace("\"Narrow\"", "\"narrow\""),
         {"channels[0].power", "channels[1].bandwidth"}},
        {"channel without RX, out of range and twice",
         with("\"channel\": 16", "\"channel\": 17").replace("\"rx\": \"462.56250\"", "\"rx\": \"\""),
         {"channels[0].rx", "channels[1].channel"}},
        {"channel twice", with("\"channel\": 16", "\"channel\": 1"), {"channels[1].channel"}},
        {"unknown key in a channel", with("\"busyLockout\": \"No\"", "\"busyLockout\": \"No\", \"colour\": \"red\""),
         {"channels[0].colour"}},
        {"malformed JSON", "{\n  \"model\": \"K-640(UHF)\",\n  \"band\" \"450 - 470MHz\"\n}", {"line 3, column 10"}},
        {"not an object", "[1, 2]", {"the document"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString json = WriteTestFile(PathOf("in.json"), c.Json.toUtf8());
        const TCliRun run = Run({"load", json, "-o", PathOf("out.dat")});
        EXPECT_EQ(run.Code, 2);
        EXPECT_FALSE(QFile::exists(PathOf("out.dat")));
        const QStringList lines = run.Err.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.Places.size()) << qPrintable(run.Err);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString prefix = json + ": " + c.Places[i] + ": ";
            EXPECT_TRUE(lines[i].startsWith(prefix)) << qPrintable(lines[i]);
            EXPECT_GT(lines[i].size(), prefix.size()) << "a reason follows";
        }
    }
}

TEST_F(CliLoadTest, TheReasonsSayWhatIsWrong)
{
    WriteTestFile(PathOf("in.json"), QString(Valid).replace("462.56250", "999").toUtf8());
    const TCliRun run = Run({"load", PathOf("in.json"), "-o", PathOf("out.dat")});
    EXPECT_EQ(run.Err, PathOf("in.json") + ": channels[0].rx: 999 is above the model's upper limit 650\n");
}

TEST_F(CliLoadTest, OutputOnlyOverRegularFilesAndUsageFaults)
{
    const QString json = WriteTestFile(PathOf("in.json"), Valid.toUtf8());
    EXPECT_EQ(Run({"load", json}).Code, 1);
    EXPECT_EQ(Run({"load", PathOf("missing.json"), "-o", PathOf("out.dat")}).Code, 3);
    ExpectOutputOnlyOverRegularFiles(
        [&json](const QString& output) { return QStringList{"load", json, "-o", output}; });
}

} // namespace

// The file commands of k640-cli, run as the user runs them: the built binary, copied into a
// private program folder, through QProcess.
#include "channels/ChannelTable.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/GlobalState.h"
#include "support/CliProcessTest.h"
#include "support/NonRegularFiles.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const QString Header = QStringLiteral(
    "Channel No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,TX Power,W/N,Scan Add,Beat Shift,Busy Lockout\n");

// The channels of SampleCodeplug() as export writes them.
const QString SampleCsv = Header + QStringLiteral(
    "1,462.56250,467.56250,None,D023N,High,Wide,No,No,No\n"
    "2,,,,,,,,,\n"
    "3,460.00625,,67.0,None,Low,Narrow,Yes,No,Yes\n"
    "4,,,,,,,,,\n5,,,,,,,,,\n6,,,,,,,,,\n7,,,,,,,,,\n8,,,,,,,,,\n9,,,,,,,,,\n10,,,,,,,,,\n"
    "11,,,,,,,,,\n12,,,,,,,,,\n13,,,,,,,,,\n14,,,,,,,,,\n15,,,,,,,,,\n"
    "16,450.00000,450.00000,D754I,250.3,High,Narrow,No,Yes,No\n");

class CliFileCommandsTest : public CliProcessTest {
protected:
    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        return WriteTestFile(PathOf(name), bytes);
    }
};

TEST_F(CliFileCommandsTest, DumpGivesTheWholeCodeplugAsJson)
{
    const TCliRun run = Run({"dump", SampleCodeplug("sample.dat")});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    QJsonParseError error;
    const QJsonObject dump = QJsonDocument::fromJson(run.Out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.Out.constData();

    // Keys in their fixed order, as the text shows them.
    qsizetype last = -1;
    for (const char* key : {"\"model\"", "\"modelCode\"", "\"band\"", "\"stamp\"", "\"settings\"",
                            "\"message\"", "\"channels\""}) {
        const qsizetype at = run.Out.indexOf(key);
        EXPECT_GT(at, last) << key;
        last = at;
    }
    EXPECT_EQ(dump["model"].toString(), "K-640(UHF)");
    EXPECT_EQ(dump["modelCode"].toString(), "6641");
    EXPECT_EQ(dump["band"].toString(), "450 - 470MHz");
    EXPECT_TRUE(QDateTime::fromString(dump["stamp"].toString(), "yyyy-MM-dd HH:mm").isValid());

    const QJsonObject settings = dump["settings"].toObject();
    EXPECT_EQ(settings.size(), qsizetype(FunFields.size()));
    for (const TFunField& field : FunFields)
        EXPECT_EQ(settings[field.Name].toInt(-1), theFun().*field.Member) << field.Name;
    EXPECT_LT(run.Out.indexOf("\"BattSave\""), run.Out.indexOf("\"FM\""));

    EXPECT_EQ(dump["message"].toArray(), QJsonArray({"SHOP \"A\" 1", "CALL\\555\x01\t"}));

    const QJsonArray channels = dump["channels"].toArray();
    ASSERT_EQ(channels.size(), 3);
    EXPECT_EQ(channels[0].toObject(), QJsonObject({{"channel", 1}, {"rx", "462.56250"}, {"tx", "467.56250"},
                                                   {"decode", "None"}, {"encode", "D023N"}, {"power", "High"},
                                                   {"bandwidth", "Wide"}, {"scanAdd", "No"}, {"beatShift", "No"},
                                                   {"busyLockout", "No"}}));
    EXPECT_EQ(channels[1].toObject()["channel"].toInt(), 3);
    EXPECT_EQ(channels[1].toObject()["tx"].toString(), "");
    EXPECT_EQ(channels[2].toObject()["channel"].toInt(), 16);
    const char* channelKeys[] = {"channel", "rx", "tx", "decode", "encode", "power", "bandwidth",
                                 "scanAdd", "beatShift", "busyLockout"};
    const QByteArray firstChannel = run.Out.mid(run.Out.indexOf("{\"channel\""));
    last = -1;
    for (const char* key : channelKeys) {
        const qsizetype at = firstChannel.indexOf(QByteArray("\"") + key + "\"");
        EXPECT_GT(at, last) << key;
        last = at;
    }
}

TEST_F(CliFileCommandsTest, ExportWritesTheChannelTableAsCsv)
{
    const QString sample = SampleCodeplug("sample.dat");
    const TCliRun toStdout = Run({"export", sample});
    ASSERT_EQ(toStdout.Code, 0) << qPrintable(toStdout.Err);
    EXPECT_EQ(QString::fromUtf8(toStdout.Out), SampleCsv);

    const TCliRun toFile = Run({"export", sample, "-o", PathOf("out.csv")});
    ASSERT_EQ(toFile.Code, 0) << qPrintable(toFile.Err);
    EXPECT_TRUE(toFile.Out.isEmpty());
    EXPECT_EQ(QString::fromUtf8(ReadTestFile(PathOf("out.csv"))), SampleCsv);
}

TEST_F(CliFileCommandsTest, ExportThenImportFromTheSameFileGivesTheSameFile)
{
    const QString sample = SampleCodeplug("sample.dat");
    ASSERT_EQ(Run({"export", sample, "-o", PathOf("sample.csv")}).Code, 0);
    const TCliRun run = Run({"import", PathOf("sample.csv"), "-o", PathOf("again.dat"), "--from", sample});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    const QByteArray original = ReadTestFile(sample);
    const QByteArray again = ReadTestFile(PathOf("again.dat"));
    ASSERT_EQ(again.size(), 992);
    EXPECT_EQ(again.left(8), original.left(8));
    EXPECT_EQ(again.mid(14), original.mid(14));  // bytes 8-13 are the date and time of saving
}

TEST_F(CliFileCommandsTest, ImportAcceptsTheWaysPeopleWriteCsv)
{
    struct Case {
        const char* name;
        QString csv;
    };
    const Case cases[] = {
        {"as exported", SampleCsv},
        {"CRLF line ends", QString(SampleCsv).replace("\n", "\r\n")},
        {"quotes, blanks, any order, lines left out and blank lines",
         "\xEF\xBB\xBF \"Channel No.\" , RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,\"TX Power\",W/N,"
         "Scan Add,Beat Shift,Busy Lockout\r\n"
         "\n"
         "16 , 450 ,\"450.0\", D754I , \"250.3\",High,Narrow,No,Yes,No\n"
         "   \n"
         "\"3\",460.00625,,67.0,None,Low,Narrow,Yes,No,Yes\n"
         "2,,,,,,,,,\n"
         "1,462.5625,467.5625,\"None\",D023N,High,Wide,No,No,No"},
        {"frequencies off the raster move onto it",
         Header + "1,462.5626,467.5627,None,D023N,High,Wide,No,No,No\n"
                  "3,460.0065,,67.0,None,Low,Narrow,Yes,No,Yes\n"
                  "16,450.001,450.004,D754I,250.3,High,Narrow,No,Yes,No\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile("in.csv", c.csv.toUtf8());
        QFile::remove(PathOf("out.dat"));
        const TCliRun import = Run({"import", PathOf("in.csv"), "-o", PathOf("out.dat")});
        ASSERT_EQ(import.Code, 0) << qPrintable(import.Err);
        const TCliRun exported = Run({"export", PathOf("out.dat")});
        EXPECT_EQ(QString::fromUtf8(exported.Out), SampleCsv);
    }
}

TEST_F(CliFileCommandsTest, ImportReportsEveryFaultWithItsPlaceAndWritesNothing)
{
    struct Case {
        const char* name;
        QString csv;
        QStringList places;  // "LINE: column NAME", one per expected error
    };
    const QString valid = "1,462.5625,467.5625,None,D023N,High,Wide,No,No,No\n";
    const Case cases[] = {
        {"RX not a number", Header + "1,46x.5,467.5625,None,D023N,High,Wide,No,No,No\n", {"2: column RX Frequency"}},
        {"RX with two points", Header + "1,462..5,,None,None,High,Wide,No,No,No\n", {"2: column RX Frequency"}},
        {"RX beyond the model's limits", Header + "1,700,467.5625,None,D023N,High,Wide,No,No,No\n", {"2: column RX Frequency"}},
        {"TX beyond the model's limits", Header + "1,462.5625,150,None,D023N,High,Wide,No,No,No\n", {"2: column TX Frequency"}},
        {"tone changed by the tone rule", Header + "1,462.5625,467.5625,67,d023n,High,Wide,No,No,No\n",
         {"2: column QT/DQT Dec", "2: column QT/DQT Enc"}},
        {"tone that is no tone", Header + "1,462.5625,467.5625,D999N,,High,Wide,No,No,No\n",
         {"2: column QT/DQT Dec", "2: column QT/DQT Enc"}},
        {"unknown list words", Header + "1,462.5625,467.5625,None,None,Medium,wide,Maybe,1,\n",
         {"2: column TX Power", "2: column W/N", "2: column Scan Add", "2: column Beat Shift", "2: column Busy Lockout"}},
        {"channel numbers outside 1..16 or unreadable", Header + "0,,,,,,,,,\n17,,,,,,,,,\nx,,,,,,,,,\n",
         {"2: column Channel No.", "3: column Channel No.", "4: column Channel No."}},
        {"channel twice", Header + valid + "2,,,,,,,,,\n" + valid, {"4: column Channel No."}},
        {"values on a channel without RX", Header + "1,,467.5625,None,,,,,,No\n",
         {"2: column TX Frequency", "2: column QT/DQT Dec", "2: column Busy Lockout"}},
        {"too few and too many fields", Header + "1,462.5625\n2,,,,,,,,,,\n", {"2: column TX Frequency", "3: column 11"}},
        {"quote never closed", Header + "1,\"462.5625,467.5625,None,D023N,High,Wide,No,No,No\n", {"2: column RX Frequency"}},
        {"header misspelt", QString(Header).replace("W/N", "Width") + valid, {"1: column W/N"}},
        {"empty file", "", {"1: column Channel No."}},
        {"faults on several lines, a blank line counted",
         Header + "\n3,470.5,,None,None,High,Wide,No,No,Never\n4,460,,None,None,Low,Wide,Yes,Yes,Sometimes\n",
         {"3: column Busy Lockout", "4: column Busy Lockout"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString csv = WriteFile("in.csv", c.csv.toUtf8());
        const TCliRun run = Run({"import", csv, "-o", PathOf("out.dat")});
        EXPECT_EQ(run.Code, 2);
        EXPECT_FALSE(QFile::exists(PathOf("out.dat")));
        const QStringList lines = run.Err.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.places.size()) << qPrintable(run.Err);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].startsWith(csv + ":" + c.places[i] + ": ")) << qPrintable(lines[i]);
            EXPECT_GT(lines[i].size(), (csv + ":" + c.places[i] + ": ").size()) << "a reason follows";
        }
    }
}

TEST_F(CliFileCommandsTest, ImportTakesModelBandSettingsAndMessageFromItsBase)
{
    const QString sample = SampleCodeplug("sample.dat");
    WriteFile("in.csv", (Header + "2,451,,None,None,Low,Wide,Yes,Yes,Yes\n").toUtf8());
    const TCliRun run = Run({"import", PathOf("in.csv"), "-o", PathOf("out.dat"), "--from", sample});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);

    DataModuleCreate(AppPath());
    ASSERT_TRUE(ReadCodeplugFile(PathOf("out.dat")).Ok());
    EXPECT_EQ(theAll().ModelCode, "6641");
    EXPECT_EQ(theFun().Squelch, 3);
    EXPECT_EQ(theFun().FM, 0);
    EXPECT_EQ(theEnMsg().Line1, "SHOP \"A\" 1");
    EXPECT_FALSE(theChannels().HoldsChannel(1));
    EXPECT_EQ(theChannels().Cell(2, ColRx).Fore, "451.00000");
    EXPECT_FALSE(theChannels().HoldsChannel(16));
}

TEST_F(CliFileCommandsTest, ImportStartsFromTheNamedModelAndBand)
{
    struct Case {
        QStringList options;
        const char* modelCode;
        const char* band;
        const char* rx;
    };
    const Case cases[] = {
        {{}, "6641", "450 - 470MHz", "460"},
        {{"--model", "K-640(VHF)"}, "5641", "150 - 174MHz", "160"},
        {{"--model", "5641", "--band", "136 - 174MHz"}, "5641", "136 - 174MHz", "140"},
        {{"--model", "6641", "--band", "400-470MHz"}, "6641", "400 - 470MHz", "410"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.options.join(' ')));
        WriteFile("in.csv", (Header + "5," + c.rx + ",,None,None,Low,Wide,Yes,Yes,Yes\n").toUtf8());
        const TCliRun run = Run(QStringList{"import", PathOf("in.csv"), "-o", PathOf("out.dat")} + c.options);
        ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
        DataModuleCreate(AppPath());
        ASSERT_TRUE(ReadCodeplugFile(PathOf("out.dat")).Ok());
        EXPECT_EQ(theAll().ModelCode, c.modelCode);
        EXPECT_EQ(theAll().BandText, c.band);
        EXPECT_EQ(theFun(), TFun{});
        EXPECT_TRUE(theEnMsg().Line1.isEmpty());
        EXPECT_TRUE(theChannels().HoldsChannel(5));
    }
}

TEST_F(CliFileCommandsTest, ExitCodesTellUsageBadInputAndFileErrorsApart)
{
    const QString sample = SampleCodeplug("sample.dat");
    const QString csv = WriteFile("in.csv", SampleCsv.toUtf8());
    QByteArray unknownModel = ReadTestFile(sample);
    unknownModel.replace(1, 4, "9999");
    const QString unknown = WriteFile("unknown.dat", unknownModel);
    const QString damaged = WriteFile("damaged.dat", ReadTestFile(sample).left(500));
    const QString out = PathOf("out.dat");
    const QString noDir = PathOf("missing/out");
    struct Case {
        QStringList arguments;
        int code;
    };
    const Case cases[] = {
        {{}, 1},
        {{"frobnicate"}, 1},
        {{"dump"}, 1},
        {{"dump", sample, sample}, 1},
        {{"dump", sample, "--verbose"}, 1},
        {{"export", sample, "-o"}, 1},
        {{"import", csv}, 1},
        {{"import", csv, "-o", out, "--from", sample, "--model", "5641"}, 1},
        {{"import", csv, "-o", out, "--band", "450 - 470MHz"}, 1},
        {{"import", csv, "-o", out, "--model", "K-999"}, 1},
        {{"import", csv, "-o", out, "--model", "5641", "--band", "450 - 470MHz"}, 1},
        {{"dump", damaged}, 2},
        {{"dump", unknown}, 2},
        {{"export", damaged}, 2},
        {{"import", csv, "-o", out, "--from", unknown}, 2},
        {{"dump", PathOf("missing.dat")}, 3},
        {{"dump", AppPath()}, 3},
        {{"export", sample, "-o", noDir}, 3},
        {{"import", PathOf("missing.csv"), "-o", out}, 3},
        {{"import", csv, "-o", out, "--from", PathOf("missing.dat")}, 3},
        {{"import", csv, "-o", noDir}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.arguments.join(' ')));
        const TCliRun run = Run(c.arguments);
        EXPECT_EQ(run.Code, c.code);
        EXPECT_FALSE(run.Err.isEmpty());
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
    EXPECT_EQ(Run({"--help"}).Code, 0);
}

TEST_F(CliFileCommandsTest, ImportWritesOnlyOverRegularFiles)
{
    const QString csv = WriteFile("in.csv", SampleCsv.toUtf8());
    ExpectOutputOnlyOverRegularFiles(
        [&csv](const QString& output) { return QStringList{"import", csv, "-o", output}; });
}

TEST_F(CliFileCommandsTest, InputThatIsNoRegularFileIsRefusedWithoutReadingIt)
{
    // A FIFO would block and /dev/zero would never end; both must fail at once.
    std::vector<TSpecialFile> inputs = MakeSpecialFiles(folder.path());
    inputs.push_back({"endless device", QStringLiteral("/dev/zero"), S_IFCHR});
    for (const TSpecialFile& input : inputs) {
        SCOPED_TRACE(input.Kind);
        for (const QStringList& arguments : {QStringList{"import", input.Path, "-o", PathOf("out.dat")},
                                             QStringList{"dump", input.Path}}) {
            const TCliRun run = Run(arguments);
            EXPECT_EQ(run.Code, 3) << qPrintable(run.Err);
            EXPECT_TRUE(run.Err.contains("not a regular file")) << qPrintable(run.Err);
            EXPECT_FALSE(QFile::exists(PathOf("out.dat")));
        }
    }
}

TEST_F(CliFileCommandsTest, MessagesAreEnglishWhateverLanguageFileLiesBeside)
{
    WriteFile("Chinese.Ini", "[Language]\nFileDamaged=BROKEN %1\nFileOpenError=NOPE %1\n");
    const QString damaged = WriteFile("damaged.dat", ReadTestFile(SampleCodeplug("sample.dat")).left(100));
    const TCliRun run = Run({"dump", damaged});
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Err, "k640-cli: The file " + damaged + " is damaged or incomplete; nothing was changed.\n");
    const TCliRun missing = Run({"dump", PathOf("missing.dat")});
    EXPECT_TRUE(missing.Err.startsWith("k640-cli: Cannot open the file " + PathOf("missing.dat") + ": "))
        << qPrintable(missing.Err);
}

} // namespace

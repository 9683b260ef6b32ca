// The radio commands of k640-cli, run as the user runs them: the built binary, copied into a
// private program folder, against the built virtual radio on a pseudo-terminal.
#include "cli/CodeplugJson.h"
#include "codeplug/CodeplugFile.h"
#include "radio/WriteTransfer.h"
#include "support/CliProcessTest.h"
#include "support/NonRegularFiles.h"
#include "support/TestFiles.h"
#include "support/VirtualRadio.h"
#include "virtual-radio/RadioEngine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// Longer than any failure of the link needs to be told: the read's start pause, the wake-up
// pause and the reply timer come to under two seconds.
constexpr int FailureLimitMs = 5000;

class CliRadioCommandsTest : public CliProcessTest {
protected:
    // Names the device as port COM200 of the program folder's settings.
    void ListPort(const QString& device) const
    {
        WriteTestFile(PathOf("SysInfo.Ini"), "[Ports]\r\nCOM200=" + device.toLocal8Bit() + "\r\n");
    }

    // The codeplug of the file as dump shows it.
    QJsonObject Dump(const QString& path) const
    {
        const TCliRun run = Run({"dump", path});
        EXPECT_EQ(run.Code, 0) << qPrintable(run.Err);
        return QJsonDocument::fromJson(run.Out).object();
    }
};

// The channels of a factory-fresh radio of the model, as dump shows them.
QJsonArray FactoryChannels(const QString& modelCode)
{
    const TRadioEngine radio(modelCode);
    TChannelTable& table = theChannels();
    table.ResetChannelRows();
    for (int channel = 1; channel <= table.ChannelCount(); ++channel) {
        TChannel values;
        if (TBWriteRead::DecodeChannel(radio.Row(16 * channel), values))
            table.StoreChannel(channel, values);
    }
    const QByteArray json = CodeplugJson(theAll(), theFun(), theEnMsg(), table);
    table.ResetChannelRows();
    return QJsonDocument::fromJson(json).object()["channels"].toArray();
}

TRow HeaderRow(const QByteArray& file)
{
    TRow row;
    std::copy_n(file.constData(), row.size(), row.begin());
    return row;
}

TEST_F(CliRadioCommandsTest, PortsListsThePortsOfTheSettingsWithTheirDevices)
{
    TVirtualRadio radio({});
    ASSERT_FALSE(radio.Port().isEmpty());
    ListPort(radio.Port());
    const TCliRun run = Run({"ports"});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    EXPECT_TRUE(run.Out.contains("COM200\t" + radio.Port().toLocal8Bit() + "\n")) << run.Out.constData();
}

TEST_F(CliRadioCommandsTest, ReadGivesTheRadiosCodeplugThroughAPathOrAPortName)
{
    const QJsonArray factory = FactoryChannels("6641");
    ASSERT_FALSE(factory.isEmpty());
    for (const bool byName : {false, true}) {
        SCOPED_TRACE(byName ? "port name" : "device path");
        TVirtualRadio radio({});
        ASSERT_FALSE(radio.Port().isEmpty());
        // A path needs no entry in the settings.
        if (byName)
            ListPort(radio.Port());
        const QString out = PathOf("read.dat");
        QFile::remove(out);
        const TCliRun run = Run({"read", "--port", byName ? "com200" : radio.Port(), "-o", out});
        ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
        EXPECT_TRUE(run.Err.contains("reading 100%")) << qPrintable(run.Err);

        const QJsonObject dump = Dump(out);
        EXPECT_EQ(dump["model"].toString(), "K-640(UHF)");
        EXPECT_EQ(dump["band"].toString(), "450 - 470MHz");
        EXPECT_EQ(dump["message"].toArray(), QJsonArray({"K-640", "WELCOME"}));
        EXPECT_EQ(dump["channels"].toArray(), factory);
        // Stamped now.
        const QDateTime stamp = QDateTime::fromString(dump["stamp"].toString(), "yyyy-MM-dd HH:mm");
        EXPECT_LT(qAbs(stamp.secsTo(QDateTime::currentDateTime())), 120);
    }
}

TEST_F(CliRadioCommandsTest, ReadWritesOnlyOverRegularFiles)
{
    TVirtualRadio radio({});
    ASSERT_FALSE(radio.Port().isEmpty());
    for (const TSpecialFile& target : MakeSpecialFiles(folder.path())) {
        SCOPED_TRACE(target.Kind);
        const TCliRun run = Run({"read", "--port", radio.Port(), "-o", target.Path});
        EXPECT_EQ(run.Code, 3) << qPrintable(run.Err);
        EXPECT_TRUE(run.Err.contains("not a regular file")) << qPrintable(run.Err);
        EXPECT_TRUE(target.Unchanged());
    }
}

TEST_F(CliRadioCommandsTest, WrittenCodeplugVerifiesAndReadsBackAsTheSameFile)
{
    const QString sample = SampleCodeplug("sample.dat");
    TVirtualRadio radio({});
    ASSERT_FALSE(radio.Port().isEmpty());

    const TCliRun write = Run({"write", "--port", radio.Port(), sample, "--verify"});
    ASSERT_EQ(write.Code, 0) << qPrintable(write.Err);
    EXPECT_TRUE(write.Err.contains("verified 24 rows")) << qPrintable(write.Err);

    const TCliRun read = Run({"read", "--port", radio.Port(), "-o", PathOf("back.dat")});
    ASSERT_EQ(read.Code, 0) << qPrintable(read.Err);
    const QByteArray written = ReadTestFile(sample);
    const QByteArray back = ReadTestFile(PathOf("back.dat"));
    ASSERT_EQ(back.size(), written.size());
    EXPECT_EQ(back.mid(CodeplugRowSize), written.mid(CodeplugRowSize));
    // The header differs in its stamp only.
    const THeader header = TBWriteRead::DecodeHeader(HeaderRow(written));
    TRow expected;
    TBWriteRead::EncodeHeader(expected, TBWriteRead::DecodeHeader(HeaderRow(back)).Stamp, header.BandDigits,
                              header.ModelText);
    EXPECT_EQ(HeaderRow(back), expected);
}

TEST_F(CliRadioCommandsTest, WriteTakesAnotherModelOnlyWhenForced)
{
    const QString sample = SampleCodeplug("sample.dat");
    struct Case {
        const char* identModel;
        bool force;
        int exitCode;
    };
    const Case cases[] = {
        {"6641", false, 0},  // the file's own model
        {"5641", false, 2},  // the other catalog model, same channel count
        {"5641", true, 0},
        {"1234", false, 2},  // a code the catalog does not know
        {"1234", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.identModel) + (c.force ? " --force" : ""));
        TVirtualRadio radio({"--ident-model", c.identModel, "--trace"});
        ASSERT_FALSE(radio.Port().isEmpty());
        QStringList arguments{"write", "--port", radio.Port(), sample};
        if (c.force)
            arguments << "--force";
        const TCliRun run = Run(arguments);
        EXPECT_EQ(run.Code, c.exitCode) << qPrintable(run.Err);
        radio.Stop();
        const QByteArray trace = radio.StandardError();
        EXPECT_EQ(trace.contains("write: "), c.exitCode == 0) << trace.constData();
        EXPECT_EQ(run.Err.contains("nothing was written"), c.exitCode != 0) << qPrintable(run.Err);
    }
}

TEST_F(CliRadioCommandsTest, ReadRefusesAModelTheCatalogDoesNotKnow)
{
    TVirtualRadio radio({"--ident-model", "1234", "--trace"});
    ASSERT_FALSE(radio.Port().isEmpty());
    const TCliRun run = Run({"read", "--port", radio.Port(), "-o", PathOf("read.dat")});
    EXPECT_EQ(run.Code, 2) << qPrintable(run.Err);
    EXPECT_TRUE(run.Err.contains("Wrong model")) << qPrintable(run.Err);
    EXPECT_FALSE(QFile::exists(PathOf("read.dat")));
}

TEST_F(CliRadioCommandsTest, LinkFaultsEndWithExitFourInBoundedTimeAndKeepTheFile)
{
    const QString sample = SampleCodeplug("sample.dat");
    struct Case {
        QStringList radioOptions;
        const char* command;
        const char* told = "Check all connections";
    };
    const Case cases[] = {
        {{"--ignore-program"}, "read"},
        {{"--refuse-program"}, "write"},
        {{"--short-read"}, "read"},
        {{"--wrong-ack"}, "read"},
        {{"--hang-up-after", "10"}, "read"},
        {{"--hang-up-after", "10"}, "write", "partly written codeplug"},
        // Rows went out before the radio fell silent: the user learns the radio is partly written.
        {{"--silent-after", "20"}, "write", "partly written codeplug"},
        // Another row's data twice: the silent retry does not help.
        {{"--wrong-row"}, "read"},
        {{"--refuse-writes"}, "write", "partly written codeplug"},
        // The answer comes after the reply timer; the question is answered Cancel.
        {{"--late-program", "1300"}, "read"},
        {{"--late-program", "1300"}, "write"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command + (" " + c.radioOptions.join(' ')).toStdString());
        TVirtualRadio radio(c.radioOptions);
        ASSERT_FALSE(radio.Port().isEmpty());
        const QString out = WriteTestFile(PathOf("old.dat"), "an earlier file");
        const TCliRun run = QLatin1String(c.command) == "read"
                             ? Run({"read", "--port", radio.Port(), "-o", out})
                             : Run({"write", "--port", radio.Port(), sample});
        EXPECT_EQ(run.Code, 4) << qPrintable(run.Err);
        EXPECT_LT(run.ElapsedMs, FailureLimitMs);
        EXPECT_TRUE(run.Err.contains(c.told)) << qPrintable(run.Err);
        EXPECT_EQ(ReadTestFile(out), "an earlier file");
    }
}

TEST_F(CliRadioCommandsTest, RadiosThatMisbehaveHarmlesslyAreReadAndWrittenRight)
{
    const QJsonArray factory = FactoryChannels("6641");
    const QString sample = SampleCodeplug("sample.dat");
    const QStringList faults[] = {
        {"--stray-byte", "9"},  // the silent retry reads it again
        {"--babble-ack"},
        {"--answer-wake-up"},
        {"--band-model", "ZZ9"},  // the identified model stays, so the file opens again
    };
    for (const QStringList& fault : faults) {
        SCOPED_TRACE(fault.join(' ').toStdString());
        {
            TVirtualRadio radio(fault);
            ASSERT_FALSE(radio.Port().isEmpty());
            const TCliRun read = Run({"read", "--port", radio.Port(), "-o", PathOf("read.dat")});
            ASSERT_EQ(read.Code, 0) << qPrintable(read.Err);
            const QJsonObject dump = Dump(PathOf("read.dat"));
            EXPECT_EQ(dump["model"].toString(), "K-640(UHF)");
            EXPECT_EQ(dump["channels"].toArray(), factory);
        }
        TVirtualRadio radio(fault);
        const TCliRun write = Run({"write", "--port", radio.Port(), sample, "--verify"});
        EXPECT_EQ(write.Code, 0) << qPrintable(write.Err);
    }
}

TEST_F(CliRadioCommandsTest, VerifyMismatchHasItsOwnExitCodeAndNamesEachRowOnce)
{
    const QString sample = SampleCodeplug("sample.dat");
    const auto rows = BuildWriteRows(theAll(), theEnMsg(), theFun(), theFrqList(), theChannels());
    ASSERT_TRUE(rows);
    const TRadioEngine factory("6641");
    QStringList expected;
    for (const TWriteRow& row : *rows) {
        if (factory.Row(row.Address) != row.Row)
            expected << QStringLiteral("the row at 0x%1 differs").arg(row.Address, 4, 16, QLatin1Char('0'));
    }
    ASSERT_FALSE(expected.isEmpty());

    TVirtualRadio radio({"--forget-writes"});
    const TCliRun run = Run({"write", "--port", radio.Port(), sample, "--verify"});
    EXPECT_EQ(run.Code, 5) << qPrintable(run.Err);
    QStringList named;
    for (const QString& line : run.Err.split('\n')) {
        if (line.contains("differs"))
            named << line.mid(line.indexOf("the row"));
    }
    EXPECT_EQ(named, expected);
}

TEST_F(CliRadioCommandsTest, PortThatCannotBeOpenedEndsWithExitFour)
{
    const QString sample = SampleCodeplug("sample.dat");
    for (const char* port : {"/dev/k640-no-such-port", "COM250", "COMX"}) {
        for (const bool read : {true, false}) {
            SCOPED_TRACE(std::string(port) + (read ? " read" : " write"));
            const TCliRun run = read ? Run({"read", "--port", port, "-o", PathOf("read.dat")})
                                  : Run({"write", "--port", port, sample});
            EXPECT_EQ(run.Code, 4) << qPrintable(run.Err);
            EXPECT_TRUE(run.Err.contains("The port cannot be opened")) << qPrintable(run.Err);
            EXPECT_EQ(run.Err.contains("The device /dev/k640-no-such-port does not exist"), port[0] == '/')
                << qPrintable(run.Err);
            EXPECT_LT(run.ElapsedMs, FailureLimitMs);
        }
    }
    EXPECT_FALSE(QFile::exists(PathOf("read.dat")));
}

TEST_F(CliRadioCommandsTest, ExitCodesTellUsageAndFileFaultsApartBeforeTheRadio)
{
    WriteTestFile(PathOf("short.dat"), QByteArray(100, '\xFF'));
    struct Case {
        QStringList arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{"ports", "extra"}, 1},
        {{"read"}, 1},
        {{"read", "--port", "COM1"}, 1},
        {{"read", "-o", "x.dat"}, 1},
        {{"read", "--port", "COM1", "-o", "x.dat", "extra"}, 1},
        {{"read", "--port", "COM1", "-o", "x.dat", "--bogus"}, 1},
        {{"write", "x.dat"}, 1},
        {{"write", "--port", "COM1"}, 1},
        {{"write", "--port", "COM1", "a.dat", "b.dat"}, 1},
        {{"write", "--port", "COM1", "short.dat"}, 2},
        {{"write", "--port", "COM1", "missing.dat"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const TCliRun run = Run(c.arguments);
        EXPECT_EQ(run.Code, c.exitCode) << qPrintable(run.Err);
        EXPECT_FALSE(run.Err.isEmpty());
        EXPECT_FALSE(run.Err.contains("The port cannot be opened")) << "no port opened";
    }
}

} // namespace

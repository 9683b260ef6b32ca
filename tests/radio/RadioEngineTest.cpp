#include "virtual-radio/RadioEngine.h"

#include "codeplug/CodeplugState.h"
#include "settings/ModelCatalog.h"
#include "support/RadioFrames.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

const QByteArray Handshake = WakeUp + "PROGRAM";
const QByteArray Session = Handshake + WakeUp;  // up to the identification
const QByteArray Nak = Bytes({0x15});

TRow BlankRow()
{
    TRow row;
    row.fill(0xFF);
    return row;
}

TRow CountingRow(int first)
{
    TRow row;
    for (size_t i = 0; i < row.size(); ++i)
        row[i] = static_cast<std::uint8_t>(first + static_cast<int>(i));
    return row;
}

std::vector<TFrameKind> Kinds(const std::vector<TRadioFrame>& frames)
{
    std::vector<TFrameKind> kinds;
    for (const TRadioFrame& frame : frames)
        kinds.push_back(frame.Kind);
    return kinds;
}

} // namespace

// Every frame the program sends, answered byte for byte from the state the program puts the
// radio in first.
TEST(RadioEngine, AnswersEveryFrameExactly)
{
    struct Case {
        const char* name;
        QByteArray before;
        QByteArray request;
        QByteArray reply;
        TFrameKind kind;
    };
    const QByteArray data = Bytes({0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7});
    const Case cases[] = {
        {"wake-up", {}, WakeUp, {}, TFrameKind::WakeUp},
        {"program request", WakeUp, "PROGRAM", AckByte, TFrameKind::ProgramRequest},
        {"identify", Handshake, WakeUp, Identification("6641"), TFrameKind::Identify},
        {"acknowledge", Session, AckByte, AckByte, TFrameKind::Acknowledge},
        {"read", Session, ReadRequest(0x0048),
         ReadRequest(0x0048) + Bytes({0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F}),
         TFrameKind::Read},
        {"write", Session, WriteRequest(0x0010, data), AckByte, TFrameKind::Write},
        {"settings write", Session, WriteRequest(0x02B0, data, 'Y'), AckByte,
         TFrameKind::SettingsWrite},
        {"end", Session, "E", {}, TFrameKind::End},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRadioEngine radio;
        radio.SetRow(0x0040, CountingRow(0x20));
        radio.Answer(c.before);
        radio.TakeFrames();
        EXPECT_EQ(radio.Answer(c.request), c.reply);
        const std::vector<TRadioFrame> frames = radio.TakeFrames();
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0], (TRadioFrame{c.kind, c.request, c.reply}));
    }
}

TEST(RadioEngine, CommandsCountOnlyInsideASession)
{
    TRadioEngine radio;
    // Before the handshake, after the end frame and after a new wake-up, commands are noise.
    const QByteArray read = ReadRequest(0x0010);
    EXPECT_EQ(radio.Answer(read + AckByte), QByteArray());
    radio.Answer(Session + "E");
    EXPECT_EQ(radio.Answer(WakeUp), QByteArray()) << "a wake-up after the end is no identify";
    EXPECT_EQ(radio.Answer(read), QByteArray());
    radio.Answer(Session);
    EXPECT_EQ(radio.Answer(WakeUp + read), QByteArray()) << "a wake-up leaves the session";
    EXPECT_EQ(radio.Answer("PROGRAM" + WakeUp).size(), 1 + 8) << "a retry starts over";
    EXPECT_EQ(radio.Answer(read).size(), 12);
}

TEST(RadioEngine, WrittenHalvesReadBackThroughTheLink)
{
    TRadioEngine radio;
    radio.Answer(Session);
    const TRow row = CountingRow(0x70);
    const QByteArray bytes = RowBytes(row);
    EXPECT_EQ(radio.Answer(WriteRequest(0x0100, bytes.left(8))
                           + WriteRequest(0x0108, bytes.mid(8), 'Y')),
              AckByte + AckByte);
    EXPECT_EQ(radio.Row(0x0100), row);
    EXPECT_EQ(radio.Answer(ReadRequest(0x0100)).mid(4), bytes.left(8));
    EXPECT_EQ(radio.Answer(AckByte + ReadRequest(0x0108)), AckByte + ReadRequest(0x0108) + bytes.mid(8));
    EXPECT_EQ(radio.Row(0x00F0), BlankRow()) << "neighbours untouched";
    EXPECT_EQ(radio.Row(0x0110), BlankRow());
}

TEST(RadioEngine, AddressesWrapAtTheEndOfMemory)
{
    TRadioEngine radio;
    radio.SetRow(0xFFF8, CountingRow(0x10));  // 0xFFF8..0xFFFF and 0x0000..0x0007
    EXPECT_EQ(radio.Row(0x0000)[7], 0x1F);
    radio.Answer(Session);
    EXPECT_EQ(radio.Answer(ReadRequest(0xFFFC)).mid(4), Bytes({0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B}));
    radio.Answer(WriteRequest(0xFFFE, QByteArray(8, '\x55')));
    EXPECT_EQ(radio.Row(0xFFF8)[6], 0x55);
    EXPECT_EQ(radio.Row(0x0000)[5], 0x55);
    EXPECT_EQ(radio.Row(0x0000)[6], 0x1E);
}

TEST(RadioEngine, RepliesSayWhenTheyAreDue)
{
    TRadioEngine radio;
    const std::vector<TRadioReply> replies = radio.Feed(Session + ReadRequest(0x10) + AckByte);
    ASSERT_EQ(replies.size(), 4u);
    EXPECT_EQ(replies[0].AfterInputBytes, 8);   // after "PROGRAM"
    EXPECT_EQ(replies[1].AfterInputBytes, 9);   // after the identify request
    EXPECT_EQ(replies[2].AfterInputBytes, 13);  // after the read request
    EXPECT_EQ(replies[3].AfterInputBytes, 14);
    EXPECT_EQ(replies[2].Bytes.size(), 12);
}

TEST(RadioEngine, FactoryMemoryIsAValidCodeplugOfTheModel)
{
    TMacList catalog;
    catalog.FillInitial();
    TFrqList bands;
    bands.FillInitial();
    struct Case {
        QString code;
        int bandCode;
        double lower, upper;
    };
    const Case cases[] = {
        {"6641", 0xF4, 450.0, 470.0},
        {"5641", 0xF0, 150.0, 174.0},
        {"9999", 0xFD, 27.0, 72.0},  // unknown to the catalog: first band, usual layout
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        const TRadioEngine radio(c.code);

        QString modelCode;
        EXPECT_EQ(TBWriteRead::DecodeBand(radio.Row(0x03D0), modelCode), c.bandCode);
        EXPECT_EQ(modelCode, c.code);

        int channels = 0;
        for (int k = 1; k <= 16; ++k) {
            TChannel channel;
            if (!TBWriteRead::DecodeChannel(radio.Row(16 * k), channel))
                continue;
            ++channels;
            EXPECT_GE(channel.Rx, c.lower);
            EXPECT_LE(channel.Rx, c.upper);
        }
        EXPECT_GE(channels, 3);
        EXPECT_LT(channels, 16) << "some channels free for the dealer";

        EXPECT_EQ(TBWriteRead::DecodeMessage(radio.Row(0x0380))
                      + TBWriteRead::DecodeMessage(radio.Row(0x0390)),
                  "K-640");
        TFun settings;
        settings.Squelch = -1;
        settings.FM = -1;
        TBWriteRead::DecodeSettings1(radio.Row(0x03C0), settings);
        TBWriteRead::DecodeSettings2(radio.Row(0x02B0), settings);
        EXPECT_EQ(settings, TFun{});
    }
}

TEST(RadioEngine, FaultsOnRequest)
{
    struct Case {
        const char* name;
        TRadioFaults faults;
        QByteArray request;
        QByteArray reply;
    };
    const QByteArray read = ReadRequest(0x0040);
    TRadioFaults ignore, refuse, shortRead, wrongAck, otherModel, silent, silentAtOnce;
    ignore.IgnoreProgramRequest = true;
    refuse.RefuseProgramRequest = true;
    shortRead.ShortReadReply = true;
    wrongAck.WrongAcknowledge = true;
    otherModel.IdentModelCode = "5641";
    silent.SilentAfterFrames = 3;
    silentAtOnce.SilentAfterFrames = 0;
    const QByteArray goodRead = read + QByteArray(8, '\xFF');
    const QByteArray ident = Identification("6641");
    const Case cases[] = {
        {"no answer to the program request", ignore, Session + read, {}},
        {"program request refused", refuse, Session + read, Nak},
        {"short read reply", shortRead, Session + read, AckByte + ident + goodRead.left(11)},
        {"wrong acknowledge", wrongAck, Session + AckByte, AckByte + ident + Nak},
        {"other model code", otherModel, Session, AckByte + Identification("5641")},
        {"silent after three frames", silent, Session + read, AckByte + ident},
        {"silent from the start", silentAtOnce, Session, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRadioEngine radio("6641", c.faults);
        radio.SetRow(0x0040, BlankRow());
        EXPECT_EQ(radio.Answer(c.request), c.reply);
        EXPECT_FALSE(radio.HungUp());
        EXPECT_FALSE(radio.TakeFrames().empty()) << "frames are seen even when not answered";
    }
}

TEST(RadioEngine, HangsUpAfterTheNthFrameIsAnswered)
{
    TRadioFaults faults;
    faults.HangUpAfterFrames = 3;
    TRadioEngine radio("6641", faults);
    radio.Answer(Handshake);
    EXPECT_FALSE(radio.HungUp());
    EXPECT_EQ(radio.Answer(WakeUp + ReadRequest(0x10)).size(), 8) << "the identification still goes out";
    EXPECT_TRUE(radio.HungUp());
    EXPECT_EQ(Kinds(radio.TakeFrames()),
              (std::vector{TFrameKind::WakeUp, TFrameKind::ProgramRequest, TFrameKind::Identify}));
    EXPECT_EQ(radio.Answer(Session), QByteArray());
    EXPECT_TRUE(radio.TakeFrames().empty()) << "a dead line takes nothing";

    faults.HangUpAfterFrames = 0;
    EXPECT_TRUE(TRadioEngine("6641", faults).HungUp());
}

TEST(RadioEngine, NoiseIsKeptApartFromFrames)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QByteArray reply;
        std::vector<TFrameKind> kinds;
    };
    const Case cases[] = {
        {"broken program word, then a wake-up", QByteArray("PROX") + WakeUp, {},
         {TFrameKind::Garbage, TFrameKind::WakeUp}},
        {"program word restarted", QByteArray("PROPROGRAM"), AckByte,
         {TFrameKind::Garbage, TFrameKind::ProgramRequest}},
        {"read with a count other than 8", Session + Bytes({'R', 0, 0x10, 0x10}) + AckByte,
         AckByte + Identification("6641") + AckByte,
         {TFrameKind::WakeUp, TFrameKind::ProgramRequest, TFrameKind::Identify,
          TFrameKind::Garbage, TFrameKind::Acknowledge}},
        {"noise runs are joined", QByteArray("xyz\x06q"), {}, {TFrameKind::Garbage}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRadioEngine radio;
        EXPECT_EQ(radio.Answer(c.bytes), c.reply);
        EXPECT_EQ(Kinds(radio.TakeFrames()), c.kinds);
    }
}

TEST(RadioEngine, SurvivesRandomBytesAndServesAfterwards)
{
    std::mt19937 random(640);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(1, 40);
    TRadioEngine radio;
    radio.Answer(Session);
    for (int block = 0; block < 5000; ++block) {
        QByteArray bytes;
        for (int n = length(random); n > 0; --n)
            bytes += static_cast<char>(byte(random));
        for (const TRadioReply& reply : radio.Feed(bytes)) {
            EXPECT_GE(reply.AfterInputBytes, 1);
            EXPECT_LE(reply.AfterInputBytes, bytes.size());
            EXPECT_LE(reply.Bytes.size(), 12);
        }
    }
    radio.TakeFrames();
    // A half-received frame would swallow the next handshake; a dropped link forgets it.
    radio.Answer(Bytes({'W', 0x00}));
    radio.LinkDropped();
    EXPECT_EQ(radio.Answer(Session).left(2), AckByte + "P");
    EXPECT_EQ(radio.Answer(ReadRequest(0x0400)).size(), 12);
}

TEST(RadioEngine, ImageSavesAndLoads)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("radio.img");

    TRadioEngine radio;
    radio.SetRow(0x0010, CountingRow(1));
    QString error;
    ASSERT_TRUE(radio.SaveImage(path, &error)) << error.toStdString();

    TRadioEngine other("5641");
    ASSERT_TRUE(other.LoadImage(path, &error)) << error.toStdString();
    for (int address = 0; address < TRadioEngine::MemorySize; address += 16)
        ASSERT_EQ(other.Row(address), radio.Row(address)) << address;

    EXPECT_FALSE(radio.SaveImage(folder.filePath("missing/radio.img"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RadioEngine, RefusesAFileThatIsNoImage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (int size : {0, 992, TRadioEngine::MemorySize - 1, TRadioEngine::MemorySize + 1}) {
        SCOPED_TRACE(size);
        const QString path = folder.filePath(QString("bad%1.img").arg(size));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, '\0'));
        file.close();
        TRadioEngine radio;
        const TRow before = radio.Row(0x03D0);
        QString error;
        EXPECT_FALSE(radio.LoadImage(path, &error));
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_EQ(radio.Row(0x03D0), before) << "memory kept";
    }
    TRadioEngine radio;
    QString error;
    EXPECT_FALSE(radio.LoadImage(folder.filePath("absent.img"), &error));
    EXPECT_FALSE(error.isEmpty());
}

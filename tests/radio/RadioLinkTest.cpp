// The radio link, read and write, driven through a fake serial link against the in-process radio,
// with the link's real timers.
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"

#include "channels/ChannelTable.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/GlobalState.h"
#include "radio/PortProblem.h"
#include "support/FakeSerialLink.h"
#include "support/FreshState.h"
#include "support/ShownMessages.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int SlowStep = 3000;  // more than any single pause or timer of the link

// The reply to the n-th frame of a kind (counted from 1) never comes; with an address, the reply
// to the n-th frame of that kind at that address.
std::function<QByteArray(const TRadioFrame&)> DropReply(TFrameKind kind, int occurrence,
                                                        int address = -1)
{
    auto seen = std::make_shared<int>(0);
    return [=](const TRadioFrame& frame) {
        const bool atAddress = address < 0
                               || (frame.Bytes.size() >= 3
                                   && ((static_cast<std::uint8_t>(frame.Bytes[1]) << 8)
                                       | static_cast<std::uint8_t>(frame.Bytes[2])) == address);
        if (frame.Kind == kind && atAddress && ++*seen == occurrence)
            return QByteArray();
        return frame.Reply;
    };
}

TRadioEngine RadioWith(const std::function<void(TRadioFaults&)>& fault)
{
    TRadioFaults faults;
    fault(faults);
    return TRadioEngine("6641", faults);
}

TRow RowOf(const QByteArray& bytes)
{
    TRow row;
    row.fill(0xFF);
    std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), 16), row.begin());
    return row;
}

class RadioLinkTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        ReceiveStateOf(TTransferKind::Read) = {};
        ReceiveStateOf(TTransferKind::Write) = {};
        theAll().ComPort = "COM1";
        SetCurrentModel(theAll(), *theMacList().FindByCode("6641"));
        SetBand(theAll(), theAll().CurModel->DefaultBand);
        theChannels().ResetChannelRows();
    }

    template <class TTransfer>
    std::unique_ptr<TTransfer> Make()
    {
        auto link = std::make_unique<FakeSerialLink>(radio);
        port = link.get();
        return std::make_unique<TTransfer>(std::move(link));
    }
    struct TAnyTransfer {
        std::shared_ptr<TTransferHooks> Owner;
        TRadioLink* Link = nullptr;
    };
    TAnyTransfer MakeOfKind(TTransferKind kind)
    {
        if (kind == TTransferKind::Read) {
            std::shared_ptr<TReadTransfer> read = Make<TReadTransfer>();
            return {read, &read->Link()};
        }
        std::shared_ptr<TWriteTransfer> write = Make<TWriteTransfer>();
        return {write, &write->Link()};
    }
    // Shows the dialog and presses OK.
    template <class TTransfer>
    std::unique_ptr<TTransfer> Start()
    {
        auto transfer = Make<TTransfer>();
        transfer->Link().FormShow();
        transfer->Link().btnOkClick();
        return transfer;
    }

    std::vector<TMessage> Shown() const
    {
        for (const TShownMessage& m : box.Shown())
            EXPECT_EQ(m.Caption, theLanguage().Confirmation);
        return ShownMessages(box);
    }
    bool WaitShown(size_t count, int ms = SlowStep)
    {
        return QTest::qWaitFor([&] { return box.Shown().size() >= count; }, ms);
    }
    int CountFrames(TFrameKind kind) const
    {
        return static_cast<int>(std::count_if(port->Frames().begin(), port->Frames().end(),
                                               [kind](const TRadioFrame& f) { return f.Kind == kind; }));
    }
    bool WaitFrames(TFrameKind kind, int count, int ms = SlowStep)
    {
        return QTest::qWaitFor([&] { return CountFrames(kind) >= count; }, ms);
    }
    bool WaitFinished(TRadioLink& link, int ms = 4 * SlowStep)
    {
        return QTest::qWaitFor([&] { return link.LinkStep() == TRadioLink::StepFinished; }, ms);
    }

    TMessage ComErrorBox() const { return {theLanguage().ComError, MsgInformation}; }
    TMessage ComErrorQuestion() const { return {theLanguage().ComError, MsgRetryCancel}; }

    TRadioEngine radio{"6641"};
    FakeSerialLink* port = nullptr;
    ScriptedMsgBox box;
};

// ---- handshake and identification --------------------------------------------------------------

TEST_F(RadioLinkTest, HandshakeGoesOnWhenEitherOfTwoAnswerBytesIsTheAcknowledge)
{
    const QByteArray nak(1, '\x15');
    for (const QByteArray& answer : {QByteArray("\x06"), nak + '\x06'}) {
        SCOPED_TRACE(answer.toHex().toStdString());
        box.Clear();
        // An unknown model stops the read right after the identification.
        radio = RadioWith([](TRadioFaults& f) { f.IdentModelCode = "9999"; });
        auto transfer = Make<TReadTransfer>();
        port->Tamper = [&](const TRadioFrame& frame) {
            return frame.Kind == TFrameKind::ProgramRequest ? answer : frame.Reply;
        };
        transfer->Link().FormShow();
        transfer->Link().btnOkClick();
        ASSERT_TRUE(WaitShown(1));
        EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().ModError, MsgInformation}}));
        EXPECT_EQ(CountFrames(TFrameKind::Identify), 1);
    }
}

TEST_F(RadioLinkTest, RefusedHandshakeAsksAfterTheReplyTimerAndRetryStartsOver)
{
    radio = RadioWith([](TRadioFaults& f) { f.RefuseProgramRequest = true; });
    box.Answer({MsgResultRetry, MsgResultCancel});
    auto transfer = Make<TReadTransfer>();
    transfer->Link().FormShow();
    QElapsedTimer clock;
    clock.start();
    transfer->Link().btnOkClick();
    ASSERT_TRUE(WaitShown(1));
    // 500 ms before the handshake, then the full reply timer.
    EXPECT_GE(clock.elapsed(), 1450);
    EXPECT_EQ(CountFrames(TFrameKind::Identify), 0);
    ASSERT_TRUE(WaitShown(2, 2 * SlowStep));
    EXPECT_EQ(Shown(), (std::vector<TMessage>{ComErrorQuestion(), ComErrorQuestion()}));
    EXPECT_EQ(CountFrames(TFrameKind::ProgramRequest), 2);
    EXPECT_TRUE(transfer->Link().OkEnabled()) << "Cancel gives OK back";
}

TEST_F(RadioLinkTest, UnknownModelOnReadChangesNothing)
{
    radio = RadioWith([](TRadioFaults& f) { f.IdentModelCode = "66X1"; });
    const QString modelCode = theAll().ModelCode;
    const QString band = theAll().BandText;
    const TFun fun = theFun();
    auto transfer = Start<TReadTransfer>();
    ASSERT_TRUE(WaitShown(1));
    QTest::qWait(300);
    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().ModError, MsgInformation}}));
    EXPECT_EQ(CountFrames(TFrameKind::Acknowledge), 0) << "no worker started";
    EXPECT_EQ(theAll().ModelCode, modelCode);
    EXPECT_EQ(theAll().BandText, band);
    EXPECT_EQ(theFun(), fun);
    EXPECT_FALSE(transfer->Link().OkEnabled());
    EXPECT_FALSE(transfer->ReadSucceeded());
}

TEST_F(RadioLinkTest, WriteMatchesTheRadioModelFirst)
{
    TMacType wide = *theMacList().FindByCode("6641");
    wide.Code = "7777";
    wide.ChannelCount = 32;
    theMacList().Add(wide);
    const struct {
        const char* RadioCode;
        std::initializer_list<int> Answers;
        std::vector<QString TLanguage::*> Messages;
        bool Writes;
    } cases[] = {
        {"6641", {}, {}, true},
        {"5641", {MsgResultYes}, {&TLanguage::Modforce}, true},
        {"5641", {MsgResultNo}, {&TLanguage::Modforce}, false},
        {"9999", {MsgResultYes}, {&TLanguage::Modforce}, true},
        {"7777", {}, {&TLanguage::ModError}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.RadioCode);
        box.Clear();
        box.Answer(c.Answers);
        radio = RadioWith([&](TRadioFaults& f) { f.IdentModelCode = c.RadioCode; });
        auto transfer = Start<TWriteTransfer>();
        ASSERT_TRUE(WaitFrames(TFrameKind::Identify, 1));
        const bool wrote = WaitFrames(TFrameKind::Write, 1, c.Writes ? SlowStep : 500);
        EXPECT_EQ(wrote, c.Writes);
        std::vector<QString> texts;
        for (auto key : c.Messages)
            texts.push_back(theLanguage().*key);
        EXPECT_EQ(box.Texts(), texts);
        if (!c.Writes) {
            EXPECT_FALSE(transfer->Link().OkEnabled());
        }
        // Ended in the middle of the write: the worker goes with it.
    }
}

// ---- the port ----------------------------------------------------------------------------------

TEST_F(RadioLinkTest, PortThatCannotBeOpenedClosesTheDialogLater)
{
    const struct {
        const char* ComPort;
        bool Refused;
        bool ErrorShownBefore;
        bool Message;
    } cases[] = {
        {"COM", false, false, true},
        {"COMA", false, false, true},
        {"COM1", true, false, true},
        // The last attempt of an earlier dialog ended with a message: this one is reported all
        // the same.
        {"COM1", true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ComPort) + (c.Refused ? " refused" : ""));
        box.Clear();
        theAll().ComPort = c.ComPort;
        ReceiveStateOf(TTransferKind::Read).ErrorShown = c.ErrorShownBefore;
        auto transfer = Make<TReadTransfer>();
        port->FailOpen = c.Refused;
        QSignalSpy close(&transfer->Link(), &TRadioLink::closeRequested);
        transfer->Link().FormShow();
        EXPECT_EQ(Shown().size(), c.Message ? 1u : 0u);
        if (c.Message) {
            // A device that exists says why it failed; a name without one says no more.
            const TMessage expected{c.Refused ? theLanguage().LPortError + '\n' + PortOpenProblem("/dev/ttyUSB0")
                                              : theLanguage().LPortError,
                                    MsgInformation};
            EXPECT_EQ(Shown().front(), expected);
        }
        QTest::qWait(200);
        EXPECT_EQ(close.count(), 0);
        EXPECT_TRUE(close.wait(400));
    }
}

TEST_F(RadioLinkTest, OpensTheDeviceOfThePortName)
{
    theAll().ComPort = "COM3";
    auto transfer = Make<TWriteTransfer>();
    transfer->Link().FormShow();
    EXPECT_EQ(port->OpenedDevice(), "/dev/ttyUSB2");
    EXPECT_TRUE(port->IsOpen());
    transfer->Link().FormClose();
    EXPECT_FALSE(port->IsOpen());
}

// ---- replies that do not come ------------------------------------------------------------------

TEST_F(RadioLinkTest, ShortReadReplyAsksAfterTheReplyTimerAndRetryStartsOver)
{
    radio = RadioWith([](TRadioFaults& f) { f.ShortReadReply = true; });
    box.Answer({MsgResultRetry});
    auto transfer = Start<TReadTransfer>();
    ASSERT_TRUE(WaitFrames(TFrameKind::Read, 1));
    const int acksBefore = CountFrames(TFrameKind::Acknowledge);
    QTest::qWait(800);
    EXPECT_TRUE(box.Shown().empty()) << "the reply timer runs for a full second";
    ASSERT_TRUE(WaitShown(1));
    EXPECT_EQ(Shown(), std::vector<TMessage>{ComErrorQuestion()});
    EXPECT_EQ(CountFrames(TFrameKind::Acknowledge), acksBefore) << "the worker was not resumed";
    EXPECT_TRUE(WaitFrames(TFrameKind::ProgramRequest, 2));
}

TEST_F(RadioLinkTest, UnansweredAcknowledgeFailsTheRunOnce)
{
    for (const TTransferKind kind : {TTransferKind::Read, TTransferKind::Write}) {
        SCOPED_TRACE(kind == TTransferKind::Read ? "read" : "write");
        box.Clear();
        radio = TRadioEngine("6641");
        const TAnyTransfer transfer = MakeOfKind(kind);
        TRadioLink* link = transfer.Link;
        port->Tamper = DropReply(TFrameKind::Acknowledge, 1);
        link->FormShow();
        link->btnOkClick();
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(WaitFinished(*link));
        EXPECT_GE(clock.elapsed(), 1000) << "the acknowledge is awaited like a reply";
        EXPECT_EQ(Shown(), std::vector<TMessage>{ComErrorBox()});
        EXPECT_FALSE(link->RunCompleted());
    }
}

// ---- line errors -------------------------------------------------------------------------------

TEST_F(RadioLinkTest, ReadRetriesSilentlyAfterTheFirstLineErrorOnly)
{
    // First line error during the handshake: a new attempt 500 ms later, no message.
    radio = RadioWith([](TRadioFaults& f) { f.IgnoreProgramRequest = true; });
    auto transfer = Start<TReadTransfer>();
    ASSERT_TRUE(WaitFrames(TFrameKind::ProgramRequest, 1));
    port->InjectLineError();
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(WaitFrames(TFrameKind::WakeUp, 2));
    EXPECT_GE(clock.elapsed(), 500 + 500 - 50);
    EXPECT_TRUE(box.Shown().empty());

    // The second: the reply timer asks within a second.
    ASSERT_TRUE(WaitFrames(TFrameKind::ProgramRequest, 2));
    port->InjectLineError();
    clock.restart();
    ASSERT_TRUE(WaitShown(1));
    EXPECT_LE(clock.elapsed(), 1200);
    EXPECT_EQ(Shown(), std::vector<TMessage>{ComErrorQuestion()});
}

TEST_F(RadioLinkTest, FirstLineErrorDuringTheReadTransferStartsOverSilently)
{
    // The first fails the waiting exchange and the read starts over, silently, and completes.
    auto transfer = Start<TReadTransfer>();
    port->Tamper = DropReply(TFrameKind::Read, 3);
    ASSERT_TRUE(WaitFrames(TFrameKind::Read, 3));
    port->InjectLineError();
    ASSERT_TRUE(WaitFinished(transfer->Link()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return transfer->ReadSucceeded(); }, 3 * SlowStep));
    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().ReadOk, MsgInformation}}));
    EXPECT_EQ(CountFrames(TFrameKind::ProgramRequest), 2);
}

TEST_F(RadioLinkTest, SecondReadLineErrorDuringTheTransferFailsTheRunWithoutQuestion)
{
    // The first line error, during the handshake, has used up the silent retry.
    const auto dropHandshake = DropReply(TFrameKind::ProgramRequest, 1);
    const auto dropRead = DropReply(TFrameKind::Read, 3);
    auto transfer = Make<TReadTransfer>();
    port->Tamper = [=](const TRadioFrame& frame) {
        return frame.Kind == TFrameKind::ProgramRequest ? dropHandshake(frame) : dropRead(frame);
    };
    transfer->Link().FormShow();
    transfer->Link().btnOkClick();
    ASSERT_TRUE(WaitFrames(TFrameKind::ProgramRequest, 1));
    port->InjectLineError();
    ASSERT_TRUE(WaitFrames(TFrameKind::Read, 3));
    port->InjectLineError();
    ASSERT_TRUE(WaitShown(1));
    QTest::qWait(1300);
    EXPECT_EQ(Shown(), std::vector<TMessage>{ComErrorBox()});
    EXPECT_EQ(transfer->Link().LinkStep(), TRadioLink::StepFinished);
    EXPECT_FALSE(transfer->ReadSucceeded());
    EXPECT_FALSE(transfer->Link().OkEnabled());
}

TEST_F(RadioLinkTest, WriteLineErrorShowsComErrorOnceThenThePartlyWrittenRadioAndGivesOkBack)
{
    auto transfer = Start<TWriteTransfer>();
    port->Tamper = DropReply(TFrameKind::Write, 5);
    ASSERT_TRUE(WaitFrames(TFrameKind::Write, 5));
    port->InjectLineError();
    ASSERT_TRUE(WaitFinished(transfer->Link()));
    QTest::qWait(1200);
    EXPECT_EQ(Shown(), (std::vector<TMessage>{ComErrorBox(), {theLanguage().PartlyWritten, MsgInformation}}));
    EXPECT_TRUE(transfer->Link().OkEnabled());
    EXPECT_EQ(CountFrames(TFrameKind::Write), 5);
    // The port still works: the radio is taken out of programming mode.
    EXPECT_EQ(CountFrames(TFrameKind::End), 1);
}

TEST_F(RadioLinkTest, WriteCutShortByClosingTellsThePartlyWrittenRadioAndEndsProgramming)
{
    struct Case { const char* what; int writesBeforeClosing; bool partly; };
    const Case cases[] = {
        {"closed before any row went out", 0, false},
        {"closed in the middle of the rows", 5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.Clear();
        radio = RadioWith([](TRadioFaults& f) { f.SilentAfterFrames = 8; });  // 4 rows answered
        auto transfer = Start<TWriteTransfer>();
        if (c.writesBeforeClosing > 0) {
            ASSERT_TRUE(WaitFrames(TFrameKind::Write, c.writesBeforeClosing));
        }
        QElapsedTimer clock;
        clock.start();
        transfer->Link().FormClose();
        EXPECT_LT(clock.elapsed(), 500);
        QTest::qWait(TryTimeMs + 200);
        const std::vector<TMessage> expected = c.partly
            ? std::vector<TMessage>{{theLanguage().PartlyWritten, MsgInformation}} : std::vector<TMessage>{};
        EXPECT_EQ(Shown(), expected);
        EXPECT_EQ(CountFrames(TFrameKind::End), c.partly ? 1 : 0);
    }
}

// ---- complete transfers ------------------------------------------------------------------------

class CompleteTransferTest : public RadioLinkTest {
protected:
    const TChannel First{460.05, 460.1, {}, "D023N", 1, 0, 0, 1, 1};
    const TChannel NoTx{455.00625, -1.0, "67.0", {}, 0, 1, 1, 0, 0};
};

TEST_F(CompleteTransferTest, ReadFillsTheCodeplugFromTheRadio)
{
    // Rows 0x3D0 and the like: 16 channels, 39 gap rows.
    TRow row;
    TBWriteRead::EncodeChannel(row, First);
    radio.SetRow(0x10, row);
    TBWriteRead::BlankRow(row);
    radio.SetRow(0x20, row);
    TBWriteRead::EncodeChannel(row, NoTx);
    radio.SetRow(0x30, row);
    radio.SetRow(0x380, RowOf("ABC"));
    radio.SetRow(0x390, RowOf({}));
    radio.SetRow(0x3A0, RowOf("0123456789ABCDEF"));
    radio.SetRow(0x3B0, RowOf("GHIJ"));
    radio.SetRow(0x3C0, RowOf(QByteArray::fromHex("02" "0c" "01" "06")));  // squelch 12: out of range
    TBWriteRead::EncodeBand(row, 99, "5641");  // a band code the list does not know
    radio.SetRow(0x3D0, row);
    TFun settings2;
    settings2.Voice = 0;
    settings2.FM = 2;  // out of range
    TBWriteRead::EncodeSettings2(row, settings2);
    radio.SetRow(0x2B0, row);
    SetCurrentModel(theAll(), *theMacList().FindByCode("5641"));

    auto transfer = Make<TReadTransfer>();
    QSignalSpy maximum(&transfer->Link(), &TRadioLink::progressMaximumChanged);
    QSignalSpy progress(&transfer->Link(), &TRadioLink::progressChanged);
    QSignalSpy close(&transfer->Link(), &TRadioLink::closeRequested);
    transfer->Link().FormShow();
    transfer->Link().btnOkClick();
    ASSERT_TRUE(close.wait(4 * SlowStep));

    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().ReadOk, MsgInformation}}));
    EXPECT_TRUE(transfer->ReadSucceeded());
    EXPECT_TRUE(theAll().Modified);
    EXPECT_EQ(theAll().CurModel, theMacList().FindByCode("6641"));
    EXPECT_EQ(theAll().ModelName, "K-640(UHF)");
    EXPECT_EQ(theAll().ModelCode, "5641") << "the band row's model code";
    EXPECT_EQ(theAll().BandText, " 27 -  72MHz");
    EXPECT_EQ(theAll().BandMinFreq, 27.0);
    EXPECT_EQ(theAll().BandMaxFreq, 72.0);
    EXPECT_EQ(theEnMsg().Line1, "ABC");
    EXPECT_EQ(theEnMsg().Line2, "0123456789ABCDEFGHIJ");
    EXPECT_EQ(theFun().Squelch, 5);
    EXPECT_EQ(theFun().BattSave, 1);
    EXPECT_EQ(theFun().BeepTone, 0);
    EXPECT_EQ(theFun().TxTimeout, 6);
    EXPECT_EQ(theFun().Voice, 0);
    EXPECT_EQ(theFun().FM, 0);

    std::vector<std::optional<TChannel>> staged(16);
    for (int k = 1; k <= 16; ++k) {
        TChannel channel;
        if (TBWriteRead::DecodeChannel(radio.Row(16 * k), channel))
            staged[static_cast<size_t>(k - 1)] = channel;
    }
    EXPECT_EQ(transfer->StagedChannels(), staged);
    ASSERT_TRUE(staged[0] && staged[2]);
    EXPECT_EQ(staged[0]->Encode, "D023N");
    EXPECT_EQ(staged[2]->Tx, -1.0);
    EXPECT_FALSE(staged[1]) << "a blank row stages no channel";
    ASSERT_FALSE(maximum.isEmpty());
    EXPECT_EQ(maximum.last().at(0).toInt(), 22);
    EXPECT_EQ(progress.last().at(0).toInt(), 22);

    std::vector<int> addresses;
    for (const TRadioFrame& frame : port->Frames()) {
        if (frame.Kind == TFrameKind::Read)
            addresses.push_back((static_cast<std::uint8_t>(frame.Bytes[1]) << 8)
                                | static_cast<std::uint8_t>(frame.Bytes[2]));
    }
    std::vector<int> expected;
    for (int address = 0; address <= 0x10F; address += 8)
        expected.push_back(address);
    for (int address = 0x380; address <= 0x3DF; address += 8)
        expected.push_back(address);
    expected.insert(expected.end(), {0x2B0, 0x2B8});
    EXPECT_EQ(addresses, expected);
    EXPECT_EQ(port->Frames().back().Kind, TFrameKind::End);
}

TEST_F(CompleteTransferTest, WriteSendsEveryRowAndTheRadioHoldsThem)
{
    theChannels().StoreChannel(1, First);
    theChannels().StoreChannel(3, NoTx);
    theEnMsg().Line1 = "0123456789ABCDEFGHIJ";
    theEnMsg().Line2 = "abcdefghijklmnopqrstuvwxyz012345";
    theFun().Squelch = 3;
    SetBand(theAll(), "450 - 470MHz");
    const TRadioEngine before = radio;

    auto transfer = Make<TWriteTransfer>();
    QSignalSpy maximum(&transfer->Link(), &TRadioLink::progressMaximumChanged);
    QSignalSpy progress(&transfer->Link(), &TRadioLink::progressChanged);
    QSignalSpy close(&transfer->Link(), &TRadioLink::closeRequested);
    transfer->Link().FormShow();
    transfer->Link().btnOkClick();
    ASSERT_TRUE(WaitFinished(transfer->Link()));

    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().WriteOk, MsgInformation}}));
    EXPECT_TRUE(transfer->Link().OkEnabled());
    ASSERT_FALSE(maximum.isEmpty());
    EXPECT_EQ(maximum.last().at(0).toInt(), 22);
    EXPECT_EQ(progress.at(progress.size() - 2).at(0).toInt(), 22);
    EXPECT_EQ(progress.last().at(0).toInt(), 0);
    QTest::qWait(400);
    EXPECT_EQ(close.count(), 0) << "the write dialog stays open for the next radio";
    EXPECT_EQ(theAll().ChannelBits, "1010000000000000");
    EXPECT_EQ(theAll().ScanBits, "0010000000000000");

    // The rows in the radio.
    TRow row;
    TBWriteRead::BlankRow(row);
    EXPECT_EQ(radio.Row(0x00), row);
    TBWriteRead::EncodeChannel(row, First);
    EXPECT_EQ(radio.Row(0x10), row);
    TBWriteRead::BlankRow(row);
    EXPECT_EQ(radio.Row(0x20), row);
    TBWriteRead::EncodeChannel(row, NoTx);
    EXPECT_EQ(radio.Row(0x30), row);
    EXPECT_EQ(radio.Row(0x380), RowOf("0123456789ABCDEF"));
    EXPECT_EQ(radio.Row(0x390), RowOf("GHIJ"));
    EXPECT_EQ(radio.Row(0x3A0), RowOf("abcdefghijklmnop"));
    EXPECT_EQ(radio.Row(0x3B0), RowOf("qrstuvwxyz012345"));
    EXPECT_EQ(radio.Row(0x3C0), RowOf(QByteArray::fromHex("03" "03" "01" "06")));
    TBWriteRead::EncodeBand(row, 244, "6641");
    EXPECT_EQ(radio.Row(0x3D0), row);
    TBWriteRead::EncodeSettings2(row, theFun());
    EXPECT_EQ(radio.Row(0x2B0), row);
    for (int address = 0x110; address < 0x380; address += 16) {
        if (address != 0x2B0) {
            EXPECT_EQ(radio.Row(address), before.Row(address)) << "gap row " << address;
        }
    }
    EXPECT_EQ(radio.Row(0x2C0), before.Row(0x2C0)) << "no bitmap rows for 16 channels";

    // The bytes on the wire, in order.
    const auto frame = [&](char command, int address) {
        QByteArray bytes;
        bytes += command;
        bytes += char(address >> 8);
        bytes += char(address & 0xFF);
        bytes += '\x08';
        const TRow held = radio.Row(address & ~0xF);
        return bytes + QByteArray(reinterpret_cast<const char*>(held.data()) + (address & 0x8), 8);
    };
    QList<QByteArray> expected{"\x02", "PROGRAM", "\x02", "\x06"};
    for (int address = 0; address <= 0x10F; address += 8)
        expected.append(frame('W', address));
    for (int address = 0x380; address <= 0x3DF; address += 8)
        expected.append(frame('W', address));
    expected.append(frame('Y', 0x2B0));
    expected.append(frame('Y', 0x2B8));
    expected.append("E");
    QList<QByteArray> sent;
    for (const TRadioFrame& f : port->Frames())
        sent.append(f.Bytes);
    EXPECT_EQ(sent, expected);
}

TEST_F(CompleteTransferTest, FailureAfterTheProgressBarIsFullReportsNoSuccess)
{
    theChannels().StoreChannel(1, First);
    const struct {
        TTransferKind Kind;
        TFrameKind Frame;
        int Address;
    } cases[] = {
        {TTransferKind::Read, TFrameKind::Read, 0x3D8},            // band row
        {TTransferKind::Write, TFrameKind::SettingsWrite, 0x2B8},  // settings row 2
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Address);
        box.Clear();
        theAll().Modified = false;
        radio = TRadioEngine("6641");
        const TAnyTransfer transfer = MakeOfKind(c.Kind);
        TRadioLink* link = transfer.Link;
        port->Tamper = DropReply(c.Frame, 1, c.Address);
        QSignalSpy progress(link, &TRadioLink::progressChanged);
        link->FormShow();
        link->btnOkClick();
        ASSERT_TRUE(WaitShown(1, 4 * SlowStep));
        EXPECT_EQ(Shown(), std::vector<TMessage>{ComErrorQuestion()});
        EXPECT_EQ(progress.last().at(0).toInt(), 22) << "the bar was already full";
        EXPECT_FALSE(link->RunCompleted());
        EXPECT_FALSE(theAll().Modified);
    }
}

TEST_F(CompleteTransferTest, HangUpDuringReadFailsItAndANewDialogReads)
{
    radio = RadioWith([](TRadioFaults& f) { f.HangUpAfterFrames = 12; });
    auto transfer = Start<TReadTransfer>();
    ASSERT_TRUE(WaitFinished(transfer->Link()));
    EXPECT_EQ(Shown(), std::vector<TMessage>{ComErrorBox()});
    EXPECT_FALSE(transfer->ReadSucceeded());
    EXPECT_FALSE(theAll().Modified);

    // The cable is back; the user closes the dialog and reads again. No question came between.
    transfer.reset();
    radio = TRadioEngine("6641");
    transfer = Start<TReadTransfer>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return transfer->ReadSucceeded(); }, 4 * SlowStep));
    EXPECT_EQ(Shown(), (std::vector<TMessage>{ComErrorBox(), {theLanguage().ReadOk, MsgInformation}}));
}

TEST_F(CompleteTransferTest, HangUpDuringWriteFailsItAndOkWritesAgain)
{
    radio = RadioWith([](TRadioFaults& f) { f.HangUpAfterFrames = 12; });
    auto transfer = Start<TWriteTransfer>();
    ASSERT_TRUE(WaitFinished(transfer->Link()));
    // One message, in place of the link's own: rows went out before the line died.
    const TMessage partly{theLanguage().PartlyWritten, MsgInformation};
    EXPECT_EQ(Shown(), std::vector<TMessage>{partly});
    EXPECT_TRUE(transfer->Link().OkEnabled());

    // The cable is back: OK opens the port again. No question came between.
    radio = TRadioEngine("6641");
    transfer->Link().btnOkClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return transfer->Link().RunCompleted(); }, 4 * SlowStep));
    EXPECT_EQ(Shown(), (std::vector<TMessage>{partly, {theLanguage().WriteOk, MsgInformation}}));
    // A completed write leaves nothing to tell when the dialog closes.
    transfer->Link().FormClose();
    EXPECT_EQ(Shown().size(), 2u);
}

TEST_F(CompleteTransferTest, ChannelTextThatIsNoNumberWritesNothing)
{
    theChannels().StoreChannel(1, First);
    theChannels().SetCell(2, ColRx, "460.x", "");
    theAll().ChannelBits = "unchanged";
    auto transfer = Start<TWriteTransfer>();
    ASSERT_TRUE(WaitFinished(transfer->Link()));
    EXPECT_EQ(Shown(), std::vector<TMessage>{ComErrorBox()});
    EXPECT_EQ(CountFrames(TFrameKind::Write), 0);
    EXPECT_EQ(theAll().ChannelBits, "unchanged");
    EXPECT_TRUE(transfer->Link().OkEnabled());
}

// ---- hostile radios ---------------------------------------------------------------------------

// Each radio misbehaves in one way. Every transfer ends in bounded time with the right message,
// and a transfer that reports success holds the radio's true content: a read the radio's rows, a
// write rows that the radio really stored.
TEST_F(CompleteTransferTest, HostileRadiosNeverGetASuccessWithAWrongResult)
{
    const TMessage readOk{theLanguage().ReadOk, MsgInformation};
    const TMessage writeOk{theLanguage().WriteOk, MsgInformation};
    const struct {
        const char* Name;
        TTransferKind Kind;
        std::function<void(TRadioFaults&)> Fault;
        std::vector<TMessage> Messages;
        int ProgramRequests;
    } cases[] = {
        // Channel 4's first half: the silent retry reads it right.
        {"stray byte before a reply", TTransferKind::Read, [](TRadioFaults& f) { f.StrayByteBeforeRead = 9; },
         {readOk}, 2},
        {"reply for another row", TTransferKind::Read, [](TRadioFaults& f) { f.WrongRowReply = true; },
         {ComErrorBox()}, 2},
        {"babbling acknowledges, read", TTransferKind::Read, [](TRadioFaults& f) { f.BabbleAcknowledge = true; },
         {readOk}, 1},
        {"babbling acknowledges, write", TTransferKind::Write,
         [](TRadioFaults& f) { f.BabbleAcknowledge = true; }, {writeOk}, 1},
        // The radio may hold whatever it took before refusing: it is told as partly written.
        {"refused writes", TTransferKind::Write, [](TRadioFaults& f) { f.RefuseWrites = true; },
         {{theLanguage().PartlyWritten, MsgInformation}}, 1},
        {"band row with an unknown model", TTransferKind::Read,
         [](TRadioFaults& f) { f.BandModelCode = "ZZ9"; }, {readOk}, 1},
        {"answer to the wake-up byte, read", TTransferKind::Read, [](TRadioFaults& f) { f.AnswerWakeUp = true; },
         {readOk}, 1},
        {"answer to the wake-up byte, write", TTransferKind::Write,
         [](TRadioFaults& f) { f.AnswerWakeUp = true; }, {writeOk}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        box.Clear();
        theAll().Modified = false;
        SetCurrentModel(theAll(), *theMacList().FindByCode("6641"));
        theChannels().ResetChannelRows();
        theChannels().StoreChannel(1, First);
        theChannels().StoreChannel(3, NoTx);
        const auto rows = BuildWriteRows(theAll(), theEnMsg(), theFun(), theFrqList(), theChannels());
        ASSERT_TRUE(rows);
        radio = RadioWith(c.Fault);
        const TRadioEngine before = radio;
        const TAnyTransfer transfer = MakeOfKind(c.Kind);
        TRadioLink* link = transfer.Link;
        QElapsedTimer clock;
        clock.start();
        link->FormShow();
        link->btnOkClick();
        ASSERT_TRUE(WaitShown(c.Messages.size(), 6 * SlowStep));
        QTest::qWait(TryTimeMs + 500);  // nothing more comes
        EXPECT_EQ(Shown(), c.Messages);
        EXPECT_EQ(CountFrames(TFrameKind::ProgramRequest), c.ProgramRequests);
        // The handshake keeps its order whatever the radio says in between.
        ASSERT_GE(port->Frames().size(), 3u);
        std::vector<TFrameKind> opening;
        for (size_t i = 0; i < 3; ++i)
            opening.push_back(port->Frames()[i].Kind);
        EXPECT_EQ(opening, (std::vector<TFrameKind>{TFrameKind::WakeUp, TFrameKind::ProgramRequest,
                                                    TFrameKind::Identify}));
        const bool completed = c.Messages.back() == readOk || c.Messages.back() == writeOk;
        EXPECT_EQ(link->RunCompleted(), completed);

        if (c.Kind == TTransferKind::Write) {
            for (const TWriteRow& row : *rows) {
                EXPECT_EQ(radio.Row(row.Address), completed ? row.Row : before.Row(row.Address))
                    << "row " << row.Address;
            }
            continue;
        }
        const auto* read = static_cast<TReadTransfer*>(transfer.Owner.get());
        EXPECT_EQ(read->ReadSucceeded(), completed);
        if (!completed)
            continue;
        for (int k = 1; k <= 16; ++k) {
            TChannel channel;
            const bool held = TBWriteRead::DecodeChannel(radio.Row(16 * k), channel);
            EXPECT_EQ(read->StagedChannels()[static_cast<size_t>(k - 1)],
                      held ? std::optional<TChannel>(channel) : std::nullopt) << "channel " << k;
        }
        EXPECT_EQ(theEnMsg().Line1, "K-640");
        // A read never makes a codeplug that Open refuses: an unknown code in the band row
        // leaves the identified model.
        EXPECT_EQ(theAll().ModelCode, "6641");
        theChannels().TakeStagedChannels(read->StagedChannels());
        const QString saved = AppPath() + "read.dat";
        ASSERT_TRUE(WriteCodeplugFile(saved).Ok());
        EXPECT_TRUE(ReadCodeplugFile(saved).Ok());
    }
}

// A radio that answers the program request only after the reply timer has asked: nothing runs
// behind the open question, neither on Cancel nor on Retry.
TEST_F(CompleteTransferTest, LateAnswerWhileTheQuestionIsOpenIsDropped)
{
    for (const TTransferKind kind : {TTransferKind::Read, TTransferKind::Write}) {
        SCOPED_TRACE(kind == TTransferKind::Read ? "read" : "write");
        box.Clear();
        box.HoldQuestionsOpen(1000);
        box.Answer({MsgResultRetry, MsgResultCancel});
        radio = RadioWith([](TRadioFaults& f) { f.ProgramAnswerDelayMs = 1300; });
        const TAnyTransfer transfer = MakeOfKind(kind);
        transfer.Link->FormShow();
        transfer.Link->btnOkClick();
        ASSERT_TRUE(WaitShown(2, 4 * SlowStep));
        QTest::qWait(2 * TryTimeMs);
        EXPECT_EQ(Shown(), (std::vector<TMessage>{ComErrorQuestion(), ComErrorQuestion()}));
        EXPECT_EQ(CountFrames(TFrameKind::Acknowledge), 0) << "no transfer began";
        EXPECT_EQ(CountFrames(TFrameKind::Write), 0);
        EXPECT_FALSE(transfer.Link->RunCompleted());
        EXPECT_TRUE(transfer.Link->OkEnabled());
    }
}

// ---- the rows of a write -----------------------------------------------------------------------

TEST_F(RadioLinkTest, ModelsWithMoreThanSixteenChannelsAlsoWriteTheBitmaps)
{
    TMacType wide = *theMacList().FindByCode("6641");
    wide.Code = "7777";
    wide.ChannelCount = 130;
    wide.GapRows = 2;
    theMacList().Add(wide);
    SetCurrentModel(theAll(), *theMacList().FindByCode("7777"));
    theChannels().ResetChannelRows();
    TChannel scanned{450.0, 450.0, {}, {}, 0, 0, 1, 0, 0};
    theChannels().StoreChannel(2, scanned);
    scanned.ScanAdd = 0;
    theChannels().StoreChannel(130, scanned);

    const auto rows = BuildWriteRows(theAll(), theEnMsg(), theFun(), theFrqList(), theChannels());
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u + 130 + 4 + 3 + 4);
    EXPECT_EQ(rows->at(131).Address, 16 * (130 + 2 + 1)) << "first message row";
    const auto bitmap = [](std::initializer_list<std::pair<int, int>> bits) {
        TRow row{};
        for (auto [index, value] : bits)
            row[static_cast<size_t>(index)] = static_cast<std::uint8_t>(value);
        return row;
    };
    const std::vector<TWriteRow> tail(rows->end() - 4, rows->end());
    EXPECT_EQ(tail, (std::vector<TWriteRow>{
                        {0x2C0, 'W', bitmap({{0, 0x02}})},
                        {0x2D0, 'W', bitmap({{0, 0x02}})},
                        {0x2E0, 'W', bitmap({{0, 0x02}})},
                        {0x2F0, 'W', bitmap({})},
                    }));
    EXPECT_EQ(rows->at(rows->size() - 5).Command, 'Y');
}

} // namespace

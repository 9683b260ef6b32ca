// Read and write from the main window, end to end: the real dialogs and serial port against the
// virtual radio program on a pseudo-terminal, named as a COM port in the program's [Ports].
#include "app/MainWindow.h"

#include "app/Startup.h"
#include "channels/ChannelTable.h"
#include "codeplug/GlobalState.h"
#include "radio/ReadRadioDialog.h"
#include "radio/WriteRadioDialog.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedMsgBox.h"
#include "support/ShownMessages.h"
#include "support/TestFiles.h"
#include "support/VirtualRadio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int MemorySize = 0x10000;
constexpr int ChannelCount = 16;
constexpr int DialogLimitMs = 10000;            // a dialog still open then has hung
const QString PortName = QStringLiteral("COM7");

// A codeplug as values, to put into the radio's memory or into the program.
struct TCodeplug {
    std::vector<std::optional<TChannel>> Channels = std::vector<std::optional<TChannel>>(ChannelCount);
    TEnMsg Message;
    TFun Fun;
    QString Band;
};

TCodeplug ProgramCodeplug()
{
    TCodeplug plug;
    plug.Channels[0] = TChannel{451.125, 456.125, "67.0", "D023N", 1, 0, 0, 1, 0};
    plug.Channels[1] = TChannel{462.5, -1.0, "", "", 0, 1, 1, 0, 1};
    plug.Channels[15] = TChannel{469.9875, 469.9875, "D754I", "151.4", 1, 1, 0, 0, 0};
    plug.Message = {"ABC", "Twenty characters!!!"};
    plug.Fun.Squelch = 3;
    plug.Fun.SideKey = 2;
    plug.Fun.TxTimeout = 4;
    plug.Fun.VoxFun = 1;
    plug.Fun.VoxLevel = 2;
    plug.Fun.BattSave = 0;
    plug.Band = "400 - 470MHz";
    return plug;
}

QByteArray BlankImage()
{
    return QByteArray(MemorySize, '\xFF');
}

void PutRow(QByteArray& image, int address, const TRow& row)
{
    std::copy(row.begin(), row.end(), image.begin() + address);
}

TRow RowAt(const QByteArray& image, int address)
{
    TRow row;
    std::copy_n(image.constBegin() + address, row.size(), row.begin());
    return row;
}

// The radio's memory holding a codeplug, at the addresses of a 16-channel model.
QByteArray RadioImage(const TCodeplug& plug, const QString& modelCode)
{
    QByteArray image = BlankImage();
    TRow row;
    for (int k = 1; k <= ChannelCount; ++k)
        if (const auto& channel = plug.Channels[static_cast<size_t>(k - 1)]) {
            TBWriteRead::EncodeChannel(row, *channel);
            PutRow(image, 16 * k, row);
        }
    const QString parts[4] = {plug.Message.Line1.left(16), plug.Message.Line1.mid(16),
                              plug.Message.Line2.left(16), plug.Message.Line2.mid(16)};
    for (int i = 0; i < 4; ++i) {
        TBWriteRead::EncodeMessage(row, parts[i]);
        PutRow(image, 0x0380 + 16 * i, row);
    }
    TBWriteRead::EncodeSettings1(row, plug.Fun);
    PutRow(image, 0x03C0, row);
    TFrqList bands;
    bands.FillInitial();
    TBWriteRead::EncodeBand(row, bands.CodeOf(plug.Band), modelCode);
    PutRow(image, 0x03D0, row);
    TBWriteRead::EncodeSettings2(row, plug.Fun);
    PutRow(image, 0x02B0, row);
    return image;
}

// What a read or a failed transfer may change, to compare before and after.
struct TProgramState {
    std::vector<std::pair<TChannelRead, TChannel>> Channels;
    TFun Fun;
    QString Line1, Line2, ModelName, ModelCode, BandText;
    bool Modified = false;

    bool operator==(const TProgramState&) const = default;
};

TProgramState CurrentState()
{
    TProgramState state;
    for (int k = 1; k <= theChannels().ChannelCount(); ++k) {
        TChannel channel;
        const TChannelRead read = theChannels().ReadChannel(k, channel);
        state.Channels.emplace_back(read, channel);
    }
    const TALL& all = theAll();
    state.Fun = theFun();
    state.Line1 = theEnMsg().Line1;
    state.Line2 = theEnMsg().Line2;
    state.ModelName = all.ModelName;
    state.ModelCode = all.ModelCode;
    state.BandText = all.BandText;
    state.Modified = all.Modified;
    return state;
}

} // namespace

class RadioDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // The receive state outlives the dialogs; each test starts as a fresh program does.
        ReceiveStateOf(TTransferKind::Read) = {};
        ReceiveStateOf(TTransferKind::Write) = {};
    }

    QString AppPath() const { return folder.path() + '/'; }
    QString ImagePath() const { return folder.filePath("radio.img"); }

    // Starts a radio with these options and maps the program's port to it. With an image, the
    // radio's memory starts as that image and is kept in ImagePath().
    void StartRadio(QStringList arguments, const QByteArray& image = {})
    {
        radio.reset();  // the radio before saves its memory at exit; it must not overwrite this one's
        if (!image.isEmpty()) {
            QFile file(ImagePath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(image);
            arguments << "--image" << ImagePath();
        }
        radio = std::make_unique<TVirtualRadio>(arguments);
        ASSERT_FALSE(radio->Port().isEmpty()) << radio->StandardError().toStdString();
        QFile sysInfo(AppPath() + "SysInfo.Ini");
        ASSERT_TRUE(sysInfo.open(QIODevice::WriteOnly));
        sysInfo.write("[SysInfo]\r\nCom=" + PortName.toLatin1() + "\r\n[Ports]\r\n"
                      + PortName.toLatin1() + "=" + QFile::encodeName(radio->Port()) + "\r\n");
    }

    // The program, started over the radio's settings file.
    void StartProgram()
    {
        DataModuleCreate(AppPath());
        window = std::make_unique<TfMainFrm>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        theAll().ComPort = PortName;
    }

    void Start(const QStringList& arguments, const QByteArray& image = {})
    {
        ASSERT_NO_FATAL_FAILURE(StartRadio(arguments, image));
        ASSERT_NO_FATAL_FAILURE(StartProgram());
    }

    // Stops the radio and gives its memory as it saved it.
    QByteArray RadioMemory()
    {
        radio->Stop();
        return ReadTestFile(ImagePath());
    }

    void LoadIntoProgram(const TCodeplug& plug)
    {
        for (int k = 1; k <= ChannelCount; ++k)
            if (const auto& channel = plug.Channels[static_cast<size_t>(k - 1)])
                theChannels().StoreChannel(k, *channel);
        theEnMsg() = plug.Message;
        theFun() = plug.Fun;
        ASSERT_TRUE(SetBand(theAll(), plug.Band));
        theAll().Modified = false;
    }

    // Runs the command of the tag; `drive` acts on its dialog as soon as it shows. Gives false
    // when the dialog had to be closed by the test's time limit.
    bool RunCommand(int tag, const std::function<void(TTransferDialog&)>& drive)
    {
        bool hung = false;
        WhenDialogShows<TTransferDialog>([&hung, drive](TTransferDialog* dialog) {
            QPointer<TTransferDialog> guard(dialog);
            QTimer::singleShot(DialogLimitMs, dialog, [&hung, guard] {
                hung = true;
                guard->reject();
            });
            drive(*dialog);
        });
        window->DoCommand(tag);
        return !hung;
    }

    static void PressOk(TTransferDialog& dialog) { dialog.btnOk->click(); }

    // Waits until `count` messages have been shown, then long enough for one that should not
    // follow (the reply timer is the slowest source) to show as well.
    bool AwaitMessages(size_t count, int settleMs = TryTimeMs + 200)
    {
        const bool arrived = QTest::qWaitFor([&] { return messages.Shown().size() >= count; }, 8000);
        QTest::qWait(settleMs);
        return arrived;
    }

    std::vector<TMessage> Shown() const { return ShownMessages(messages); }

    QTemporaryDir folder;
    ScriptedMsgBox messages;
    std::unique_ptr<TVirtualRadio> radio;
    std::unique_ptr<TfMainFrm> window;
};

TEST_F(RadioDialogsTest, CompleteReadReplacesTheCodeplugAndClosesByItself)
{
    TCodeplug inRadio = ProgramCodeplug();
    inRadio.Fun.Squelch = 12;   // beyond 0..9: the read forces it to 5
    inRadio.Fun.VoxLevel = 7;   // beyond 0..4: forced to 4
    inRadio.Fun.Scan = 3;       // a switch keeps its low bit
    ASSERT_NO_FATAL_FAILURE(Start({}, RadioImage(inRadio, "6641")));
    window->ChooseSaveFile = [this] { return folder.filePath("before.dat"); };
    window->DoCommand(TagSaveAs);
    ASSERT_FALSE(window->FileName().isEmpty());
    theChannels().StoreChannel(5, TChannel{455.0, 455.0, "", "", 0, 0, 0, 0, 0});

    EXPECT_TRUE(RunCommand(TagRead, PressOk));

    const TLanguage& text = theLanguage();
    EXPECT_EQ(Shown(), (std::vector<TMessage>{{text.ReadOk, MsgInformation}}));
    for (int k = 1; k <= ChannelCount; ++k) {
        SCOPED_TRACE(k);
        TChannel channel;
        const auto& expected = inRadio.Channels[static_cast<size_t>(k - 1)];
        ASSERT_EQ(theChannels().ReadChannel(k, channel),
                  expected ? TChannelRead::Channel : TChannelRead::Empty);
        if (expected) {
            EXPECT_EQ(channel, *expected);
        }
    }
    TFun clamped = inRadio.Fun;
    clamped.Squelch = 5;
    clamped.VoxLevel = 4;
    clamped.Scan = 1;
    EXPECT_EQ(theFun(), clamped);
    EXPECT_EQ(theEnMsg().Line1, inRadio.Message.Line1);
    EXPECT_EQ(theEnMsg().Line2, inRadio.Message.Line2);
    EXPECT_EQ(theAll().BandText, inRadio.Band);
    EXPECT_EQ(window->stFreq->text(), inRadio.Band);
    EXPECT_TRUE(theAll().Modified);
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_EQ(window->windowTitle(), theAll().AppTitle);
}

TEST_F(RadioDialogsTest, CompleteWriteFillsTheRadioAndKeepsTheDialogOpen)
{
    ASSERT_NO_FATAL_FAILURE(Start({}, BlankImage()));
    ASSERT_NO_FATAL_FAILURE(LoadIntoProgram(ProgramCodeplug()));
    const TProgramState before = CurrentState();

    int progressAfter = -1, progressMaximum = -1;
    bool okEnabledAfter = false, openAfter = false;
    EXPECT_TRUE(RunCommand(TagWrite, [&](TTransferDialog& dialog) {
        PressOk(dialog);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.pBar->value() > 0; }, 5000));
        progressMaximum = dialog.pBar->maximum();
        AwaitMessages(1, 2 * CloseTimeMs);
        progressAfter = dialog.pBar->value();
        okEnabledAfter = dialog.btnOk->isEnabled();
        openAfter = dialog.isVisible();
        dialog.btnCancel->click();
    }));

    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().WriteOk, MsgInformation}}));
    EXPECT_EQ(progressMaximum, ChannelCount + 6);
    EXPECT_EQ(progressAfter, 0);
    EXPECT_TRUE(okEnabledAfter);
    EXPECT_TRUE(openAfter);
    EXPECT_EQ(CurrentState(), before);

    const auto rows = BuildWriteRows(theAll(), theEnMsg(), theFun(), theFrqList(), theChannels());
    ASSERT_TRUE(rows);
    QByteArray expected = BlankImage();
    for (const TWriteRow& row : *rows)
        PutRow(expected, row.Address, row.Row);
    const QByteArray memory = RadioMemory();
    ASSERT_EQ(memory.size(), MemorySize);
    for (int address = 0; address < MemorySize; address += 16)
        ASSERT_EQ(RowAt(memory, address), RowAt(expected, address)) << "row at " << address;
}

TEST_F(RadioDialogsTest, WhatIsWrittenIsReadBack)
{
    ASSERT_NO_FATAL_FAILURE(Start({}));
    const TCodeplug plug = ProgramCodeplug();
    ASSERT_NO_FATAL_FAILURE(LoadIntoProgram(plug));
    const TProgramState written = CurrentState();
    EXPECT_TRUE(RunCommand(TagWrite, [this](TTransferDialog& dialog) {
        PressOk(dialog);
        AwaitMessages(1, 0);
        dialog.btnCancel->click();
    }));
    window->DoCommand(TagNew);
    ASSERT_NE(CurrentState(), written);

    messages.Clear();
    EXPECT_TRUE(RunCommand(TagRead, PressOk));

    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().ReadOk, MsgInformation}}));
    TProgramState expected = written;
    expected.Modified = true;
    EXPECT_EQ(CurrentState(), expected);
}

TEST_F(RadioDialogsTest, MessageLinesRoundTripAndTheTestFrequenciesStayThroughEveryCommand)
{
    ASSERT_NO_FATAL_FAILURE(Start({}));
    TCodeplug plug = ProgramCodeplug();
    plug.Message = {"SIXTEEN CHARS 16", "Thirty two characters fill 32 ok"};
    ASSERT_NO_FATAL_FAILURE(LoadIntoProgram(plug));
    theTestFre().RxFreq[9] = "455.00000";
    theTestFre().TxFreq[1] = "";
    const TTestFre table = theTestFre();
    const auto unchanged = [&table] {
        for (int i = 1; i <= TestFrequencyCount; ++i)
            if (theTestFre().RxFreq[size_t(i)] != table.RxFreq[size_t(i)] || theTestFre().TxFreq[size_t(i)] != table.TxFreq[size_t(i)])
                return false;
        return true;
    };

    EXPECT_TRUE(RunCommand(TagWrite, [this](TTransferDialog& dialog) {
        PressOk(dialog);
        AwaitMessages(1, 0);
        dialog.btnCancel->click();
    }));
    EXPECT_TRUE(unchanged()) << "Write";
    window->DoCommand(TagNew);
    EXPECT_EQ(theEnMsg().Line1, "");
    EXPECT_TRUE(unchanged()) << "New";
    EXPECT_TRUE(RunCommand(TagRead, PressOk));
    EXPECT_EQ(theEnMsg().Line1, plug.Message.Line1);
    EXPECT_EQ(theEnMsg().Line2, plug.Message.Line2);
    EXPECT_TRUE(unchanged()) << "Read";

    const QString path = AppPath() + "message.dat";
    window->ChooseSaveFile = [path] { return path; };
    window->DoCommand(TagSave);
    window->DoCommand(TagNew);
    window->ChooseOpenFile = [path] { return path; };
    window->DoCommand(TagOpen);
    EXPECT_EQ(theEnMsg().Line1, plug.Message.Line1);
    EXPECT_EQ(theEnMsg().Line2, plug.Message.Line2);
    EXPECT_TRUE(unchanged()) << "Save and Open";
}

TEST_F(RadioDialogsTest, WriteAsksBeforeItWritesIntoAnotherModel)
{
    struct Case {
        const char* radioCode;
        std::vector<int> answers;
        bool asked;
        bool written;
    };
    const Case cases[] = {
        {"6641", {}, false, true},              // the current model
        {"5641", {MsgResultNo}, true, false},   // the other model, also 16 channels
        {"5641", {MsgResultYes}, true, true},
        {"9999", {MsgResultYes}, true, true},   // a code the catalog does not know
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radioCode);
        SCOPED_TRACE(c.answers.empty() ? "no answer" : c.answers.front() == MsgResultYes ? "Yes" : "No");
        messages.Clear();
        const QByteArray image = RadioImage(TCodeplug{}, "6641");
        ASSERT_NO_FATAL_FAILURE(Start({"--ident-model", c.radioCode}, image));
        ASSERT_NO_FATAL_FAILURE(LoadIntoProgram(ProgramCodeplug()));
        for (int answer : c.answers)
            messages.Answer({answer});

        bool okEnabledAfter = false;
        EXPECT_TRUE(RunCommand(TagWrite, [&](TTransferDialog& dialog) {
            PressOk(dialog);
            AwaitMessages(c.written ? 1 + c.asked : 1, c.written ? 0 : CloseTimeMs);
            okEnabledAfter = dialog.btnOk->isEnabled();
            dialog.btnCancel->click();
        }));

        std::vector<TMessage> expected;
        if (c.asked)
            expected.push_back({theLanguage().Modforce, MsgYesNo});
        if (c.written)
            expected.push_back({theLanguage().WriteOk, MsgInformation});
        EXPECT_EQ(Shown(), expected);
        EXPECT_EQ(okEnabledAfter, c.written);
        const QByteArray memory = RadioMemory();
        EXPECT_EQ(memory != image, c.written);
        window.reset();
    }
}

TEST_F(RadioDialogsTest, ReadOfAnUnknownModelChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(Start({"--ident-model", "9999"}));
    ASSERT_NO_FATAL_FAILURE(LoadIntoProgram(ProgramCodeplug()));
    const TProgramState before = CurrentState();

    bool okEnabledAfter = true;
    EXPECT_TRUE(RunCommand(TagRead, [&](TTransferDialog& dialog) {
        PressOk(dialog);
        AwaitMessages(1);
        okEnabledAfter = dialog.btnOk->isEnabled();
        dialog.btnCancel->click();
    }));

    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().ModError, MsgInformation}}));
    EXPECT_FALSE(okEnabledAfter);
    EXPECT_EQ(CurrentState(), before);
}

TEST_F(RadioDialogsTest, PortNameWithoutNumberClosesTheDialog)
{
    ASSERT_NO_FATAL_FAILURE(Start({}));
    for (const int tag : {TagRead, TagWrite}) {
        SCOPED_TRACE(tag);
        messages.Clear();
        theAll().ComPort = "COM";
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(RunCommand(tag, [](TTransferDialog&) {}));
        EXPECT_GE(clock.elapsed(), CloseTimeMs - 50);
        EXPECT_LT(clock.elapsed(), CloseTimeMs + 1000);
        EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().LPortError, MsgInformation}}));
    }
}

// Each fault of the radio ends the transfer with the link's message, once, and leaves the
// program's codeplug as it was.
TEST_F(RadioDialogsTest, RadioFaultsEndTheTransferWithOneMessage)
{
    enum Outcome { TimeoutQuestion, RunFailed };
    struct Case {
        const char* what;
        int tag;
        QStringList radioOptions;
        Outcome outcome;
        bool okEnabledAfter;
        bool partlyWritten;  // rows went out before the fault
    };
    const Case cases[] = {
        {"read, no answer to PROGRAM", TagRead, {"--ignore-program"}, TimeoutQuestion, true, false},
        {"write, no answer to PROGRAM", TagWrite, {"--ignore-program"}, TimeoutQuestion, true, false},
        {"read, answer without 0x06", TagRead, {"--refuse-program"}, TimeoutQuestion, true, false},
        {"read, wrong acknowledge", TagRead, {"--wrong-ack"}, RunFailed, false, false},
        {"write, wrong acknowledge", TagWrite, {"--wrong-ack"}, RunFailed, true, false},
        {"read, silence in the transfer", TagRead, {"--silent-after", "10"}, TimeoutQuestion, true, false},
        {"write, silence in the transfer", TagWrite, {"--silent-after", "10"}, TimeoutQuestion, true, true},
        {"read, hang-up in the transfer", TagRead, {"--hang-up-after", "10"}, RunFailed, false, false},
        {"write, hang-up in the transfer", TagWrite, {"--hang-up-after", "10"}, RunFailed, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.Clear();
        ASSERT_NO_FATAL_FAILURE(Start(c.radioOptions));
        ASSERT_NO_FATAL_FAILURE(LoadIntoProgram(ProgramCodeplug()));
        const TProgramState before = CurrentState();

        bool okEnabledAfter = !c.okEnabledAfter;
        EXPECT_TRUE(RunCommand(c.tag, [&](TTransferDialog& dialog) {
            PressOk(dialog);
            AwaitMessages(1);
            okEnabledAfter = dialog.btnOk->isEnabled();
            dialog.btnCancel->click();
        }));

        // A failed run that changed the radio says so in place of the link's message; a lost
        // reply that is not retried says so when the dialog closes.
        const TMessage comError{theLanguage().ComError,
                                c.outcome == TimeoutQuestion ? MsgRetryCancel : MsgInformation};
        const TMessage partly{theLanguage().PartlyWritten, MsgInformation};
        const std::vector<TMessage> expected =
            !c.partlyWritten ? std::vector<TMessage>{comError}
            : c.outcome == RunFailed ? std::vector<TMessage>{partly}
                                     : std::vector<TMessage>{comError, partly};
        EXPECT_EQ(Shown(), expected);
        EXPECT_EQ(okEnabledAfter, c.okEnabledAfter);
        EXPECT_EQ(CurrentState(), before);
        window.reset();
    }
}

TEST_F(RadioDialogsTest, RetryAfterAShortReplyStartsOverFromTheHandshake)
{
    ASSERT_NO_FATAL_FAILURE(Start({"--short-read", "--trace"}));
    const TProgramState before = CurrentState();
    messages.Answer({MsgResultRetry, MsgResultCancel});

    EXPECT_TRUE(RunCommand(TagRead, [this](TTransferDialog& dialog) {
        PressOk(dialog);
        AwaitMessages(2);
        dialog.btnCancel->click();
    }));

    const TMessage question{theLanguage().ComError, MsgRetryCancel};
    EXPECT_EQ(Shown(), (std::vector<TMessage>{question, question}));
    EXPECT_EQ(CurrentState(), before);
    radio->Stop();
    EXPECT_EQ(radio->StandardError().count("program: "), 2);
}

TEST_F(RadioDialogsTest, ProgramStaysUsableAfterTheRadioHungUp)
{
    ASSERT_NO_FATAL_FAILURE(Start({"--hang-up-after", "30"}));
    EXPECT_TRUE(RunCommand(TagRead, [this](TTransferDialog& dialog) {
        PressOk(dialog);
        AwaitMessages(1, 0);
        dialog.btnCancel->click();
    }));
    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().ComError, MsgInformation}}));

    // Another radio on the same port name: the next read goes through.
    messages.Clear();
    const TCodeplug plug = ProgramCodeplug();
    ASSERT_NO_FATAL_FAILURE(StartRadio({}, RadioImage(plug, "6641")));
    EXPECT_TRUE(RunCommand(TagRead, PressOk));
    EXPECT_EQ(Shown(), (std::vector<TMessage>{{theLanguage().ReadOk, MsgInformation}}));
    TChannel first;
    ASSERT_EQ(theChannels().ReadChannel(1, first), TChannelRead::Channel);
    EXPECT_EQ(first, *plug.Channels[0]);
}

TEST_F(RadioDialogsTest, ClosingWhileTheWorkerWaitsIsQuick)
{
    for (const int tag : {TagRead, TagWrite}) {
        SCOPED_TRACE(tag);
        messages.Clear();
        ASSERT_NO_FATAL_FAILURE(Start({"--silent-after", "10"}));
        const TProgramState before = CurrentState();

        qint64 closingMs = -1;
        EXPECT_TRUE(RunCommand(tag, [&](TTransferDialog& dialog) {
            PressOk(dialog);
            // The worker runs once the progress bar has its maximum; it then waits in vain.
            ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.pBar->maximum() == ChannelCount + 6; }, 5000));
            QTest::qWait(200);
            QElapsedTimer clock;
            clock.start();
            dialog.btnCancel->click();
            closingMs = clock.elapsed();
        }));

        EXPECT_GE(closingMs, 0);
        EXPECT_LT(closingMs, 500);
        QTest::qWait(TryTimeMs + 200);  // no reply timer of the closed dialog may still speak
        // A read cut short changes nothing; a write cut short leaves the radio partly written,
        // which is told.
        const bool write = tag == TagWrite;
        const std::vector<TMessage> shown = Shown();
        ASSERT_EQ(shown.size(), write ? 1u : 0u);
        if (write) {
            EXPECT_EQ(shown[0], (TMessage{theLanguage().PartlyWritten, MsgInformation}));
        }
        EXPECT_EQ(CurrentState(), before);
        window.reset();
    }
}

TEST_F(RadioDialogsTest, DialogsAreTranslatedOnShowUnlessTheFirstLanguageIsInForce)
{
    for (const char* file : {"English.Ini", "Chinese.Ini"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(K640_RESOURCES_DIR "/") + file, AppPath() + file)) << file;
    DataModuleCreate(AppPath());
    theAll().ComPort = "COM";  // no port: the dialogs only show and close
    struct Case {
        int languageIndex;
        std::function<std::unique_ptr<TTransferDialog>()> make;
        QString caption, ok, cancel;
    };
    const auto read = [] { return std::make_unique<TfReadRadio>(); };
    const auto write = [] { return std::make_unique<TfWriteRadio>(); };
    const Case cases[] = {
        {0, read, "Read data From radio", "&Ok", "&Cancel"},
        {1, read, "从电台读取数据", "确定(&O)", "取消(&C)"},
        {1, write, "写入数据到电台", "确定(&O)", "取消(&C)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        theAll().LanguageName = "Chinese";
        theAll().LanguageIndex = c.languageIndex;
        std::unique_ptr<TTransferDialog> dialog = c.make();
        dialog->show();
        EXPECT_EQ(dialog->windowTitle(), c.caption);
        EXPECT_EQ(dialog->btnOk->text(), c.ok);
        EXPECT_EQ(dialog->btnCancel->text(), c.cancel);
        dialog->btnCancel->click();
    }
}

// The virtual radio program end to end: started as a process, spoken to through its
// pseudo-terminal with plain POSIX calls, as the program's serial port would.
#include "virtual-radio/RadioEngine.h"

#include "support/RadioFrames.h"
#include "support/VirtualRadio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The program's side of the line: the pseudo-terminal opened as a serial device.
class TLine {
public:
    explicit TLine(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        termios settings{};
        if (m_fd >= 0 && ::tcgetattr(m_fd, &settings) == 0) {
            ::cfmakeraw(&settings);
            ::tcsetattr(m_fd, TCSANOW, &settings);
        }
    }
    ~TLine() { Close(); }
    bool IsOpen() const { return m_fd >= 0; }
    void Close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    void Send(const QByteArray& bytes)
    {
        ASSERT_EQ(::write(m_fd, bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
    }
    QByteArray Exchange(const QByteArray& request, int expected, int milliseconds = 2000)
    {
        Send(request);
        return Collect(expected, milliseconds);
    }
    // Up to `expected` bytes, or what came within the time. A line that went dead ends the wait
    // early.
    QByteArray Collect(int expected, int milliseconds)
    {
        QByteArray reply;
        QElapsedTimer clock;
        clock.start();
        while (reply.size() < expected && clock.elapsed() < milliseconds) {
            pollfd line{m_fd, POLLIN, 0};
            if (::poll(&line, 1, 20) <= 0)
                continue;
            char buffer[64];
            const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
            if (count <= 0) {
                m_deadSeen = true;
                break;
            }
            reply.append(buffer, static_cast<int>(count));
        }
        return reply;
    }
    bool DeadSeen() const { return m_deadSeen; }

    // Wake-up, program request and identification, as the program does them.
    QByteArray Handshake(int milliseconds = 2000)
    {
        Send(WakeUp);
        const QByteArray accepted = Exchange("PROGRAM", 1, milliseconds);
        return accepted == AckByte ? Exchange(WakeUp, 8, milliseconds) : accepted;
    }

private:
    int m_fd = -1;
    bool m_deadSeen = false;
};

} // namespace

TEST(VirtualRadioTool, ServesHandshakeIdentificationAndRows)
{
    const TRadioEngine factory("6641");
    TVirtualRadio radio({"--trace"});
    ASSERT_FALSE(radio.Port().isEmpty()) << radio.StandardError().toStdString();
    TLine line(radio.Port());
    ASSERT_TRUE(line.IsOpen());

    EXPECT_EQ(line.Handshake(), Identification("6641"));
    EXPECT_EQ(line.Exchange(ReadRequest(0x03D0), 12),
              ReadRequest(0x03D0) + RowBytes(factory.Row(0x03D0)).left(8));
    EXPECT_EQ(line.Exchange(AckByte, 1), AckByte);
    line.Send("E");
    EXPECT_EQ(radio.Stop(), 0);
    const QByteArray trace = radio.StandardError();
    EXPECT_TRUE(trace.contains("program: 50 52 4f 47 52 41 4d -> 06\n")) << trace.toStdString();
    EXPECT_TRUE(trace.contains("read: 52 03 d0 08 -> 52 03 d0 08 ")) << trace.toStdString();
}

TEST(VirtualRadioTool, OptionsReachTheRadio)
{
    struct Case {
        QStringList arguments;
        QByteArray handshake;     // what the handshake collects
        QByteArray readReply;     // what a read request then collects
    };
    const QByteArray read = ReadRequest(0x0000);
    const QByteArray blankRead = read + QByteArray(8, '\xFF');
    const Case cases[] = {
        {{"--model", "5641"}, Identification("5641"), blankRead},
        {{"--ident-model", "1234"}, Identification("1234"), blankRead},
        {{"--ignore-program"}, {}, {}},
        {{"--refuse-program"}, QByteArray(1, TRadioEngine::Nak), {}},
        {{"--short-read"}, Identification("6641"), blankRead.left(11)},
        {{"--silent-after", "3"}, Identification("6641"), {}},
        {{"--wrong-row"}, Identification("6641"), ReadRequest(0x0010) + RowBytes(TRadioEngine("6641").Row(0x10)).left(8)},
        {{"--stray-byte", "1"}, Identification("6641"), QByteArray(1, '\0') + blankRead},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        TVirtualRadio radio(c.arguments);
        ASSERT_FALSE(radio.Port().isEmpty()) << radio.StandardError().toStdString();
        TLine line(radio.Port());
        EXPECT_EQ(line.Handshake(300), c.handshake);
        EXPECT_EQ(line.Exchange(read, 12, 300), c.readReply);
        EXPECT_EQ(radio.Stop(), 0);
    }

    TVirtualRadio radio({"--wrong-ack"});
    TLine line(radio.Port());
    line.Handshake();
    line.Exchange(read, 12);
    EXPECT_EQ(line.Exchange(AckByte, 1), QByteArray(1, TRadioEngine::Nak));
}

TEST(VirtualRadioTool, EndsWithTheProcessThatStartedIt)
{
    // A shell starts the radio, tells its process id and then dies without a word.
    QProcess shell;
    shell.start("/bin/sh", {"-c", "\"$0\" >/dev/null & echo $!; wait", QStringLiteral(K640_VIRTUAL_RADIO_PATH)});
    ASSERT_TRUE(shell.waitForReadyRead(5000));
    const pid_t radio = shell.readLine().trimmed().toInt();
    ASSERT_GT(radio, 0);
    // Running, or ended and not yet reaped by whoever inherits it.
    const auto running = [radio] {
        QFile status(QStringLiteral("/proc/%1/stat").arg(radio));
        return status.open(QIODevice::ReadOnly) && !status.readAll().contains(") Z ");
    };
    QThread::msleep(500);
    ASSERT_TRUE(running());
    shell.kill();
    shell.waitForFinished();
    QElapsedTimer clock;
    clock.start();
    while (running() && clock.elapsed() < 3000)
        QThread::msleep(20);
    EXPECT_FALSE(running());
}

TEST(VirtualRadioTool, HangsUpTheLineWhenAsked)
{
    TVirtualRadio radio({"--hang-up-after", "2"});
    TLine line(radio.Port());
    line.Send(WakeUp);
    EXPECT_EQ(line.Exchange("PROGRAM", 1), AckByte);
    EXPECT_EQ(line.Collect(1, 5000), QByteArray());
    EXPECT_TRUE(line.DeadSeen());
    EXPECT_TRUE(radio.WaitForExit(5000));
    EXPECT_EQ(radio.ExitCode(), 0);
}

TEST(VirtualRadioTool, KeepsServingWhenThePortIsClosedAndReopened)
{
    TVirtualRadio radio({});
    ASSERT_FALSE(radio.Port().isEmpty());
    const QByteArray data("\x11\x22\x33\x44\x55\x66\x77\x88", 8);
    {
        TLine line(radio.Port());
        line.Handshake();
        EXPECT_EQ(line.Exchange(WriteRequest(0x0100, data), 1), AckByte);
        line.Send("E");
    }
    {
        // Pulled in the middle of a frame: the rest of it must not swallow the next handshake.
        TLine line(radio.Port());
        line.Handshake();
        line.Send(WriteRequest(0x0100, data).left(5));
    }
    QThread::msleep(100);  // the radio notices a closed port within a few tens of milliseconds
    TLine line(radio.Port());
    ASSERT_TRUE(line.IsOpen());
    EXPECT_EQ(line.Handshake(), Identification("6641"));
    EXPECT_EQ(line.Exchange(ReadRequest(0x0100), 12), ReadRequest(0x0100) + data);
    EXPECT_EQ(radio.Stop(), 0);
}

TEST(VirtualRadioTool, LinkNamesThePortWhileItRuns)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString link = folder.filePath("radio");
    {
        // A stale link from an earlier run is replaced.
        ASSERT_TRUE(QFile::link(folder.filePath("gone"), link));
        TVirtualRadio radio({"--link", link});
        ASSERT_FALSE(radio.Port().isEmpty()) << radio.StandardError().toStdString();
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), radio.Port());
        TLine line(link);
        EXPECT_EQ(line.Handshake(), Identification("6641"));
        line.Close();
        EXPECT_EQ(radio.Stop(), 0);
        EXPECT_FALSE(QFileInfo(link).isSymLink()) << "link removed at exit";
    }
    {
        // Anything else at the path is not the radio's to replace.
        QFile file(link);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("mine");
        file.close();
        TVirtualRadio radio({"--link", link});
        EXPECT_TRUE(radio.WaitForExit(5000));
        EXPECT_EQ(radio.ExitCode(), 2);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "mine");
    }
}

TEST(VirtualRadioTool, ImageKeepsWrittenRowsAcrossRuns)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString image = folder.filePath("radio.img");
    const QByteArray data("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    {
        TVirtualRadio radio({"--image", image});
        TLine line(radio.Port());
        line.Handshake();
        EXPECT_EQ(line.Exchange(WriteRequest(0x0010, data), 1), AckByte);
        line.Send("E");
        EXPECT_EQ(radio.Stop(), 0);
    }
    ASSERT_EQ(QFileInfo(image).size(), TRadioEngine::MemorySize);
    {
        TVirtualRadio radio({"--image", image, "--model", "5641"});
        TLine line(radio.Port());
        EXPECT_EQ(line.Handshake(), Identification("5641"));
        EXPECT_EQ(line.Exchange(ReadRequest(0x0010), 12), ReadRequest(0x0010) + data);
        EXPECT_EQ(radio.Stop(), 0);
    }
    {
        // A damaged image is neither served nor overwritten.
        QFile file(image);
        ASSERT_TRUE(file.resize(100));
        TVirtualRadio radio({"--image", image});
        EXPECT_TRUE(radio.WaitForExit(5000));
        EXPECT_EQ(radio.ExitCode(), 2);
        EXPECT_TRUE(radio.StandardError().contains("radio.img"));
        EXPECT_EQ(QFileInfo(image).size(), 100);
    }
}

TEST(VirtualRadioTool, PacedRepliesTakeTheTimeOfTheWire)
{
    TVirtualRadio radio({"--pace"});
    TLine line(radio.Port());
    line.Handshake();
    // Four request bytes and twelve reply bytes, 11 bits each at 9600 baud.
    const qint64 floorMicroseconds = 16 * 11 * 1'000'000LL / 9600;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(line.Exchange(ReadRequest(0x0010), 12).size(), 12);
    EXPECT_GE(clock.nsecsElapsed() / 1000, floorMicroseconds);
}

TEST(VirtualRadioTool, RefusesBadUsage)
{
    struct Case {
        QStringList arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{"--help"}, 0},
        {{"--model", "66411"}, 1},
        {{"--model", ""}, 1},
        {{"--silent-after", "-1"}, 1},
        {{"--hang-up-after", "many"}, 1},
        {{"--no-such-option"}, 1},
        {{"extra"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess process;
        process.start(K640_VIRTUAL_RADIO_PATH, c.arguments);
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), c.exitCode);
        if (c.exitCode == 0)
            EXPECT_TRUE(process.readAllStandardOutput().startsWith("usage:"));
        else
            EXPECT_FALSE(process.readAllStandardError().isEmpty());
    }
}

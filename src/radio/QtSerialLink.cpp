#include "radio/QtSerialLink.h"

#include <linux/serial.h>
#include <optional>
#include <sys/ioctl.h>
#include <termios.h>

namespace {

constexpr int CounterPollMs = 50;
// A few bytes take a few milliseconds at 9600 baud.
constexpr int CloseDrainMs = 100;

// The driver's count of line errors so far; nothing when the driver keeps no counters.
std::optional<quint64> LineErrorCount(int handle)
{
    serial_icounter_struct counters{};
    if (ioctl(handle, TIOCGICOUNT, &counters) != 0)
        return std::nullopt;
    return quint64(counters.frame) + quint64(counters.parity) + quint64(counters.overrun)
           + quint64(counters.brk) + quint64(counters.buf_overrun);
}

} // namespace

TQtSerialLink::TQtSerialLink(QObject* parent)
    : TSerialLink(parent)
{
    m_counterPoll.setInterval(CounterPollMs);
    connect(&m_counterPoll, &QTimer::timeout, this, &TQtSerialLink::pollErrorCounters);
    connect(&m_port, &QSerialPort::readyRead, this, &TSerialLink::dataAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &TQtSerialLink::portFailed);
}

TQtSerialLink::~TQtSerialLink()
{
    Close();
}

bool TQtSerialLink::Open(const QString& device, QString* error)
{
    Close();
    m_port.setPortName(device);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::TwoStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(0);
    // QSerialPort opens exclusively: a lock file and TIOCEXCL.
    if (!m_port.open(QIODevice::ReadWrite)) {
        if (error)
            *error = m_port.errorString();
        m_port.clearError();
        return false;
    }
    // A pseudo-terminal has no modem lines; that is no reason to refuse the port.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.clearError();

    if (const auto count = LineErrorCount(static_cast<int>(m_port.handle()))) {
        m_errorCount = *count;
        m_counterPoll.start();
    }
    return true;
}

void TQtSerialLink::Close()
{
    m_counterPoll.stop();
    if (!m_port.isOpen())
        return;
    // Bytes still queued here (the end frame of a run cut short) would be dropped by closing;
    // they go out first, within a bound, so a dead line cannot hold the program.
    if (m_port.bytesToWrite() > 0)
        m_port.waitForBytesWritten(CloseDrainMs);
    m_port.close();
}

bool TQtSerialLink::IsOpen() const
{
    return m_port.isOpen();
}

void TQtSerialLink::Flush()
{
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::AllDirections);
}

bool TQtSerialLink::Send(const QByteArray& bytes)
{
    return m_port.isOpen() && m_port.write(bytes) == bytes.size();
}

QByteArray TQtSerialLink::ReadAll()
{
    return m_port.readAll();
}

qint64 TQtSerialLink::BytesInTransmitQueue() const
{
    if (!m_port.isOpen())
        return 0;
    int queued = 0;
    if (ioctl(static_cast<int>(m_port.handle()), TIOCOUTQ, &queued) != 0)
        queued = 0;
    return m_port.bytesToWrite() + queued;
}

void TQtSerialLink::pollErrorCounters()
{
    const auto count = LineErrorCount(static_cast<int>(m_port.handle()));
    if (!count) {
        m_counterPoll.stop();
        return;
    }
    if (*count == m_errorCount)
        return;
    m_errorCount = *count;
    emit lineError();
}

void TQtSerialLink::portFailed(QSerialPort::SerialPortError error)
{
    // An unplugged adapter reports a resource error; a device whose other end went away (a
    // pseudo-terminal) fails its reads. Either way the line is gone.
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || !m_port.isOpen())
        return;
    Close();
    emit hangUp();
}

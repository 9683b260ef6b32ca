#include "PtyServer.h"

#include "RadioEngine.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// While nobody has the port open the master reports a hang-up at once, so it cannot be waited
// on; it is looked at again after this pause.
constexpr std::chrono::milliseconds AbsentClientPause{20};
constexpr std::chrono::milliseconds HangUpGrace{250};

timespec ToTimespec(std::chrono::nanoseconds span)
{
    span = std::max(span, std::chrono::nanoseconds::zero());
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(span);
    return {static_cast<time_t>(seconds.count()), static_cast<long>((span - seconds).count())};
}

QString SystemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

TPtyServer::TPtyServer(TRadioEngine& engine, bool pace, bool trace)
    : m_engine(engine)
    , m_pace(pace)
    , m_trace(trace)
{
}

TPtyServer::~TPtyServer()
{
    if (m_master >= 0)
        ::close(m_master);
}

bool TPtyServer::Open(QString* error)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) {
        *error = SystemError("cannot create a pseudo-terminal");
        return false;
    }
    char name[256];
    termios settings{};
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0
        || ::ptsname_r(m_master, name, sizeof name) != 0 || ::tcgetattr(m_master, &settings) != 0) {
        *error = SystemError("cannot prepare the pseudo-terminal");
        return false;
    }
    // No echo, no line editing, no translation: the line carries bytes, not text.
    ::cfmakeraw(&settings);
    if (::tcsetattr(m_master, TCSANOW, &settings) != 0
        || ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0) {
        *error = SystemError("cannot set up the pseudo-terminal");
        return false;
    }
    m_portPath = QString::fromLocal8Bit(name);
    return true;
}

bool TPtyServer::Serve(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask, QString* error)
{
    std::optional<TClock::time_point> hangUpAt;
    while (!stop) {
        const TClock::time_point now = TClock::now();
        if (m_clientPresent)
            WriteDueBytes(now);
        if (m_engine.HungUp() && m_output.empty()) {
            // Closing the line discards what the program has not read yet, so it gets a moment
            // to take the last reply, as it would have from a real line before the cable went.
            if (!hangUpAt)
                hangUpAt = now + HangUpGrace;
            if (now >= *hangUpAt || !m_clientPresent)
                return true;
        }

        pollfd port{m_master, POLLIN, 0};
        nfds_t watched = 1;
        std::optional<TClock::time_point> deadline = hangUpAt;
        if (!m_clientPresent) {
            watched = 0;
            deadline = now + AbsentClientPause;
        } else if (!m_output.empty()) {
            if (m_output.front().Due <= now)
                port.events |= POLLOUT;  // the line is full: wait until it takes more
            else
                deadline = m_output.front().Due;
        }
        const timespec timeout = ToTimespec(deadline.value_or(now) - now);
        if (::ppoll(&port, watched, deadline ? &timeout : nullptr, &waitMask) < 0) {
            if (errno == EINTR)
                continue;
            *error = SystemError("cannot wait for the port");
            return false;
        }
        if (!m_clientPresent)
            m_clientPresent = ClientPresent();
        else if (port.revents & (POLLHUP | POLLERR))
            ClientGone();
        else if (port.revents & POLLIN)
            TakeInput(TClock::now());
    }
    return true;
}

void TPtyServer::TakeInput(TClock::time_point now)
{
    char buffer[4096];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (count <= 0) {
        ClientGone();
        return;
    }
    // Paced, the bytes cross the line one after the other from the moment they were seen, and
    // a reply starts only once its request has crossed.
    const TClock::time_point start = m_pace ? std::max(now, m_inputClear) : now;
    m_inputClear = start + count * ByteTime;
    for (const TRadioReply& reply : m_engine.Feed(QByteArray(buffer, static_cast<int>(count)))) {
        const std::chrono::milliseconds delay{reply.DelayMs};
        const TClock::time_point due = start + reply.AfterInputBytes * ByteTime + delay;
        for (const char byte : reply.Bytes) {
            if (!m_pace) {
                m_output.push_back({now + delay, byte});
                continue;
            }
            m_outputClear = std::max(due, m_outputClear) + ByteTime;
            m_output.push_back({m_outputClear, byte});
        }
    }
    // Taken even untold, so that a radio left running for days does not pile them up.
    for (const TRadioFrame& frame : m_engine.TakeFrames()) {
        if (m_trace)
            std::fprintf(stderr, "%s\n", qPrintable(DescribeFrame(frame)));
    }
}

void TPtyServer::WriteDueBytes(TClock::time_point now)
{
    QByteArray due;
    for (const TScheduledByte& scheduled : m_output) {
        if (scheduled.Due > now)
            break;
        due += scheduled.Byte;
    }
    if (due.isEmpty())
        return;
    const ssize_t written = ::write(m_master, due.constData(), static_cast<size_t>(due.size()));
    if (written < 0) {
        if (errno != EAGAIN && errno != EINTR)
            ClientGone();
        return;
    }
    m_output.erase(m_output.begin(), m_output.begin() + written);
}

void TPtyServer::ClientGone()
{
    m_clientPresent = false;
    m_output.clear();
    m_engine.LinkDropped();
}

bool TPtyServer::ClientPresent() const
{
    pollfd port{m_master, POLLIN, 0};
    return ::poll(&port, 1, 0) >= 0 && !(port.revents & POLLHUP);
}

#include "radio/SendThread.h"

#include "radio/RadioLink.h"

#include <algorithm>

namespace {

constexpr std::uint8_t ReadCommand = 0x52;
constexpr std::uint8_t HalfLength = 8;
constexpr int ReadReplyLength = 12;
constexpr int ReadReplyDataOffset = 4;
constexpr int WriteReplyLength = 1;

// The reply timer of the link decides about a lost reply; the worker's own limit only guards
// against a link that can no longer tell it.
constexpr int ReplyWaitLimitMs = 3 * TryTimeMs;
// The acknowledge has no reply timer; a radio that never answers it fails the row after this.
constexpr int AckWaitLimitMs = TryTimeMs;
// The link polls the transmit queue 100 times, 50 ms apart.
constexpr int DrainWaitLimitMs = 100 * 50 + TryTimeMs;

QByteArray HalfFrame(std::uint8_t command, std::uint16_t address)
{
    QByteArray frame;
    frame += static_cast<char>(command);
    frame += static_cast<char>(address >> 8);
    frame += static_cast<char>(address & 0xFF);
    frame += static_cast<char>(HalfLength);
    return frame;
}

} // namespace

TSendThread::TSendThread(TRadioLink& link, TTransferHooks& hooks, int serial, int replyPauseMs)
    : m_link(link)
    , m_hooks(hooks)
    , m_serial(serial)
    , m_replyPauseMs(replyPauseMs)
{
}

void TSendThread::run()
{
    const bool completed = m_hooks.Run(*this);
    TRadioLink* link = &m_link;
    const int serial = m_serial;
    QMetaObject::invokeMethod(
        link, [link, serial, completed] { link->workerEnded(serial, completed); },
        Qt::QueuedConnection);
}

bool TSendThread::ExchangeAck()
{
    QByteArray reply;
    return exchange({QByteArray(1, static_cast<char>(AckByte)), TAwait::Acknowledge, 1, {}},
                    AckWaitLimitMs, reply)
           && static_cast<std::uint8_t>(reply.at(0)) == AckByte;
}

bool TSendThread::ReadRow(std::uint16_t address, TRow& row)
{
    for (int half = 0; half < 2; ++half) {
        const auto halfAddress = static_cast<std::uint16_t>(address + HalfLength * half);
        // The reply echoes the request; one that does not is no reply to it.
        const QByteArray request = HalfFrame(ReadCommand, halfAddress);
        QByteArray reply;
        if (!RequestHalf(request, ReadReplyLength, request, reply))
            return false;
        std::copy_n(reply.constData() + ReadReplyDataOffset, HalfLength,
                    row.begin() + HalfLength * half);
        if (!ExchangeAck())
            return false;
    }
    advanceProgress();
    return true;
}

bool TSendThread::WriteRow(std::uint16_t address, const TRow& row, std::uint8_t command)
{
    for (int half = 0; half < 2; ++half) {
        const auto halfAddress = static_cast<std::uint16_t>(address + HalfLength * half);
        QByteArray frame = HalfFrame(command, halfAddress);
        frame.append(reinterpret_cast<const char*>(row.data()) + HalfLength * half, HalfLength);
        QByteArray reply;
        // A radio that refuses the row has not stored it.
        if (!RequestHalf(frame, WriteReplyLength, {}, reply) || static_cast<std::uint8_t>(reply.at(0)) != AckByte)
            return false;
    }
    advanceProgress();
    return true;
}

void TSendThread::SendEnd()
{
    QByteArray nothing;
    exchange({QByteArray(1, static_cast<char>(EndByte)), TAwait::TransmitDrain, 1, {}},
             DrainWaitLimitMs, nothing);
}

void TSendThread::SetProgressMaximum(int maximum)
{
    m_progressMaximum = maximum;
    m_rowsDone = 0;
    TRadioLink* link = &m_link;
    PostToUi([link, maximum] { link->SetProgressMaximum(maximum); });
}

void TSendThread::FillProgress()
{
    m_rowsDone = m_progressMaximum;
    advanceProgress();
}

void TSendThread::advanceProgress()
{
    m_rowsDone = std::min(m_rowsDone + 1, m_progressMaximum);
    TRadioLink* link = &m_link;
    const int position = m_rowsDone;
    PostToUi([link, position] { link->SetProgress(position); });
}

void TSendThread::PostToUi(std::function<void()> change)
{
    TRadioLink* link = &m_link;
    const int serial = m_serial;
    QMetaObject::invokeMethod(
        link,
        [link, serial, change = std::move(change)] {
            if (link->isCurrentWorker(serial))
                change();
        },
        Qt::QueuedConnection);
}

void TSendThread::Resume(bool lineFault, const QByteArray& reply)
{
    m_lineFault = lineFault;
    m_reply = reply;
    m_handover.release();
}

void TSendThread::Stop()
{
    m_stopping = true;
    m_handover.release();
}

bool TSendThread::RequestHalf(const QByteArray& frame, int replyLength, const QByteArray& echo,
                              QByteArray& reply)
{
    if (!exchange({frame, TAwait::Reply, replyLength, echo}, ReplyWaitLimitMs, reply))
        return false;
    msleep(static_cast<unsigned long>(m_replyPauseMs));
    return true;
}

bool TSendThread::exchange(const TLinkRequest& request, int limitMs, QByteArray& reply)
{
    if (m_stopping)
        return false;
    TRadioLink* link = &m_link;
    PostToUi([link, request] { link->serveRequest(request); });
    if (!m_handover.tryAcquire(1, limitMs) || m_stopping)
        return false;
    reply = m_reply;
    return !m_lineFault;
}

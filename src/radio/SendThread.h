#pragma once
// The transfer's worker: it runs the transfer's rows one exchange at a time. Every frame goes out,
// and every change to the program's state or screen is made, through queued calls to the link on
// the user-interface thread, in order; the worker itself only waits. The link hands each reply
// over through a semaphore, so a reply that comes back before the worker waits is not lost, and
// every wait is bounded.

#include "codeplug/RowCodec.h"

#include <QByteArray>
#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <functional>

class TRadioLink;
class TTransferHooks;
struct TLinkRequest;

class TSendThread final : public QThread {
    Q_OBJECT
public:
    TSendThread(TRadioLink& link, TTransferHooks& hooks, int serial, int replyPauseMs);

    int Serial() const { return m_serial; }

    // Worker thread: the exchanges of the transfers.
    // The acknowledge: 0x06 out, 0x06 back.
    bool ExchangeAck();
    bool ReadRow(std::uint16_t address, TRow& row);
    bool WriteRow(std::uint16_t address, const TRow& row, std::uint8_t command);
    // The end frame; waits until the line has sent it.
    void SendEnd();
    void SetProgressMaximum(int maximum);
    void FillProgress();
    // Runs the change on the user-interface thread, after every change posted before it; a
    // retired worker's changes are dropped.
    void PostToUi(std::function<void()> change);

    // User-interface thread.
    void Resume(bool lineFault, const QByteArray& reply);
    void Stop();

protected:
    void run() override;

private:
    // The reply must begin with echo.
    bool RequestHalf(const QByteArray& frame, int replyLength, const QByteArray& echo, QByteArray& reply);
    // Posts the request and waits for the link's hand-over; false on a line fault, a stop or
    // when the wait expired.
    bool exchange(const TLinkRequest& request, int limitMs, QByteArray& reply);
    void advanceProgress();

    TRadioLink& m_link;
    TTransferHooks& m_hooks;
    const int m_serial;
    const int m_replyPauseMs;

    QSemaphore m_handover;
    std::atomic<bool> m_stopping{false};
    // Written by the link before it releases m_handover, read by the worker after acquiring it.
    bool m_lineFault = false;
    QByteArray m_reply;

    int m_progressMaximum = 0;
    int m_rowsDone = 0;
};

#pragma once
// The link protocol shared by the read and the write transfer: opening the port, the handshake
// and identification on the user-interface thread, the hand-over of every reply to the
// transfer's worker, the reply timer, line errors, retries and the guarded messages.
//
// A dialog owns a transfer (TReadTransfer, TWriteTransfer), which owns its TRadioLink. The dialog
// calls FormShow when shown, btnOkClick for its OK button and FormClose when it closes, and
// follows the signals: OK button enabled, progress bar maximum and position, close request.
// Destroying the link ends its worker first.

#include "radio/SerialLink.h"

#include <QObject>
#include <QTimer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class TSendThread;

enum class TTransferKind { Read, Write };

// Where the two transfers differ; everything else they do alike.
struct TLinkVariant {
    TTransferKind Kind;
    int OkPauseMs;              // between the OK button and the attempt
    int StartPauseMs;           // inside an attempt, before the handshake
    bool FlushOnOpen;
    bool FlushOnStart;
    int ResumePauseMs;          // between a complete reply and resuming the worker
    int ReplyPauseMs;           // the worker's pause after each reply
    bool RetryAfterLineError;   // flush, one silent retry, then the reply timer; else ComError
    bool OkBeforeQuestion;      // the reply timeout enables OK before asking, not after
    bool CloseUnlessLineFault;  // the delayed close is skipped after a line error
    bool WorkerDisablesOk;
};
extern const TLinkVariant ReadLinkVariant;
extern const TLinkVariant WriteLinkVariant;

// The byte with which the radio accepts the program request and every acknowledge.
constexpr std::uint8_t AckByte = 0x06;
// The frame that ends programming mode.
constexpr std::uint8_t EndByte = 0x45;
constexpr int RxBufferSize = 51;
constexpr int TryTimeMs = 1000;
constexpr int CloseTimeMs = 300;
constexpr int ReTimeMs = 500;

// The receive state of a transfer kind. It lives for the whole run of the program, so the values
// of one opening of a dialog meet the next one.
struct TReceiveState {
    std::array<std::uint8_t, RxBufferSize> RxBuffer{};
    int RxExpected = 0;      // reply bytes still awaited; below zero when more came
    bool ErrorShown = false; // a guarded message was shown in the current attempt
};
TReceiveState& ReceiveStateOf(TTransferKind kind);

// A message of the link, with the Confirmation caption.
int ShowLinkMessage(const QString& text, int kind);

// The model code of an identification: its characters 2 to 5.
QString IdentModelCode(const QString& ident);

// A frame of the worker and what the worker waits for after it went out.
enum class TAwait { Nothing, Reply, Acknowledge, TransmitDrain };
struct TLinkRequest {
    QByteArray Frame;
    TAwait Await = TAwait::Nothing;
    int ReplyLength = 0;
    QByteArray Echo;  // the bytes the reply must begin with to be the reply to this frame
};

// What a transfer adds to the link.
class TTransferHooks {
public:
    virtual ~TTransferHooks() = default;
    // User-interface thread: whether the transfer goes on with this identification text.
    virtual bool CheckIdent(const QString& ident) = 0;
    // Worker thread: the transfer's run; true when every row went through.
    virtual bool Run(TSendThread& worker) = 0;
    // User-interface thread, after the worker has ended and any failure message was shown.
    virtual void Finish(bool completed) = 0;
    // User-interface thread: the dialog closes; the attempt has stopped and the port is still
    // open.
    virtual void Closing() {}
};

class TRadioLink : public QObject {
    Q_OBJECT
public:
    enum TLinkStep { StepTransfer = 0, StepAwaitAck = 1, StepAwaitIdent = 2, StepFinished = 5 };

    TRadioLink(const TLinkVariant& variant, TTransferHooks& hooks, std::unique_ptr<TSerialLink> port,
               QObject* parent = nullptr);
    ~TRadioLink() override;
    TRadioLink(const TRadioLink&) = delete;
    TRadioLink& operator=(const TRadioLink&) = delete;

    // The dialog's events.
    void FormShow();
    void btnOkClick();
    void FormClose();

    // Sends the end frame where the port still takes bytes, so that a radio left in programming
    // mode by a run cut short leaves it. Only between exchanges: after the worker failed or ended.
    void SendEndFrame();

    // The device to open instead of the one that TALL::ComPort names, for a port given as a
    // path; empty goes back to the port name. Takes effect when the port is next opened.
    void SetDevice(const QString& device) { m_device = device; }

    bool OkEnabled() const { return m_okEnabled; }
    int LinkStep() const { return m_linkStep; }
    // The last run went through to the end (cleared when the dialog is shown and by every
    // attempt).
    bool RunCompleted() const { return m_runCompleted; }
    // The silent retry after the first line fault is due: a failed run is not the end yet.
    bool RetryPending() const { return m_reTime.isActive(); }

    // For the transfers' finish handlers and their workers' queued updates.
    void SetOkEnabled(bool enabled);
    void SetProgressMaximum(int maximum);
    void SetProgress(int position);
    void StartCloseTime();

signals:
    void okEnabledChanged(bool enabled);
    void progressMaximumChanged(int maximum);
    void progressChanged(int position);
    void closeRequested();
    // The worker has ended and the transfer's finish handler has run.
    void finished(bool completed);

private:
    friend class TSendThread;

    bool OpenPort();
    void StartAttempt();
    // Ends the current attempt and its worker; the port stays open.
    void StopAttempt();
    void SendHandshake();
    void SendProgramByte(int index);
    void FailStart();
    // Ends the attempt in the air: no step, reply or worker of it acts any more.
    void EndAttempt();
    void myPortTrigger();
    void replyCompleted(int received);
    void myPortTriggerLineError();
    void portHungUp();
    void TryTimeTimer();
    void CloseTimeTimer();
    void ReTimeTimer();

    // A step of the current attempt after a pause, on this thread; dropped when another
    // attempt has begun or the dialog closed meanwhile.
    void after(int ms, std::function<void()> step);
    void cancelSteps();
    int showGuarded(const QString& text, int kind);

    void startWorker();
    // Stops the worker and waits for it (it never waits for this thread, so this is short);
    // whatever it still posts is dropped.
    void endWorker();
    bool isCurrentWorker(int serial) const;
    void serveRequest(const TLinkRequest& request);
    void awaitTransmitDrain(int pollsLeft);
    void resumeWorker(bool lineFault, const QByteArray& reply = {});
    void workerEnded(int serial, bool completed);

    const TLinkVariant& m_variant;
    TTransferHooks& m_hooks;
    std::unique_ptr<TSerialLink> m_port;
    QString m_device;
    TReceiveState& m_rx;

    int m_rxIndex = 0;
    int m_linkStep = StepTransfer;
    bool m_okEnabled = true;
    bool m_lineFault = false;
    bool m_autoRetry = false;
    bool m_runCompleted = false;
    int m_attempt = 0;         // steps carry the attempt they belong to
    TAwait m_awaiting = TAwait::Nothing;
    QByteArray m_echo;         // what the awaited reply begins with

    std::unique_ptr<TSendThread> m_worker;
    int m_workerSerial = 0;  // tells the posts of an ended worker from those of the current one

    QTimer m_tryTime;
    QTimer m_closeTime;
    QTimer m_reTime;
};

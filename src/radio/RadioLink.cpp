#include "radio/RadioLink.h"

#include "codeplug/GlobalState.h"
#include "locale/MsgBox.h"
#include "radio/ComPorts.h"
#include "radio/PortProblem.h"
#include "radio/SendThread.h"

#include <algorithm>

const TLinkVariant ReadLinkVariant{
    .Kind = TTransferKind::Read,
    .OkPauseMs = 0,
    .StartPauseMs = 500,
    .FlushOnOpen = true,
    .FlushOnStart = false,
    .ResumePauseMs = 5,
    .ReplyPauseMs = 5,
    .RetryAfterLineError = true,
    .OkBeforeQuestion = false,
    .CloseUnlessLineFault = true,
    .WorkerDisablesOk = true,
};

const TLinkVariant WriteLinkVariant{
    .Kind = TTransferKind::Write,
    .OkPauseMs = 450,
    .StartPauseMs = 50,
    .FlushOnOpen = false,
    .FlushOnStart = true,
    .ResumePauseMs = 0,
    .ReplyPauseMs = 28,
    .RetryAfterLineError = false,
    .OkBeforeQuestion = true,
    .CloseUnlessLineFault = false,
    .WorkerDisablesOk = false,
};

namespace {

constexpr std::uint8_t WakeUpByte = 0x02;
constexpr std::uint8_t IdentifyByte = 0x02;
constexpr int WakeUpPauseMs = 200;
constexpr int ProgramBytePauseMs = 2;
constexpr int IdentifyPauseMs = 5;
constexpr int WorkerStartPauseMs = 5;
constexpr int DrainPollMs = 50;
constexpr int DrainPolls = 100;
constexpr int IdentLength = 8;
const QByteArray ProgramRequest = QByteArrayLiteral("PROGRAM");

QByteArray OneByte(std::uint8_t byte)
{
    return QByteArray(1, static_cast<char>(byte));
}

} // namespace

TReceiveState& ReceiveStateOf(TTransferKind kind)
{
    static TReceiveState read;
    static TReceiveState write;
    return kind == TTransferKind::Read ? read : write;
}

int ShowLinkMessage(const QString& text, int kind)
{
    return MsgBox(theLanguage().Confirmation, text, kind);
}

QString IdentModelCode(const QString& ident)
{
    return ident.mid(1, 4);
}

TRadioLink::TRadioLink(const TLinkVariant& variant, TTransferHooks& hooks,
                       std::unique_ptr<TSerialLink> port, QObject* parent)
    : QObject(parent)
    , m_variant(variant)
    , m_hooks(hooks)
    , m_port(std::move(port))
    , m_rx(ReceiveStateOf(variant.Kind))
{
    for (QTimer* timer : {&m_tryTime, &m_closeTime, &m_reTime})
        timer->setSingleShot(true);
    m_tryTime.setInterval(TryTimeMs);
    m_closeTime.setInterval(CloseTimeMs);
    m_reTime.setInterval(ReTimeMs);
    connect(&m_tryTime, &QTimer::timeout, this, &TRadioLink::TryTimeTimer);
    connect(&m_closeTime, &QTimer::timeout, this, &TRadioLink::CloseTimeTimer);
    connect(&m_reTime, &QTimer::timeout, this, &TRadioLink::ReTimeTimer);
    connect(m_port.get(), &TSerialLink::dataAvailable, this, &TRadioLink::myPortTrigger);
    connect(m_port.get(), &TSerialLink::lineError, this, &TRadioLink::myPortTriggerLineError);
    connect(m_port.get(), &TSerialLink::hangUp, this, &TRadioLink::portHungUp);
}

TRadioLink::~TRadioLink()
{
    // The transfer that owns the link is going too: it is not told.
    StopAttempt();
    m_port->Close();
}

// ---- the dialog's events ---------------------------------------------------------------------

void TRadioLink::FormShow()
{
    // A port that cannot be opened is always reported, whatever the last dialog ended with;
    // otherwise the dialog would vanish without a word.
    m_rx.ErrorShown = false;
    m_lineFault = false;
    m_runCompleted = false;
    m_autoRetry = true;
    endWorker();
    if (!OpenPort())
        m_closeTime.start();
}

void TRadioLink::btnOkClick()
{
    if (!m_okEnabled)
        return;
    if (m_variant.OkPauseMs == 0) {
        StartAttempt();
        return;
    }
    // The button stays off during the pause, so a second click cannot start a second attempt.
    SetOkEnabled(false);
    after(m_variant.OkPauseMs, [this] { StartAttempt(); });
}

void TRadioLink::FormClose()
{
    StopAttempt();
    m_hooks.Closing();
    m_port->Close();
}

void TRadioLink::StopAttempt()
{
    cancelSteps();
    for (QTimer* timer : {&m_tryTime, &m_closeTime, &m_reTime})
        timer->stop();
    endWorker();
}

void TRadioLink::SendEndFrame()
{
    m_port->Send(OneByte(EndByte));  // a closed or vanished port takes nothing, which is all right
}

void TRadioLink::SetOkEnabled(bool enabled)
{
    if (m_okEnabled == enabled)
        return;
    m_okEnabled = enabled;
    emit okEnabledChanged(enabled);
}

void TRadioLink::SetProgressMaximum(int maximum)
{
    emit progressMaximumChanged(maximum);
    SetProgress(0);
}

void TRadioLink::SetProgress(int position)
{
    emit progressChanged(position);
}

void TRadioLink::StartCloseTime()
{
    m_closeTime.start();
}

// ---- port and attempt ------------------------------------------------------------------------

bool TRadioLink::OpenPort()
{
    m_port->Close();
    const QString device =
        m_device.isEmpty() ? ComPortDevice(theAll().SettingsFolder, theAll().ComPort) : m_device;
    if (device.isEmpty()) {
        showGuarded(theLanguage().LPortError, MsgInformation);
        return false;
    }
    if (!m_port->Open(device)) {
        showGuarded(theLanguage().LPortError + QLatin1Char('\n') + PortOpenProblem(device), MsgInformation);
        return false;
    }
    if (m_variant.FlushOnOpen)
        m_port->Flush();
    return true;
}

void TRadioLink::StartAttempt()
{
    cancelSteps();
    m_tryTime.stop();
    m_reTime.stop();
    endWorker();
    m_runCompleted = false;
    m_linkStep = StepTransfer;
    m_rx.ErrorShown = false;
    // A cable pulled and plugged in again: the port is opened anew.
    if (!m_port->IsOpen() && !OpenPort()) {
        SetOkEnabled(true);
        return;
    }
    if (m_variant.FlushOnStart)
        m_port->Flush();
    SetOkEnabled(false);
    after(m_variant.StartPauseMs, [this] {
        m_rxIndex = 0;
        m_tryTime.start();
        SendHandshake();
    });
}

void TRadioLink::SendHandshake()
{
    // Bytes that come before the program request has gone out answer nothing it asked; the
    // step is taken only after its last byte.
    m_linkStep = StepTransfer;
    if (!m_port->Send(OneByte(WakeUpByte))) {
        FailStart();
        return;
    }
    after(WakeUpPauseMs, [this] { SendProgramByte(0); });
}

void TRadioLink::SendProgramByte(int index)
{
    if (!m_port->Send(ProgramRequest.mid(index, 1))) {
        FailStart();
        return;
    }
    if (index + 1 < ProgramRequest.size()) {
        after(ProgramBytePauseMs, [this, index] { SendProgramByte(index + 1); });
        return;
    }
    m_linkStep = StepAwaitAck;
    m_rx.RxExpected = 1;
    m_rxIndex = 0;
}

void TRadioLink::FailStart()
{
    cancelSteps();
    m_tryTime.stop();
    SetOkEnabled(true);
    showGuarded(theLanguage().LPortError, MsgInformation);
}

// ---- receiving -------------------------------------------------------------------------------

void TRadioLink::myPortTrigger()
{
    const QByteArray bytes = m_port->ReadAll();
    if (bytes.isEmpty())
        return;
    for (const char byte : bytes) {
        // Bytes beyond the buffer in one burst are dropped.
        if (m_rxIndex < RxBufferSize)
            m_rx.RxBuffer[static_cast<size_t>(m_rxIndex)] = static_cast<std::uint8_t>(byte);
        --m_rx.RxExpected;
        ++m_rxIndex;
    }
    if (m_rx.RxExpected > 0)
        return;
    const int received = std::min(m_rxIndex, RxBufferSize);
    m_rxIndex = 0;
    switch (m_linkStep) {
    case StepTransfer:
        replyCompleted(received);
        break;
    case StepAwaitAck:
        if (m_rx.RxBuffer[0] != AckByte && m_rx.RxBuffer[1] != AckByte)
            break;  // the reply timer decides
        m_linkStep = StepAwaitIdent;
        m_rx.RxExpected = IdentLength;
        m_tryTime.stop();
        after(IdentifyPauseMs, [this] {
            m_port->Send(OneByte(IdentifyByte));  // a failed send is left to the reply timer
            m_tryTime.start();
        });
        break;
    case StepAwaitIdent: {
        m_tryTime.stop();
        const QString ident = QString::fromLatin1(
            reinterpret_cast<const char*>(m_rx.RxBuffer.data()), IdentLength);
        if (!m_hooks.CheckIdent(ident))
            break;  // only Cancel is left
        m_linkStep = StepTransfer;
        after(WorkerStartPauseMs, [this] { startWorker(); });
        break;
    }
    default:
        break;
    }
}

void TRadioLink::replyCompleted(int received)
{
    if (m_awaiting != TAwait::Reply && m_awaiting != TAwait::Acknowledge)
        return;  // nobody waits for these bytes
    const QByteArray reply(reinterpret_cast<const char*>(m_rx.RxBuffer.data()), received);
    if (!reply.startsWith(m_echo)) {
        // A stray byte before the reply, or another row's data: never taken as this row.
        myPortTriggerLineError();
        return;
    }
    m_awaiting = TAwait::Nothing;
    m_tryTime.stop();
    if (m_variant.ResumePauseMs == 0) {
        resumeWorker(false, reply);
        return;
    }
    const int serial = m_worker->Serial();
    after(m_variant.ResumePauseMs, [this, serial, reply] {
        if (isCurrentWorker(serial))
            resumeWorker(false, reply);
    });
}

void TRadioLink::myPortTriggerLineError()
{
    if (m_variant.RetryAfterLineError)
        m_port->Flush();
    if (m_awaiting != TAwait::Nothing) {
        m_lineFault = true;
        resumeWorker(true);
    }
    if (!m_variant.RetryAfterLineError) {
        showGuarded(theLanguage().ComError, MsgInformation);
        return;
    }
    if (m_autoRetry) {
        m_rx.ErrorShown = true;
        m_autoRetry = false;
        m_reTime.start();
    } else {
        m_tryTime.start();
    }
}

void TRadioLink::portHungUp()
{
    if (m_awaiting != TAwait::Nothing) {
        resumeWorker(true);  // the run fails and says so
        return;
    }
    if (m_linkStep != StepAwaitAck && m_linkStep != StepAwaitIdent)
        return;  // no attempt in the air; the next one opens the port anew
    cancelSteps();
    m_tryTime.stop();
    SetOkEnabled(true);
    showGuarded(theLanguage().ComError, MsgInformation);
}

// ---- timers ----------------------------------------------------------------------------------

void TRadioLink::TryTimeTimer()
{
    // Nothing of this attempt may go on behind the question: a late reply is dropped.
    EndAttempt();
    if (m_rx.ErrorShown)
        return;
    if (m_variant.OkBeforeQuestion)
        SetOkEnabled(true);
    const bool retry = showGuarded(theLanguage().ComError, MsgRetryCancel) == MsgResultRetry;
    SetOkEnabled(true);
    if (retry)
        StartAttempt();
}

void TRadioLink::EndAttempt()
{
    cancelSteps();
    endWorker();  // a worker waiting for the lost reply is never resumed
    m_linkStep = StepTransfer;
    m_rx.RxExpected = 0;
    m_rxIndex = 0;
    m_port->Flush();
}

void TRadioLink::CloseTimeTimer()
{
    if (m_variant.CloseUnlessLineFault && m_lineFault)
        return;
    emit closeRequested();
}

void TRadioLink::ReTimeTimer()
{
    SetOkEnabled(true);
    StartAttempt();
}

void TRadioLink::after(int ms, std::function<void()> step)
{
    const int attempt = m_attempt;
    QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, attempt, step = std::move(step)] {
        if (attempt == m_attempt)
            step();
    });
}

void TRadioLink::cancelSteps()
{
    ++m_attempt;
}

int TRadioLink::showGuarded(const QString& text, int kind)
{
    if (m_rx.ErrorShown)
        return 0;
    m_rx.ErrorShown = true;
    return ShowLinkMessage(text, kind);
}

// ---- the worker ------------------------------------------------------------------------------

void TRadioLink::startWorker()
{
    if (m_variant.WorkerDisablesOk)
        SetOkEnabled(false);
    m_rx.ErrorShown = false;
    m_worker = std::make_unique<TSendThread>(*this, m_hooks, ++m_workerSerial,
                                             m_variant.ReplyPauseMs);
    m_worker->start();
}

void TRadioLink::endWorker()
{
    m_awaiting = TAwait::Nothing;
    if (!m_worker)
        return;
    m_worker->Stop();
    m_worker->wait();
    m_worker.reset();
}

bool TRadioLink::isCurrentWorker(int serial) const
{
    return m_worker && m_worker->Serial() == serial;
}

void TRadioLink::serveRequest(const TLinkRequest& request)
{
    m_lineFault = false;
    m_rxIndex = 0;
    m_rx.RxExpected = request.ReplyLength;
    m_awaiting = request.Await;
    m_echo = request.Echo;
    if (!m_port->Send(request.Frame)) {
        resumeWorker(true);
        return;
    }
    if (request.Await == TAwait::Reply)
        m_tryTime.start();
    else if (request.Await == TAwait::TransmitDrain)
        awaitTransmitDrain(DrainPolls);
}

void TRadioLink::awaitTransmitDrain(int pollsLeft)
{
    if (pollsLeft == 0 || m_port->BytesInTransmitQueue() == 0) {
        resumeWorker(false);
        return;
    }
    const int serial = m_worker->Serial();
    after(DrainPollMs, [this, serial, pollsLeft] {
        if (isCurrentWorker(serial) && m_awaiting == TAwait::TransmitDrain)
            awaitTransmitDrain(pollsLeft - 1);
    });
}

void TRadioLink::resumeWorker(bool lineFault, const QByteArray& reply)
{
    m_awaiting = TAwait::Nothing;
    m_tryTime.stop();
    m_worker->Resume(lineFault, reply);
}

void TRadioLink::workerEnded(int serial, bool completed)
{
    if (!isCurrentWorker(serial))
        return;  // a worker that was ended on purpose
    m_worker->wait();
    m_worker.reset();
    m_awaiting = TAwait::Nothing;
    m_tryTime.stop();
    m_linkStep = StepFinished;
    m_runCompleted = completed;
    if (!completed)
        showGuarded(theLanguage().ComError, MsgInformation);
    m_hooks.Finish(completed);
    emit finished(completed);
}

#include "RadioEngine.h"

#include "codeplug/CodeplugState.h"
#include "codeplug/ReplaceFile.h"
#include "settings/ModelCatalog.h"

#include <QFile>
#include <algorithm>
#include <utility>

namespace {

constexpr std::uint8_t WakeUpByte = 0x02;
constexpr std::uint8_t HalfRowLength = 0x08;
constexpr int ReadFrameLength = 4;
constexpr int WriteFrameLength = 12;
const QByteArray ProgramWord = QByteArrayLiteral("PROGRAM");

// The layout of a model the catalog does not know: that of the catalog's models.
constexpr int DefaultChannelCount = 16;
constexpr int DefaultGapRows = 39;
constexpr int SettingsRow2Address = 0x02B0;

QString FourCharacterCode(const QString& code)
{
    return code.left(4).leftJustified(4, QLatin1Char(' '));
}

// A few channels near the lower band edge, as a dealer would find them in a new radio.
std::vector<TChannel> FactoryChannels(double lowerEdge)
{
    auto at = [lowerEdge](double offset) { return lowerEdge + offset; };
    return {
        {at(10.0125), at(10.0125), "67.0", "67.0", 1, 0, 0, 1, 1},
        {at(10.025), at(10.025), "D023N", "D023N", 1, 1, 0, 1, 1},
        {at(12.55), at(12.55), {}, {}, 0, 0, 1, 1, 0},
        {at(15.0), -1.0, "88.5", {}, 0, 1, 0, 1, 1},
    };
}

} // namespace

QString DescribeFrame(const TRadioFrame& frame)
{
    static const char* const names[] = {"wake-up", "program", "identify", "acknowledge", "read",
                                        "write", "settings write", "end", "noise"};
    QString text = QStringLiteral("%1: %2").arg(QLatin1String(names[static_cast<int>(frame.Kind)]),
                                                QString::fromLatin1(frame.Bytes.toHex(' ')));
    if (!frame.Reply.isEmpty())
        text += QStringLiteral(" -> ") + QString::fromLatin1(frame.Reply.toHex(' '));
    return text;
}

TRadioEngine::TRadioEngine(const QString& modelCode, const TRadioFaults& faults)
    : m_modelCode(modelCode)
    , m_faults(faults)
    , m_hungUp(faults.HangUpAfterFrames && *faults.HangUpAfterFrames <= 0)
{
    LoadFactoryMemory();
}

std::vector<TRadioReply> TRadioEngine::Feed(const QByteArray& bytes)
{
    std::vector<TRadioReply> replies;
    for (int i = 0; i < bytes.size() && !m_hungUp; ++i)
        TakeByte(static_cast<std::uint8_t>(bytes[i]), i + 1, replies);
    return replies;
}

QByteArray TRadioEngine::Answer(const QByteArray& bytes)
{
    QByteArray joined;
    for (const TRadioReply& reply : Feed(bytes))
        joined += reply.Bytes;
    return joined;
}

void TRadioEngine::LinkDropped()
{
    AddGarbage(m_pending);
    m_pending.clear();
    m_session = TSession::Idle;
}

std::vector<TRadioFrame> TRadioEngine::TakeFrames()
{
    return std::exchange(m_frames, {});
}

void TRadioEngine::TakeByte(std::uint8_t byte, int position, std::vector<TRadioReply>& replies)
{
    if (m_pending.isEmpty()) {
        StartFrame(byte, position, replies);
        return;
    }
    const char first = m_pending[0];
    if (first == 'P') {
        if (byte != static_cast<std::uint8_t>(ProgramWord[m_pending.size()])) {
            // Not the program request after all: what came so far is noise, this byte may
            // begin a frame of its own.
            AddGarbage(std::exchange(m_pending, {}));
            StartFrame(byte, position, replies);
            return;
        }
        m_pending += static_cast<char>(byte);
        if (m_pending == ProgramWord)
            Complete(TFrameKind::ProgramRequest, position, replies);
        return;
    }
    m_pending += static_cast<char>(byte);
    if (m_pending.size() == ReadFrameLength && byte != HalfRowLength) {
        AddGarbage(std::exchange(m_pending, {}));
        return;
    }
    if (first == 'R' && m_pending.size() == ReadFrameLength)
        Complete(TFrameKind::Read, position, replies);
    else if (m_pending.size() == WriteFrameLength)
        Complete(first == 'W' ? TFrameKind::Write : TFrameKind::SettingsWrite, position, replies);
}

void TRadioEngine::StartFrame(std::uint8_t byte, int position, std::vector<TRadioReply>& replies)
{
    m_pending = QByteArray(1, static_cast<char>(byte));
    if (byte == WakeUpByte) {
        Complete(m_session == TSession::AwaitIdentify ? TFrameKind::Identify : TFrameKind::WakeUp,
                 position, replies);
        return;
    }
    if (byte == 'P')
        return;
    if (m_session == TSession::Programming) {
        switch (byte) {
        case 'R':
        case 'W':
        case 'Y':
            return;
        case Ack:
            Complete(TFrameKind::Acknowledge, position, replies);
            return;
        case 'E':
            Complete(TFrameKind::End, position, replies);
            return;
        default:
            break;
        }
    }
    AddGarbage(std::exchange(m_pending, {}));
}

void TRadioEngine::AddGarbage(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    if (!m_frames.empty() && m_frames.back().Kind == TFrameKind::Garbage)
        m_frames.back().Bytes += bytes;
    else
        m_frames.push_back({TFrameKind::Garbage, bytes, {}});
}

void TRadioEngine::Complete(TFrameKind kind, int position, std::vector<TRadioReply>& replies)
{
    ++m_frameCount;
    const bool silent = m_faults.SilentAfterFrames && m_frameCount > *m_faults.SilentAfterFrames;
    QByteArray reply = ReplyTo(kind);
    if (silent)
        reply.clear();
    m_frames.push_back({kind, std::exchange(m_pending, {}), reply});
    const int delay = kind == TFrameKind::ProgramRequest ? m_faults.ProgramAnswerDelayMs : 0;
    if (!reply.isEmpty())
        replies.push_back({position, reply, delay});
    if (m_faults.HangUpAfterFrames && m_frameCount >= *m_faults.HangUpAfterFrames)
        m_hungUp = true;
}

// Acts on a complete frame (still in m_pending) and gives its reply.
QByteArray TRadioEngine::ReplyTo(TFrameKind kind)
{
    switch (kind) {
    case TFrameKind::WakeUp:
        m_session = TSession::Idle;
        return m_faults.AnswerWakeUp ? QByteArray(1, static_cast<char>(Ack)) : QByteArray();
    case TFrameKind::ProgramRequest:
        if (m_faults.IgnoreProgramRequest)
            return {};
        if (m_faults.RefuseProgramRequest)
            return QByteArray(1, static_cast<char>(Nak));
        m_session = TSession::AwaitIdentify;
        return QByteArray(1, static_cast<char>(Ack));
    case TFrameKind::Identify:
        m_session = TSession::Programming;
        return Identification();
    case TFrameKind::Acknowledge:
        return QByteArray(m_faults.BabbleAcknowledge ? 2 : 1,
                          static_cast<char>(m_faults.WrongAcknowledge ? Nak : Ack));
    case TFrameKind::Read: {
        // The reply repeats the request, then carries the eight bytes.
        const auto address = static_cast<std::uint16_t>(FrameAddress() + (m_faults.WrongRowReply ? 16 : 0));
        QByteArray reply = m_pending.left(1) + static_cast<char>(address >> 8)
                           + static_cast<char>(address & 0xFF) + m_pending.mid(3);
        for (int i = 0; i < HalfRowLength; ++i)
            reply += static_cast<char>(m_memory[static_cast<std::uint16_t>(address + i)]);
        if (m_faults.ShortReadReply)
            reply.chop(1);
        if (m_faults.StrayByteBeforeRead && ++m_readCount == *m_faults.StrayByteBeforeRead)
            reply.prepend('\0');
        return reply;
    }
    case TFrameKind::Write:
    case TFrameKind::SettingsWrite: {
        if (m_faults.RefuseWrites)
            return QByteArray(1, static_cast<char>(Nak));
        const std::uint16_t address = FrameAddress();
        for (int i = 0; i < HalfRowLength && !m_faults.ForgetWrites; ++i)
            m_memory[static_cast<std::uint16_t>(address + i)] =
                static_cast<std::uint8_t>(m_pending[ReadFrameLength + i]);
        return QByteArray(1, static_cast<char>(Ack));
    }
    case TFrameKind::End:
        m_session = TSession::Idle;
        return {};
    case TFrameKind::Garbage:
        break;
    }
    return {};
}

QByteArray TRadioEngine::Identification() const
{
    const QString code = m_faults.IdentModelCode.isEmpty() ? m_modelCode : m_faults.IdentModelCode;
    return QByteArray(1, 'P') + FourCharacterCode(code).toLatin1() + QByteArray(3, '\xFF');
}

std::uint16_t TRadioEngine::FrameAddress() const
{
    return static_cast<std::uint16_t>((static_cast<std::uint8_t>(m_pending[1]) << 8)
                                      | static_cast<std::uint8_t>(m_pending[2]));
}

TRow TRadioEngine::Row(int address) const
{
    TRow row;
    for (int i = 0; i < static_cast<int>(row.size()); ++i)
        row[static_cast<size_t>(i)] = m_memory[static_cast<std::uint16_t>(address + i)];
    return row;
}

void TRadioEngine::SetRow(int address, const TRow& row)
{
    for (int i = 0; i < static_cast<int>(row.size()); ++i)
        m_memory[static_cast<std::uint16_t>(address + i)] = row[static_cast<size_t>(i)];
}

void TRadioEngine::LoadFactoryMemory()
{
    m_memory.fill(0xFF);

    TMacList catalog;
    catalog.FillInitial();
    TFrqList bands;
    bands.FillInitial();
    const TMacType* model = catalog.FindByCode(m_modelCode);
    const int channelCount = model ? model->ChannelCount : DefaultChannelCount;
    const int gapRows = model ? model->GapRows : DefaultGapRows;
    const QString bandText = model ? model->DefaultBand : bands.Item(0).Text;
    const double lowerEdge = ParseBand(bandText).value_or(TBandEdges{}).Lower;

    TRow row;
    int address = 0x10;
    for (const TChannel& channel : FactoryChannels(lowerEdge)) {
        TBWriteRead::EncodeChannel(row, channel);
        SetRow(address, row);
        address += 16;
    }

    const int messageAddress = 16 * (channelCount + gapRows + 1);
    const QString lines[] = {QStringLiteral("K-640"), QStringLiteral("WELCOME")};
    for (int line = 0; line < 2; ++line) {
        TBWriteRead::EncodeMessage(row, lines[line]);
        SetRow(messageAddress + 32 * line, row);
        TBWriteRead::EncodeMessage(row, lines[line].mid(16));
        SetRow(messageAddress + 32 * line + 16, row);
    }

    const TFun factorySettings;
    TBWriteRead::EncodeSettings1(row, factorySettings);
    SetRow(messageAddress + 4 * 16, row);
    TBWriteRead::EncodeBand(row, bands.CodeOf(bandText),
                            m_faults.BandModelCode.isEmpty() ? m_modelCode : m_faults.BandModelCode);
    SetRow(messageAddress + 5 * 16, row);
    TBWriteRead::EncodeSettings2(row, factorySettings);
    SetRow(SettingsRow2Address, row);
}

bool TRadioEngine::LoadImage(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    // One byte more than fits shows a file that is too long without reading all of it.
    const QByteArray image = file.read(MemorySize + 1);
    if (image.size() != MemorySize) {
        if (error)
            *error = QStringLiteral("%1 is not a memory image: it must hold exactly %2 bytes")
                         .arg(path)
                         .arg(MemorySize);
        return false;
    }
    std::copy(image.cbegin(), image.cend(), m_memory.begin());
    return true;
}

bool TRadioEngine::SaveImage(const QString& path, QString* error) const
{
    const QByteArray image(reinterpret_cast<const char*>(m_memory.data()), MemorySize);
    QString reason;
    const bool saved = ReplaceFileContent(path, image, reason);
    if (!saved && error)
        *error = QStringLiteral("cannot save %1: %2").arg(path, reason);
    return saved;
}

#pragma once
// A K-640 radio without hardware: it answers the programming link byte for byte as a radio does
// and keeps a 64 KiB memory. It does no I/O on any port: the caller feeds it the bytes the
// program sent and delivers the replies it gives back, so the same radio serves the pseudo-
// terminal tool and in-process tests.

#include "codeplug/RowCodec.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Misbehaviour on request, to exercise the program's error handling.
struct TRadioFaults {
    bool IgnoreProgramRequest = false;  // "PROGRAM" gets no answer at all
    bool RefuseProgramRequest = false;  // "PROGRAM" is answered with a byte other than 0x06
    bool ShortReadReply = false;        // read replies lack their last byte (11 bytes)
    bool WrongAcknowledge = false;      // the acknowledge is answered with a byte other than 0x06
    std::optional<int> SilentAfterFrames;  // frames after this many get no reply
    std::optional<int> HangUpAfterFrames;  // the line goes dead after this many frames' replies
    QString IdentModelCode;             // when not empty, the identification reports this code
    QString BandModelCode;              // when not empty, the band row carries this model code
    bool AnswerWakeUp = false;          // the wake-up byte is answered with 0x06
    int ProgramAnswerDelayMs = 0;       // the answer to "PROGRAM" comes this late
    std::optional<int> StrayByteBeforeRead;  // a stray byte comes before the reply to this read (from 1)
    bool WrongRowReply = false;         // a read is answered with the row above, echo included
    bool BabbleAcknowledge = false;     // every acknowledge is answered with two 0x06
    bool RefuseWrites = false;          // write requests are answered with 0x15 and store nothing
    bool ForgetWrites = false;          // write requests are acknowledged and store nothing
};

enum class TFrameKind {
    WakeUp,          // 0x02 outside a session
    ProgramRequest,  // "PROGRAM"
    Identify,        // 0x02 right after the program request was accepted
    Acknowledge,     // 0x06
    Read,            // 'R' hi lo 0x08
    Write,           // 'W' hi lo 0x08 + 8 data bytes
    SettingsWrite,   // 'Y' hi lo 0x08 + 8 data bytes
    End,             // 'E'
    Garbage,         // bytes that make no frame here, consecutive ones joined
};

// One frame as the radio saw it, with the reply it gave (empty when none).
struct TRadioFrame {
    TFrameKind Kind = TFrameKind::Garbage;
    QByteArray Bytes;
    QByteArray Reply;

    bool operator==(const TRadioFrame&) const = default;
};

// One line for a trace: the kind, the bytes received and the reply, in hexadecimal.
QString DescribeFrame(const TRadioFrame& frame);

// A reply and the moment it becomes due: once the first AfterInputBytes bytes of the fed block
// have arrived (for a transport that paces the bytes as a real line would).
struct TRadioReply {
    int AfterInputBytes = 0;
    QByteArray Bytes;
    int DelayMs = 0;  // the radio takes this long before it answers
};

class TRadioEngine {
public:
    static constexpr int MemorySize = 0x10000;
    static constexpr std::uint8_t Ack = 0x06;
    static constexpr std::uint8_t Nak = 0x15;  // the refusal that the faults answer with

    // A radio of this model code (one to four ASCII characters) with its factory memory.
    explicit TRadioEngine(const QString& modelCode = QStringLiteral("6641"),
                          const TRadioFaults& faults = {});

    // Bytes from the program; gives the replies in order. Any bytes are safe.
    std::vector<TRadioReply> Feed(const QByteArray& bytes);
    // The same, with the replies joined, for transports that need no pacing.
    QByteArray Answer(const QByteArray& bytes);
    // The cable was pulled or the port closed: a half-received frame is forgotten and the radio
    // leaves programming mode. Its memory stays.
    void LinkDropped();
    // True once the hang-up fault has struck; from then on the radio takes no more bytes.
    bool HungUp() const { return m_hungUp; }

    // Every frame seen since the last call, oldest first.
    std::vector<TRadioFrame> TakeFrames();

    QString ModelCode() const { return m_modelCode; }

    // Memory access by byte address; addresses wrap at 64 KiB.
    TRow Row(int address) const;
    void SetRow(int address, const TRow& row);
    // Blank memory with a few channels, message, settings and band rows for the model.
    void LoadFactoryMemory();
    // The whole memory as a file of MemorySize bytes. A file of another size is refused and the
    // memory stays as it was. Saving replaces the file only once it is completely written.
    bool LoadImage(const QString& path, QString* error = nullptr);
    bool SaveImage(const QString& path, QString* error = nullptr) const;

private:
    enum class TSession { Idle, AwaitIdentify, Programming };

    void TakeByte(std::uint8_t byte, int position, std::vector<TRadioReply>& replies);
    void StartFrame(std::uint8_t byte, int position, std::vector<TRadioReply>& replies);
    void AddGarbage(const QByteArray& bytes);
    void Complete(TFrameKind kind, int position, std::vector<TRadioReply>& replies);
    QByteArray ReplyTo(TFrameKind kind);
    QByteArray Identification() const;
    std::uint16_t FrameAddress() const;

    QString m_modelCode;
    TRadioFaults m_faults;
    std::array<std::uint8_t, MemorySize> m_memory{};
    TSession m_session = TSession::Idle;
    QByteArray m_pending;  // the frame being received
    int m_frameCount = 0;
    int m_readCount = 0;
    bool m_hungUp = false;
    std::vector<TRadioFrame> m_frames;
};

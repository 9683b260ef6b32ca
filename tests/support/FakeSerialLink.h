#pragma once
// A serial link without a port, for tests: what the program sends goes to an in-process radio
// (TRadioEngine) and the radio's replies come back on the next turn of the event loop (or as late
// as the radio answers), as a real port would deliver them. Line errors and hang-ups are injected
// on request.

#include "radio/SerialLink.h"
#include "virtual-radio/RadioEngine.h"

#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

class FakeSerialLink final : public TSerialLink {
public:
    explicit FakeSerialLink(TRadioEngine& radio)
        : m_radio(radio)
    {
    }

    // Replaces the reply to a frame (after the radio gave its own).
    std::function<QByteArray(const TRadioFrame& frame)> Tamper;
    // Open fails, as for a missing or busy device.
    bool FailOpen = false;
    // Bytes that never leave the transmit queue.
    qint64 StuckTransmitBytes = 0;

    QString OpenedDevice() const { return m_device; }
    // Every frame the radio has seen, oldest first.
    const std::vector<TRadioFrame>& Frames() const { return m_frames; }

    void InjectLineError() { emit lineError(); }
    void HangUp()
    {
        if (!m_open)
            return;
        m_open = false;
        m_incoming.clear();
        m_radio.LinkDropped();
        emit hangUp();
    }

    bool Open(const QString& device, QString* error = nullptr) override
    {
        if (FailOpen) {
            if (error)
                *error = QStringLiteral("refused by the test");
            return false;
        }
        m_device = device;
        m_open = true;
        return true;
    }
    void Close() override
    {
        if (m_open)
            m_radio.LinkDropped();
        m_open = false;
        m_incoming.clear();
    }
    bool IsOpen() const override { return m_open; }
    void Flush() override { m_incoming.clear(); }
    bool Send(const QByteArray& bytes) override
    {
        if (!m_open)
            return false;
        std::vector<TRadioReply> answers = m_radio.Feed(bytes);
        const std::vector<TRadioFrame> frames = collectFrames();
        if (Tamper) {
            QByteArray replies;
            for (const TRadioFrame& frame : frames)
                replies += Tamper(frame);
            answers = {{0, replies, 0}};
        }
        for (const TRadioReply& answer : answers) {
            if (!answer.Bytes.isEmpty())
                QTimer::singleShot(answer.DelayMs, this, [this, bytes = answer.Bytes] { deliver(bytes); });
        }
        if (m_radio.HungUp())
            QTimer::singleShot(0, this, [this] { HangUp(); });
        return true;
    }
    QByteArray ReadAll() override { return std::exchange(m_incoming, {}); }
    qint64 BytesInTransmitQueue() const override { return StuckTransmitBytes; }

private:
    // The frames of the bytes just fed, also kept for Frames().
    std::vector<TRadioFrame> collectFrames()
    {
        std::vector<TRadioFrame> fresh = m_radio.TakeFrames();
        m_frames.insert(m_frames.end(), fresh.begin(), fresh.end());
        return fresh;
    }
    void deliver(const QByteArray& bytes)
    {
        if (!m_open)
            return;
        m_incoming += bytes;
        emit dataAvailable();
    }

    TRadioEngine& m_radio;
    QString m_device;
    bool m_open = false;
    QByteArray m_incoming;
    std::vector<TRadioFrame> m_frames;
};

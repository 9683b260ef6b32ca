#pragma once
// A serial link that passes everything through to another one and keeps what crossed it: every
// block sent, as sent, and the count of bytes received. The benchmark computes the protocol's
// floor from it.

#include "radio/SerialLink.h"

#include <memory>
#include <vector>

class TCountingLink final : public TSerialLink {
public:
    explicit TCountingLink(std::unique_ptr<TSerialLink> line);

    const std::vector<QByteArray>& Sent() const { return m_sent; }
    qint64 ReceivedBytes() const { return m_received; }

    bool Open(const QString& device, QString* error = nullptr) override;
    void Close() override;
    bool IsOpen() const override;
    void Flush() override;
    bool Send(const QByteArray& bytes) override;
    QByteArray ReadAll() override;
    qint64 BytesInTransmitQueue() const override;

private:
    std::unique_ptr<TSerialLink> m_line;
    std::vector<QByteArray> m_sent;
    qint64 m_received = 0;
};

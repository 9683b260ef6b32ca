#include "CountingLink.h"

TCountingLink::TCountingLink(std::unique_ptr<TSerialLink> line)
    : m_line(std::move(line))
{
    connect(m_line.get(), &TSerialLink::dataAvailable, this, &TSerialLink::dataAvailable);
    connect(m_line.get(), &TSerialLink::lineError, this, &TSerialLink::lineError);
    connect(m_line.get(), &TSerialLink::hangUp, this, &TSerialLink::hangUp);
}

bool TCountingLink::Open(const QString& device, QString* error)
{
    return m_line->Open(device, error);
}

void TCountingLink::Close()
{
    m_line->Close();
}

bool TCountingLink::IsOpen() const
{
    return m_line->IsOpen();
}

void TCountingLink::Flush()
{
    m_line->Flush();
}

bool TCountingLink::Send(const QByteArray& bytes)
{
    m_sent.push_back(bytes);
    return m_line->Send(bytes);
}

QByteArray TCountingLink::ReadAll()
{
    const QByteArray bytes = m_line->ReadAll();
    m_received += bytes.size();
    return bytes;
}

qint64 TCountingLink::BytesInTransmitQueue() const
{
    return m_line->BytesInTransmitQueue();
}

#pragma once
// The serial link on a real port, with QSerialPort. QSerialPort no longer reports parity,
// framing, overrun or break conditions, so they are read from the driver's error counters
// (TIOCGICOUNT) where the driver keeps them; USB-serial drivers do, a pseudo-terminal does not.

#include "radio/SerialLink.h"

#include <QSerialPort>
#include <QTimer>

class TQtSerialLink final : public TSerialLink {
    Q_OBJECT
public:
    explicit TQtSerialLink(QObject* parent = nullptr);
    ~TQtSerialLink() override;

    bool Open(const QString& device, QString* error = nullptr) override;
    void Close() override;
    bool IsOpen() const override;
    void Flush() override;
    bool Send(const QByteArray& bytes) override;
    QByteArray ReadAll() override;
    qint64 BytesInTransmitQueue() const override;

private:
    void pollErrorCounters();
    void portFailed(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QTimer m_counterPoll;
    quint64 m_errorCount = 0;  // sum of the driver's line error counters at the last poll
};

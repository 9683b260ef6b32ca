#pragma once
// The serial line to the radio as the link needs it. The program uses TQtSerialLink; tests put a
// double in its place. Every call and every signal belongs to the thread that owns the object
// (the user-interface thread).

#include <QByteArray>
#include <QObject>
#include <QString>

class TSerialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens the device exclusively with the link's settings: 9600 baud, 8 data bits, no parity,
    // 2 stop bits, no flow control, DTR and RTS raised where the device has them. Gives false,
    // with the system's reason in *error when asked for, when the device cannot be opened.
    virtual bool Open(const QString& device, QString* error = nullptr) = 0;
    // Closing a closed link is harmless.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Discards the bytes waiting in both directions.
    virtual void Flush() = 0;
    // Queues the bytes for sending and returns at once; false when the link cannot take them.
    virtual bool Send(const QByteArray& bytes) = 0;
    // Takes every received byte that is waiting.
    virtual QByteArray ReadAll() = 0;
    virtual qint64 BytesInTransmitQueue() const = 0;

signals:
    // Received bytes are waiting.
    void dataAvailable();
    // A framing, parity, overrun or break condition was seen on the line.
    void lineError();
    // The device went away (cable pulled, adapter unplugged); the link is closed.
    void hangUp();
};

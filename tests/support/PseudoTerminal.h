#pragma once
// A pseudo-terminal: its device can be named in [Ports] to make a serial port "present", or opened
// by the serial link, while the test plays the other end on the controlling side.

#include <QByteArray>
#include <QString>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

class PseudoTerminal {
public:
    // The controlling side does not block: a read with nothing waiting gives nothing at once.
    PseudoTerminal()
        : m_master(posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_device = QString::fromLocal8Bit(ptsname(m_master));
    }
    ~PseudoTerminal() { CloseMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const QString& Device() const { return m_device; }

    // What the device's user receives.
    void Write(const QByteArray& bytes)
    {
        ASSERT_EQ(write(m_master, bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
    }
    // What the device's user has sent so far (part of it when there is much); empty when nothing.
    QByteArray Read()
    {
        char buffer[256];
        const ssize_t n = read(m_master, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, static_cast<qsizetype>(n)) : QByteArray();
    }
    // Hangs up: the device's user sees the line go dead.
    void CloseMaster()
    {
        if (m_master >= 0)
            close(m_master);
        m_master = -1;
    }

private:
    int m_master;
    QString m_device;
};

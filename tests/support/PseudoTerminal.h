#pragma once
// A pseudo-terminal whose device can be named in [Ports] to make a serial port "present".

#include <QString>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

class PseudoTerminal {
public:
    PseudoTerminal()
        : m_master(posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_device = QString::fromLocal8Bit(ptsname(m_master));
    }
    ~PseudoTerminal()
    {
        if (m_master >= 0)
            close(m_master);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const QString& Device() const { return m_device; }
    int Master() const { return m_master; }

private:
    int m_master;
    QString m_device;
};

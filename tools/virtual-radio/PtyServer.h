#pragma once
// Serves a radio engine on the master side of a pseudo-terminal: the program opens the slave
// side as it would open a serial port. The port may be opened and closed any number of times.

#include <QString>

#include <chrono>
#include <csignal>
#include <deque>

class TRadioEngine;

class TPtyServer {
public:
    using TClock = std::chrono::steady_clock;
    // 9600 baud, one start bit, 8 data bits, 2 stop bits.
    static constexpr std::chrono::nanoseconds ByteTime{11'000'000'000LL / 9600};

    // With pace, bytes cross the line no faster than a real one carries them both ways. With
    // trace, every frame is told on standard error.
    TPtyServer(TRadioEngine& engine, bool pace, bool trace);
    ~TPtyServer();
    TPtyServer(const TPtyServer&) = delete;
    TPtyServer& operator=(const TPtyServer&) = delete;

    // Creates the pseudo-terminal in raw mode; false with a reason in *error when it cannot.
    bool Open(QString* error);
    // The device the program opens.
    QString PortPath() const { return m_portPath; }
    // Serves until stop becomes non-zero (set by a signal handler) or the engine hangs up.
    // The caller keeps its stop signals blocked; waitMask, the mask in force while waiting, lets
    // them through, so none is missed between two waits. False with a reason in *error when the
    // system fails.
    bool Serve(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask, QString* error);

private:
    struct TScheduledByte {
        TClock::time_point Due;
        char Byte;
    };

    void TakeInput(TClock::time_point now);
    void WriteDueBytes(TClock::time_point now);
    void ClientGone();
    bool ClientPresent() const;

    TRadioEngine& m_engine;
    bool m_pace;
    bool m_trace;
    int m_master = -1;
    QString m_portPath;
    bool m_clientPresent = false;
    TClock::time_point m_inputClear;   // when the last byte from the program has crossed
    TClock::time_point m_outputClear;  // when the last byte to the program will have crossed
    std::deque<TScheduledByte> m_output;
};

#pragma once
// The least time a transfer can take on a real line: every byte that crossed it at 9600 baud with
// one start bit, 8 data bits, no parity and 2 stop bits (11 bits a byte), in series, plus every
// pause the protocol prescribes for the frames that were exchanged. Nothing of the program's own
// making counts.

#include "radio/RadioLink.h"

#include <QByteArray>
#include <vector>

// A pause the protocol prescribes, and how often the exchanged frames called for it.
struct TFloorPause {
    const char* What;
    int Count;
    double EachMs;
};

struct TProtocolFloor {
    qint64 WireBytes = 0;  // bytes whose time on the wire adds to the transfer's
    std::vector<TFloorPause> Pauses;

    double WireMs() const;
    double PauseMs() const;
    double TotalMs() const { return WireMs() + PauseMs(); }
};

// One byte on the wire: 11 bits at 9600 baud.
constexpr double ByteMs = 11.0 * 1000.0 / 9600.0;

// The floor of one attempt of a transfer, from every block the program sent (in order) and the
// count of bytes that came back.
TProtocolFloor ProtocolFloor(TTransferKind kind, const std::vector<QByteArray>& sent, qint64 receivedBytes);

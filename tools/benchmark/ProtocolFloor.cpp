#include "ProtocolFloor.h"

#include <algorithm>

namespace {

// The handshake sends the wake-up byte and then "PROGRAM" one byte at a time. The wake-up byte
// and the first six letters cross the line during the pause that follows each of them (200 ms,
// 2 ms), so they add no time of their own; the last letter does.
constexpr int BytesUnderPauses = 7;
constexpr int PausesBetweenProgramBytes = 6;

bool IsBlock(const QByteArray& block, char first, int size)
{
    return block.size() == size && block.at(0) == first;
}

int CountBlocks(const std::vector<QByteArray>& sent, char first, int size)
{
    return static_cast<int>(
        std::count_if(sent.begin(), sent.end(), [=](const QByteArray& block) { return IsBlock(block, first, size); }));
}

} // namespace

double TProtocolFloor::WireMs() const
{
    return double(WireBytes) * ByteMs;
}

double TProtocolFloor::PauseMs() const
{
    double total = 0;
    for (const TFloorPause& pause : Pauses)
        total += pause.Count * pause.EachMs;
    return total;
}

TProtocolFloor ProtocolFloor(TTransferKind kind, const std::vector<QByteArray>& sent, qint64 receivedBytes)
{
    const int readRequests = CountBlocks(sent, 'R', 4);
    const int writeRequests = CountBlocks(sent, 'W', 12) + CountBlocks(sent, 'Y', 12);
    const int acknowledges = CountBlocks(sent, '\x06', 1);
    const int ends = CountBlocks(sent, 'E', 1);

    TProtocolFloor floor;
    qint64 sentBytes = 0;
    for (const QByteArray& block : sent)
        sentBytes += block.size();
    floor.WireBytes = sentBytes + receivedBytes - BytesUnderPauses;

    if (kind == TTransferKind::Read)
        floor.Pauses.push_back({"start of the attempt", 1, 500});
    else
        floor.Pauses.insert(floor.Pauses.end(), {{"OK", 1, 450}, {"start of the attempt", 1, 50}});
    floor.Pauses.insert(floor.Pauses.end(), {
        {"after the wake-up byte", 1, 200},
        {"between the bytes of PROGRAM", PausesBetweenProgramBytes, 2},
        {"before the identify request", 1, 5},
        {"before the worker starts", 1, 5},
    });
    if (kind == TTransferKind::Read) {
        // Every reply the worker waits for (read replies and acknowledges) is handed over 5 ms
        // after it completed, and the worker pauses 5 ms after each read reply.
        floor.Pauses.push_back({"before resuming the worker", readRequests + acknowledges, 5});
        floor.Pauses.push_back({"after a read reply", readRequests, 5});
    } else {
        floor.Pauses.push_back({"after a write reply", writeRequests, 28});
    }
    // The transmit queue is looked at every 50 ms after the end frame; the first look still finds
    // the end byte (1.1 ms on the wire) there.
    floor.Pauses.push_back({"transmit queue poll after the end frame", ends, 50});
    return floor;
}

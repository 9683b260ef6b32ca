// k640-benchmark: reads and then writes a 16-channel codeplug through the program's own read and
// write transfers, against the virtual radio running at the real speed of the line, and sets the
// time each took beside the least time the protocol allows.
#include "CountingLink.h"
#include "ProtocolFloor.h"
#include "StallMeter.h"

#include "app/Startup.h"
#include "channels/ChannelTable.h"
#include "cli/UnattendedLink.h"
#include "codeplug/GlobalState.h"
#include "radio/QtSerialLink.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"
#include "virtual-radio/RadioProcess.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr double FloorMargin = 1.10;  // goal: within 10 % of the floor
constexpr double StallLimitMs = 50;   // goal: no stall of the event loop longer than this

struct TMeasurement {
    const char* Name = "";
    TLinkOutcome Outcome = TLinkOutcome::LinkFailed;
    double WallMs = 0;
    double LongestStallMs = 0;
    TProtocolFloor Floor;
};

// Runs the transfer unattended on the port, counting what crosses the line.
template <class TTransfer>
TMeasurement MeasureTransfer(const char* name, TTransferKind kind, const QString& port)
{
    auto counting = std::make_unique<TCountingLink>(std::make_unique<TQtSerialLink>());
    const TCountingLink& line = *counting;
    TTransfer transfer(std::move(counting));
    transfer.Link().SetDevice(port);

    TMeasurement measurement;
    measurement.Name = name;
    TUnattendedLink run(transfer.Link(), false);
    const TStallMeter stalls;
    measurement.Outcome = run.Run();
    measurement.LongestStallMs = stalls.LongestMs();
    measurement.WallMs = double(run.ElapsedMs());
    measurement.Floor = ProtocolFloor(kind, line.Sent(), line.ReceivedBytes());
    if constexpr (std::is_same_v<TTransfer, TReadTransfer>) {
        if (measurement.Outcome == TLinkOutcome::Done)
            theChannels().TakeStagedChannels(transfer.StagedChannels());
    }
    return measurement;
}

void PrintFloor(const TMeasurement& m)
{
    std::printf("\n%s floor: %lld bytes on the wire x %.4f ms = %.1f ms\n", m.Name, static_cast<long long>(m.Floor.WireBytes),
                ByteMs, m.Floor.WireMs());
    for (const TFloorPause& pause : m.Floor.Pauses)
        std::printf("  + %3d x %5.1f ms  %s\n", pause.Count, pause.EachMs, pause.What);
    std::printf("  = %.1f ms\n", m.Floor.TotalMs());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads and writes a 16-channel codeplug against k640-virtual-radio --pace and prints the wall time of\n"
        "each transfer beside the protocol's floor and the longest stall of the event loop."));
    const QCommandLineOption radioOption(QStringLiteral("radio"), QStringLiteral("the virtual radio program"),
                                         QStringLiteral("PATH"),
                                         QCoreApplication::applicationDirPath() + QStringLiteral("/k640-virtual-radio"));
    parser.addOption(radioOption);
    parser.addHelpOption();
    parser.process(app);

    QTemporaryDir programFolder;
    if (!programFolder.isValid()) {
        std::fputs("k640-benchmark: cannot make a program folder\n", stderr);
        return 2;
    }
    DataModuleCreate(programFolder.path() + QLatin1Char('/'));
    TVirtualRadioProcess radio(parser.value(radioOption), {QStringLiteral("--pace")});
    if (radio.Port().isEmpty()) {
        std::fprintf(stderr, "k640-benchmark: %s did not start\n", qUtf8Printable(parser.value(radioOption)));
        return 2;
    }

    // The write sends back what the read brought.
    const TMeasurement measurements[] = {
        MeasureTransfer<TReadTransfer>("read", TTransferKind::Read, radio.Port()),
        MeasureTransfer<TWriteTransfer>("write", TTransferKind::Write, radio.Port()),
    };

    std::printf("transfer    wall ms   floor ms   ratio   longest stall ms\n");
    bool goalsMet = true;
    bool completed = true;
    for (const TMeasurement& m : measurements) {
        const double ratio = m.WallMs / m.Floor.TotalMs();
        std::printf("%-8s %10.1f %10.1f %7.3f %18.1f%s\n", m.Name, m.WallMs, m.Floor.TotalMs(), ratio,
                    m.LongestStallMs, m.Outcome == TLinkOutcome::Done ? "" : "   FAILED");
        completed = completed && m.Outcome == TLinkOutcome::Done;
        goalsMet = goalsMet && ratio <= FloorMargin && m.LongestStallMs <= StallLimitMs;
    }
    for (const TMeasurement& m : measurements)
        PrintFloor(m);
    std::printf("\ngoals (within %.0f %% of the floor, no stall over %.0f ms): %s\n", (FloorMargin - 1) * 100,
                StallLimitMs, goalsMet ? "met" : "missed");
    return completed ? 0 : 1;
}

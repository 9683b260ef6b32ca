#include "cli/RadioCommands.h"

#include "channels/ChannelTable.h"
#include "cli/UnattendedLink.h"
#include "cli/VerifyTransfer.h"
#include "codeplug/GlobalState.h"
#include "radio/ComPorts.h"
#include "radio/QtSerialLink.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

const QCommandLineOption PortOption(QStringLiteral("port"), QStringLiteral("port name or device path"),
                                    QStringLiteral("NAME-or-PATH"));
const QCommandLineOption OutputOption(QStringLiteral("o"), QStringLiteral("output file"), QStringLiteral("FILE"));
const QCommandLineOption ForceOption(QStringLiteral("force"), QStringLiteral("write a radio of another model"));
const QCommandLineOption VerifyOption(QStringLiteral("verify"), QStringLiteral("read the rows back and compare"));

int ExitCodeOf(TLinkOutcome outcome)
{
    switch (outcome) {
    case TLinkOutcome::Done: return ExitDone;
    case TLinkOutcome::WrongModel:
    case TLinkOutcome::NotForced: return ExitBadInput;
    case TLinkOutcome::LinkFailed: return ExitLinkFailure;
    }
    return ExitLinkFailure;
}

// The progress bar of the transfer, as a line on standard error for every tenth of the way.
class TProgressReport final : public QObject {
public:
    TProgressReport(TRadioLink& link, const char* activity)
        : m_activity(activity)
    {
        connect(&link, &TRadioLink::progressMaximumChanged, this, [this](int maximum) { m_maximum = maximum; });
        connect(&link, &TRadioLink::progressChanged, this, [this](int position) {
            const int tenths = m_maximum > 0 ? 10 * position / m_maximum : 0;
            if (tenths <= m_tenthsShown)
                return;  // also the bar set back to empty after a write
            m_tenthsShown = tenths;
            std::fprintf(stderr, "k640-cli: %s %d%%\n", m_activity, 10 * tenths);
        });
    }

private:
    const char* m_activity;
    int m_maximum = 0;
    int m_tenthsShown = 0;
};

// Runs the transfer of the link on the port: a value with a slash is a device path, anything
// else a port name such as COM3.
TLinkOutcome RunTransfer(TRadioLink& link, const QString& port, bool force, const char* activity)
{
    if (port.contains(u'/'))
        link.SetDevice(port);
    else
        theAll().ComPort = port.toUpper();
    const TProgressReport progress(link, activity);
    TUnattendedLink run(link, force);
    const TLinkOutcome outcome = run.Run();
    if (outcome == TLinkOutcome::Done)
        std::fprintf(stderr, "k640-cli: %s took %.1f s\n", activity, double(run.ElapsedMs()) / 1000.0);
    return outcome;
}

int RunPorts(const QStringList& arguments)
{
    QCommandLineParser parser;
    if (!ParseArguments(parser, PortsCommand, arguments, 0))
        return ExitUsage;
    const QString appPath = theAll().SettingsFolder;
    QStringList names;
    ListComPorts(appPath, &names);
    if (names.isEmpty())
        ReportError(QStringLiteral("no serial port can be opened now"));
    for (const QString& name : names)
        std::printf("%s\t%s\n", qUtf8Printable(name), qUtf8Printable(ComPortDevice(appPath, name)));
    return std::fflush(stdout) == 0 ? ExitDone : ExitFileError;
}

int RunRead(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOptions({PortOption, OutputOption});
    if (!ParseArguments(parser, ReadCommand, arguments, 0))
        return ExitUsage;
    if (!parser.isSet(PortOption) || !parser.isSet(OutputOption))
        return UsageError(ReadCommand, QStringLiteral("read needs a port and an output file: --port NAME-or-PATH -o FILE.dat"));

    TReadTransfer transfer(std::make_unique<TQtSerialLink>());
    const TLinkOutcome outcome = RunTransfer(transfer.Link(), parser.value(PortOption), false, "reading");
    if (outcome != TLinkOutcome::Done)
        return ExitCodeOf(outcome);
    theChannels().TakeStagedChannels(transfer.StagedChannels());
    return ExitCodeOf(WriteCodeplugFile(parser.value(OutputOption)));
}

QString HexOf(const TRow& row)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(row.data()), qsizetype(row.size())).toHex(' '));
}

int Verify(const std::vector<TWriteRow>& written, const QString& port)
{
    TVerifyTransfer verify(std::make_unique<TQtSerialLink>(), written);
    const TLinkOutcome outcome = RunTransfer(verify.Link(), port, false, "verifying");
    if (outcome != TLinkOutcome::Done)
        return ExitCodeOf(outcome);
    const std::vector<size_t> differences = verify.Differences();
    for (const size_t index : differences) {
        const TWriteRow& row = written[index];
        ReportError(QStringLiteral("verify failed: the row at 0x%1 differs\n  written: %2\n  read:    %3")
                        .arg(row.Address, 4, 16, QLatin1Char('0'))
                        .arg(HexOf(row.Row), HexOf(verify.ReadBack()[index])));
    }
    if (!differences.empty())
        return ExitVerifyMismatch;
    std::fprintf(stderr, "k640-cli: verified %zu rows\n", written.size());
    return ExitDone;
}

int RunWrite(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOptions({PortOption, ForceOption, VerifyOption});
    if (!ParseArguments(parser, WriteCommand, arguments, 1))
        return ExitUsage;
    if (!parser.isSet(PortOption))
        return UsageError(WriteCommand, QStringLiteral("write needs a port: --port NAME-or-PATH"));

    const TFileResult opened = ReadCodeplugFile(parser.positionalArguments()[0]);
    if (!opened.Ok())
        return ExitCodeOf(opened);
    // The rows the write will send, for the verify; a codeplug that cannot be written is refused
    // before the radio is touched.
    const std::optional<std::vector<TWriteRow>> rows =
        BuildWriteRows(theAll(), theEnMsg(), theFun(), theFrqList(), theChannels());
    if (!rows) {
        ReportError(QStringLiteral("the codeplug of %1 cannot be written").arg(parser.positionalArguments()[0]));
        return ExitBadInput;
    }

    const QString port = parser.value(PortOption);
    TWriteTransfer transfer(std::make_unique<TQtSerialLink>());
    const TLinkOutcome outcome = RunTransfer(transfer.Link(), port, parser.isSet(ForceOption), "writing");
    if (outcome == TLinkOutcome::NotForced)
        ReportError(QStringLiteral("nothing was written: the radio is of another model; --force writes it all the same"));
    if (outcome != TLinkOutcome::Done || !parser.isSet(VerifyOption))
        return ExitCodeOf(outcome);
    return Verify(*rows, port);
}

} // namespace

const TCliCommand PortsCommand{"ports", "", "the serial ports that can be opened now, each with its device", RunPorts};
const TCliCommand ReadCommand{"read", "--port NAME-or-PATH -o FILE.dat", "read the radio into a codeplug file", RunRead};
const TCliCommand WriteCommand{"write", "--port NAME-or-PATH FILE.dat [--force] [--verify]",
                               "write a codeplug file into the radio", RunWrite};

// k640-cli: the command-line companion. Each command lives in its own file; this table is the
// only place that lists them.
#include "cli/CliSession.h"
#include "cli/FileCommands.h"
#include "cli/RadioCommands.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const TCliCommand* const Commands[] = {&DumpCommand, &LoadCommand, &ExportCommand, &ImportCommand,
                                       &PortsCommand, &ReadCommand, &WriteCommand};

void PrintUsage(std::FILE* stream)
{
    std::fputs("usage: k640-cli COMMAND ARGUMENTS\n\ncommands:\n", stream);
    for (const TCliCommand* command : Commands)
        std::fprintf(stream, "  %s %s\n      %s\n", command->Name, command->Synopsis, command->Summary);
    std::fputs("\nexit codes: 0 done, 1 usage error, 2 bad input (damaged file, unknown model, CSV error,\n"
               "a radio model refused or not forced), 3 a file that cannot be read or written,\n"
               "4 a link failure (port cannot be opened, no answer, timeout, line error, hang-up,\n"
               "a write the radio refused), 5 rows read back by --verify differ from those written\n",
               stream);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        PrintUsage(stderr);
        return ExitUsage;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h")) {
        PrintUsage(stdout);
        return ExitDone;
    }
    for (const TCliCommand* command : Commands) {
        if (name == QLatin1String(command->Name)) {
            StartCliSession();
            return command->Run(arguments);
        }
    }
    ReportError(QStringLiteral("unknown command \"%1\"").arg(name));
    PrintUsage(stderr);
    return ExitUsage;
}

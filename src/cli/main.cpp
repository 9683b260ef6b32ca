// k640-cli: the command-line companion. Each command lives in its own file; this table is the
// only place that lists them.
#include "cli/CliSession.h"
#include "cli/FileCommands.h"
#include "cli/PrintCommand.h"
#include "cli/RadioCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

const TCliCommand* const Commands[] = {&DumpCommand, &LoadCommand, &ExportCommand, &ImportCommand,
                                       &PrintCommand, &PortsCommand, &ReadCommand, &WriteCommand};

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

const TCliCommand* FindCommand(const QString& name)
{
    for (const TCliCommand* command : Commands)
        if (name == QLatin1String(command->Name))
            return command;
    return nullptr;
}

// A command that draws gets the graphics of Qt on the offscreen platform, so it runs without a
// display; every other command stays with QtCore.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[])
{
    const TCliCommand* command = argc > 1 ? FindCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (command && command->Draws) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    QStringList arguments = app->arguments().mid(1);
    if (arguments.isEmpty()) {
        PrintUsage(stderr);
        return ExitUsage;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h")) {
        PrintUsage(stdout);
        return ExitDone;
    }
    if (const TCliCommand* command = FindCommand(name)) {
        StartCliSession();
        return command->Run(arguments);
    }
    ReportError(QStringLiteral("unknown command \"%1\"").arg(name));
    PrintUsage(stderr);
    return ExitUsage;
}

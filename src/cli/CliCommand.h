#pragma once
// What every command of the command-line companion shares: its entry in the command table, the
// exit codes, and how it reports to the user.

#include "codeplug/CodeplugFile.h"

#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;

enum TExitCode {
    ExitDone = 0,
    ExitUsage = 1,
    ExitBadInput = 2,   // damaged file, unknown model, CSV or JSON error
    ExitFileError = 3,  // a file that cannot be read or written
    ExitLinkFailure = 4,  // no answer, timeout, line error, hang-up, a port that cannot be opened
    ExitVerifyMismatch = 5,  // the write went through, but the radio holds other rows than written
};

struct TCliCommand {
    const char* Name;
    const char* Synopsis;  // the arguments, as the usage text shows them
    const char* Summary;
    int (*Run)(const QStringList& arguments);
    bool Draws = false;  // needs the graphics of Qt (fonts, painting), on the offscreen platform
};

// "k640-cli: text" on standard error.
void ReportError(const QString& text);

// Parses a command's arguments into the parser, which already holds the command's options;
// reports a usage error and gives false when they do not fit or the count of positional
// arguments is not the one given.
bool ParseArguments(QCommandLineParser& parser, const TCliCommand& command, const QStringList& arguments,
                    int positionalCount);

// Reports a usage error of the command and gives ExitUsage.
int UsageError(const TCliCommand& command, const QString& text);

// The exit code of a file operation; its message has been shown already.
int ExitCodeOf(const TFileResult& result);

// Writes the bytes to standard output, or to the file at path through a temporary file beside it.
int WriteOutput(const QByteArray& bytes, const QString& path);

// The whole file; on failure reports it and gives nothing.
std::optional<QByteArray> ReadWholeFile(const QString& path);
// The whole file as UTF-8 text; on failure reports it and gives nothing.
std::optional<QString> ReadTextFile(const QString& path);

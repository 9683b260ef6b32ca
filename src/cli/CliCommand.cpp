#include "cli/CliCommand.h"

#include "codeplug/GlobalState.h"
#include "codeplug/ReadFile.h"
#include "codeplug/ReplaceFile.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

// A channel list or a codeplug document is a few kilobytes; this bound keeps a device or a huge
// file from filling the memory.
constexpr qint64 MostTextBytes = 1 << 20;

} // namespace

void ReportError(const QString& text)
{
    std::fprintf(stderr, "k640-cli: %s\n", qUtf8Printable(text));
}

int UsageError(const TCliCommand& command, const QString& text)
{
    ReportError(text);
    std::fprintf(stderr, "usage: k640-cli %s %s\n", command.Name, command.Synopsis);
    return ExitUsage;
}

bool ParseArguments(QCommandLineParser& parser, const TCliCommand& command, const QStringList& arguments,
                    int positionalCount)
{
    if (!parser.parse(QStringList{QStringLiteral("k640-cli")} + arguments)) {
        UsageError(command, parser.errorText());
        return false;
    }
    if (parser.positionalArguments().size() != positionalCount) {
        UsageError(command, QStringLiteral("%1 takes %2 file name(s), %3 given")
                                .arg(QString::fromLatin1(command.Name)).arg(positionalCount)
                                .arg(parser.positionalArguments().size()));
        return false;
    }
    return true;
}

int ExitCodeOf(const TFileResult& result)
{
    switch (result.Status) {
    case TFileStatus::Done: return ExitDone;
    case TFileStatus::CannotOpen:
    case TFileStatus::CannotSave: return ExitFileError;
    case TFileStatus::UnknownModel:
    case TFileStatus::Damaged:
    case TFileStatus::InvalidChannel: return ExitBadInput;
    }
    return ExitBadInput;
}

int WriteOutput(const QByteArray& bytes, const QString& path)
{
    if (path.isEmpty()) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return std::fflush(stdout) == 0 ? ExitDone : ExitFileError;
    }
    QString reason;
    if (ReplaceFileContent(path, bytes, reason))
        return ExitDone;
    ReportError(theLanguage().FileSaveError.arg(path, reason));
    return ExitFileError;
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QByteArray bytes;
    QString reason;
    if (ReadRegularFile(path, MostTextBytes, bytes, reason) != TReadStatus::Read) {
        ReportError(theLanguage().FileOpenError.arg(path, reason));
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> ReadTextFile(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(*bytes);
}

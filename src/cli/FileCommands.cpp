#include "cli/FileCommands.h"

#include "channels/ChannelTable.h"
#include "cli/ChannelCsv.h"
#include "cli/CodeplugJson.h"
#include "codeplug/GlobalState.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

const QCommandLineOption OutputOption(QStringLiteral("o"), QStringLiteral("output file"), QStringLiteral("FILE"));
const QCommandLineOption FromOption(QStringLiteral("from"), QStringLiteral("base codeplug"), QStringLiteral("FILE"));
const QCommandLineOption ModelOption(QStringLiteral("model"), QStringLiteral("model name or code"), QStringLiteral("MODEL"));
const QCommandLineOption BandOption(QStringLiteral("band"), QStringLiteral("band text"), QStringLiteral("TEXT"));

int RunDump(const QStringList& arguments)
{
    QCommandLineParser parser;
    if (!ParseArguments(parser, DumpCommand, arguments, 1))
        return ExitUsage;
    const TFileResult read = ReadCodeplugFile(parser.positionalArguments()[0]);
    if (!read.Ok())
        return ExitCodeOf(read);
    return WriteOutput(CodeplugJson(theAll(), theFun(), theEnMsg(), theChannels()) + '\n', QString());
}

int RunExport(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption(OutputOption);
    if (!ParseArguments(parser, ExportCommand, arguments, 1))
        return ExitUsage;
    const TFileResult read = ReadCodeplugFile(parser.positionalArguments()[0]);
    if (!read.Ok())
        return ExitCodeOf(read);
    return WriteOutput(ChannelTableCsv(theChannels()).toUtf8(), parser.value(OutputOption));
}

QString ModelList()
{
    QStringList names;
    for (int index = 0; index < theMacList().Count(); ++index)
        names.append(QStringLiteral("%1 (%2)").arg(theMacList().Items(index)->Name, theMacList().Items(index)->Code));
    return names.join(QStringLiteral(", "));
}

// The chosen model with its band and default settings, or the first catalog model with its
// default band.
int StartFromModel(const QCommandLineParser& parser)
{
    const TMacType* model = theMacList().Items(0);
    if (parser.isSet(ModelOption)) {
        const QString name = parser.value(ModelOption);
        model = theMacList().FindByName(name);
        if (!model)
            model = theMacList().FindByCode(name);
        if (!model)
            return UsageError(ImportCommand, QStringLiteral("no model \"%1\"; the models are %2").arg(name, ModelList()));
    }
    QString band = model->DefaultBand;
    if (parser.isSet(BandOption)) {
        const QString wanted = parser.value(BandOption);
        band = model->OfferedBand(wanted);
        if (band.isEmpty())
            return UsageError(ImportCommand, QStringLiteral("%1 has no band \"%2\"; its bands are %3")
                                                 .arg(model->Name, wanted, model->Bands.join(QStringLiteral(", "))));
    }
    TALL& all = theAll();
    SetCurrentModel(all, *model);
    SetBand(all, band);
    ResetSettings(theFun(), theEnMsg());
    theChannels().ResetChannelRows();
    return ExitDone;
}

int RunImport(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOptions({OutputOption, FromOption, ModelOption, BandOption});
    if (!ParseArguments(parser, ImportCommand, arguments, 1))
        return ExitUsage;
    if (!parser.isSet(OutputOption))
        return UsageError(ImportCommand, QStringLiteral("import needs an output file: -o OUT.dat"));
    if (parser.isSet(FromOption) && (parser.isSet(ModelOption) || parser.isSet(BandOption)))
        return UsageError(ImportCommand, QStringLiteral("--from takes model and band from its file; drop --model and --band"));
    if (parser.isSet(BandOption) && !parser.isSet(ModelOption))
        return UsageError(ImportCommand, QStringLiteral("--band needs --model"));

    const QString csvPath = parser.positionalArguments()[0];
    const std::optional<QString> csv = ReadTextFile(csvPath);
    if (!csv)
        return ExitFileError;
    if (parser.isSet(FromOption)) {
        const TFileResult base = ReadCodeplugFile(parser.value(FromOption));
        if (!base.Ok())
            return ExitCodeOf(base);
    } else if (const int started = StartFromModel(parser); started != ExitDone) {
        return started;
    }

    TChannelTable& table = theChannels();
    const TChannelImport import = ReadChannelCsv(*csv, theAll(), table.Texts());
    for (const TCsvError& error : import.Errors)
        std::fprintf(stderr, "%s\n", qUtf8Printable(FormatCsvError(csvPath, error)));
    if (!import.Errors.empty())
        return ExitBadInput;

    table.TakeStagedChannels(import.Channels);
    return ExitCodeOf(WriteCodeplugFile(parser.value(OutputOption)));
}

int RunLoad(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption(OutputOption);
    if (!ParseArguments(parser, LoadCommand, arguments, 1))
        return ExitUsage;
    if (!parser.isSet(OutputOption))
        return UsageError(LoadCommand, QStringLiteral("load needs an output file: -o OUT.dat"));

    const QString jsonPath = parser.positionalArguments()[0];
    const std::optional<QByteArray> json = ReadWholeFile(jsonPath);
    if (!json)
        return ExitFileError;
    const TCodeplugDocument document = ReadCodeplugJson(*json, theChannels().Texts());
    for (const QString& fault : document.Faults)
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(jsonPath), qUtf8Printable(fault));
    if (!document.Faults.isEmpty())
        return ExitBadInput;

    TALL& all = theAll();
    SetCurrentModel(all, *document.Model);
    SetBand(all, document.Band);
    theFun() = document.Fun;
    theEnMsg() = document.Message;
    theChannels().TakeStagedChannels(document.Channels);
    return ExitCodeOf(WriteCodeplugFile(parser.value(OutputOption)));
}

} // namespace

const TCliCommand DumpCommand{"dump", "FILE.dat", "the whole codeplug as JSON on standard output", RunDump};
const TCliCommand ExportCommand{"export", "FILE.dat [-o FILE.csv]", "the channel table as CSV", RunExport};
const TCliCommand LoadCommand{"load", "CODEPLUG.json -o OUT.dat",
                              "a codeplug built from the JSON document that dump prints", RunLoad};
const TCliCommand ImportCommand{"import", "FILE.csv -o OUT.dat [--from BASE.dat | --model NAME-or-CODE [--band TEXT]]",
                                "a codeplug with the channels of the CSV file", RunImport};

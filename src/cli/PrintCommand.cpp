#include "cli/PrintCommand.h"

#include "channels/ChannelTable.h"
#include "codeplug/GlobalState.h"
#include "locale/SysInfo.h"
#include "print/LanguageFileReport.h"
#include "print/ReportPainter.h"

#include <QCommandLineParser>
#include <QDateTime>

namespace {

const QCommandLineOption PdfOption(QStringLiteral("pdf"), QStringLiteral("output PDF file"), QStringLiteral("FILE"));
const QCommandLineOption LanguageOption(QStringLiteral("language"), QStringLiteral("language file name"),
                                        QStringLiteral("NAME"));

int RunPrint(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOptions({PdfOption, LanguageOption});
    if (!ParseArguments(parser, PrintCommand, arguments, 1))
        return ExitUsage;
    if (!parser.isSet(PdfOption) || parser.value(PdfOption).isEmpty())
        return UsageError(PrintCommand, QStringLiteral("print needs an output file: --pdf OUT.pdf"));

    // The language in force, or the one named: it must be one of the language list, whose order
    // decides whether the texts are translated at all.
    const TALL& all = theAll();
    QString language = all.LanguageName;
    int index = all.LanguageIndex;
    if (parser.isSet(LanguageOption)) {
        QStringList displayNames;
        QStringList fileNames;
        GetLanguageList(all, displayNames, fileNames);
        language = parser.value(LanguageOption);
        index = fileNames.indexOf(language);
        if (language.isEmpty() || index < 0)
            return UsageError(PrintCommand, QStringLiteral("no language \"%1\"; the languages are %2")
                                                .arg(language, fileNames.join(QStringLiteral(", "))));
    }

    const TFileResult read = ReadCodeplugFile(parser.positionalArguments()[0]);
    if (!read.Ok())
        return ExitCodeOf(read);
    const TPrintData report = LanguageFileReport(all, theFun(), theChannels(), language, index);
    return WriteOutput(ReportPdf(report, QDateTime::currentDateTime()), parser.value(PdfOption));
}

} // namespace

const TCliCommand PrintCommand{"print", "CODEPLUG.dat --pdf OUT.pdf [--language NAME]",
                               "the printout of the codeplug as a PDF file, in the language named "
                               "(default: the one of the settings file)",
                               RunPrint, true};

// k640-virtual-radio: a K-640 radio on a pseudo-terminal, for the tests and for trying the
// program without a radio. It prints the path of its port and serves until it is stopped.
#include "PtyServer.h"
#include "RadioEngine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/prctl.h>
#include <unistd.h>
#include <variant>

namespace {

constexpr int ExitDone = 0;
constexpr int ExitUsage = 1;
constexpr int ExitFailure = 2;

const char Usage[] =
    "usage: k640-virtual-radio [OPTIONS]\n"
    "\n"
    "Acts as a K-640 radio on a pseudo-terminal and prints the path of its port. Stop it with\n"
    "Ctrl+C or SIGTERM.\n"
    "\n"
    "options:\n"
    "  --model CODE           model code of the radio, one to four characters (default 6641)\n"
    "  --link PATH            also reach the port through a symbolic link at PATH, removed at exit\n"
    "  --image FILE           load the memory from FILE at start (when it exists), save it at exit\n"
    "  --pace                 carry bytes at the real speed of 9600 baud, 8N2, both ways\n"
    "  --trace                tell every frame and its reply on standard error\n"
    "  --help                 show this text\n"
    "\n"
    "faults:\n"
    "  --ignore-program       give no answer to the program request\n"
    "  --refuse-program       answer the program request without 0x06\n"
    "  --short-read           answer read requests with 11 bytes instead of 12\n"
    "  --wrong-ack            answer the acknowledge with a byte other than 0x06\n"
    "  --silent-after N       answer nothing after the first N frames\n"
    "  --hang-up-after N      hang up the line after answering the first N frames\n"
    "  --ident-model CODE     report this model code in the identification\n"
    "\n"
    "The radio ends itself, as on SIGTERM, when the process that started it ends.\n"
    "\n"
    "exit codes: 0 done, 1 usage error, 2 the port, the link or the image failed\n";

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int)
{
    stopRequested = 1;
}

void Complain(const QString& text)
{
    std::fprintf(stderr, "k640-virtual-radio: %s\n", qPrintable(text));
}

struct TOptions {
    QString Model = QStringLiteral("6641");
    QString Link;
    QString Image;
    bool Pace = false;
    bool Trace = false;
    TRadioFaults Faults;
};

bool IsModelCode(const QString& code)
{
    if (code.isEmpty() || code.size() > 4)
        return false;
    return std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= ' ' && c <= '~'; });
}

std::optional<int> Count(const QString& text)
{
    bool ok = false;
    const int count = text.toInt(&ok);
    return ok && count >= 0 ? std::optional<int>(count) : std::nullopt;
}

// Gives the options, or the exit code when the program should end at once.
std::variant<TOptions, int> ParseOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption model("model", {}, "CODE"), link("link", {}, "PATH"),
        image("image", {}, "FILE"), pace("pace"), trace("trace"), help("help"), ignoreProgram("ignore-program"),
        refuseProgram("refuse-program"), shortRead("short-read"), wrongAck("wrong-ack"),
        silentAfter("silent-after", {}, "N"), hangUpAfter("hang-up-after", {}, "N"),
        identModel("ident-model", {}, "CODE"), bandModel("band-model", {}, "CODE"),
        answerWakeUp("answer-wake-up"), lateProgram("late-program", {}, "MS"), strayByte("stray-byte", {}, "N"),
        wrongRow("wrong-row"), babbleAck("babble-ack"), refuseWrites("refuse-writes"),
        forgetWrites("forget-writes");
    parser.addOptions({model, link, image, pace, trace, help, ignoreProgram, refuseProgram, shortRead,
                       wrongAck, silentAfter, hangUpAfter, identModel, bandModel, answerWakeUp, lateProgram,
                       strayByte, wrongRow, babbleAck, refuseWrites, forgetWrites});

    auto usageError = [](const QString& text) {
        Complain(text);
        std::fputs("try k640-virtual-radio --help\n", stderr);
        return ExitUsage;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(Usage, stdout);
        return ExitDone;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    TOptions options;
    options.Link = parser.value(link);
    options.Image = parser.value(image);
    options.Pace = parser.isSet(pace);
    options.Trace = parser.isSet(trace);
    TRadioFaults& faults = options.Faults;
    faults.IgnoreProgramRequest = parser.isSet(ignoreProgram);
    faults.RefuseProgramRequest = parser.isSet(refuseProgram);
    faults.ShortReadReply = parser.isSet(shortRead);
    faults.WrongAcknowledge = parser.isSet(wrongAck);
    faults.AnswerWakeUp = parser.isSet(answerWakeUp);
    faults.WrongRowReply = parser.isSet(wrongRow);
    faults.BabbleAcknowledge = parser.isSet(babbleAck);
    faults.RefuseWrites = parser.isSet(refuseWrites);
    faults.ForgetWrites = parser.isSet(forgetWrites);
    for (const auto& [option, code] : {std::pair{&model, &options.Model}, std::pair{&identModel, &faults.IdentModelCode},
                                       std::pair{&bandModel, &faults.BandModelCode}}) {
        if (!parser.isSet(*option))
            continue;
        *code = parser.value(*option);
        if (!IsModelCode(*code))
            return usageError(QStringLiteral("--%1 wants one to four ASCII characters, not \"%2\"")
                                  .arg(option->names().first(), *code));
    }
    std::optional<int> programDelay;
    for (const auto& [option, count] : {std::pair{&silentAfter, &faults.SilentAfterFrames},
                                        std::pair{&hangUpAfter, &faults.HangUpAfterFrames},
                                        std::pair{&strayByte, &faults.StrayByteBeforeRead},
                                        std::pair{&lateProgram, &programDelay}}) {
        if (!parser.isSet(*option))
            continue;
        *count = Count(parser.value(*option));
        if (!*count)
            return usageError(QStringLiteral("--%1 wants a number, not \"%2\"")
                                  .arg(option->names().first(), parser.value(*option)));
    }
    faults.ProgramAnswerDelayMs = programDelay.value_or(0);
    return options;
}

// A symbolic link to the port, so that settings can name a fixed path. A stale link from an
// earlier run is replaced; anything else at the path is left alone.
class TPortLink {
public:
    bool Make(const QString& path, const QString& target, QString* error)
    {
        const QFileInfo existing(path);
        if (existing.isSymLink()) {
            QFile::remove(path);
        } else if (existing.exists()) {
            *error = QStringLiteral("%1 exists and is not a symbolic link; it is left alone").arg(path);
            return false;
        }
        if (::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) != 0) {
            *error = QStringLiteral("cannot make the link %1").arg(path);
            return false;
        }
        m_path = path;
        m_target = target;
        return true;
    }
    // Removes the link unless another radio has taken the path over meanwhile.
    ~TPortLink()
    {
        if (!m_path.isEmpty() && QFileInfo(m_path).symLinkTarget() == m_target)
            QFile::remove(m_path);
    }

private:
    QString m_path;
    QString m_target;
};

// The signals that end the radio cleanly. They stay blocked except while it waits, so one that
// arrives between two waits is not lost.
sigset_t BlockStopSignals()
{
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    struct sigaction action {};
    action.sa_handler = RequestStop;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&stopSignals, signal);
        sigaction(signal, &action, nullptr);
    }
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigdelset(&waitMask, signal);
    return waitMask;
}

// A radio left behind by a test or a script that died would serve forever: it goes with the
// process that started it. One started by nobody in particular (its parent is init) stays.
void EndWithParent()
{
    const pid_t parent = ::getppid();
    if (parent == 1)
        return;
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent)  // the parent died before it could be watched
        ::raise(SIGTERM);
}

int Run(const TOptions& options)
{
    TRadioEngine engine(options.Model, options.Faults);
    QString error;
    if (!options.Image.isEmpty() && QFile::exists(options.Image) && !engine.LoadImage(options.Image, &error)) {
        Complain(error);
        return ExitFailure;
    }
    const sigset_t waitMask = BlockStopSignals();
    EndWithParent();

    TPtyServer server(engine, options.Pace, options.Trace);
    if (!server.Open(&error)) {
        Complain(error);
        return ExitFailure;
    }
    TPortLink link;
    if (!options.Link.isEmpty() && !link.Make(options.Link, server.PortPath(), &error)) {
        Complain(error);
        return ExitFailure;
    }
    std::printf("%s\n", qPrintable(server.PortPath()));
    std::fflush(stdout);

    int result = ExitDone;
    if (!server.Serve(stopRequested, waitMask, &error)) {
        Complain(error);
        result = ExitFailure;
    }
    if (engine.HungUp())
        Complain(QStringLiteral("hung up the line as asked"));
    if (!options.Image.isEmpty() && !engine.SaveImage(options.Image, &error)) {
        Complain(error);
        result = ExitFailure;
    }
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::variant<TOptions, int> parsed = ParseOptions(app.arguments());
    if (const int* exitCode = std::get_if<int>(&parsed))
        return *exitCode;
    return Run(std::get<TOptions>(parsed));
}

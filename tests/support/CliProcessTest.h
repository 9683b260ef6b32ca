#pragma once
// The built k640-cli run as the user runs it: copied into the test's private program folder, so
// nothing beside the build's binary is read or written, and started through QProcess. The
// codeplug state of the test starts as a fresh UHF codeplug; messages are answered by script.

#include "channels/ChannelTable.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/GlobalState.h"
#include "support/FreshState.h"
#include "support/ScriptedMsgBox.h"
#include "support/NonRegularFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <functional>

struct TCliRun {
    int Code = -1;  // -1 when the program crashed
    QByteArray Out;
    QString Err;
    qint64 ElapsedMs = 0;
};

class CliProcessTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        m_cli = AppPath() + "k640-cli";
        ASSERT_TRUE(QFile::copy(QStringLiteral(K640_CLI_PATH), m_cli));
        SetCurrentModel(theAll(), *theMacList().FindByCode("6641"));
        SetBand(theAll(), "450 - 470MHz");
        theChannels().ResetChannelRows();
    }

    TCliRun Run(const QStringList& arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        // A program folder without SysInfo.Ini counts as installed: keep the user's own
        // settings out of the test.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), AppPath() + QStringLiteral("config"));
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(m_cli, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << qPrintable(arguments.join(' '));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError()),
                clock.elapsed()};
    }

    QString PathOf(const QString& name) const { return AppPath() + name; }

    // The command run with a device, a FIFO and a folder as its output file: each is refused with
    // exit 3 and left as it was.
    void ExpectOutputOnlyOverRegularFiles(const std::function<QStringList(const QString& output)>& command)
    {
        for (const TSpecialFile& target : MakeSpecialFiles(folder.path())) {
            SCOPED_TRACE(target.Kind);
            const TCliRun run = Run(command(target.Path));
            EXPECT_EQ(run.Code, 3) << qPrintable(run.Err);
            EXPECT_TRUE(run.Err.contains("not a regular file")) << qPrintable(run.Err);
            EXPECT_TRUE(target.Unchanged());
        }
    }

    // A UHF codeplug with three channels, non-default settings and a message, saved by the
    // program's own save.
    QString SampleCodeplug(const QString& name)
    {
        TChannelTable& table = theChannels();
        table.StoreChannel(1, {462.5625, 467.5625, "", "D023N", 1, 0, 1, 1, 1});
        table.StoreChannel(3, {460.00625, -1.0, "67.0", "", 0, 1, 0, 1, 0});
        table.StoreChannel(16, {450.0, 450.0, "D754I", "250.3", 1, 1, 1, 0, 1});
        theFun().Squelch = 3;
        theFun().FM = 0;
        theEnMsg() = {QStringLiteral("SHOP \"A\" 1"), QStringLiteral("CALL\\555\x01\t")};
        EXPECT_TRUE(WriteCodeplugFile(PathOf(name)).Ok());
        return PathOf(name);
    }

    ScriptedMsgBox messages;

private:
    QString m_cli;
};

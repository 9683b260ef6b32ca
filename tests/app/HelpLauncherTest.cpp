#include "app/HelpLauncher.h"

#include "codeplug/CodeplugState.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A viewer that notes every file it was started with and stays open for a while.
QStringList recordingViewer(const QString& log)
{
    return {QStringLiteral("sh"), QStringLiteral("-c"),
            QStringLiteral("echo \"$0\" >> '%1'; sleep 3").arg(log), QStringLiteral("%f")};
}

QStringList loggedLines(const QString& log)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(HelpLauncher, OpensTheFileOfTheLanguageAndNoSecondViewer)
{
    QTemporaryDir folder;
    TALL all;
    all.AppPath = folder.path() + '/';
    all.HelpName = "QX";
    all.LanguageName = "English";
    const QString help = all.AppPath + "QX_English.chm";
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString log = all.AppPath + "viewer.log";

    THelpLauncher launcher;
    launcher.SetViewerCommand(recordingViewer(log));
    launcher.Open(all);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loggedLines(log).isEmpty(); }, 5000));
    EXPECT_TRUE(launcher.ViewerRunning());
    launcher.Open(all);
    QTest::qWait(300);
    EXPECT_EQ(loggedLines(log), QStringList{help});
}

TEST(HelpLauncher, AMissingHelpFileIsNotReported)
{
    QTemporaryDir folder;
    TALL all;
    all.AppPath = folder.path() + '/';
    all.HelpName = "QX";
    all.LanguageName = "Chinese";
    THelpLauncher launcher;
    launcher.SetViewerCommand(recordingViewer(all.AppPath + "viewer.log"));
    launcher.Open(all);
    EXPECT_FALSE(launcher.ViewerRunning());
}

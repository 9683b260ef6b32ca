#include "app/HelpLauncher.h"

#include "codeplug/CodeplugState.h"
#include "support/TestFiles.h"

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
    return QString::fromUtf8(ReadTestFile(log)).split('\n', Qt::SkipEmptyParts);
}

// Help named QX in a program folder of its own, opened with the recording viewer.
class HelpLauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        all.DataFolders = {folder.path() + '/'};
        all.HelpName = "QX";
        launcher.SetViewerCommand(recordingViewer(Log()));
    }
    QString Log() const { return folder.filePath("viewer.log"); }

    QTemporaryDir folder;
    TALL all;
    THelpLauncher launcher;
};

} // namespace

TEST_F(HelpLauncherTest, OpensTheFileOfTheLanguageAndNoSecondViewer)
{
    all.LanguageName = "English";
    const QString help = folder.filePath("QX_English.chm");
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    launcher.Open(all);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loggedLines(Log()).isEmpty(); }, 5000));
    EXPECT_TRUE(launcher.ViewerRunning());
    launcher.Open(all);
    QTest::qWait(300);
    EXPECT_EQ(loggedLines(Log()), QStringList{help});
}

TEST_F(HelpLauncherTest, AMissingHelpFileIsNotReported)
{
    all.LanguageName = "Chinese";
    launcher.Open(all);
    EXPECT_FALSE(launcher.ViewerRunning());
}

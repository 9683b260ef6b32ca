#include "app/Startup.h"
#include "codeplug/GlobalState.h"
#include "support/FreshState.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using StartupTest = FreshStateTest;

TEST_F(StartupTest, FreshStartWithoutSettingsFile)
{
    const TALL& all = theAll();
    EXPECT_EQ(all.AppPath, AppPath());
    EXPECT_EQ(all.AppTitle, "K-640");
    EXPECT_EQ(all.ComPort, "Com1");
    EXPECT_EQ(all.LanguageIndex, 0);
    EXPECT_EQ(all.LanguageName, "Chinese");
    EXPECT_EQ(all.HelpName, "QX");
    EXPECT_EQ(all.PicIndex, 1);
    EXPECT_FALSE(all.Modified);
    EXPECT_FALSE(all.TestOnline);
    EXPECT_EQ(all.CurModel, nullptr);
    EXPECT_EQ(theMacList().Count(), 2);
    EXPECT_EQ(theFrqList().Count(), 14);
    EXPECT_EQ(theFun(), TFun{});
    EXPECT_EQ(theLanguage().ComError, QString::fromUtf8("检查所有连接及通信端口设置！"));
}

TEST(Startup, SettingsAndMessagesComeFromTheProgramFolderAndGoBackAtShutdown)
{
    QTemporaryDir folder;
    const QString appPath = folder.path() + '/';
    WriteTestFile(appPath + "SysInfo.Ini",
                  "[SysInfo]\nCom=com4\nDefaultLanguage=1\nPicID=6\nHelp=Manual\nLanguage=Chinese|English\n");
    WriteTestFile(appPath + "English.Ini", "[Language]\nComError=Check the cable.\n");
    TFun changed;
    changed.Squelch = 1;
    theFun() = changed;

    DataModuleCreate(appPath);
    TALL& all = theAll();
    EXPECT_EQ(all.ComPort, "com4");
    EXPECT_EQ(all.LanguageIndex, 1);
    EXPECT_EQ(all.LanguageName, "English");
    EXPECT_EQ(all.HelpName, "Manual");
    EXPECT_EQ(all.PicIndex, 7);
    EXPECT_EQ(theLanguage().ComError, "Check the cable.");
    EXPECT_EQ(theLanguage().ReadOk, QString::fromUtf8("读取完成！"));
    EXPECT_EQ(theFun(), TFun{});  // whatever the previous state held

    all.ComPort = "COM9";
    ASSERT_TRUE(SaveSettingsAtShutdown());
    const QByteArray saved = ReadTestFile(appPath + "SysInfo.Ini");
    EXPECT_TRUE(saved.contains("Com=COM9"));
    EXPECT_TRUE(saved.contains("PicID=6"));
    EXPECT_TRUE(saved.contains("Help=Manual"));
}

TEST(Startup, OnlyASingleNonOptionArgumentIsAFileToOpen)
{
    const struct {
        QStringList arguments;
        QString file;
    } cases[] = {
        {{"k640"}, ""},
        {{"k640", "fleet.dat"}, "fleet.dat"},
        {{"k640", "/home/u/车队 A.dat"}, "/home/u/车队 A.dat"},
        {{"k640", "--help"}, ""},
        {{"k640", "a.dat", "b.dat"}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeplugArgument(c.arguments), c.file) << qPrintable(c.arguments.join(' '));
}

#include "app/Startup.h"
#include "codeplug/GlobalState.h"
#include "locale/FileLocations.h"
#include "radio/ComPorts.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray Shipped = "[SysInfo]\nCom=Com1\nDefaultLanguage=1\nLanguage=Chinese|English\nHelp=QX\n";

// An installed tree under a scratch root: <root>/usr/bin, <root>/usr/share/k640 and a home
// whose configuration folder does not exist yet. Tests run as root, who may write anywhere, so
// whether the program folder may be written is the test's answer, not the permission bits.
class FileLocationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir().mkpath(Bin()));
        ASSERT_TRUE(QDir().mkpath(Share()));
        WriteTestFile(Share() + "SysInfo.Ini", Shipped);
    }
    QString Bin() const { return root.path() + "/usr/bin/"; }
    QString Share() const { return root.path() + "/usr/share/k640/"; }
    QString User() const { return root.path() + "/home/.config/k640/"; }

    TFileLocations Choose(bool writable) const
    {
        return ChooseFileLocations(Bin(), User(), [writable](const QString&) { return writable; });
    }

    QTemporaryDir root;
};

} // namespace

TEST_F(FileLocationsTest, WritableProgramFolderWithSettingsKeepsEverythingBesideTheProgram)
{
    WriteTestFile(Bin() + "SysInfo.Ini", Shipped);
    const TFileLocations where = Choose(true);
    EXPECT_EQ(where.ProgramFolder, Bin());
    EXPECT_EQ(where.SettingsFolder, Bin());
    EXPECT_EQ(where.DataFolders, QStringList{Bin()});
    QString reason;
    EXPECT_TRUE(PrepareSettingsFile(where, reason)) << qPrintable(reason);
    EXPECT_FALSE(QFileInfo::exists(User())) << "a portable copy leaves the user's folder alone";
}

// Installed: the program folder holds no SysInfo.Ini (writable or not), or holds one but may not
// be written (a read-only portable copy, whose files stay second in the search).
TEST_F(FileLocationsTest, InstalledProgramUsesTheUsersFolderFirst)
{
    struct Case {
        const char* name;
        bool settingsBesideProgram;
        bool writable;
        bool programSearched;
    };
    for (const Case& c : {Case{"installed, root may write bin", false, true, false},
                          Case{"installed", false, false, false},
                          Case{"read-only portable copy", true, false, true}}) {
        SCOPED_TRACE(c.name);
        QFile::remove(Bin() + "SysInfo.Ini");
        if (c.settingsBesideProgram)
            WriteTestFile(Bin() + "SysInfo.Ini", "[SysInfo]\nCom=Com7\n");
        const TFileLocations where = Choose(c.writable);
        EXPECT_EQ(where.SettingsFolder, User());
        const QStringList expected = c.programSearched ? QStringList{User(), Bin(), Share()}
                                                       : QStringList{User(), Share()};
        EXPECT_EQ(where.DataFolders, expected);
    }
}

TEST_F(FileLocationsTest, FirstStartMakesTheMissingUserFolderFromTheShippedDefaultsOnce)
{
    const TFileLocations where = Choose(false);
    ASSERT_FALSE(QFileInfo::exists(User()));
    QString reason;
    ASSERT_TRUE(PrepareSettingsFile(where, reason)) << qPrintable(reason);
    EXPECT_EQ(ReadTestFile(User() + "SysInfo.Ini"), Shipped);

    // The user's own settings survive the next start.
    WriteTestFile(User() + "SysInfo.Ini", "[SysInfo]\nCom=COM3\n");
    ASSERT_TRUE(PrepareSettingsFile(where, reason));
    EXPECT_EQ(ReadTestFile(User() + "SysInfo.Ini"), "[SysInfo]\nCom=COM3\n");
    EXPECT_EQ(ReadTestFile(Share() + "SysInfo.Ini"), Shipped);
}

TEST_F(FileLocationsTest, FailuresToMakeTheUserFileGiveTheReasonAndWriteNothing)
{
    {
        SCOPED_TRACE("the user folder cannot be made: a file stands in its way");
        ASSERT_TRUE(QDir().mkpath(root.path() + "/home"));
        WriteTestFile(root.path() + "/home/.config", "not a folder");
        QString reason;
        EXPECT_FALSE(PrepareSettingsFile(Choose(false), reason));
        EXPECT_TRUE(reason.contains(QDir::toNativeSeparators(User()))) << qPrintable(reason);
        QFile::remove(root.path() + "/home/.config");
    }
    {
        SCOPED_TRACE("the shipped settings are a folder");
        QFile::remove(Share() + "SysInfo.Ini");
        ASSERT_TRUE(QDir().mkpath(Share() + "SysInfo.Ini"));
        QString reason;
        EXPECT_FALSE(PrepareSettingsFile(Choose(false), reason));
        EXPECT_TRUE(reason.contains("SysInfo.Ini")) << qPrintable(reason);
        EXPECT_FALSE(QFileInfo::exists(User() + "SysInfo.Ini"));
    }
}

// The whole start-up with an installed layout: settings, [Ports] and the language come from the
// user's folder, a language file the user lacks from share/k640, and the settings go back to the
// user's file only.
TEST_F(FileLocationsTest, InstalledStartReadsAndSavesTheUsersFiles)
{
    WriteTestFile(Share() + "English.Ini", "[Language]\nComError=Shipped text.\n");
    const TFileLocations where = Choose(false);
    QString reason;
    ASSERT_TRUE(PrepareSettingsFile(where, reason)) << qPrintable(reason);
    WriteTestFile(User() + "SysInfo.Ini", Shipped + "[Ports]\nCOM300=/dev/pts/7\n");

    DataModuleCreate(where);
    const TALL& all = theAll();
    EXPECT_EQ(all.AppPath, Bin());
    EXPECT_EQ(all.LanguageName, "English");
    EXPECT_EQ(theLanguage().ComError, "Shipped text.");
    EXPECT_EQ(ComPortDevice(all.SettingsFolder, "COM300"), "/dev/pts/7");

    WriteTestFile(User() + "English.Ini", "[Language]\nComError=The user's text.\n");
    DataModuleCreate(where);
    EXPECT_EQ(theLanguage().ComError, "The user's text.");

    theAll().ComPort = "COM300";
    ASSERT_TRUE(SaveSettingsAtShutdown());
    EXPECT_TRUE(ReadTestFile(User() + "SysInfo.Ini").contains("Com=COM300"));
    EXPECT_EQ(ReadTestFile(Share() + "SysInfo.Ini"), Shipped);
    EXPECT_FALSE(QFileInfo::exists(Bin() + "SysInfo.Ini"));
}

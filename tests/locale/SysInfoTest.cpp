#include "locale/SysInfo.h"

#include "codeplug/CodeplugState.h"
#include "locale/IniTestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SysInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        all.SettingsFolder = folder.path() + '/';
    }
    QString SettingsPath() const { return all.SettingsFolder + QStringLiteral("SysInfo.Ini"); }
    void WriteSettings(const QByteArray& bytes) { WriteTestFile(SettingsPath(), bytes); }
    // Empty bytes: no settings file.
    void UseSettings(const QByteArray& bytes)
    {
        QFile::remove(SettingsPath());
        if (!bytes.isEmpty())
            WriteSettings(bytes);
    }

    QTemporaryDir folder;
    TALL all;
};

TEST(SplitBarsTest, FollowsTheBarRule)
{
    struct TCase {
        const char* Value;
        QStringList Pieces;
    };
    const TCase cases[] = {
        {"", {}},
        {"Chinese", {"Chinese"}},
        {"Chinese|English", {"Chinese", "English"}},
        {"Chinese||English", {"Chinese", "", "English"}},
        {"Chinese|English|", {"Chinese", "English"}},
        {"|English", {"", "English"}},
        {"|", {""}},
        {"||", {"", ""}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SplitBars(c.Value), c.Pieces) << c.Value;
}

TEST_F(SysInfoTest, LoadTakesDefaultsAndTheFilesValues)
{
    struct TCase {
        const char* Name;
        QByteArray File; // empty: no file
        QString ComPort;
        int LanguageIndex;
        QString LanguageName;
        QString HelpName;
        int PicIndex;
    };
    const TCase cases[] = {
        {"no file", "", "Com1", 0, "Chinese", "QX", 1},
        {"all keys", "[SysInfo]\r\nCom=COM3\r\nDefaultLanguage=1\r\nHelp=Manual\r\nPicID=7\r\n", "COM3", 1,
         "English", "Manual", 8},
        {"own list, first", "[sysinfo]\nLanguage=English|Chinese\nDefaultLanguage=0\n", "Com1", 0, "English", "QX", 1},
        {"own list, second", "[SysInfo]\nLanguage=English|Chinese\nDefaultLanguage=1\n", "Com1", 1, "Chinese", "QX", 1},
        {"index not a number", "[SysInfo]\nDefaultLanguage=abc\n", "Com1", 0, "Chinese", "QX", 1},
        {"index past the list", "[SysInfo]\nDefaultLanguage=2\n", "Com1", 2, "", "QX", 1},
        {"negative index", "[SysInfo]\nDefaultLanguage=-1\n", "Com1", -1, "", "QX", 1},
        {"empty piece", "[SysInfo]\nLanguage=Chinese||English\nDefaultLanguage=1\n", "Com1", 1, "", "QX", 1},
        {"after empty piece", "[SysInfo]\nLanguage=Chinese||English\nDefaultLanguage=2\n", "Com1", 2, "English", "QX", 1},
        {"trailing bar", "[SysInfo]\nLanguage=Chinese|English|\nDefaultLanguage=2\n", "Com1", 2, "", "QX", 1},
        {"empty list", "[SysInfo]\nLanguage=\n", "Com1", 0, "", "QX", 1},
        {"picture not a number", "[SysInfo]\nPicID=x\n", "Com1", 0, "Chinese", "QX", 1},
        {"largest picture number", "[SysInfo]\nPicID=2147483647\n", "Com1", 0, "Chinese", "QX", 1},
        {"other section", "[Other]\nCom=COM9\n", "Com1", 0, "Chinese", "QX", 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        UseSettings(c.File);
        LoadSysInfo(all);
        EXPECT_EQ(all.ComPort, c.ComPort);
        EXPECT_EQ(all.LanguageIndex, c.LanguageIndex);
        EXPECT_EQ(all.LanguageName, c.LanguageName);
        EXPECT_EQ(all.HelpName, c.HelpName);
        EXPECT_EQ(all.PicIndex, c.PicIndex);
    }
}

TEST_F(SysInfoTest, SaveWithoutFileCreatesItWithTheThreeKeys)
{
    LoadSysInfo(all);
    QString error;

    ASSERT_TRUE(SaveSysInfo(all, &error)) << error.toStdString();

    EXPECT_EQ(ReadTestFile(SettingsPath()), "[SysInfo]\nCom=Com1\nDefaultLanguage=0\nPicID=0\n");
}

TEST_F(SysInfoTest, SaveChangesOnlyComDefaultLanguageAndPicId)
{
    const QString before = QStringLiteral("; settings\r\n"
                                          "[SysInfo]\r\n"
                                          "Com=Com1\r\n"
                                          "DefaultLanguage=abc\r\n"
                                          "Help=QX\r\n"
                                          "PicID=7\r\n"
                                          "Language=Chinese|English\r\n"
                                          "Chinese=中文|英文\r\n"
                                          "English=Chinese|English\r\n"
                                          "\r\n"
                                          "[Ports]\r\n"
                                          "COM9=/dev/pts/4\r\n");
    WriteSettings(Gbk(before));
    LoadSysInfo(all);
    all.ComPort = QStringLiteral("COM4");

    ASSERT_TRUE(SaveSysInfo(all));

    QString after = before;
    after.replace("Com=Com1", "Com=COM4").replace("DefaultLanguage=abc", "DefaultLanguage=0");
    EXPECT_EQ(ReadTestFile(SettingsPath()), Gbk(after));
}

TEST_F(SysInfoTest, SaveWritesTheNewLanguageAndPictureBackAsRead)
{
    WriteSettings("[SysInfo]\nPicID=x\n");
    LoadSysInfo(all);
    all.LanguageIndex = 1;

    ASSERT_TRUE(SaveSysInfo(all));

    EXPECT_EQ(ReadTestFile(SettingsPath()), "[SysInfo]\nPicID=0\nCom=Com1\nDefaultLanguage=1\n");
}

TEST_F(SysInfoTest, SaveFailureNamesTheFile)
{
    all.SettingsFolder = folder.filePath(QStringLiteral("gone")) + '/';
    QString error;

    EXPECT_FALSE(SaveSysInfo(all, &error));

    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(SettingsPath()))) << error.toStdString();
}

TEST_F(SysInfoTest, LanguageListGivesFileAndDisplayNames)
{
    struct TCase {
        const char* Name;
        QByteArray File; // empty: no file
        QString LanguageName;
        QStringList DisplayNames;
        QStringList FileNames;
    };
    const TCase cases[] = {
        {"no file", "", "Chinese", {"中文", "英文"}, {"Chinese", "English"}},
        {"names of the language in force", "[SysInfo]\nChinese=中文|英文\nEnglish=Chinese|English\n", "English",
         {"Chinese", "English"}, {"Chinese", "English"}},
        {"two bars", "[SysInfo]\nLanguage=Chinese||English\n", "Chinese", {"中文", "英文"},
         {"Chinese", "", "English"}},
        {"no display names for the language in force", "[SysInfo]\nLanguage=Chinese|English|German\n", "German",
         {"中文", "英文"}, {"Chinese", "English", "German"}},
        {"empty language name", "[SysInfo]\nChinese=甲|乙\n", "", {"中文", "英文"}, {"Chinese", "English"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        UseSettings(c.File);
        all.LanguageName = c.LanguageName;
        QStringList displayNames{"kept"};
        QStringList fileNames{"kept"};

        GetLanguageList(all, displayNames, fileNames);

        EXPECT_EQ(displayNames, QStringList{"kept"} + c.DisplayNames);
        EXPECT_EQ(fileNames, QStringList{"kept"} + c.FileNames);
    }
}

} // namespace

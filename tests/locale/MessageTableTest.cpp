#include "locale/MessageTable.h"

#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "locale/IniTestFiles.h"
#include "locale/SysInfo.h"
#include "support/ScriptedMsgBox.h"

#include <QDir>

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

class MessageTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        SetBuiltInMessages(builtIn);
    }
    QString AppPath() const { return folder.path() + '/'; }

    // Every member but the named ones holds its built-in text.
    void ExpectBuiltInExcept(const TLanguage& language, std::initializer_list<QString TLanguage::*> replaced)
    {
        for (const TMessageKey& key : MessageKeys) {
            if (std::find(replaced.begin(), replaced.end(), key.Member) == replaced.end()) {
                EXPECT_EQ(language.*key.Member, builtIn.*key.Member) << key.Key;
            }
        }
    }

    QTemporaryDir folder;
    TLanguage builtIn;
};

TEST_F(MessageTableTest, WithoutLanguageFileEveryMessageIsTheBuiltInChinese)
{
    TLanguage language;

    LoadLanguage(language, AppPath(), QStringLiteral("English"));

    EXPECT_EQ(language.Confirmation, QStringLiteral("提示"));
    EXPECT_EQ(language.ReadOk, QStringLiteral("读取完成！"));
    EXPECT_EQ(language.LPortError, QStringLiteral("无法打开端口！"));
    ExpectBuiltInExcept(language, {});
}

TEST_F(MessageTableTest, LanguageFileOverridesItsKeys)
{
    WriteTestFile(AppPath() + "English.Ini", "[fMainFrm]\nConfirmation=not this section\n"
                                          "[Language]\r\nConfirmation=Prompt\r\nreadok = Read complete!\r\n");
    TLanguage language;

    LoadLanguage(language, AppPath(), QStringLiteral("English"));

    EXPECT_EQ(language.Confirmation, QStringLiteral("Prompt"));
    EXPECT_EQ(language.ReadOk, QStringLiteral("Read complete!"));
    ExpectBuiltInExcept(language, {&TLanguage::Confirmation, &TLanguage::ReadOk});
}

TEST_F(MessageTableTest, ReadsGbkLanguageFile)
{
    WriteTestFile(AppPath() + "Chinese.Ini", Gbk(QStringLiteral("[Language]\r\nComError=请检查连接！\r\n")));
    TLanguage language;

    LoadLanguage(language, AppPath(), QStringLiteral("Chinese"));

    EXPECT_EQ(language.ComError, QStringLiteral("请检查连接！"));
    ExpectBuiltInExcept(language, {&TLanguage::ComError});
}

TEST_F(MessageTableTest, SwitchToLanguageWithoutFileBringsBackTheBuiltInTexts)
{
    WriteTestFile(AppPath() + "English.Ini", "[Language]\nCaution=Caution\n");
    TLanguage language;
    LoadLanguage(language, AppPath(), QStringLiteral("English"));
    ASSERT_EQ(language.Caution, QStringLiteral("Caution"));

    LoadLanguage(language, AppPath(), QString()); // index outside the list: file ".Ini"

    ExpectBuiltInExcept(language, {});
}

TEST_F(MessageTableTest, OversizedLanguageAndSettingsFilesAreRefusedWithAMessage)
{
    // A 32 MB language file once took 370 MB of memory; anything above 1 MiB is no such file.
    const QByteArray oversized = "[Language]\nCaution=Careful\n[SysInfo]\nCom=COM7\n"
                                 + QByteArray(1 << 20, ';');
    WriteTestFile(AppPath() + "English.Ini", oversized);
    WriteTestFile(AppPath() + "SysInfo.Ini", oversized);
    ScriptedMsgBox messages;

    TLanguage language;
    LoadLanguage(language, AppPath(), QStringLiteral("English"));
    ExpectBuiltInExcept(language, {});

    SetBuiltInMessages(theLanguage());
    TALL all;
    all.SettingsFolder = AppPath();
    LoadSysInfo(all);
    EXPECT_EQ(all.ComPort, QStringLiteral("Com1"));
    QString error;
    EXPECT_FALSE(SaveSysInfo(all, &error));
    EXPECT_EQ(ReadTestFile(AppPath() + "SysInfo.Ini"), oversized);

    const std::vector<QString> expected{
        builtIn.IniTooLarge.arg(QDir::toNativeSeparators(AppPath() + "English.Ini")),
        builtIn.IniTooLarge.arg(QDir::toNativeSeparators(AppPath() + "SysInfo.Ini")),
    };
    EXPECT_EQ(messages.Texts(), expected);
}

} // namespace

#include "locale/IniFile.h"

#include "locale/IniTestFiles.h"
#include "support/NonRegularFiles.h"

#include <QDir>
#include <QFileDevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString PathOf(const QString& name) const { return folder.filePath(name); }
    QString Read(const QByteArray& bytes, const QString& section, const QString& key,
                 const QString& defaultValue = QStringLiteral("<default>"))
    {
        WriteTestFile(PathOf("t.ini"), bytes);
        return TIniFile(PathOf("t.ini")).ReadString(section, key, defaultValue);
    }

    QTemporaryDir folder;
};

const QByteArray Sample =
    "; Name=from a comment\n"
    "[General]\n"
    "Name = Alice  \n"
    "name=second of the same key\n"
    "Double=\"  padded  \"\n"
    "Single='x'\n"
    "Mismatched=\"x'\n"
    "Lone=\"\n"
    "Empty=\n"
    "Inline=a ; not a comment\n"
    ";Hidden=yes\n"
    "\tIndented\t=\tyes\n"
    "NoEquals\n"
    "Formula=a=b\n"
    "[ general ]\n"
    "Later=in a second section of the same name\n"
    "[Other]\n"
    "Key=other\n";

struct TLookupCase {
    const char* Section;
    const char* Key;
    const char* Expected;
};

const TLookupCase LookupCases[] = {
    {"General", "Name", "Alice"},             // blanks around key and value removed
    {"GENERAL", "nAmE", "Alice"},             // case-insensitive, first matching key
    {"General", "Double", "  padded  "},      // matching quotes removed, inside kept
    {"General", "Single", "x"},
    {"General", "Mismatched", "\"x'"},        // quotes that do not match stay
    {"General", "Lone", "\""},
    {"General", "Empty", ""},                 // present but empty is not missing
    {"General", "Inline", "a ; not a comment"},
    {"General", "Hidden", "<default>"},       // comment line
    {"General", "Indented", "yes"},           // tabs count as blanks
    {"General", "NoEquals", "<default>"},
    {"General", "Formula", "a=b"},            // split at the first '='
    {"General", "Later", "<default>"},        // only the first matching section counts
    {"Other", "Key", "other"},
    {"Other", "Name", "<default>"},           // keys belong to their own section
    {"Missing", "Name", "<default>"},
};

TEST_F(IniFileTest, LooksUpKeysWithLfAndCrLf)
{
    for (const QByteArray& bytes : {Sample, WithCrLf(Sample)}) {
        for (const TLookupCase& c : LookupCases) {
            SCOPED_TRACE(std::string(c.Section) + "/" + c.Key + (bytes.contains('\r') ? " CRLF" : " LF"));
            EXPECT_EQ(Read(bytes, c.Section, c.Key).toStdString(), c.Expected);
        }
    }
}

TEST_F(IniFileTest, MissingFileGivesTheDefault)
{
    EXPECT_EQ(TIniFile(PathOf("none.ini")).ReadString("General", "Name", "fallback"), "fallback");
}

TEST_F(IniFileTest, ValuesAreCutAfter2047BytesWithoutSplittingACharacter)
{
    const QString zhong = QStringLiteral("中"); // 3 bytes in UTF-8, 2 in GBK
    struct TCutCase {
        const char* Name;
        QByteArray File;
        QString Expected;
    };
    const TCutCase cases[] = {
        {"ascii", "[S]\nK=" + QByteArray(3000, 'a') + "\n", QString(2047, 'a')},
        {"exactly 2047", "[S]\nK=" + QByteArray(2047, 'b') + "\n", QString(2047, 'b')},
        {"quotes removed first", "[S]\nK=\"" + QByteArray(2047, 'c') + "\"\n", QString(2047, 'c')},
        {"utf-8 fits", "[S]\nK=" + QByteArray(2044, 'a') + zhong.toUtf8() + "x\n", QString(2044, 'a') + zhong},
        {"utf-8 at the boundary", "[S]\nK=" + QByteArray(2046, 'a') + zhong.toUtf8() + "\n", QString(2046, 'a')},
        {"gbk fits", "[S]\nK=" + QByteArray(2045, 'a') + Gbk(zhong) + "x\n", QString(2045, 'a') + zhong},
        {"gbk at the boundary", "[S]\nK=" + QByteArray(2046, 'a') + Gbk(zhong) + "\n", QString(2046, 'a')},
        {"gbk all wide", "[S]\nK=" + Gbk(QString(1100, zhong[0])) + "\n", QString(1023, zhong[0])},
    };
    for (const TCutCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Read(c.File, "S", "K"), c.Expected);
    }
}

TEST_F(IniFileTest, ReadsGbkAndUtf8Files)
{
    // "乚" is 0x81 0x5D in GBK: its second byte is ']' and must not end the section name.
    const QString section = QStringLiteral("设置乚");
    const QString text = QStringLiteral("[%1]\n名称=频率 [MHz]\n").arg(section);

    EXPECT_EQ(Read(Gbk(text), section, QStringLiteral("名称")), QStringLiteral("频率 [MHz]"));
    EXPECT_EQ(Read(text.toUtf8(), section, QStringLiteral("名称")), QStringLiteral("频率 [MHz]"));
    EXPECT_EQ(Read("\xEF\xBB\xBF" + text.toUtf8(), section, QStringLiteral("名称")), QStringLiteral("频率 [MHz]"));
}

struct TWriteCase {
    const char* Name;
    QByteArray Before; // empty: no file
    const char* Section;
    const char* Key;
    const char* Value;
    QByteArray After;
};

const TWriteCase WriteCases[] = {
    {"replace, key spelling and other lines kept", "; top\n[A]\nkey = old  \nz=1\n", "a", "KEY", "new",
     "; top\n[A]\nkey = new\nz=1\n"},
    {"replace quoted value", "[A]\r\nk=\"old\"\r\n", "A", "k", "v", "[A]\r\nk=v\r\n"},
    {"replace first of duplicate keys", "[A]\nk=1\nK=2\n", "A", "k", "9", "[A]\nk=9\nK=2\n"},
    {"replace in first of duplicate sections", "[A]\nx=1\n[a]\nk=2\n", "A", "k", "3", "[A]\nx=1\nk=3\n[a]\nk=2\n"},
    {"add key after the section's last line", "[A]\nx=1\n\n[B]\ny=2\n", "A", "k", "v",
     "[A]\nx=1\nk=v\n\n[B]\ny=2\n"},
    {"add key to section with CRLF", "[A]\r\nx=1\r\n", "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n"},
    {"add key after last line without break", "[A]\nx=1", "A", "k", "v", "[A]\nx=1\nk=v\n"},
    {"add key to empty section", "[A]\n[B]\n", "A", "k", "v", "[A]\nk=v\n[B]\n"},
    {"add section", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
    {"add section after last line without break", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n"},
    {"byte-order mark kept", "\xEF\xBB\xBF[A]\nk=1\n", "A", "k", "2", "\xEF\xBB\xBF[A]\nk=2\n"},
    {"create file", "", "SysInfo", "Com", "COM3", "[SysInfo]\nCom=COM3\n"},
};

TEST_F(IniFileTest, WriteChangesOnlyTheOneKey)
{
    for (const TWriteCase& c : WriteCases) {
        SCOPED_TRACE(c.Name);
        const QString path = PathOf(QStringLiteral("w.ini"));
        QFile::remove(path);
        if (!c.Before.isEmpty())
            WriteTestFile(path, c.Before);
        TIniFile file(path);
        QString error;
        EXPECT_TRUE(file.WriteString(c.Section, c.Key, c.Value, &error)) << error.toStdString();
        EXPECT_EQ(ReadTestFile(path), c.After);
        EXPECT_EQ(TIniFile(path).ReadString(c.Section, c.Key, "<default>"), c.Value);
    }
}

TEST_F(IniFileTest, GbkFileStaysGbk)
{
    const QString path = PathOf(QStringLiteral("gbk.ini"));
    WriteTestFile(path, Gbk(QStringLiteral("[语言]\r\n名称=中文\r\n说明=旧\r\n")));

    TIniFile file(path);
    ASSERT_TRUE(file.WriteString(QStringLiteral("语言"), QStringLiteral("说明"), QStringLiteral("新的")));
    ASSERT_TRUE(file.WriteString(QStringLiteral("语言"), QStringLiteral("备注"), QStringLiteral("加")));

    EXPECT_EQ(ReadTestFile(path), Gbk(QStringLiteral("[语言]\r\n名称=中文\r\n说明=新的\r\n备注=加\r\n")));
}

TEST_F(IniFileTest, Utf8FileCutInsideACharacterKeepsItsReadingAfterAWrite)
{
    // The last character lost its final byte: the file is not valid UTF-8 as a whole, and must
    // be judged so from the start, or the write that follows turns the reading of every text.
    const QString path = PathOf(QStringLiteral("cut.ini"));
    WriteTestFile(path, QStringLiteral("[Language]\n名称=中文\n[SysInfo]\nNote=文").toUtf8().chopped(1));
    const QString before = TIniFile(path).ReadString(QStringLiteral("Language"), QStringLiteral("名称"), {});

    ASSERT_TRUE(TIniFile(path).WriteString(QStringLiteral("SysInfo"), QStringLiteral("Com"), QStringLiteral("COM3")));

    const TIniFile after(path);
    EXPECT_EQ(after.ReadString(QStringLiteral("Language"), QStringLiteral("名称"), {}), before);
    EXPECT_EQ(after.ReadString(QStringLiteral("SysInfo"), QStringLiteral("Com"), {}), QStringLiteral("COM3"));
}

TEST_F(IniFileTest, FilesLargerThanOneMebibyteAreNeitherReadNorWritten)
{
    struct Case { const char* name; qsizetype padding; bool refused; };
    const QByteArray head = "[A]\nk=1\n";
    const Case cases[] = {
        {"exactly 1 MiB", (1 << 20) - head.size(), false},
        {"one byte more", (1 << 20) - head.size() + 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = PathOf(QStringLiteral("big.ini"));
        const QByteArray bytes = head + QByteArray(c.padding, ';');
        WriteTestFile(path, bytes);
        TIniFile file(path);
        EXPECT_EQ(file.TooLarge(), c.refused);
        EXPECT_EQ(file.ReadString("A", "k", "<default>"), c.refused ? "<default>" : "1");
        QString error;
        EXPECT_EQ(file.WriteString("A", "k", "2", &error), !c.refused);
        if (c.refused) {
            EXPECT_TRUE(error.contains("larger than 1 MiB")) << error.toStdString();
            EXPECT_EQ(ReadTestFile(path), bytes);
        }
    }
}

TEST_F(IniFileTest, WriteKeepsWhatOthersChangedSinceReading)
{
    const QString path = PathOf(QStringLiteral("w.ini"));
    WriteTestFile(path, "[A]\nk=1\n");
    TIniFile file(path);
    WriteTestFile(path, "[A]\nk=1\nadded=meanwhile\n");

    ASSERT_TRUE(file.WriteString("A", "k", "2"));

    EXPECT_EQ(ReadTestFile(path), "[A]\nk=2\nadded=meanwhile\n");
}

TEST_F(IniFileTest, LineBreakInAValueIsRefusedAndTheFileKept)
{
    const QString path = PathOf(QStringLiteral("w.ini"));
    WriteTestFile(path, "[A]\nk=1\n");
    QString error;

    EXPECT_FALSE(TIniFile(path).WriteString("A", "k", "COM1\n[Evil]\nx=1", &error));

    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    EXPECT_EQ(ReadTestFile(path), "[A]\nk=1\n");
}

TEST_F(IniFileTest, WriteIntoMissingFolderFailsNamingTheFile)
{
    const QString path = PathOf(QStringLiteral("no such folder/SysInfo.Ini"));
    QString error;

    EXPECT_FALSE(TIniFile(path).WriteString("SysInfo", "Com", "COM1", &error));

    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

// Permissions do not hold back a privileged user; such a run cannot show the failure.
bool PermissionsAreEnforced(const QString& readOnlyFolder)
{
    QFile probe(readOnlyFolder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}

TEST_F(IniFileTest, WriteIntoReadOnlyFolderFailsAndKeepsTheFile)
{
    const QString path = PathOf(QStringLiteral("SysInfo.Ini"));
    const QByteArray before = "[SysInfo]\r\nCom=COM1\r\n";
    WriteTestFile(path, before);
    const QFileDevice::Permissions folderPermissions = QFile::permissions(folder.path());
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool enforced = PermissionsAreEnforced(folder.path());
    QString error;
    const bool written = enforced && TIniFile(path).WriteString("SysInfo", "Com", "COM2", &error);
    QFile::setPermissions(folder.path(), folderPermissions);
    if (!enforced)
        GTEST_SKIP() << "running with rights that ignore file permissions";

    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    EXPECT_EQ(ReadTestFile(path), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"SysInfo.Ini"});
}

} // namespace

TEST_F(IniFileTest, ASpecialFileInThePlaceOfASettingsFileIsNeitherReadNorReplaced)
{
    for (const TSpecialFile& path : MakeSpecialFiles(folder.path())) {
        SCOPED_TRACE(path.Kind);
        // A FIFO would block the program's start if it were opened.
        const TIniFile file(path.Path);
        EXPECT_EQ(file.ReadString("SysInfo", "Com", "Com1"), "Com1");
        QString error;
        EXPECT_FALSE(TIniFile(path.Path).WriteString("SysInfo", "Com", "COM2", &error));
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path.Path))) << error.toStdString();
        EXPECT_TRUE(path.Unchanged());
    }
}

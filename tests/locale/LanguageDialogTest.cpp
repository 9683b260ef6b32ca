#include "locale/LanguageDialog.h"
#include "locale/ProgramFolderTest.h"
#include "locale/SysInfo.h"
#include "locale/WidgetTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

class LanguageDialogTest : public ProgramFolderTest {
protected:
    void WriteSysInfo(const QString& keys)
    {
        WriteProgramFile(QStringLiteral("SysInfo.Ini"), QStringLiteral("[SysInfo]\n") + keys);
    }
};

TEST_F(LanguageDialogTest, TwoBarsInARowGiveAnEmptyFileName)
{
    WriteSysInfo(QStringLiteral("Language=Chinese||English\n"));
    QStringList displayNames{QStringLiteral("kept")};
    QStringList fileNames;

    GetLanguageList(theAll(), displayNames, fileNames);

    EXPECT_EQ(fileNames, QStringList({"Chinese", "", "English"}));
    EXPECT_EQ(displayNames, QStringList({"kept", "中文", "英文"}));
}

TEST_F(LanguageDialogTest, ListsDisplayNamesOfTheLanguageInForceAndSelectsIt)
{
    WriteSysInfo(QStringLiteral("Language=Chinese|English\nChinese=中文|英文\nEnglish=Chinese|English\n"));
    UseLanguage(QStringLiteral("English"), 1);
    TfSetLanguage dialog;
    dialog.show();

    EXPECT_EQ(ComboItems(dialog.cbLanguage), QStringList({"Chinese", "English"}));
    EXPECT_EQ(ListItems(dialog.Language), QStringList({"Chinese", "English"}));
    EXPECT_FALSE(dialog.Language->isVisible());
    EXPECT_EQ(dialog.cbLanguage->currentIndex(), 1);
}

TEST_F(LanguageDialogTest, OkSwitchesOnlyToAnotherLanguage)
{
    WriteSysInfo(QStringLiteral("Language=Chinese|English\n"));
    struct Case {
        int Chosen;
        bool Changed;
        QString Name;
        int Index;
    };
    const Case cases[] = {
        {0, false, "Chinese", 0},
        {1, true, "English", 1},
    };
    for (const Case& c : cases) {
        UseLanguage(QStringLiteral("Chinese"), 0);
        TfSetLanguage dialog;
        dialog.show();
        dialog.cbLanguage->setCurrentIndex(c.Chosen);
        dialog.btnOk->click();

        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.Chosen;
        EXPECT_EQ(dialog.LanguageChanged, c.Changed) << c.Chosen;
        EXPECT_EQ(theAll().LanguageName, c.Name) << c.Chosen;
        EXPECT_EQ(theAll().LanguageIndex, c.Index) << c.Chosen;
    }
}

TEST_F(LanguageDialogTest, CancelChangesNothing)
{
    WriteSysInfo(QStringLiteral("Language=Chinese|English\n"));
    UseLanguage(QStringLiteral("Chinese"), 0);
    TfSetLanguage dialog;
    dialog.show();
    dialog.cbLanguage->setCurrentIndex(1);
    dialog.btnCancel->click();

    EXPECT_FALSE(dialog.LanguageChanged);
    EXPECT_EQ(theAll().LanguageName, "Chinese");
    EXPECT_EQ(theAll().LanguageIndex, 0);
}

TEST_F(LanguageDialogTest, ThreeFileNamesWithoutDisplayNameKeyOfferTheTwoDefaults)
{
    WriteSysInfo(QStringLiteral("Language=Chinese|English|German\n"));
    UseLanguage(QStringLiteral("Chinese"), 0);
    TfSetLanguage dialog;
    dialog.show();

    EXPECT_EQ(ComboItems(dialog.cbLanguage), QStringList({"中文", "英文"}));
    EXPECT_EQ(ListItems(dialog.Language), QStringList({"Chinese", "English", "German"}));
}

// With no file name to take, OK is a Cancel: the stored index lies outside the list, or the
// chosen display name has no file name beside it.
TEST_F(LanguageDialogTest, OkWithoutAFileNameChangesNothing)
{
    struct Case {
        const char* What;
        QString SysInfo;
        int StoredIndex;
        int Chosen;
    };
    const Case cases[] = {
        {"index outside the list", "Language=Chinese|English\n", 5, -1},
        {"display name beyond the file names", "Language=Chinese\nChinese=中文|英文\n", 0, 1},
    };
    for (const Case& c : cases) {
        WriteSysInfo(c.SysInfo);
        UseLanguage(QStringLiteral("Chinese"), c.StoredIndex);
        TfSetLanguage dialog;
        dialog.show();
        if (c.Chosen >= 0)
            dialog.cbLanguage->setCurrentIndex(c.Chosen);
        EXPECT_EQ(dialog.cbLanguage->currentIndex(), c.Chosen) << c.What;
        dialog.btnOk->click();

        EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.What;
        EXPECT_FALSE(dialog.LanguageChanged) << c.What;
        EXPECT_EQ(theAll().LanguageName, "Chinese") << c.What;
        EXPECT_EQ(theAll().LanguageIndex, c.StoredIndex) << c.What;
    }
}

TEST_F(LanguageDialogTest, TranslatedBeyondTheFirstLanguageButTheDisplayNamesStay)
{
    WriteSysInfo(QStringLiteral("Language=Chinese|English\nEnglish=Chinese|English\n"));
    WriteProgramFile(QStringLiteral("English.Ini"),
                     QStringLiteral("[fSetLanguage]\nfSetLanguage.Caption=Languages\nlbName.Caption=Language:\n"
                                    "cbLanguage.0=never\n"));
    UseLanguage(QStringLiteral("English"), 1);
    TfSetLanguage dialog;
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), "Languages");
    EXPECT_EQ(dialog.lbName->text(), "Language:");
    EXPECT_EQ(ComboItems(dialog.cbLanguage), QStringList({"Chinese", "English"}));
}

} // namespace

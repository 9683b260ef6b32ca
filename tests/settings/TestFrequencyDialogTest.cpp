#include "settings/TestFrequencyDialog.h"

#include "locale/ProgramFolderTest.h"
#include "support/ScriptedMsgBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

namespace {

const QString Reminder = QStringLiteral("Test Frequency mismatch.\nExecute read data from radio or write to radio.");

class TestFrequencyDialogTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        SetCurrentModel(theAll(), *theMacList().FindByCode("6641"));
        ASSERT_TRUE(SetBand(theAll(), "400 - 470MHz"));
    }

    // Types into a cell through its editor and presses Enter.
    static void TypeIntoCell(TfTestFrequency& dialog, int row, int column, const QString& keys)
    {
        QTableWidget* grid = dialog.gvData;
        grid->setCurrentCell(row, column);
        grid->editItem(grid->item(row, column));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->clear();
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the grid commits the entry in a queued call
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QString Cell(const TfTestFrequency& dialog, int row, int column)
    {
        return dialog.gvData->item(row, column)->text();
    }

    ScriptedMsgBox messages;
};

TEST_F(TestFrequencyDialogTest, FreshStartShowsTheDefaultPairs)
{
    TfTestFrequency dialog;
    dialog.show();
    ASSERT_EQ(dialog.gvData->rowCount(), 16);
    EXPECT_EQ(Cell(dialog, 0, 1), "460.05000");
    EXPECT_EQ(Cell(dialog, 0, 2), "460.10000");
    EXPECT_EQ(Cell(dialog, 5, 1), "460.40000");
    for (int row = 0; row < 16; ++row) {
        EXPECT_EQ(Cell(dialog, row, 0), QString::number(row + 1));
        EXPECT_FALSE(dialog.gvData->item(row, 0)->flags() & Qt::ItemIsEditable);
        if (row >= 6) {
            EXPECT_EQ(Cell(dialog, row, 1), "");
            EXPECT_EQ(Cell(dialog, row, 2), "");
        }
    }
    dialog.btnCancel->click();
    EXPECT_TRUE(messages.Shown().empty()) << "no reminder without an entry";
}

TEST_F(TestFrequencyDialogTest, EntriesFollowTheLimitRuleAndOkStoresThem)
{
    struct Case {
        int Row, Column;
        const char* Typed;
        QString Cell;
        std::vector<QString> Messages;
    };
    const TLanguage& language = theLanguage();
    const Case cases[] = {
        {6, 1, "700", "470.00000", {language.ErrRange}},
        {6, 2, "250", "400.00000", {language.ErrRange}},
        {7, 1, "480", "480.00000", {language.OutRange}},
        {7, 2, "446.5", "446.50000", {}},
        {0, 1, "", "", {}},                              // emptied
        {0, 2, ".", "460.10000", {language.ErrRange}},   // not a number: the cell keeps its text
        {1, 1, "4x4a6", "446.00000", {}},                // only digits and a point get in
    };
    TfTestFrequency dialog;
    dialog.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        messages.Clear();
        ASSERT_NO_FATAL_FAILURE(TypeIntoCell(dialog, c.Row, c.Column, QString::fromLatin1(c.Typed)));
        EXPECT_EQ(Cell(dialog, c.Row, c.Column), c.Cell);
        EXPECT_EQ(messages.Texts(), c.Messages);
    }
    EXPECT_EQ(theTestFre().RxFreq[7], "") << "nothing stored before OK";

    messages.Clear();
    theAll().Modified = false;
    dialog.btnOk->click();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{Reminder});
    const TTestFre& table = theTestFre();
    EXPECT_EQ(table.RxFreq[7], "470.00000");
    EXPECT_EQ(table.TxFreq[7], "400.00000");
    EXPECT_EQ(table.RxFreq[8], "480.00000");
    EXPECT_EQ(table.TxFreq[8], "446.50000");
    EXPECT_EQ(table.RxFreq[1], "");
    EXPECT_EQ(table.TxFreq[1], "460.10000");
    EXPECT_EQ(table.RxFreq[2], "446.00000");
    EXPECT_EQ(table.TxFreq[6], "460.40000");
    EXPECT_FALSE(theAll().Modified);
}

TEST_F(TestFrequencyDialogTest, ClosingAfterAnEntryRemindsWhicheverWayButOnlyOkStores)
{
    const std::pair<const char*, std::function<void(TfTestFrequency&)>> closings[] = {
        {"Cancel", [](TfTestFrequency& d) { d.btnCancel->click(); }},
        {"close box", [](TfTestFrequency& d) { d.close(); }},
        {"Escape", [](TfTestFrequency& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& [how, close] : closings) {
        SCOPED_TRACE(how);
        TfTestFrequency dialog;
        dialog.show();
        ASSERT_NO_FATAL_FAILURE(TypeIntoCell(dialog, 3, 1, "455"));
        messages.Clear();
        close(dialog);
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Text, Reminder);
        EXPECT_EQ(messages.Shown()[0].Caption, theLanguage().Confirmation);
        EXPECT_EQ(theTestFre().RxFreq[4], "460.00000");
    }
}

TEST_F(TestFrequencyDialogTest, TranslationRelabelsTheTitlesAndTheReminder)
{
    WriteProgramFile(QStringLiteral("Chinese.Ini"),
                     QStringLiteral("[fTestFrequency]\nfTestFrequency.Caption=测试频率\ngvData.1=信道\n"
                                    "gvData.2=接收[MHz]\ngvData.3=发射[MHz]\n"
                                    "Label1.Caption=频率不一致。#10#13请读取或写入。\n"));
    UseLanguage(QStringLiteral("Chinese"), 1);
    TfTestFrequency dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "测试频率");
    QStringList titles;
    for (int column = 0; column < 3; ++column)
        titles << dialog.gvData->horizontalHeaderItem(column)->text();
    EXPECT_EQ(titles, QStringList({"信道", "接收[MHz]", "发射[MHz]"}));
    ASSERT_NO_FATAL_FAILURE(TypeIntoCell(dialog, 0, 1, "455"));
    messages.Clear();
    dialog.btnCancel->click();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{"频率不一致。\n请读取或写入。"});
}

} // namespace

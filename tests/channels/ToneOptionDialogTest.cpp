#include "channels/ToneOptionDialog.h"
#include "locale/ProgramFolderTest.h"

#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

class ToneOptionDialogTest : public ProgramFolderTest {
protected:
    static QPoint cellCentre(const QTableWidget* grid, int row, int column)
    {
        return grid->visualItemRect(grid->item(row, column)).center();
    }
    // A double-click as the user does it, on the visible table: a click, then the second press.
    static void doubleClick(QTableWidget* grid, int row, int column)
    {
        const QPoint at = cellCentre(grid, row, column);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    }
    static QPoint find(const QTableWidget* grid, const QString& text)
    {
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                if (grid->item(r, c)->text() == text)
                    return {c, r};
        return {-1, -1};
    }
};

TEST_F(ToneOptionDialogTest, OpensOnTheCtcssTableAndSwitchesTables)
{
    TfToneOption dialog;
    dialog.show();

    EXPECT_TRUE(dialog.gvCtcss->isVisible());
    EXPECT_FALSE(dialog.gvDcsN->isVisible());
    EXPECT_FALSE(dialog.gvDcsI->isVisible());
    EXPECT_EQ(dialog.gbList->title(), dialog.lbSel->item(0)->text());
    EXPECT_TRUE(dialog.SelectedTone.isEmpty());

    QTest::mouseClick(dialog.rDCSI, Qt::LeftButton, {}, QPoint(5, dialog.rDCSI->height() / 2));
    EXPECT_TRUE(dialog.gvDcsI->isVisible());
    EXPECT_FALSE(dialog.gvCtcss->isVisible());
    EXPECT_EQ(dialog.gbList->title(), "DCS-I");
    EXPECT_TRUE(dialog.gbList->isEnabled());
}

TEST_F(ToneOptionDialogTest, CellsAreCentredColouredAndToneColumnsBold)
{
    TfToneOption dialog;
    dialog.show();

    const QTableWidget* grid = dialog.gvCtcss;
    EXPECT_EQ(grid->columnWidth(0), 32);
    EXPECT_EQ(grid->columnWidth(1), 43);
    EXPECT_EQ(grid->item(3, 0)->background().color(), QColor(249, 141, 227));
    EXPECT_EQ(grid->item(3, 2)->background().color(), QColor(225, 249, 112));
    EXPECT_TRUE(grid->item(3, 1)->font().bold());
    EXPECT_FALSE(grid->item(3, 0)->font().bold());
    EXPECT_EQ(grid->item(3, 1)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(dialog.gvDcsN->item(0, 0)->background().color(), QColor(47, 231, 220));
    // Narrower than the style's smallest column, and still every column in view.
    EXPECT_EQ(dialog.gvDcsN->columnWidth(0), 25);
    for (const QTableWidget* table : {dialog.gvCtcss, dialog.gvDcsN, dialog.gvDcsI}) {
        const int last = table->columnCount() - 1;
        EXPECT_LE(table->columnViewportPosition(last) + table->columnWidth(last), table->width() - 2 * table->frameWidth())
            << table->objectName().toStdString();
    }
    EXPECT_TRUE(grid->showGrid());
}

TEST_F(ToneOptionDialogTest, DoubleClickPicksOnlyInToneColumns)
{
    struct Case {
        const char* What;
        QRadioButton* TfToneOption::*Radio;
        QTableWidget* TfToneOption::*Grid;
        QString CellText;  // the cell to double-click
        bool Picks;
    };
    const Case cases[] = {
        {"CTCSS tone", &TfToneOption::rCTCSS, &TfToneOption::gvCtcss, "229.1", true},
        {"CTCSS index", &TfToneOption::rCTCSS, &TfToneOption::gvCtcss, "0A", false},
        {"CTCSS code", &TfToneOption::rCTCSS, &TfToneOption::gvCtcss, "XZ", false},
        {"DCS-N code", &TfToneOption::rDCSN, &TfToneOption::gvDcsN, "D525N", true},
        {"DCS-I code", &TfToneOption::rDCSI, &TfToneOption::gvDcsI, "D245I", true},
        {"DCS number", &TfToneOption::rDCSI, &TfToneOption::gvDcsI, "12", false},
    };
    for (const Case& c : cases) {
        TfToneOption dialog;
        dialog.show();
        (dialog.*c.Radio)->click();
        QTableWidget* grid = dialog.*c.Grid;
        ASSERT_TRUE(grid->isVisible()) << c.What;
        const QPoint cell = find(grid, c.CellText);
        ASSERT_GE(cell.x(), 0) << c.What;

        doubleClick(grid, cell.y(), cell.x());

        EXPECT_EQ(dialog.isVisible(), !c.Picks) << c.What;
        EXPECT_EQ(dialog.SelectedTone, c.Picks ? c.CellText : QString()) << c.What;
    }
}

TEST_F(ToneOptionDialogTest, KeyboardPicksWithEnterOrSpaceAndCancelsWithEscape)
{
    struct Case {
        const char* What;
        QString CellText;  // the cell selected with the keyboard
        Qt::Key Key;
        bool Picks;
    };
    const Case cases[] = {
        {"Enter on a tone", "229.1", Qt::Key_Return, true},
        {"keypad Enter on a tone", "67.0", Qt::Key_Enter, true},
        {"Space on a tone", "100.0", Qt::Key_Space, true},
        {"Enter on an index", "0A", Qt::Key_Return, false},
        {"Escape", "229.1", Qt::Key_Escape, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TfToneOption dialog;
        dialog.show();
        QTableWidget* grid = dialog.gvCtcss;
        const QPoint cell = find(grid, c.CellText);
        ASSERT_GE(cell.x(), 0);
        grid->setFocus();
        grid->setCurrentCell(cell.y(), cell.x());

        QTest::keyClick(grid, c.Key);

        EXPECT_EQ(dialog.SelectedTone, c.Picks ? c.CellText : QString());
        EXPECT_EQ(dialog.isVisible(), !c.Picks && c.Key != Qt::Key_Escape);
        if (c.Key == Qt::Key_Escape) {
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
        }
    }
}

TEST_F(ToneOptionDialogTest, EmptyToneCellClosesWithEmptyResult)
{
    TfToneOption dialog;
    dialog.show();

    doubleClick(dialog.gvCtcss, 8, 13);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.SelectedTone.isEmpty());
}

TEST_F(ToneOptionDialogTest, TranslatedBeyondTheFirstLanguageWithTableCaptions)
{
    WriteProgramFile(QStringLiteral("Chinese.Ini"),
                     QStringLiteral("[fToneOption]\nfToneOption.Caption=亚音选择\nrDCSN.Caption=数字正码\n"
                                    "lbSel.0=模拟亚音\nlbValue.0=never\n"));
    UseLanguage(QStringLiteral("Chinese"), 1);
    TfToneOption dialog;
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), "亚音选择");
    EXPECT_EQ(dialog.rDCSN->text(), "数字正码");
    EXPECT_EQ(dialog.gbList->title(), "模拟亚音");
    EXPECT_EQ(dialog.gvCtcss->item(0, 1)->text(), "67.0");
}

} // namespace

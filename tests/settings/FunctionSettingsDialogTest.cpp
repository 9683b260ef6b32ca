#include "settings/FunctionSettingsDialog.h"

#include "locale/ProgramFolderTest.h"
#include "locale/WidgetTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <functional>

namespace {

class FunctionSettingsDialogTest : public ProgramFolderTest {
protected:
    // What the dialog shows: the text of every list and the spin box, the ticks of the boxes.
    static std::vector<std::string> Shown(const TfBFunSet& d)
    {
        std::vector<std::string> shown;
        for (const QComboBox* list : {d.cbSQvelch, d.cbMonikey, d.cbTxTimeout, d.cxScan, d.cxWaveof, d.cbVoice, d.cxAlt})
            shown.push_back(list->currentText().toStdString());
        shown.push_back(d.seVoxLevel->text().toStdString());
        for (const QCheckBox* box : {d.chVoxFun, d.chVoxInhibit, d.cbBattSave, d.cbBeepTone, d.cbVolhigh, d.cbVolLow})
            shown.push_back(box->isChecked() ? "ticked" : "unticked");
        return shown;
    }

    static void Wheel(QWidget* widget)
    {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QWheelEvent wheel(at, widget->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    }
};

TEST_F(FunctionSettingsDialogTest, FreshStartShowsTheDefaults)
{
    TfBFunSet dialog;
    dialog.show();
    EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"5", "Monmome", "180", "Off", "On", "Chinese", "Off", "5",
                                                       "unticked", "unticked", "ticked", "ticked", "ticked", "ticked"}));
    EXPECT_FALSE(dialog.Panel1->isEnabled());
    EXPECT_FALSE(dialog.seVoxLevel->isEnabled());
    EXPECT_FALSE(dialog.chVoxInhibit->isEnabled());
    EXPECT_EQ(dialog.cxFM->currentText(), "Turn on");
    EXPECT_EQ(dialog.windowTitle(), "Function Setting");
}

TEST_F(FunctionSettingsDialogTest, VoxFunctionEnablesItsControlsAndOkStoresThemDisabledToo)
{
    TfBFunSet dialog;
    dialog.show();
    dialog.chVoxFun->click();
    EXPECT_TRUE(dialog.seVoxLevel->isEnabled());
    EXPECT_TRUE(dialog.chVoxInhibit->isEnabled());
    dialog.seVoxLevel->setValue(2);
    dialog.chVoxInhibit->click();
    dialog.chVoxFun->click();
    EXPECT_FALSE(dialog.seVoxLevel->isEnabled());
    EXPECT_FALSE(dialog.chVoxInhibit->isEnabled());
    dialog.btnOk->click();

    EXPECT_EQ(theFun().VoxFun, 0);
    EXPECT_EQ(theFun().VoxLevel, 1);
    EXPECT_EQ(theFun().VoxInhibit, 1);
}

TEST_F(FunctionSettingsDialogTest, OkStoresEveryControlAndSetsModifiedCancelKeepsEverything)
{
    struct Case {
        const char* How;
        std::function<void(TfBFunSet&)> Close;
        bool Stored;
    };
    const Case cases[] = {
        {"OK", [](TfBFunSet& d) { d.btnOk->click(); }, true},
        {"Cancel", [](TfBFunSet& d) { d.btnCancel->click(); }, false},
        {"close box", [](TfBFunSet& d) { d.close(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.How);
        theFun() = TFun{};
        theAll().Modified = false;
        TfBFunSet dialog;
        dialog.show();
        dialog.cbSQvelch->setCurrentIndex(9);
        dialog.cbMonikey->setCurrentIndex(3);
        dialog.cbTxTimeout->setCurrentIndex(0);
        dialog.cxScan->setCurrentIndex(1);
        dialog.cxWaveof->setCurrentIndex(0);
        dialog.cbVoice->setCurrentIndex(0);
        dialog.cxAlt->setCurrentIndex(1);
        dialog.chVoxFun->click();
        dialog.seVoxLevel->setValue(1);
        for (QCheckBox* box : {dialog.cbBattSave, dialog.cbBeepTone, dialog.cbVolhigh, dialog.cbVolLow})
            box->click();
        c.Close(dialog);

        TFun expected;
        if (c.Stored) {
            expected.Squelch = 9, expected.SideKey = 3, expected.TxTimeout = 0, expected.Scan = 1;
            expected.Voice = 0, expected.VoiceLang = 0, expected.InceptAlarm = 1, expected.VoxFun = 1;
            expected.VoxLevel = 0, expected.BattSave = 0, expected.BeepTone = 0;
            expected.VolHighInhibit = 0, expected.VolLowInhibit = 0;
        }
        EXPECT_EQ(theFun(), expected);
        EXPECT_EQ(theAll().Modified, c.Stored);
    }

    // OK marks the codeplug modified even when nothing was changed.
    TfBFunSet untouched;
    untouched.show();
    untouched.btnOk->click();
    EXPECT_EQ(theFun(), TFun{});
    EXPECT_TRUE(theAll().Modified);
}

TEST_F(FunctionSettingsDialogTest, ValuesWithoutAnEntryAreShownAsTheyAreAndKept)
{
    TFun odd;
    odd.SideKey = 4, odd.Squelch = 12, odd.TxTimeout = -1, odd.FM = 7, odd.VoxLevel = 9;
    odd.BattSave = 2, odd.VoxFun = 2;  // check boxes: only 1 ticks, OK stores 0
    theFun() = odd;
    TfBFunSet dialog;
    dialog.show();
    EXPECT_EQ(dialog.cbMonikey->currentText(), "4");
    EXPECT_EQ(dialog.cbSQvelch->currentText(), "12");
    EXPECT_EQ(dialog.cbTxTimeout->currentText(), "-1");
    EXPECT_EQ(dialog.seVoxLevel->value(), 10);
    EXPECT_FALSE(dialog.cbBattSave->isChecked());
    EXPECT_FALSE(dialog.chVoxFun->isChecked());
    dialog.btnOk->click();

    TFun expected = odd;
    expected.BattSave = 0, expected.VoxFun = 0;
    EXPECT_EQ(theFun(), expected);

    // Picking another entry replaces the value; its own entry is gone at the next showing.
    TfBFunSet again;
    again.show();
    again.cbMonikey->setCurrentIndex(1);
    again.btnOk->click();
    EXPECT_EQ(theFun().SideKey, 1);
    TfBFunSet third;
    third.show();
    EXPECT_EQ(ComboItems(third.cbMonikey), QStringList({"Off", "Monmome", "H/L Power", "Alarm"}));
}

TEST_F(FunctionSettingsDialogTest, NeitherWheelNorNavigatingKeysChangeAList)
{
    TfBFunSet dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const std::vector<std::string> before = Shown(dialog);
    for (QWidget* widget : std::initializer_list<QWidget*>{dialog.cbSQvelch, dialog.cbMonikey, dialog.cxAlt, dialog.seVoxLevel})
        Wheel(widget);
    dialog.cbMonikey->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_End,
                        Qt::Key_Home, Qt::Key_Left, Qt::Key_A, Qt::Key_H}) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key);
    }
    EXPECT_EQ(Shown(dialog), before);
    EXPECT_EQ(dialog.cxFM->currentText(), "Turn on");

    // Down moves on to the next control, Up back, as Tab and Backtab do.
    dialog.cbMonikey->setFocus();
    QTest::keyClick(dialog.cbMonikey, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), dialog.cbTxTimeout);
    QTest::keyClick(dialog.cbTxTimeout, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), dialog.cbMonikey);

    // The FM list is never reached.
    dialog.cbSQvelch->setFocus();
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), dialog.cxFM);
    }
}

TEST_F(FunctionSettingsDialogTest, TranslatedListsStoreItemIndexes)
{
    WriteProgramFile(QStringLiteral("Chinese.Ini"),
                     QStringLiteral("[fBFunSet]\nfBFunSet.Caption=功能设置\nLabel2.Caption=侧键功能\n"
                                    "cbSQvelch.0=never\ncbMonikey.0=关闭\ncbMonikey.1=监听\ncbMonikey.2=高/低功率\n"
                                    "cbMonikey.3=紧急报警\ncbTxTimeout.0=关闭\ncbTxTimeout.1=never\ncxScan.1=开启\n"
                                    "cxWaveof.0=关闭\ncbVoice.0=英文\ncbVoice.1=中文\ncxAlt.1=开启\ncxFM.0=禁止\n"));
    UseLanguage(QStringLiteral("Chinese"), 1);
    theFun().TxTimeout = 0;
    TfBFunSet dialog;
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), "功能设置");
    EXPECT_EQ(dialog.Label2->text(), "侧键功能");
    EXPECT_EQ(dialog.cbSQvelch->itemText(0), "0");
    EXPECT_EQ(ComboItems(dialog.cbMonikey), QStringList({"关闭", "监听", "高/低功率", "紧急报警"}));
    EXPECT_EQ(dialog.cbTxTimeout->itemText(0), "关闭");
    EXPECT_EQ(dialog.cbTxTimeout->itemText(1), "30");
    EXPECT_EQ(dialog.cbVoice->currentText(), "中文");
    EXPECT_EQ(dialog.cxFM->itemText(0), "禁止");

    dialog.cbMonikey->setCurrentIndex(3);
    dialog.cbVoice->setCurrentIndex(0);
    dialog.cxScan->setCurrentIndex(1);
    dialog.btnOk->click();
    EXPECT_EQ(theFun().SideKey, 3);
    EXPECT_EQ(theFun().VoiceLang, 0);
    EXPECT_EQ(theFun().Scan, 1);
    EXPECT_EQ(theFun().TxTimeout, 0);
}

TEST_F(FunctionSettingsDialogTest, PrintoutCanLoadItWithoutShowingIt)
{
    WriteProgramFile(QStringLiteral("Chinese.Ini"),
                     QStringLiteral("[fBFunSet]\nLabel1.Caption=静噪等级\ncbMonikey.2=高/低功率\n"));
    UseLanguage(QStringLiteral("Chinese"), 1);
    theFun().SideKey = 2;
    theFun().VoxFun = 1;
    theFun().VoxLevel = 0;
    TfBFunSet dialog;
    dialog.LoadSettings();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Label1->text(), "静噪等级");
    EXPECT_EQ(dialog.cbMonikey->currentText(), "高/低功率");
    EXPECT_TRUE(dialog.chVoxFun->isChecked());
    EXPECT_EQ(dialog.seVoxLevel->text(), "1");
}

} // namespace

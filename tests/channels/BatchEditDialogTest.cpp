#include "channels/BatchEditDialog.h"

#include "channels/ChannelTable.h"
#include "channels/FrequencyField.h"
#include "channels/ToneBox.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "support/ChannelRows.h"
#include "support/FocusChain.h"
#include "support/FreshState.h"
#include "support/ScriptedMsgBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The batch editor over the UHF model on band "450 - 470MHz" with empty channels.
class BatchEditDialogTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(UseModel("K-640(UHF)", "450 - 470MHz"));
        dialog = std::make_unique<TfBBatchEdit>(table());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    static TChannelTable& table() { return theChannels(); }
    static QString Fore(int channel, int column) { return table().Cell(channel, column).Fore; }

    // Types into a field as the user does, the old text replaced; Enter only when asked.
    static void Type(QLineEdit* field, const QString& keys, bool enter = true)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, keys);
        if (enter)
            QTest::keyClick(field, Qt::Key_Return);
    }
    static void Choose(QComboBox* list, const QString& item) { list->setCurrentIndex(list->findText(item)); }

    ScriptedMsgBox messages;
    std::unique_ptr<TfBBatchEdit> dialog;
};

TEST_F(BatchEditDialogTest, OpensWithItsStartValues)
{
    EXPECT_EQ(dialog->eReceive->text(), "0.00000");
    EXPECT_EQ(dialog->eSend->text(), "0.00000");
    EXPECT_EQ(dialog->cbStep->currentText(), "25.0");
    EXPECT_EQ(dialog->cbStep->count(), 4);
    EXPECT_EQ(dialog->cbQT->currentText(), "None");
    EXPECT_EQ(dialog->cbDQT->currentText(), "None");
    EXPECT_EQ(dialog->cbkz->currentText(), "Wide");
    EXPECT_EQ(dialog->cbfsgl->currentText(), "High");
    for (QCheckBox* flag : {dialog->chsmtj, dialog->chpppy, dialog->chfm})
        EXPECT_FALSE(flag->isChecked());
    EXPECT_TRUE(dialog->rall->isChecked());
    EXPECT_TRUE(dialog->rasc->isChecked());
    EXPECT_EQ(dialog->seTo->maximum(), 16);
    EXPECT_EQ(dialog->seFrom->maximum(), 16);

    EXPECT_FALSE(dialog->pPd->isEnabled());
    dialog->rOne->click();
    EXPECT_TRUE(dialog->pPd->isEnabled());
    dialog->rall->click();
    EXPECT_FALSE(dialog->pPd->isEnabled());
}

TEST_F(BatchEditDialogTest, TypingIntoAFieldReplacesItsValue)
{
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    ASSERT_EQ(QApplication::focusWidget(), dialog->eReceive);

    QTest::keyClicks(dialog->eReceive, "462.55");
    QTest::keyClick(dialog->eReceive, Qt::Key_Tab);
    QTest::keyClicks(dialog->eSend, "467.55");
    QTest::keyClick(dialog->eSend, Qt::Key_Return);

    EXPECT_EQ(dialog->eReceive->text(), "462.55000");
    EXPECT_EQ(dialog->eSend->text(), "467.55000");
}

TEST_F(BatchEditDialogTest, StartFrequenciesGoOntoTheRasterAsTheyAreEntered)
{
    Type(dialog->eReceive, "462.563");
    Type(dialog->eSend, "7a00.0001");  // beyond the model: no check here, and no message

    EXPECT_EQ(dialog->eReceive->text(), "462.56000");
    EXPECT_EQ(dialog->eSend->text(), "700.00000");
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(theAll().Modified);
    EXPECT_FALSE(table().HoldsChannel(1));
}

TEST_F(BatchEditDialogTest, OkFillsFromWhatTheDialogShowsAndCanBePressedAgain)
{
    Type(dialog->eReceive, "462.55");
    Type(dialog->eSend, "467.55");
    Choose(dialog->cbStep, "12.5");
    Choose(dialog->cbkz, "Narrow");
    Choose(dialog->cbfsgl, "Low");
    dialog->chpppy->click();
    dialog->rOne->click();
    dialog->seFrom->setValue(2);
    dialog->seTo->setValue(4);
    dialog->rdesc->click();
    Type(dialog->cbDQT->lineEdit(), "D023i");
    // A tone still being typed is entered by OK, through the tone rule.
    Type(dialog->cbQT->lineEdit(), "67", false);
    QSignalSpy changes(&table(), &QAbstractItemModel::dataChanged);

    dialog->btnOk->click();

    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(dialog->cbQT->currentText(), "67.0");
    EXPECT_EQ(dialog->cbDQT->currentText(), "D023I");
    EXPECT_FALSE(table().HoldsChannel(1));
    EXPECT_FALSE(table().HoldsChannel(5));
    const TRowTexts third{{"3", "462.53750", "467.53750", "67.0", "D023I", "Low", "Narrow", "No", "Yes", "No"},
                          {"1", "", "", "", "", "0", "1", "1", "0", "1"}};
    EXPECT_EQ(RowTexts(table(), 3), third);
    EXPECT_EQ(Fore(2, ColRx), "462.55000");
    EXPECT_EQ(Fore(4, ColTx), "467.52500");
    EXPECT_TRUE(theAll().Modified);
    EXPECT_TRUE(dialog->isVisible());

    // Again, for all channels upwards, with Enter on the focused button.
    dialog->rall->click();
    dialog->rasc->click();
    dialog->btnOk->setFocus();
    QTest::keyClick(dialog->btnOk, Qt::Key_Return);

    EXPECT_EQ(Fore(1, ColRx), "462.55000");
    EXPECT_EQ(Fore(3, ColRx), "462.57500");
    EXPECT_EQ(Fore(16, ColRx), "462.73750");
    EXPECT_EQ(Fore(16, ColTx), "467.73750");
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(BatchEditDialogTest, RefusedInputsWriteNothing)
{
    struct Case { const char* name; std::function<void()> set; QString message; };
    const Case cases[] = {
        {"From after To",
         [this] {
             Type(dialog->eReceive, "462.5");
             Type(dialog->eSend, "462.5");
             dialog->rOne->click();
             dialog->seFrom->setValue(5);
             dialog->seTo->setValue(3);
         },
         theLanguage().FChBigT},
        {"start beyond the model",
         [this] {
             dialog->seFrom->setValue(1);
             Type(dialog->eSend, "651");
         },
         theLanguage().ErrRange},
        {"start not a number", [this] { Type(dialog->eReceive, "46..2", false); }, theLanguage().ErrRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.set();
        messages.Clear();

        dialog->btnOk->click();

        EXPECT_EQ(messages.Texts(), std::vector<QString>{c.message});
        for (int channel = 1; channel <= 16; ++channel)
            EXPECT_FALSE(table().HoldsChannel(channel)) << channel;
        EXPECT_FALSE(theAll().Modified);
        EXPECT_TRUE(dialog->isVisible());
    }

    dialog->btnCancel->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(table().HoldsChannel(1));
}

TEST_F(BatchEditDialogTest, TabGoesThroughTheFormFromTopToBottom)
{
    EXPECT_EQ(TabOrder(dialog.get(), dialog->eReceive, 14),
              (QStringList{"eReceive", "eSend", "cbStep", "cbQT", "cbDQT", "cbkz", "cbfsgl", "chsmtj", "chpppy",
                           "chfm", "rall", "rasc", "btnOk", "btnCancel"}));
    // A radio group is one stop: the button last chosen.
    QTest::mouseClick(dialog->rOne, Qt::LeftButton);
    EXPECT_EQ(TabOrder(dialog.get(), dialog->chfm, 6),
              (QStringList{"chfm", "rOne", "seFrom", "seTo", "rasc", "btnOk"}));
}

} // namespace

#include "channels/ChannelEditDialog.h"

#include "channels/ChannelTable.h"
#include "channels/FrequencyField.h"
#include "channels/ToneBox.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "support/ChannelRows.h"
#include "support/FocusChain.h"
#include "support/StoredChannel.h"
#include "support/ScriptedMsgBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ChannelEditDialogTest : public StoredChannelTest {
protected:
    void Open(int channel)
    {
        dialog = std::make_unique<TfBInfoEdit>(table());
        dialog->StartChannel = channel;
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    // Types into a field as the user does: the old text selected, the keys, then Enter.
    static void Enter(QLineEdit* field, const QString& keys)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, keys);
        QTest::keyClick(field, Qt::Key_Return);
    }
    static void Enter(TToneBox* box, const QString& keys) { Enter(box->lineEdit(), keys); }

    ScriptedMsgBox messages;
    std::unique_ptr<TfBInfoEdit> dialog;
};

TEST_F(ChannelEditDialogTest, EmptyChannelBecomesAChannelWithTheFirstRxFrequency)
{
    ASSERT_NO_FATAL_FAILURE(Open(3));
    EXPECT_EQ(dialog->sexd->value(), 3);
    EXPECT_EQ(dialog->sexd->maximum(), 16);
    EXPECT_FALSE(dialog->pMain->isEnabled());
    EXPECT_TRUE(dialog->eReceive->isEnabled());
    EXPECT_EQ(dialog->eReceive->text(), "");
    EXPECT_EQ(dialog->cbQT->currentText(), "None");
    EXPECT_EQ(dialog->cbkz->currentText(), "Wide");
    EXPECT_EQ(dialog->cbfsgl->currentText(), "High");
    EXPECT_FALSE(dialog->chsmtj->isChecked());

    Enter(dialog->eReceive, "4a62,.5626");  // letters and commas are not taken

    EXPECT_EQ(dialog->eReceive->text(), "462.56250");
    EXPECT_EQ(dialog->eSend->text(), "462.56250");
    EXPECT_TRUE(dialog->pMain->isEnabled());
    const TRowTexts expected{{"3", "462.56250", "462.56250", "None", "None", "High", "Wide", "No", "No", "No"},
                             {"1", "", "", "", "", "1", "0", "1", "1", "1"}};
    EXPECT_EQ(RowTexts(table(), 3), expected);
    EXPECT_TRUE(theAll().Modified);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ChannelEditDialogTest, EveryChangeLandsInTheRowAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(Open(1));
    EXPECT_EQ(dialog->cbDQT->currentText(), "D023N");
    EXPECT_TRUE(dialog->chsmtj->isChecked());
    EXPECT_EQ(dialog->cbfsgl->currentText(), "Low");

    Enter(dialog->cbDQT, "d2x3n");
    EXPECT_EQ(Fore(1, ColEncode), "D777N");
    EXPECT_EQ(dialog->cbDQT->currentText(), "D777N");

    dialog->cbQT->setCurrentIndex(0);
    emit dialog->cbQT->activated(0);
    EXPECT_EQ(Fore(1, ColDecode), "None");

    dialog->chsmtj->click();
    EXPECT_EQ(Fore(1, ColScanAdd), "No");
    EXPECT_EQ(Back(1, ColScanAdd), "1");

    dialog->cbkz->setCurrentIndex(0);
    EXPECT_EQ(Fore(1, ColBandwidth), "Wide");
    EXPECT_EQ(Back(1, ColBandwidth), "0");

    Enter(dialog->eSend, "467.5625");
    EXPECT_EQ(Fore(1, ColTx), "467.56250");
    EXPECT_EQ(QApplication::focusWidget(), dialog->cbQT);

    // A new RX keeps the TX frequency.
    Enter(dialog->eReceive, "462.6");
    EXPECT_EQ(Fore(1, ColRx), "462.60000");
    EXPECT_EQ(Fore(1, ColTx), "467.56250");

    // No TX: no encode tone either.
    Enter(dialog->cbDQT, "100");
    Enter(dialog->eSend, "");
    EXPECT_EQ(Fore(1, ColTx), "");
    EXPECT_EQ(Fore(1, ColEncode), "None");
    EXPECT_EQ(dialog->cbDQT->currentText(), "None");
    EXPECT_TRUE(dialog->pMain->isEnabled());

    // No RX: no channel.
    Enter(dialog->eReceive, "");
    EXPECT_FALSE(table().HoldsChannel(1));
    EXPECT_EQ(Back(1, ColChannel), "");
    EXPECT_FALSE(dialog->pMain->isEnabled());
    EXPECT_EQ(dialog->eSend->text(), "");
    EXPECT_EQ(dialog->cbQT->currentText(), "None");
    EXPECT_FALSE(dialog->chpppy->isChecked());
    EXPECT_EQ(dialog->cbfsgl->currentText(), "Low");  // the power stays as shown
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ChannelEditDialogTest, FrequencyThatIsNotANumberIsReportedAndGivesWayToTheRow)
{
    ASSERT_NO_FATAL_FAILURE(Open(1));
    const TRowTexts before = RowTexts(table(), 1);

    Enter(dialog->eReceive, "462..5");
    Enter(dialog->eSend, ".");

    EXPECT_EQ(messages.Texts(), (std::vector<QString>{theLanguage().ErrRange, theLanguage().ErrRange}));
    EXPECT_EQ(messages.Shown()[0].Caption, theLanguage().Caution);
    EXPECT_EQ(RowTexts(table(), 1), before);
    EXPECT_EQ(dialog->eReceive->text(), "460.01250");
    EXPECT_EQ(dialog->eSend->text(), "465.01250");

    // Beyond the model the band edge takes its place, with its warning.
    messages.Clear();
    Enter(dialog->eSend, "700");
    EXPECT_EQ(messages.Texts(), std::vector<QString>{theLanguage().ErrRange});
    EXPECT_EQ(Fore(1, ColTx), "470.00000");
}

TEST_F(ChannelEditDialogTest, AnotherChannelNumberShowsWhatTheGridHoldsAndWritesNothing)
{
    ASSERT_NO_FATAL_FAILURE(Open(1));
    dialog->sexd->setValue(2);
    // Meanwhile the grid changes channel 1.
    table().SetForeText(1, ColRx, "455");
    table().ComBoxSetData(1, ColEncode, 0, "D754I");
    theAll().Modified = false;
    QSignalSpy changes(&table(), &QAbstractItemModel::dataChanged);

    EXPECT_FALSE(dialog->pMain->isEnabled());
    dialog->sexd->setValue(1);

    EXPECT_EQ(dialog->eReceive->text(), "455.00000");
    EXPECT_EQ(dialog->cbDQT->currentText(), "D754I");
    EXPECT_TRUE(dialog->pMain->isEnabled());
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(theAll().Modified);

    // A typed number beyond the channels is held to the nearer limit.
    struct Case { const char* typed; int shown; };
    for (const Case& c : {Case{"99", 16}, Case{"0", 1}, Case{"12", 12}}) {
        dialog->sexd->setFocus();
        dialog->sexd->selectAll();
        QTest::keyClicks(dialog->sexd, c.typed);
        QTest::keyClick(dialog->sexd, Qt::Key_Return);
        EXPECT_EQ(dialog->sexd->value(), c.shown) << c.typed;
    }
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ChannelEditDialogTest, TypingAChannelNumberReplacesTheOneShown)
{
    ASSERT_NO_FATAL_FAILURE(Open(1));
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    ASSERT_EQ(QApplication::focusWidget(), dialog->sexd);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    EXPECT_EQ(dialog->sexd->value(), 5);
}

TEST_F(ChannelEditDialogTest, ClosingEntersWhatIsStillBeingTyped)
{
    ASSERT_NO_FATAL_FAILURE(Open(1));
    dialog->cbQT->lineEdit()->selectAll();
    QTest::keyClicks(dialog->cbQT->lineEdit(), "88");
    EXPECT_EQ(Fore(1, ColDecode), "67.0");

    dialog->reject();

    EXPECT_EQ(Fore(1, ColDecode), "88.0");  // no completion to "88.5"
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ChannelEditDialogTest, WheelAndArrowsOverClosedListsChangeNothing)
{
    ASSERT_NO_FATAL_FAILURE(Open(1));
    const TRowTexts before = RowTexts(table(), 1);
    for (QComboBox* list : {static_cast<QComboBox*>(dialog->cbQT), static_cast<QComboBox*>(dialog->cbDQT),
                            dialog->cbkz, dialog->cbfsgl}) {
        SCOPED_TRACE(list->objectName().toStdString());
        list->setFocus();
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_W, Qt::Key_H})
            QTest::keyClick(list, key);
        EXPECT_EQ(RowTexts(table(), 1), before);
    }
}

TEST_F(ChannelEditDialogTest, TabGoesThroughTheFormFromTopToBottom)
{
    ASSERT_NO_FATAL_FAILURE(Open(1));
    EXPECT_EQ(TabOrder(dialog.get(), dialog->sexd, 12),
              (QStringList{"sexd", "eReceive", "eSend", "cbQT", "cbDQT", "cbkz", "cbfsgl", "chsmtj", "chpppy",
                           "chfm", "btnClose", "sexd"}));

    // Without a channel the panel's controls are passed over.
    dialog->sexd->setValue(2);
    EXPECT_EQ(TabOrder(dialog.get(), dialog->sexd, 4), (QStringList{"sexd", "eReceive", "btnClose", "sexd"}));
}

} // namespace

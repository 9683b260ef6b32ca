#include "channels/ChannelEditor.h"

#include "channels/ChannelTable.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "support/ChannelRows.h"
#include "support/StoredChannel.h"
#include "support/ScriptedMsgBox.h"

#include <QSignalSpy>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

namespace {

const TRowTexts EmptyRow3{{"3", "", "", "", "", "", "", "", "", ""}, {"", "", "", "", "", "", "", "", "", ""}};

class ChannelEditorTest : public StoredChannelTest {
protected:
    void SetUp() override
    {
        StoredChannelTest::SetUp();
        editor = std::make_unique<TChannelEditor>(table(), theAll());
    }

    // The form shows exactly what the row holds.
    void ExpectFormMirrorsRow()
    {
        TChannel read;
        const bool holds = table().ReadChannel(editor->Channel(), read) == TChannelRead::Channel;
        EXPECT_EQ(editor->Form().HoldsChannel, holds);
        if (holds) {
            EXPECT_EQ(editor->Form().Values, read);
        }
    }

    ScriptedMsgBox messages;
    // Made once the fresh state exists.
    std::unique_ptr<TChannelEditor> editor;
};

TEST_F(ChannelEditorTest, RxIntoAnEmptyChannelMakesItWithTheFormsValues)
{
    editor->LoadChannel(3);
    EXPECT_FALSE(editor->Form().HoldsChannel);

    EXPECT_TRUE(editor->SetRx("462.5626"));

    const TRowTexts expected{{"3", "462.56250", "462.56250", "None", "None", "High", "Wide", "No", "No", "No"},
                             {"1", "", "", "", "", "1", "0", "1", "1", "1"}};
    EXPECT_EQ(RowTexts(table(), 3), expected);
    EXPECT_TRUE(table().flags(table().index(2, ColTx - 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(editor->Form().HoldsChannel);
    EXPECT_TRUE(theAll().Modified);
    EXPECT_TRUE(messages.Shown().empty());
    ExpectFormMirrorsRow();
}

TEST_F(ChannelEditorTest, NewChannelTakesThePowerOfTheChannelShownLast)
{
    editor->LoadChannel(1);  // low power
    editor->LoadChannel(3);
    EXPECT_EQ(editor->Form().Values.Power, 0);
    EXPECT_EQ(editor->Form().Values.Bandwidth, 0);
    EXPECT_EQ(editor->Form().Values.Decode, "");

    editor->SetRx("455");

    EXPECT_EQ(Fore(3, ColPower), "Low");
    EXPECT_EQ(Fore(3, ColBandwidth), "Wide");
    EXPECT_EQ(Fore(3, ColScanAdd), "No");
}

TEST_F(ChannelEditorTest, NewRxKeepsAnExistingTxAndFillsAMissingOne)
{
    editor->LoadChannel(1);
    EXPECT_TRUE(editor->SetRx("462.5625"));
    EXPECT_EQ(Fore(1, ColRx), "462.56250");
    EXPECT_EQ(Fore(1, ColTx), "465.01250");
    EXPECT_EQ(Fore(1, ColDecode), "67.0");

    EXPECT_TRUE(editor->SetTx(""));
    EXPECT_TRUE(editor->SetRx("455"));
    EXPECT_EQ(Fore(1, ColTx), "455.00000");
    ExpectFormMirrorsRow();
}

TEST_F(ChannelEditorTest, ClearingTxDropsTheEncodeToneAndLeavesTheTxCellEmpty)
{
    editor->LoadChannel(1);

    EXPECT_TRUE(editor->SetTx(" "));

    EXPECT_EQ(Fore(1, ColTx), "");
    EXPECT_EQ(Fore(1, ColEncode), "None");
    EXPECT_EQ(Fore(1, ColDecode), "67.0");
    EXPECT_EQ(editor->Form().Values.Tx, -1.0);
    EXPECT_TRUE(table().HoldsChannel(1));
    ExpectFormMirrorsRow();
}

TEST_F(ChannelEditorTest, ClearingRxEmptiesTheRowAndResetsTheForm)
{
    table().StoreChannel(3, Stored);
    editor->LoadChannel(3);

    EXPECT_TRUE(editor->SetRx(""));

    EXPECT_EQ(RowTexts(table(), 3), EmptyRow3);
    EXPECT_FALSE(table().flags(table().index(2, ColTx - 1)) & Qt::ItemIsEditable);
    TChannelForm reset;
    reset.Values.Power = Stored.Power;
    reset.Values.ScanAdd = reset.Values.BeatShift = reset.Values.BusyLockout = 1;
    EXPECT_EQ(editor->Form(), reset);

    // Without a channel nothing below RX writes anything.
    theAll().Modified = false;
    EXPECT_FALSE(editor->SetTx("455"));
    editor->SetTone(ColDecode, "67.0");
    editor->SetItem(ColScanAdd, 0);
    EXPECT_EQ(RowTexts(table(), 3), EmptyRow3);
    EXPECT_FALSE(theAll().Modified);
}

TEST_F(ChannelEditorTest, TypedFrequenciesAreCheckedSnappedOrRefused)
{
    struct Case { bool rx; const char* typed; const char* stored; QString message; bool taken; };
    const Case cases[] = {
        {true, "462.563", "462.56000", {}, true},
        {true, "700", "470.00000", theLanguage().ErrRange, true},
        {true, "480", "480.00000", theLanguage().OutRange, true},
        {false, "250", "450.00000", theLanguage().ErrRange, true},
        {false, "462.5549", "462.55000", {}, true},
        // Not a number: reported, and the row and the form keep what they had.
        {true, "1.2.3", "460.01250", theLanguage().ErrRange, false},
        {false, ".", "465.01250", theLanguage().ErrRange, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        table().StoreChannel(1, Stored);
        editor->LoadChannel(1);
        messages.Clear();
        const TChannelForm before = editor->Form();

        const bool taken = c.rx ? editor->SetRx(c.typed) : editor->SetTx(c.typed);

        EXPECT_EQ(Fore(1, c.rx ? ColRx : ColTx), c.stored);
        const std::vector<QString> expected = c.message.isEmpty() ? std::vector<QString>{}
                                                                  : std::vector<QString>{c.message};
        EXPECT_EQ(messages.Texts(), expected);
        EXPECT_EQ(taken, c.taken);
        if (!c.taken) {
            EXPECT_EQ(editor->Form(), before);
        }
        ExpectFormMirrorsRow();
    }
}

TEST_F(ChannelEditorTest, TonesAndListsLandInTheirCells)
{
    editor->LoadChannel(1);

    editor->SetTone(ColEncode, "D777N");
    editor->SetTone(ColDecode, "");
    editor->SetItem(ColScanAdd, FlagItem(false));
    editor->SetItem(ColPower, 1);

    EXPECT_EQ(Fore(1, ColEncode), "D777N");
    EXPECT_EQ(Fore(1, ColDecode), "None");
    EXPECT_EQ(Fore(1, ColScanAdd), "No");
    EXPECT_EQ(Back(1, ColScanAdd), "1");
    EXPECT_EQ(Fore(1, ColPower), "High");
    EXPECT_EQ(Back(1, ColPower), "1");
    EXPECT_EQ(Fore(1, ColBeatShift), "Yes");
    EXPECT_EQ(FlagItem(true), 0);
    ExpectFormMirrorsRow();
}

TEST_F(ChannelEditorTest, LoadingShowsWhatTheGridHoldsNowAndWritesNothing)
{
    editor->LoadChannel(1);
    editor->SetTone(ColDecode, "100.0");
    table().SetForeText(1, ColRx, "455");
    table().ComBoxSetData(1, ColBandwidth, 0, "Wide");
    theAll().Modified = false;
    QSignalSpy changes(&table(), &QAbstractItemModel::dataChanged);

    editor->LoadChannel(2);
    EXPECT_FALSE(editor->Form().HoldsChannel);
    editor->LoadChannel(1);

    EXPECT_EQ(editor->Form().Values.Rx, 455.0);
    EXPECT_EQ(editor->Form().Values.Bandwidth, 0);
    EXPECT_EQ(editor->Form().Values.Decode, "100.0");
    ExpectFormMirrorsRow();
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(theAll().Modified);
}

TEST_F(ChannelEditorTest, ChannelNumberIsHeldToTheTable)
{
    editor->LoadChannel(0);
    EXPECT_EQ(editor->Channel(), 1);
    editor->LoadChannel(99);
    EXPECT_EQ(editor->Channel(), 16);
}

TEST_F(ChannelEditorTest, EveryChangeNotifiesItsRowOnce)
{
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"RX", [this] { editor->SetRx("455"); }},
        {"TX", [this] { editor->SetTx("456"); }},
        {"TX emptied", [this] { editor->SetTx(""); }},
        {"tone", [this] { editor->SetTone(ColDecode, "67.0"); }},
        {"list", [this] { editor->SetItem(ColBandwidth, 0); }},
        {"RX emptied", [this] { editor->SetRx(""); }},
    };
    editor->LoadChannel(1);
    for (const auto& [name, change] : changes) {
        QSignalSpy spy(&table(), &QAbstractItemModel::dataChanged);
        change();
        ASSERT_EQ(spy.count(), 1) << name;
        EXPECT_EQ(spy[0][0].toModelIndex(), table().index(0, 0)) << name;
    }
}

} // namespace

#include "channels/BatchFill.h"

#include "channels/ChannelTable.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "support/ChannelRows.h"
#include "support/FreshState.h"
#include "support/ScriptedMsgBox.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class BatchFillTest : public FreshStateTest {
protected:
    static TChannelTable& table() { return theChannels(); }
    static QString Fore(int channel, int column) { return table().Cell(channel, column).Fore; }

    // Validates and fills, as OK does.
    static void Ok(const TBatchInput& input)
    {
        if (ValidateBatch(theAll(), input))
            FillChannels(table(), theAll(), input);
    }

    ScriptedMsgBox messages;
};

TEST_F(BatchFillTest, RunsStepFromTheStartFrequenciesAndStayAtTheModelLimits)
{
    struct Case {
        const char* name;
        const char* model;
        const char* band;
        TBatchInput input;
        // RX and TX of channels 1 to 4 and of channel 16.
        std::vector<std::pair<const char*, const char*>> first;
        std::pair<const char*, const char*> last;
    };
    const auto input = [](const char* rx, const char* tx, const char* step, bool descending) {
        TBatchInput in;
        in.Rx = rx;
        in.Tx = tx;
        in.Step = step;
        in.Descending = descending;
        return in;
    };
    const Case cases[] = {
        {"12.5 kHz up", "K-640(UHF)", "450 - 470MHz", input("462.55", "467.55", "12.5", false),
         {{"462.55000", "467.55000"}, {"462.56250", "467.56250"}, {"462.57500", "467.57500"},
          {"462.58750", "467.58750"}},
         {"462.73750", "467.73750"}},
        {"25 kHz down", "K-640(UHF)", "450 - 470MHz", input("462.55", "462.55", "25.0", true),
         {{"462.55000", "462.55000"}, {"462.52500", "462.52500"}, {"462.50000", "462.50000"},
          {"462.47500", "462.47500"}},
         {"462.17500", "462.17500"}},
        // The running values are not snapped: 462.5675 and 462.5725 fall onto the 6.25 kHz raster.
        {"5 kHz from a 6.25 kHz point", "K-640(UHF)", "450 - 470MHz", input("462.5625", "462.5625", "5.00", false),
         {{"462.56250", "462.56250"}, {"462.56250", "462.56250"}, {"462.56875", "462.56875"},
          {"462.57500", "462.57500"}},
         {"462.63750", "462.63750"}},
        {"VHF up to its upper limit", "K-640(VHF)", "150 - 174MHz", input("299.95", "299.95", "25.0", false),
         {{"299.95000", "299.95000"}, {"299.97500", "299.97500"}, {"300.00000", "300.00000"},
          {"300.00000", "300.00000"}},
         {"300.00000", "300.00000"}},
        // Below the lower limit: channel 1 gets the limit, and the run steps on from it...
        {"below the limit, up", "K-640(UHF)", "450 - 470MHz", input("250", "301", "25.0", false),
         {{"300.00000", "301.00000"}, {"300.02500", "301.02500"}, {"300.05000", "301.05000"},
          {"300.07500", "301.07500"}},
         {"300.37500", "301.37500"}},
        // ...or stays at it.
        {"below the limit, down", "K-640(UHF)", "450 - 470MHz", input("250", "300.05", "25.0", true),
         {{"300.00000", "300.05000"}, {"300.00000", "300.02500"}, {"300.00000", "300.00000"},
          {"300.00000", "300.00000"}},
         {"300.00000", "300.00000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(UseModel(c.model, c.band));
        messages.Clear();

        Ok(c.input);

        for (int channel = 1; channel <= 4; ++channel) {
            EXPECT_EQ(Fore(channel, ColRx), c.first[size_t(channel - 1)].first) << channel;
            EXPECT_EQ(Fore(channel, ColTx), c.first[size_t(channel - 1)].second) << channel;
        }
        EXPECT_EQ(Fore(16, ColRx), c.last.first);
        EXPECT_EQ(Fore(16, ColTx), c.last.second);
        EXPECT_TRUE(messages.Shown().empty());
        EXPECT_TRUE(theAll().Modified);
    }
}

TEST_F(BatchFillTest, EveryChannelOfTheRunGetsTheSameValuesInOneNotification)
{
    ASSERT_NO_FATAL_FAILURE(UseModel("K-640(UHF)", "450 - 470MHz"));
    table().StoreChannel(2, {455.0, -1.0, "", "", 1, 0, 1, 1, 1});
    TBatchInput input;
    input.Rx = "460.5";
    input.Tx = "465.5";
    input.Values = {0.0, -1.0, "67.0", "D023I", 0, 1, 0, 1, 0};
    QSignalSpy changes(&table(), &QAbstractItemModel::dataChanged);

    Ok(input);

    ASSERT_EQ(changes.count(), 1);
    const TRowTexts second{{"2", "460.52500", "465.52500", "67.0", "D023I", "Low", "Narrow", "Yes", "No", "Yes"},
                           {"1", "", "", "", "", "0", "1", "0", "1", "0"}};
    EXPECT_EQ(RowTexts(table(), 2), second);
    for (int channel = 1; channel <= 16; ++channel) {
        EXPECT_TRUE(table().flags(table().index(channel - 1, ColTx - 1)) & Qt::ItemIsEditable) << channel;
        EXPECT_EQ(table().Cell(channel, ColChannel).Back, "1") << channel;
    }
    // The rows carry the marker, so a new RX typed into the grid keeps their tones and lists.
    table().SetForeText(5, ColRx, "451");
    EXPECT_EQ(Fore(5, ColDecode), "67.0");
    EXPECT_EQ(Fore(5, ColPower), "Low");
}

TEST_F(BatchFillTest, RangeIsCheckedBeforeAnythingIsWritten)
{
    ASSERT_NO_FATAL_FAILURE(UseModel("K-640(UHF)", "450 - 470MHz"));
    struct Case { const char* name; TBatchInput input; QString message; int caption; };
    TBatchInput range;
    range.AllChannels = false;
    range.Rx = range.Tx = "462.5";
    const auto with = [range](auto change) {
        TBatchInput in = range;
        change(in);
        return in;
    };
    const Case cases[] = {
        {"From after To", with([](TBatchInput& in) { in.From = 5; in.To = 3; }), theLanguage().FChBigT, 0},
        {"RX above the model", with([](TBatchInput& in) { in.Rx = "650.1"; }), theLanguage().ErrRange, 1},
        {"TX below the model", with([](TBatchInput& in) { in.Tx = "299.99"; }), theLanguage().ErrRange, 1},
        {"RX not a number", with([](TBatchInput& in) { in.Rx = "1.2.3"; }), theLanguage().ErrRange, 1},
        {"TX empty, all channels", with([](TBatchInput& in) { in.AllChannels = true; in.Tx = ""; }),
         theLanguage().ErrRange, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();

        EXPECT_FALSE(ValidateBatch(theAll(), c.input));

        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Text, c.message);
        EXPECT_EQ(messages.Shown()[0].Caption, c.caption == 0 ? theLanguage().Confirmation : theLanguage().Caution);
        EXPECT_EQ(messages.Shown()[0].Kind, MsgInformation);
    }

    // The limits themselves pass, and From = To writes that one channel only.
    TBatchInput one = with([](TBatchInput& in) { in.From = in.To = 3; in.Rx = "650"; in.Tx = "300"; });
    messages.Clear();
    Ok(one);
    EXPECT_TRUE(messages.Shown().empty());
    for (int channel = 1; channel <= 16; ++channel)
        EXPECT_EQ(table().HoldsChannel(channel), channel == 3) << channel;
    EXPECT_EQ(Fore(3, ColRx), "650.00000");
    EXPECT_EQ(Fore(3, ColTx), "300.00000");
}

TEST_F(BatchFillTest, RangeFillsFromItsFirstChannel)
{
    ASSERT_NO_FATAL_FAILURE(UseModel("K-640(UHF)", "450 - 470MHz"));
    TBatchInput input;
    input.AllChannels = false;
    input.From = 14;
    input.To = 16;
    input.Rx = input.Tx = "451";
    input.Step = "6.25";

    Ok(input);

    EXPECT_FALSE(table().HoldsChannel(13));
    EXPECT_EQ(Fore(14, ColRx), "451.00000");
    EXPECT_EQ(Fore(15, ColRx), "451.00625");
    EXPECT_EQ(Fore(16, ColRx), "451.01250");
}

} // namespace

#include "codeplug/CodeplugState.h"
#include "settings/ModelCatalog.h"

#include <gtest/gtest.h>

TEST(CodeplugState, ResetGivesTheDefaultsAndEmptiesTheMessage)
{
    TFun fun;
    fun.Squelch = 9;
    fun.FM = 0;
    TEnMsg msg{"HELLO", "WORLD"};
    ResetSettings(fun, msg);
    const int expected[] = {1, 1, 5, 1, 6, 0, 0, 4, 1, 0, 1, 1, 1, 0, 1};
    for (size_t i = 0; i < FunFields.size(); ++i)
        EXPECT_EQ(fun.*FunFields[i].Member, expected[i]) << FunFields[i].Name;
    EXPECT_TRUE(msg.Line1.isEmpty());
    EXPECT_TRUE(msg.Line2.isEmpty());
}

TEST(CodeplugState, ClampForcesEveryFieldIntoItsRange)
{
    struct Case { int TFun::*member; int value; int expected; };
    const Case cases[] = {
        {&TFun::Squelch, 12, 5},   {&TFun::Squelch, -1, 5},    {&TFun::Squelch, 9, 9},
        {&TFun::SideKey, 7, 0},    {&TFun::SideKey, 5, 5},     {&TFun::SideKey, 255, 0},
        {&TFun::TxTimeout, 255, 6}, {&TFun::TxTimeout, 10, 10},
        {&TFun::VoxLevel, 9, 4},   {&TFun::VoxLevel, 0, 0},
        {&TFun::BattSave, 2, 0},   {&TFun::BattSave, 3, 1},
        {&TFun::Scan, 2, 0},       {&TFun::FM, 3, 1},          {&TFun::InceptAlarm, 255, 1},
        {&TFun::VolLowInhibit, 254, 0},
    };
    for (const Case& c : cases) {
        TFun fun;
        fun.*c.member = c.value;
        ClampSettings(fun);
        EXPECT_EQ(fun.*c.member, c.expected) << "value " << c.value;
    }
}

TEST(CodeplugState, SetCurrentModelKeepsTheBand)
{
    TMacList catalog;
    catalog.FillInitial();
    TALL all;
    ASSERT_TRUE(SetBand(all, "450 - 470MHz"));
    SetCurrentModel(all, *catalog.Items(1));
    EXPECT_EQ(all.CurModel, catalog.Items(1));
    EXPECT_EQ(all.ModelName, "K-640(VHF)");
    EXPECT_EQ(all.ModelCode, "5641");
    EXPECT_EQ(all.ModelMinFreq, 67.0);
    EXPECT_EQ(all.ModelMaxFreq, 300.0);
    EXPECT_EQ(all.ChannelCount, 16);
    EXPECT_EQ(all.BandText, "450 - 470MHz");
    EXPECT_EQ(all.BandMinFreq, 450.0);
    EXPECT_EQ(all.BandMaxFreq, 470.0);
}

TEST(CodeplugState, SetBandRefusesATextWithoutEdges)
{
    TALL all;
    ASSERT_TRUE(SetBand(all, " 27 -  72MHz"));
    EXPECT_EQ(all.BandMinFreq, 27.0);
    EXPECT_EQ(all.BandMaxFreq, 72.0);
    EXPECT_FALSE(SetBand(all, "wide open"));
    EXPECT_EQ(all.BandText, " 27 -  72MHz");
    EXPECT_EQ(all.BandMinFreq, 27.0);
}

TEST(CodeplugState, TestFrequenciesStartWithSixPairs)
{
    const TTestFre table;
    EXPECT_EQ(table.RxFreq[1], "460.05000");
    EXPECT_EQ(table.TxFreq[1], "460.10000");
    EXPECT_EQ(table.RxFreq[3], "479.95000");
    EXPECT_EQ(table.TxFreq[3], "479.90000");
    EXPECT_EQ(table.RxFreq[6], "460.40000");
    for (int i = 7; i <= TestFrequencyCount; ++i) {
        EXPECT_TRUE(table.RxFreq[i].isEmpty());
        EXPECT_TRUE(table.TxFreq[i].isEmpty());
    }
}

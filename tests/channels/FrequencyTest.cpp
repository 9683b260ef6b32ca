#include "channels/Frequency.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "support/FreshState.h"
#include "support/ScriptedMsgBox.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

TEST(SnapFrequency, MovesDownOntoTheRasterChosenByTheTwoLowestDigits)
{
    struct Case { double in; double expected; };
    const Case cases[] = {
        // 100 Hz and 10 Hz digits zero: 5 kHz raster, even when a 6.25 kHz point is nearer.
        {462.5630, 462.56000}, {400.0500, 400.05000}, {146.5290, 146.52500},
        // Any other digits: 6.25 kHz raster.
        {462.5626, 462.56250}, {146.5234, 146.51875}, {400.0001, 400.00000},
        {162.4987, 162.49375}, {462.5549, 462.55000}, {146.52499, 146.51875},
        // Tiny values still have eight digits, with leading zeros.
        {0.0001, 0.0}, {0.00625, 0.00625}, {0.0063, 0.00625},
        // Rounded to 10 Hz first, a half away from zero: 46256301, then 46256300.
        {462.563005, 462.56250}, {462.5630049, 462.56000},
        // A half that the multiplication lands a hair below still rounds up: 14000001, 6.25 kHz.
        {140.000005, 140.00000},
        // From 1000 MHz the 7th and 8th digits are the 1 kHz and 100 Hz digits.
        {1234.5678, 1234.5625}, {1000.006, 1000.00000}, {1000.01003, 1000.01000},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(SnapFrequency(c.in), c.expected) << c.in;
}

TEST(SnapFrequency, GivesAValueOnItsRasterBackUnchanged)
{
    // Not the rounded unit count: the very value passed in.
    const double cases[] = {462.5500, 462.5625, 146.5200, 146.51875, 462.562500001, 462.562504, 0.0,
                            1000.0125, 446.00625};
    for (double f : cases)
        EXPECT_EQ(SnapFrequency(f), f) << f;
}

TEST(SnapFrequency, LeavesValuesWithoutARasterAlone)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(SnapFrequency(inf), inf);
    EXPECT_TRUE(std::isnan(SnapFrequency(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(SnapFrequency(1e300), 1e300);
    EXPECT_DOUBLE_EQ(SnapFrequency(-462.5630), -462.56);
}

class FrequencyTextTest : public ::testing::Test {
protected:
    // A locale with "," as decimal point and "." as grouping must not leak into the texts.
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(FrequencyTextTest, HasFiveDecimalsAPointAndNoGrouping)
{
    struct Case { double in; const char* expected; };
    const Case cases[] = {
        {462.5625, "462.56250"}, {146.52, "146.52000"}, {0.0, "0.00000"},
        {1234.5625, "1234.56250"}, {SnapFrequency(146.5234), "146.51875"},
        {SnapFrequency(162.4987), "162.49375"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrequencyText(c.in), c.expected) << c.in;
}

TEST_F(FrequencyTextTest, ReadsBackOnlyNumbersWithAPoint)
{
    EXPECT_EQ(ReadFrequency(" 462.56250 "), 462.5625);
    EXPECT_EQ(ReadFrequency("146"), 146.0);
    EXPECT_EQ(ReadFrequency(FrequencyText(1234.5625)), 1234.5625);
    const char* unreadable[] = {"", "  ", "462,5625", "1.234.5", "462.5MHz", "abc", "4e2"};
    for (const char* text : unreadable)
        EXPECT_FALSE(ReadFrequency(text).has_value()) << text;
}

class CheckFrequencyTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        const TMacType* uhf = theMacList().FindByName("K-640(UHF)");
        ASSERT_NE(uhf, nullptr);
        SetCurrentModel(theAll(), *uhf);
        ASSERT_TRUE(SetBand(theAll(), "400 - 470MHz"));
    }
    ScriptedMsgBox messages;
};

TEST_F(CheckFrequencyTest, ReplacesOrWarnsWithAtMostOneMessage)
{
    const QString errRange = theLanguage().ErrRange;
    const QString outRange = theLanguage().OutRange;
    ASSERT_NE(errRange, outRange);
    struct Case { double in; double expected; QString message; };
    const Case cases[] = {
        {700.0, 470.0, errRange},   // above the model: the upper band edge
        {250.0, 400.0, errRange},   // below the model: the lower band edge
        {650.01, 470.0, errRange}, {299.99, 400.0, errRange},
        {480.0, 480.0, outRange},   // inside the model, outside the band: kept
        {350.0, 350.0, outRange}, {650.0, 650.0, outRange}, {300.0, 300.0, outRange},
        {470.0, 470.0, {}}, {400.0, 400.0, {}}, {446.00625, 446.00625, {}},
    };
    for (const Case& c : cases) {
        messages.Clear();
        EXPECT_EQ(CheckFrequency(theAll(), c.in), c.expected) << c.in;
        const std::vector<TShownMessage> shown = messages.Shown();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(shown.empty()) << c.in;
            continue;
        }
        ASSERT_EQ(shown.size(), 1u) << c.in;
        EXPECT_EQ(shown[0].Text, c.message) << c.in;
        EXPECT_EQ(shown[0].Caption, theLanguage().Caution) << c.in;
        EXPECT_EQ(shown[0].Kind, MsgInformation) << c.in;
    }
}

TEST_F(CheckFrequencyTest, ShowsTheTextsOfTheCurrentMessageTable)
{
    theLanguage().Caution = "Caution";
    theLanguage().ErrRange = "Out of the model's range";
    CheckFrequency(theAll(), 700.0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Caption, "Caution");
    EXPECT_EQ(messages.Shown()[0].Text, "Out of the model's range");
}

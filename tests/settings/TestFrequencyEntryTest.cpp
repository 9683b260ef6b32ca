#include "settings/TestFrequencyEntry.h"

#include "codeplug/GlobalState.h"
#include "support/FreshState.h"
#include "support/ShownMessages.h"

namespace {

class TestFrequencyEntryTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        SetCurrentModel(theAll(), *theMacList().FindByCode("6641"));  // 300 to 650 MHz
        ASSERT_TRUE(SetBand(theAll(), "400 - 470MHz"));
    }
    ScriptedMsgBox messages;
};

TEST_F(TestFrequencyEntryTest, EntriesPassTheLimitRuleAndGetFiveDecimals)
{
    struct Case {
        const char* Entered;
        std::optional<QString> Taken;
        std::vector<QString> Messages;
    };
    const TLanguage& language = theLanguage();
    const Case cases[] = {
        {"700", "470.00000", {language.ErrRange}},
        {"250", "400.00000", {language.ErrRange}},
        {"480", "480.00000", {language.OutRange}},
        {"446.5", "446.50000", {}},
        {"462.5626", "462.56260", {}},  // not moved onto the raster
        {"470", "470.00000", {}},
        {"", "", {}},
        {"  ", "", {}},
        {".", std::nullopt, {language.ErrRange}},
        {"4.4.4", std::nullopt, {language.ErrRange}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Entered);
        messages.Clear();
        EXPECT_EQ(TestFrequencyEntryText(theAll(), QString::fromLatin1(c.Entered)), c.Taken);
        EXPECT_EQ(messages.Texts(), c.Messages);
        for (const TShownMessage& shown : messages.Shown())
            EXPECT_EQ(shown.Caption, language.Caution);
    }
}

TEST_F(TestFrequencyEntryTest, LineBreakMarksBecomeLineBreaks)
{
    EXPECT_EQ(WithLineBreaks("Test Frequency mismatch.#10#13Execute read"), "Test Frequency mismatch.\nExecute read");
    EXPECT_EQ(WithLineBreaks("a#13#10b#10c"), "a\nb\nc");
}

} // namespace

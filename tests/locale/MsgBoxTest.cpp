#include "locale/MsgBox.h"

#include "support/ScriptedMsgBox.h"

#include <gtest/gtest.h>

namespace {

TEST(MsgBoxTest, KindsOneTwoThreeAndTwentyTwoReachThePresenter)
{
    ScriptedMsgBox box;
    box.Answer({MsgResultOk, MsgResultNo, MsgResultCancel, MsgResultRetry});

    EXPECT_EQ(MsgBox("提示", "done", MsgInformation), MsgResultOk);
    EXPECT_EQ(MsgBox("提示", "save?", MsgYesNo), MsgResultNo);
    EXPECT_EQ(MsgBox("提示", "save first?", MsgYesNoCancel), MsgResultCancel);
    EXPECT_EQ(MsgBox("提示", "link failed", MsgRetryCancel), MsgResultRetry);

    const std::vector<TShownMessage> shown = box.Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].Caption, QStringLiteral("提示"));
    EXPECT_EQ(shown[1].Text, QStringLiteral("save?"));
    EXPECT_EQ(shown[2].Kind, MsgYesNoCancel);
    EXPECT_EQ(shown[3].Kind, MsgRetryCancel);
}

TEST(MsgBoxTest, OtherKindsShowNothingAndGiveOne)
{
    ScriptedMsgBox box;
    box.Answer({MsgResultNo});

    for (int kind : {0, 4, 5, 21, -1})
        EXPECT_EQ(MsgBox("c", "t", kind), MsgResultOk) << kind;

    EXPECT_TRUE(box.Shown().empty());
}

TEST(MsgBoxTest, HeadlessPresenterWritesToStandardErrorAndChangesNothing)
{
    TMsgPresenter* installed = SetMsgPresenter(nullptr);
    ::testing::internal::CaptureStderr();

    const int ok = MsgBox("提示", "读取完成！", MsgInformation);
    const int yesNo = MsgBox("c", "question", MsgYesNo);
    const int retryCancel = MsgBox("c", "retry?", MsgRetryCancel);
    const int yesNoCancel = MsgBox("c", "save first?", MsgYesNoCancel);

    const std::string written = ::testing::internal::GetCapturedStderr();
    SetMsgPresenter(installed);
    EXPECT_EQ(ok, MsgResultOk);
    EXPECT_EQ(yesNo, MsgResultNo);
    EXPECT_EQ(retryCancel, MsgResultCancel);
    EXPECT_EQ(yesNoCancel, MsgResultCancel);
    EXPECT_NE(written.find("提示: 读取完成！"), std::string::npos) << written;
    EXPECT_NE(written.find("retry?"), std::string::npos) << written;
}

TEST(MsgBoxTest, ScriptedPresenterRestoresThePreviousOne)
{
    ScriptedMsgBox outer;
    {
        ScriptedMsgBox inner;
        MsgBox("c", "inner", MsgInformation);
    }
    MsgBox("c", "outer", MsgInformation);

    EXPECT_EQ(outer.Texts(), std::vector<QString>{QStringLiteral("outer")});
}

} // namespace

// The commands of the settings dialogs in the main window: which are in the menu, and that each
// opens its dialog.
#include "app/MainWindow.h"

#include "codeplug/GlobalState.h"
#include "settings/EmbeddedMessageDialog.h"
#include "settings/FunctionSettingsDialog.h"
#include "settings/TestFrequencyDialog.h"
#include "support/FreshState.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedMsgBox.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

namespace {

class SettingsCommandsTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        window = std::make_unique<TfMainFrm>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Runs the command; gives whether a dialog of the class showed, which is then cancelled.
    template <class Dialog>
    bool Opens(int tag)
    {
        bool shown = false;
        WhenDialogShows<Dialog>([&shown](Dialog* dialog) {
            shown = true;
            dialog->btnCancel->click();
        });
        window->DoCommand(tag);
        return shown;
    }

    ScriptedMsgBox messages;
    std::unique_ptr<TfMainFrm> window;
};

TEST_F(SettingsCommandsTest, FunctionSettingIsInTheMenuTheOtherTwoAreHidden)
{
    ASSERT_NE(window->ActionOfTag(TagFunctionSetting), nullptr);
    EXPECT_TRUE(window->ActionOfTag(TagFunctionSetting)->isVisible());
    EXPECT_FALSE(window->ActionOfTag(TagTestFrequency)->isVisible());
    EXPECT_FALSE(window->ActionOfTag(TagEmbeddedMessage)->isVisible());
}

TEST_F(SettingsCommandsTest, EachCommandOpensItsDialog)
{
    EXPECT_TRUE(Opens<TfBFunSet>(TagFunctionSetting));
    EXPECT_TRUE(Opens<TfTestFrequency>(TagTestFrequency));
    EXPECT_TRUE(Opens<TfEmbeddedMessage>(TagEmbeddedMessage));
    EXPECT_FALSE(theAll().Modified) << "Cancel changes nothing";
}

} // namespace

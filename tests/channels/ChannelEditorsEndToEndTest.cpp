// Channels made with the two editors, through the main window's commands, end to end: saved to a
// .dat file and opened again, and written into the virtual radio and read back.
#include "app/MainWindow.h"

#include "app/Startup.h"
#include "channels/BatchEditDialog.h"
#include "channels/ChannelEditDialog.h"
#include "channels/ChannelTable.h"
#include "channels/ChannelWindow.h"
#include "channels/FrequencyField.h"
#include "channels/ToneBox.h"
#include "codeplug/GlobalState.h"
#include "radio/TransferDialog.h"
#include "support/ChannelRows.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedMsgBox.h"
#include "support/VirtualRadio.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

const QString PortName = QStringLiteral("COM7");

void Type(QLineEdit* field, const QString& keys)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
    QTest::keyClick(field, Qt::Key_Return);
}

class ChannelEditorsEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString AppPath() const { return folder.path() + '/'; }

    void StartProgram()
    {
        DataModuleCreate(AppPath());
        window = std::make_unique<TfMainFrm>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Channels 1 to 4 from the batch editor (12.5 kHz down, tones, low power, narrow, scan), then
    // channel 3 changed and channel 7 made in the channel editor, opened on the grid's row 3.
    void EditChannels()
    {
        WhenDialogShows<TfBBatchEdit>([](TfBBatchEdit* batch) {
            Type(batch->eReceive, "462.5625");
            Type(batch->eSend, "467.5625");
            batch->cbStep->setCurrentIndex(batch->cbStep->findText("12.5"));
            Type(batch->cbQT->lineEdit(), "D023i");
            Type(batch->cbDQT->lineEdit(), "151.4");
            batch->cbkz->setCurrentIndex(1);
            batch->cbfsgl->setCurrentIndex(0);
            batch->chsmtj->click();
            batch->rOne->click();
            batch->seTo->setValue(4);
            batch->rdesc->click();
            batch->btnOk->click();
            batch->btnCancel->click();
        });
        window->ActionOfTag(TagBatchChannelEdit)->trigger();

        TfChInfo* grid = window->ChannelWindow();
        grid->gvData->setCurrentIndex(theChannels().index(2, ColRx - 1));
        WhenDialogShows<TfBInfoEdit>([](TfBInfoEdit* editor) {
            EXPECT_EQ(editor->sexd->value(), 3);
            Type(editor->eSend, "");
            editor->chpppy->click();
            editor->sexd->setValue(7);
            Type(editor->eReceive, "469.9875");
            Type(editor->cbQT->lineEdit(), "D754I");
            editor->chfm->click();
            editor->btnClose->click();
        });
        window->ActionOfTag(TagChannelEdit)->trigger();
    }

    static void ExpectEditedChannels(const std::vector<TRowTexts>& rows)
    {
        ASSERT_EQ(rows.size(), 16u);
        const TRowTexts third{{"3", "462.53750", "", "D023I", "None", "Low", "Narrow", "Yes", "Yes", "No"},
                              {"1", "", "", "", "", "0", "1", "0", "0", "1"}};
        const TRowTexts seventh{{"7", "469.98750", "469.98750", "D754I", "None", "Low", "Wide", "No", "No", "Yes"},
                                {"1", "", "", "", "", "0", "0", "1", "1", "0"}};
        EXPECT_EQ(rows[2].Fore, third.Fore);
        EXPECT_EQ(rows[2].Back[ColChannel - 1], "1");
        EXPECT_EQ(rows[6].Fore, seventh.Fore);
        EXPECT_EQ(rows[3].Fore[ColRx - 1], "462.52500");
        EXPECT_EQ(rows[3].Fore[ColEncode - 1], "151.4");
    }

    QTemporaryDir folder;
    ScriptedMsgBox messages;
    std::unique_ptr<TfMainFrm> window;
};

TEST_F(ChannelEditorsEndToEndTest, CommandsOpenTheEditors)
{
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    QAction* edit = window->ActionOfTag(TagChannelEdit);
    QAction* batch = window->ActionOfTag(TagBatchChannelEdit);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(batch, nullptr);
    EXPECT_EQ(edit->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_EQ(batch->shortcut(), QKeySequence(Qt::Key_F10));

    // The tool button opens the editor too, on the grid's current channel.
    window->ChannelWindow()->gvData->setCurrentIndex(theChannels().index(11, 0));
    int shown = 0;
    WhenDialogShows<TfBInfoEdit>([&shown](TfBInfoEdit* editor) {
        shown = editor->sexd->value();
        editor->reject();
    });
    auto* tool = window->findChild<QAction*>("ToolButton3");
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->property("Tag").toInt(), TagChannelEdit);
    tool->trigger();
    EXPECT_EQ(shown, 12);

    bool batchShown = false;
    WhenDialogShows<TfBBatchEdit>([&batchShown](TfBBatchEdit* dialog) {
        batchShown = true;
        dialog->btnCancel->click();
    });
    window->DoCommand(TagBatchChannelEdit);
    EXPECT_TRUE(batchShown);
    EXPECT_FALSE(theAll().Modified);
}

TEST_F(ChannelEditorsEndToEndTest, EditedChannelsSaveAndOpenUnchanged)
{
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_NO_FATAL_FAILURE(EditChannels());
    const std::vector<TRowTexts> edited = AllRowTexts(theChannels());
    ASSERT_NO_FATAL_FAILURE(ExpectEditedChannels(edited));
    EXPECT_TRUE(theAll().Modified);
    const QString path = folder.filePath("edited.dat");
    window->ChooseSaveFile = [path] { return path; };
    window->ChooseOpenFile = [path] { return path; };

    window->DoCommand(TagSaveAs);
    window->DoCommand(TagNew);
    ASSERT_FALSE(theChannels().HoldsChannel(3));
    window->DoCommand(TagOpen);

    EXPECT_EQ(AllRowTexts(theChannels()), edited);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ChannelEditorsEndToEndTest, EditedChannelsWriteToTheRadioAndReadBackUnchanged)
{
    TVirtualRadio radio({});
    ASSERT_FALSE(radio.Port().isEmpty()) << radio.StandardError().toStdString();
    QFile sysInfo(AppPath() + "SysInfo.Ini");
    ASSERT_TRUE(sysInfo.open(QIODevice::WriteOnly));
    sysInfo.write("[SysInfo]\r\nCom=" + PortName.toLatin1() + "\r\n[Ports]\r\n" + PortName.toLatin1() + "="
                  + QFile::encodeName(radio.Port()) + "\r\n");
    sysInfo.close();
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    theAll().ComPort = PortName;
    ASSERT_NO_FATAL_FAILURE(EditChannels());
    const std::vector<TRowTexts> edited = AllRowTexts(theChannels());

    WhenDialogShows<TTransferDialog>([this](TTransferDialog* write) {
        write->btnOk->click();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !messages.Shown().empty(); }, 10000));
        write->btnCancel->click();
    });
    window->DoCommand(TagWrite);
    ASSERT_EQ(messages.Texts(), std::vector<QString>{theLanguage().WriteOk});
    theAll().Modified = false;
    window->DoCommand(TagNew);
    ASSERT_FALSE(theChannels().HoldsChannel(3));

    messages.Clear();
    WhenDialogShows<TTransferDialog>([](TTransferDialog* read) { read->btnOk->click(); });
    window->DoCommand(TagRead);

    EXPECT_EQ(messages.Texts(), std::vector<QString>{theLanguage().ReadOk});
    EXPECT_EQ(AllRowTexts(theChannels()), edited);
}

} // namespace

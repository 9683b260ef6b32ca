#include "app/MainWindow.h"

#include "channels/ChannelTable.h"
#include "channels/ChannelWindow.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/GlobalState.h"
#include "locale/LanguageDialog.h"
#include "settings/ModelDialog.h"
#include "support/FreshState.h"
#include "support/ModalDialogs.h"
#include "support/PseudoTerminal.h"
#include "support/ScriptedMsgBox.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>

// A main window over fresh start-up state in a private program folder; messages are answered by
// script, file dialogs by the test.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Starts the program with these SysInfo.Ini contents.
    void Start(const QByteArray& sysInfo = {})
    {
        if (!sysInfo.isEmpty())
            WriteTestFile(AppPath() + "SysInfo.Ini", sysInfo);
        DataModuleCreate(AppPath());
        window = std::make_unique<TfMainFrm>();
        window->ChooseOpenFile = [this] { ++openDialogs; return nextOpen; };
        window->ChooseSaveFile = [this] { ++saveDialogs; return nextSave; };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QString AppPath() const { return folder.path() + '/'; }
    TChannelTable& Table() { return theChannels(); }
    TfChInfo* Grid() { return window->ChannelWindow(); }

    // Types a text into a cell of the grid through its in-place editor and presses Enter.
    void TypeIntoCell(int channel, int column, const QString& keys)
    {
        QTableView* view = Grid()->gvData;
        const QModelIndex index = Table().index(channel - 1, column - 1);
        view->setCurrentIndex(index);
        view->edit(index);
        auto* editor = view->viewport()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(editor, nullptr);
        editor->clear();
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        // The closed editor goes at once, so the next edit finds only its own.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void AddChannel(int channel, const QString& rx)
    {
        TypeIntoCell(channel, ColRx, rx);
    }

    QTemporaryDir folder;
    ScriptedMsgBox messages;
    std::unique_ptr<TfMainFrm> window;
    QString nextOpen;
    QString nextSave;
    int openDialogs = 0;
    int saveDialogs = 0;
};

TEST_F(MainWindowTest, StartUpStateWithTheTwoModelCatalog)
{
    Start();
    const TALL& all = theAll();
    EXPECT_FALSE(window->SingleModel());
    EXPECT_TRUE(window->lMode->isVisible());
    EXPECT_FALSE(window->lCom->isVisible());
    EXPECT_EQ(window->stModel->text(), "K-640(UHF)");
    EXPECT_EQ(window->stFreq->text(), "450 - 470MHz");
    EXPECT_TRUE(window->ActionOfTag(TagModelInformation)->isVisible());
    EXPECT_EQ(window->MainBar[3]->text(), "Port: " + all.ComPort);
    EXPECT_EQ(window->windowTitle(), "K-640");
    EXPECT_EQ(all.BandMinFreq, 450.0);
    EXPECT_EQ(all.BandMaxFreq, 470.0);
    EXPECT_FALSE(all.Modified);
    ASSERT_NE(Grid(), nullptr);
    EXPECT_EQ(Table().ChannelCount(), 16);
    EXPECT_EQ(Table().Cell(16, ColChannel).Fore, "16");
    EXPECT_FALSE(window->ActionOfTag(TagTestOnline)->isVisible());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(MainWindowTest, StoredPortIsMatchedAgainstThePresentPorts)
{
    // Every other name is mapped away from the machine's own ports (which a parallel test may
    // hold for a moment), so only the pseudo-terminals are present.
    QByteArray hidden;
    for (int number = 1; number <= 256; ++number)
        hidden += "COM" + QByteArray::number(number) + "=/nonexistent\n";

    PseudoTerminal one;
    PseudoTerminal three;
    struct Case { QByteArray ports; const char* expected; };
    const Case cases[] = {
        {"COM1=" + one.Device().toUtf8() + "\nCOM3=" + three.Device().toUtf8(), "COM3"},
        {"COM1=" + one.Device().toUtf8(), "COM1"},
        {"", "COM3"},
    };
    for (const Case& c : cases) {
        Start("[SysInfo]\nCom=com3\n[Ports]\n" + c.ports + "\n" + hidden);
        EXPECT_EQ(theAll().ComPort, c.expected) << c.ports.constData();
        window.reset();
    }
}

TEST_F(MainWindowTest, NewAsksToSaveOnlyWhenModified)
{
    Start();
    window->DoCommand(TagNew);
    EXPECT_TRUE(messages.Shown().empty());

    AddChannel(1, "462.5625");
    theFun().Squelch = 9;
    ASSERT_TRUE(theAll().Modified);
    messages.Clear();
    messages.Answer({MsgResultNo});
    window->DoCommand(TagNew);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, theLanguage().SaveProgram);
    EXPECT_EQ(messages.Shown()[0].Kind, MsgYesNo);
    EXPECT_FALSE(Table().HoldsChannel(1));
    EXPECT_EQ(theFun().Squelch, 5);
    EXPECT_FALSE(theAll().Modified);
    EXPECT_EQ(theAll().ModelName, "K-640(UHF)");
}

TEST_F(MainWindowTest, SaveAsCancelledLeavesNoFileNameAndSaveAsksAgain)
{
    Start();
    window->DoCommand(TagSaveAs);
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_EQ(window->windowTitle(), "K-640");
    window->DoCommand(TagSave);
    EXPECT_EQ(saveDialogs, 2);

    nextSave = AppPath() + "radio.dat";
    AddChannel(2, "462.5625");
    window->DoCommand(TagSave);
    EXPECT_EQ(ReadTestFile(nextSave).size(), 992);
    EXPECT_EQ(window->FileName(), nextSave);
    EXPECT_EQ(window->windowTitle(), "K-640 [" + nextSave + "]");
    EXPECT_FALSE(theAll().Modified);

    // With a file name, Save writes without asking.
    window->DoCommand(TagSave);
    EXPECT_EQ(saveDialogs, 3);

    // A chosen file that cannot be written is reported and not taken as the codeplug's file.
    nextSave = AppPath() + "no-such-folder/radio.dat";
    window->DoCommand(TagSaveAs);
    ASSERT_FALSE(messages.Texts().empty());
    EXPECT_TRUE(messages.Texts().back().contains("no-such-folder"));
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_EQ(window->windowTitle(), "K-640");
}

TEST_F(MainWindowTest, OpenAsksToSaveFirstAndThenReplacesTheChannels)
{
    Start();
    const QString path = AppPath() + "fleet.dat";
    AddChannel(3, "455.0");
    nextSave = path;
    window->DoCommand(TagSave);
    ASSERT_FALSE(theAll().Modified);

    AddChannel(5, "460.0");
    ASSERT_TRUE(theAll().Modified);
    messages.Clear();
    messages.Answer({MsgResultNo});
    nextOpen = path;
    window->DoCommand(TagOpen);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], theLanguage().SaveProgram);
    EXPECT_TRUE(Table().HoldsChannel(3));
    EXPECT_FALSE(Table().HoldsChannel(5));
    EXPECT_EQ(window->FileName(), path);
    EXPECT_FALSE(theAll().Modified);

    // Cancel in the open dialog changes nothing.
    nextOpen.clear();
    window->DoCommand(TagOpen);
    EXPECT_EQ(window->FileName(), path);
}

TEST_F(MainWindowTest, OpeningAFileOfAnUnknownModelLeavesNoFileName)
{
    Start();
    QByteArray bytes(992, '\xFF');
    bytes.replace(0, 5, "P6651");
    const QString path = AppPath() + "other.dat";
    WriteTestFile(path, bytes);
    nextOpen = path;
    window->DoCommand(TagOpen);
    EXPECT_TRUE(window->FileName().isEmpty());
    EXPECT_EQ(window->windowTitle(), "K-640");
    ASSERT_FALSE(messages.Texts().empty());
    EXPECT_EQ(messages.Texts().back(), theLanguage().ModError);
}

TEST_F(MainWindowTest, ModelInformationClearsTheCodeplugForTheNewModel)
{
    Start();
    AddChannel(1, "462.5625");
    theFun().Squelch = 2;
    messages.Answer({MsgResultYes, MsgResultNo});  // clear the data: yes; save it: no
    WhenDialogShows<TfModel>([](TfModel* dialog) {
        dialog->cbCopmut->setCurrentIndex(dialog->cbCopmut->findText("K-640(VHF)"));
        EXPECT_EQ(dialog->cbPd->currentText(), "150 - 174MHz");
        dialog->btnOk->click();
    });
    window->DoCommand(TagModelInformation);
    ASSERT_EQ(messages.Texts().size(), 2u);
    EXPECT_EQ(messages.Texts()[0], theLanguage().ClearData);
    EXPECT_EQ(messages.Texts()[1], theLanguage().SaveProgram);
    const TALL& all = theAll();
    EXPECT_EQ(all.ModelName, "K-640(VHF)");
    EXPECT_EQ(all.BandText, "150 - 174MHz");
    EXPECT_EQ(window->stModel->text(), "K-640(VHF)");
    EXPECT_EQ(Table().ChannelCount(), 16);
    EXPECT_FALSE(Table().HoldsChannel(1));
    EXPECT_EQ(theFun(), TFun{});
    EXPECT_FALSE(all.Modified);
}

TEST_F(MainWindowTest, ModelInformationKeepsEverythingWhenClearingIsRefused)
{
    Start();
    AddChannel(1, "462.5625");
    messages.Answer({MsgResultNo});
    WhenDialogShows<TfModel>([](TfModel* dialog) {
        dialog->cbCopmut->setCurrentIndex(dialog->cbCopmut->findText("K-640(VHF)"));
        dialog->btnOk->click();
    });
    window->DoCommand(TagModelInformation);
    EXPECT_EQ(theAll().ModelName, "K-640(UHF)");
    EXPECT_TRUE(Table().HoldsChannel(1));
    EXPECT_TRUE(theAll().Modified);
}

TEST_F(MainWindowTest, TypingIntoTheGridFiltersKeysAndAppliesTheFrequencyRules)
{
    Start();
    TypeIntoCell(1, ColRx, "4a62,.5x63");  // letters and commas never reach the cell
    EXPECT_EQ(Table().Cell(1, ColRx).Fore, "462.56000");
    EXPECT_EQ(Table().Cell(1, ColTx).Fore, "462.56000");
    EXPECT_EQ(Table().Cell(1, ColPower).Fore, "High");
    EXPECT_EQ(Table().Cell(1, ColChannel).Back, "1");
    EXPECT_TRUE(theAll().Modified);

    TypeIntoCell(2, ColRx, "700");
    ASSERT_FALSE(messages.Texts().empty());
    EXPECT_EQ(messages.Texts().back(), theLanguage().ErrRange);
    EXPECT_EQ(Table().Cell(2, ColRx).Fore, "470.00000");

    TypeIntoCell(1, ColTx, "467.5625");
    EXPECT_EQ(Table().Cell(1, ColTx).Fore, "467.56250");
    EXPECT_EQ(Table().Cell(1, ColRx).Fore, "462.56000");

    // Deleting RX empties the row; the TX cell of an empty row cannot be edited.
    TypeIntoCell(2, ColRx, "");
    EXPECT_FALSE(Table().HoldsChannel(2));
    EXPECT_FALSE(Table().flags(Table().index(1, ColTx - 1)).testFlag(Qt::ItemIsEditable));
}

TEST_F(MainWindowTest, InPlaceListsWriteIntoTheirCell)
{
    Start();
    AddChannel(1, "462.5625");
    TfChInfo* grid = Grid();
    QTableView* view = grid->gvData;

    view->setCurrentIndex(Table().index(0, ColPower - 1));
    ASSERT_TRUE(grid->cbfsgl->isVisible());
    EXPECT_EQ(grid->cbfsgl->currentIndex(), 1);
    grid->cbfsgl->setCurrentIndex(0);
    emit grid->cbfsgl->activated(0);
    EXPECT_EQ(Table().Cell(1, ColPower).Fore, "Low");
    EXPECT_EQ(Table().Cell(1, ColPower).Back, "0");

    view->setCurrentIndex(Table().index(0, ColBusyLockout - 1));
    ASSERT_TRUE(grid->cbHave->isVisible());
    EXPECT_FALSE(grid->cbfsgl->isVisible());
    grid->cbHave->setCurrentIndex(0);
    emit grid->cbHave->activated(0);
    EXPECT_EQ(Table().Cell(1, ColBusyLockout).Fore, "Yes");

    // A tone typed into the decode list passes the tone rule when Enter is pressed.
    view->setCurrentIndex(Table().index(0, ColDecode - 1));
    ASSERT_TRUE(grid->cbQT->isVisible());
    grid->cbQT->lineEdit()->clear();
    QTest::keyClicks(grid->cbQT->lineEdit(), "d23n,");
    EXPECT_EQ(grid->cbQT->currentText(), "d23n");
    QTest::keyClick(grid->cbQT->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Table().Cell(1, ColDecode).Fore, "D777N");
    EXPECT_FALSE(grid->cbQT->isVisible());

    // No list over an empty row, and no encode list while TX is empty.
    view->setCurrentIndex(Table().index(1, ColPower - 1));
    EXPECT_FALSE(grid->cbfsgl->isVisible());
    TypeIntoCell(1, ColTx, "");
    view->setCurrentIndex(Table().index(0, ColEncode - 1));
    EXPECT_FALSE(grid->cbDQT->isVisible());
}

TEST_F(MainWindowTest, SwitchingTheLanguageRelabelsTheGridButKeepsTheData)
{
    WriteTestFile(AppPath() + "Test.Ini",
              "[Language]\nConfirmation=Question\n"
              "[fChInfo]\nBColText.5=Leistung\ncbfsgl.1=Hoch\ncbQT.0=Keiner\n"
              "[fMainFrm]\nlMode.Caption=Modell:\n");
    Start("[SysInfo]\nLanguage=Chinese|Test\n");
    AddChannel(1, "462.5625");
    const QString noneBefore = Table().Cell(1, ColDecode).Fore;
    Table().ComBoxSetData(1, ColEncode, 0, "67.0");

    WhenDialogShows<TfSetLanguage>([](TfSetLanguage* dialog) {
        dialog->cbLanguage->setCurrentIndex(1);
        dialog->btnOk->click();
    });
    window->DoCommand(TagLanguage);

    EXPECT_EQ(theAll().LanguageName, "Test");
    EXPECT_EQ(theAll().LanguageIndex, 1);
    EXPECT_EQ(theLanguage().Confirmation, "Question");
    EXPECT_EQ(window->lMode->text(), "Modell:");
    EXPECT_EQ(Table().Cell(1, ColPower).Fore, "Hoch");
    EXPECT_EQ(Table().Cell(1, ColPower).Back, "1");
    EXPECT_EQ(noneBefore, "None");
    EXPECT_EQ(Table().Cell(1, ColDecode).Fore, "Keiner");
    EXPECT_EQ(Table().Cell(1, ColEncode).Fore, "67.0");
    EXPECT_EQ(Table().headerData(ColPower - 1, Qt::Horizontal, Qt::DisplayRole).toString(), "Leistung");
}

TEST_F(MainWindowTest, ViewTogglesHideAndShowTheBars)
{
    Start();
    window->nCool->trigger();
    EXPECT_FALSE(window->pBar->isVisible());
    EXPECT_FALSE(window->nCool->isChecked());
    EXPECT_TRUE(window->Panel5->isVisible());
    window->nBar->trigger();
    EXPECT_FALSE(window->statusBar()->isVisible());
    window->nCool->trigger();
    window->nBar->trigger();
    EXPECT_TRUE(window->pBar->isVisible());
    EXPECT_TRUE(window->statusBar()->isVisible());
    EXPECT_TRUE(window->nCool->isChecked());
    EXPECT_TRUE(window->nBar->isChecked());
}

TEST_F(MainWindowTest, ClosingTheChannelWindowOnlyMinimisesIt)
{
    Start();
    auto* sub = qobject_cast<QMdiSubWindow*>(Grid()->parentWidget());
    ASSERT_NE(sub, nullptr);
    sub->close();
    EXPECT_TRUE(sub->isMinimized());
    window->DoCommand(TagCloseAll);
    EXPECT_NE(window->ChannelWindow(), nullptr);
    EXPECT_EQ(Table().ChannelCount(), 16);
}

TEST_F(MainWindowTest, TilingFillsTheFrame)
{
    Start();
    auto* sub = qobject_cast<QMdiSubWindow*>(Grid()->parentWidget());
    const QRect area = sub->mdiArea()->viewport()->rect();
    window->DoCommand(TagTileHorizontally);
    EXPECT_EQ(sub->geometry(), area);
    window->DoCommand(TagCascade);
    EXPECT_NE(sub->geometry(), area);
    window->DoCommand(TagTileVertically);
    EXPECT_EQ(sub->geometry(), area);
}

TEST_F(MainWindowTest, ExitAsksAndSavesTheSettingsOnlyWhenLeaving)
{
    Start();
    const QString sysInfo = AppPath() + "SysInfo.Ini";
    messages.Answer({MsgResultNo});
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFile::exists(sysInfo));

    AddChannel(1, "462.5625");
    messages.Clear();
    messages.Answer({MsgResultYes, MsgResultNo});  // exit: yes; save the codeplug: no
    EXPECT_TRUE(window->close());
    ASSERT_EQ(messages.Texts().size(), 2u);
    EXPECT_EQ(messages.Texts()[0], theLanguage().ExitProgram);
    EXPECT_EQ(messages.Texts()[1], theLanguage().SaveProgram);
    const QByteArray saved = ReadTestFile(sysInfo);
    EXPECT_TRUE(saved.contains("Com=" + theAll().ComPort.toUtf8()));
    EXPECT_TRUE(saved.contains("DefaultLanguage=0"));
    EXPECT_TRUE(saved.contains("PicID=0"));
}

#include "app/MainWindow.h"

#include "channels/ChannelTable.h"
#include "channels/ChannelWindow.h"
#include "channels/ToneBox.h"
#include "channels/ToneOptionDialog.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/GlobalState.h"
#include "locale/LanguageDialog.h"
#include "radio/ReadRadioDialog.h"
#include "settings/ModelDialog.h"
#include "support/FreshState.h"
#include "support/ModalDialogs.h"
#include "support/PseudoTerminal.h"
#include "support/ScriptedMsgBox.h"
#include "support/TestFiles.h"

#include <QAction>
#include <algorithm>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>
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
        platformSaveDialog = window->ChooseSaveFile;
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

    // Starts the program and saves a codeplug of one channel at 455 MHz into the file of this
    // name, which becomes the codeplug's file.
    QString StartWithSavedFile(const QString& name, int channel)
    {
        Start();
        const QString path = AppPath() + name;
        AddChannel(channel, "455.0");
        nextSave = path;
        window->DoCommand(TagSave);
        EXPECT_FALSE(theAll().Modified);
        return path;
    }

    // Switches to the VHF model in the model dialog and presses OK.
    static void ChooseVhfWhenTheModelDialogShows()
    {
        WhenDialogShows<TfModel>([](TfModel* dialog) {
            dialog->cbCopmut->setCurrentIndex(dialog->cbCopmut->findText("K-640(VHF)"));
            dialog->btnOk->click();
        });
    }

    QTemporaryDir folder;
    ScriptedMsgBox messages;
    std::unique_ptr<TfMainFrm> window;
    std::function<QString()> platformSaveDialog;
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
    EXPECT_EQ(messages.Shown()[0].Kind, MsgYesNoCancel);
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
    const QString path = StartWithSavedFile("fleet.dat", 3);
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

// Drags these files over the window and drops them when it takes them; true when it did.
static bool DropFiles(QWidget* window, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QApplication::processEvents();
    return drop.isAccepted();
}

TEST_F(MainWindowTest, DroppingADatFileAsksToSaveFirstAndOpensIt)
{
    const QString path = StartWithSavedFile("fleet.dat", 3);
    EXPECT_FALSE(DropFiles(window.get(), {AppPath() + "notes.txt"}));
    EXPECT_FALSE(DropFiles(window.get(), {path, path}));

    AddChannel(5, "460.0");
    messages.Clear();
    messages.Answer({MsgResultCancel});
    EXPECT_TRUE(DropFiles(window.get(), {path}));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], theLanguage().SaveProgram);
    EXPECT_TRUE(Table().HoldsChannel(5)) << "Cancel keeps the edited codeplug";
    EXPECT_TRUE(theAll().Modified);

    messages.Answer({MsgResultNo});
    EXPECT_TRUE(DropFiles(window.get(), {path}));
    EXPECT_FALSE(Table().HoldsChannel(5));
    EXPECT_TRUE(Table().HoldsChannel(3));
    EXPECT_EQ(window->FileName(), path);
    EXPECT_FALSE(theAll().Modified);
}

// The texts of the visible recent-file entries of the File menu, top down.
static QStringList RecentEntries(const TfMainFrm& window)
{
    QStringList texts;
    for (int i = 1; i <= 4; ++i) {
        auto* entry = window.findChild<QAction*>(QStringLiteral("nRecent%1").arg(i));
        if (entry && entry->isVisible())
            texts.append(entry->text());
    }
    return texts;
}

TEST_F(MainWindowTest, RecentFilesListTheLastFourAcrossARestart)
{
    Start();
    EXPECT_TRUE(RecentEntries(*window).isEmpty());
    EXPECT_FALSE(window->findChild<QAction*>("nRecentFiles")->isVisible());
    QStringList paths;
    for (const char* name : {"a.dat", "b&c.dat", "c.dat", "d.dat", "e.dat"}) {
        paths.append(AppPath() + name);
        nextSave = paths.back();
        window->DoCommand(TagSaveAs);
    }
    nextOpen = paths[1];  // opening again moves a file to the top, once
    window->DoCommand(TagOpen);
    const QStringList expected{"&1 " + AppPath() + "b&&c.dat", "&2 " + paths[4], "&3 " + paths[3],
                               "&4 " + paths[2]};
    EXPECT_EQ(RecentEntries(*window), expected);

    messages.Answer({MsgResultYes});
    ASSERT_TRUE(window->close());
    Start();
    EXPECT_EQ(RecentEntries(*window), expected);

    // An entry opens its file; one whose file has gone says so and leaves the list.
    window->findChild<QAction*>("nRecent2")->trigger();
    EXPECT_EQ(window->FileName(), paths[4]);
    ASSERT_TRUE(QFile::remove(paths[3]));
    messages.Clear();
    window->findChild<QAction*>("nRecent3")->trigger();
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(RecentEntries(*window),
              (QStringList{"&1 " + paths[4], "&2 " + AppPath() + "b&&c.dat", "&3 " + paths[2]}));
}

TEST_F(MainWindowTest, EveryCommandThatAsksToSaveCanBeCancelledWithoutLoss)
{
    // Each command meets a modified codeplug and the save question; each way of not saving
    // (Cancel, a cancelled save dialog, a failed save) ends the command with everything kept.
    enum Command { New, Open, Model, Read, Close };
    enum Ending { CancelQuestion, CancelSaveDialog, FailedSave };
    const char* const commandNames[] = {"New", "Open", "Model Information", "Read", "Close"};
    const char* const endingNames[] = {"Cancel", "save dialog cancelled", "save failed"};
    Start();
    const QString other = AppPath() + "other.dat";
    nextSave = other;
    window->DoCommand(TagSave);
    nextSave.clear();
    window->DoCommand(TagSaveAs);  // leaves no file name behind, so Save asks for one
    ASSERT_TRUE(QFile::exists(other));

    for (const Command command : {New, Open, Model, Read, Close}) {
        for (const Ending ending : {CancelQuestion, CancelSaveDialog, FailedSave}) {
            SCOPED_TRACE(std::string(commandNames[command]) + ", " + endingNames[ending]);
            AddChannel(1, "462.5625");
            ASSERT_TRUE(theAll().Modified);
            messages.Clear();
            if (command == Close)
                messages.Answer({MsgResultYes});  // exit: yes
            if (command == Model)
                messages.Answer({MsgResultYes});  // clear the data: yes
            messages.Answer({ending == CancelQuestion ? MsgResultCancel : MsgResultYes});
            nextSave = ending == FailedSave ? AppPath() + "no-such-folder/a.dat" : QString();
            nextOpen = other;
            const int opened = openDialogs;
            bool readDialogShown = false;
            switch (command) {
            case New: window->DoCommand(TagNew); break;
            case Open: window->DoCommand(TagOpen); break;
            case Model:
                ChooseVhfWhenTheModelDialogShows();
                window->DoCommand(TagModelInformation);
                break;
            case Read:
                WhenDialogShows<TfReadRadio>([&readDialogShown](TfReadRadio* dialog) {
                    readDialogShown = true;
                    dialog->reject();
                });
                window->DoCommand(TagRead);
                break;
            case Close: EXPECT_FALSE(window->close()); break;
            }
            const std::vector<TShownMessage> shown = messages.Shown();
            EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const TShownMessage& m) {
                return m.Text == theLanguage().SaveProgram && m.Kind == MsgYesNoCancel;
            }));
            EXPECT_TRUE(Table().HoldsChannel(1));
            EXPECT_EQ(Table().Cell(1, ColRx).Fore, "462.56250");
            EXPECT_TRUE(theAll().Modified);
            EXPECT_EQ(theAll().ModelName, "K-640(UHF)");
            EXPECT_TRUE(window->FileName().isEmpty());
            EXPECT_EQ(openDialogs, opened);
            EXPECT_FALSE(readDialogShown);
            EXPECT_TRUE(window->isVisible());
        }
    }
}

TEST_F(MainWindowTest, ModelInformationSavesTheOldCodeplugBeforeItSwitches)
{
    const QString path = StartWithSavedFile("b.dat", 1);
    AddChannel(5, "460.0");
    ASSERT_TRUE(theAll().Modified);

    // OK with model and band as they are changes nothing and asks nothing.
    messages.Clear();
    WhenDialogShows<TfModel>([](TfModel* dialog) { dialog->btnOk->click(); });
    window->DoCommand(TagModelInformation);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(Table().HoldsChannel(5));
    EXPECT_EQ(window->FileName(), path);
    EXPECT_TRUE(theAll().Modified);

    messages.Answer({MsgResultYes, MsgResultYes});  // clear the data: yes; save it: yes
    ChooseVhfWhenTheModelDialogShows();
    window->DoCommand(TagModelInformation);
    EXPECT_EQ(theAll().ModelName, "K-640(VHF)");
    EXPECT_FALSE(Table().HoldsChannel(5));
    EXPECT_TRUE(window->FileName().isEmpty());

    // b.dat holds the old codeplug, whole, under its own model.
    ASSERT_TRUE(ReadCodeplugFile(path).Ok());
    EXPECT_EQ(theAll().ModelName, "K-640(UHF)");
    EXPECT_EQ(theAll().BandText, "450 - 470MHz");
    EXPECT_EQ(Table().Cell(1, ColRx).Fore, "455.00000");
    EXPECT_EQ(Table().Cell(5, ColRx).Fore, "460.00000");
}

TEST_F(MainWindowTest, ReadAsksToSaveBeforeTheReadDialogOpens)
{
    Start();
    AddChannel(1, "462.5625");
    messages.Answer({MsgResultNo});
    bool askedFirst = false;
    WhenDialogShows<TfReadRadio>([&](TfReadRadio* dialog) {
        askedFirst = !messages.Texts().empty() && messages.Texts()[0] == theLanguage().SaveProgram;
        dialog->reject();
    });
    window->DoCommand(TagRead);
    EXPECT_TRUE(askedFirst);
    // Nothing was read, so nothing is replaced.
    EXPECT_TRUE(Table().HoldsChannel(1));
}

TEST_F(MainWindowTest, SaveAsAsksBeforeItReplacesAFileAndShowsThePatternOnce)
{
    Start();
    const QString path = AppPath() + "fleet.dat";
    WriteTestFile(path, "keep me");
    struct Seen { QStringList filters; QString question; } seen;
    const auto chooseWithAnswer = [&](QMessageBox::StandardButton answer) {
        WhenDialogShows<QFileDialog>([&, answer](QFileDialog* dialog) {
            seen.filters = dialog->nameFilters();
            WhenDialogShows<QMessageBox>([&, answer](QMessageBox* box) {
                seen.question = box->text();
                box->button(answer)->click();
            });
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);  // as the Save button
            if (dialog->isVisible())
                dialog->reject();
        });
        return platformSaveDialog();
    };

    EXPECT_TRUE(chooseWithAnswer(QMessageBox::No).isEmpty());
    EXPECT_EQ(seen.filters, QStringList{"Data File(*.dat)"});
    EXPECT_TRUE(seen.question.contains("fleet.dat")) << seen.question.toStdString();
    EXPECT_EQ(ReadTestFile(path), "keep me");
}

TEST_F(MainWindowTest, FailedSaveOfANewFileDoesNotClaimAnOldOneWasKept)
{
    Start();
    const QString path = AppPath() + "no-such-folder/radio.dat";
    nextSave = path;
    window->DoCommand(TagSaveAs);
    ASSERT_FALSE(messages.Texts().empty());
    const QString shown = messages.Texts().back();
    EXPECT_TRUE(shown.startsWith(theLanguage().FileCreateError.section("%2", 0, 0).arg(path)))
        << shown.toStdString();
    EXPECT_FALSE(shown.contains(theLanguage().FileSaveError.section("%2", 1)));
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

TEST_F(MainWindowTest, TypedTonesReachTheToneRuleWithoutCompletion)
{
    Start();
    AddChannel(1, "462.5625");
    QComboBox* list = Grid()->cbQT;
    struct Case { const char* typed; const char* stored; };
    const Case cases[] = {{"88", "88.0"}, {"25", "30.0"}, {"2", "30.0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Grid()->gvData->setCurrentIndex(Table().index(0, ColDecode - 1));
        ASSERT_TRUE(list->isVisible());
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), c.typed);
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(Table().Cell(1, ColDecode).Fore, c.stored);
        Grid()->gvData->setCurrentIndex(Table().index(0, ColChannel - 1));
    }
}

TEST_F(MainWindowTest, ToneCellTakesTheTonePickedInThePicker)
{
    Start();
    AddChannel(1, "462.5625");
    Grid()->gvData->setCurrentIndex(Table().index(0, ColEncode - 1));
    ASSERT_TRUE(Grid()->cbDQT->isVisible());
    WhenDialogShows<TfToneOption>([](TfToneOption* picker) {
        picker->rDCSI->click();
        const QList<QTableWidgetItem*> found = picker->gvDcsI->findItems("D245I", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        picker->PickTone(picker->gvDcsI, found[0]->row(), found[0]->column());
    });

    QTest::mouseDClick(Grid()->cbDQT->lineEdit(), Qt::LeftButton);

    EXPECT_EQ(Table().Cell(1, ColEncode).Fore, "D245I");
    EXPECT_EQ(Table().Cell(1, ColDecode).Fore, "None");
}

TEST_F(MainWindowTest, MovingThroughTheGridWithTheKeyboardChangesNoValue)
{
    Start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (int channel : {1, 2, 3})
        AddChannel(channel, "462.5625");
    Table().ComBoxSetData(1, ColDecode, 0, "D023I");
    Table().ComBoxSetData(2, ColEncode, 0, "67.0");
    const auto snapshot = [this] {
        QStringList cells;
        for (int channel = 1; channel <= 3; ++channel)
            for (int column = 1; column <= ChannelColumnCount; ++column)
                cells << Table().Cell(channel, column).Fore + '/' + Table().Cell(channel, column).Back;
        return cells;
    };
    const QStringList before = snapshot();
    QTableView* view = Grid()->gvData;
    const auto pressOn = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    };
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(Table().index(0, ColChannel - 1)).center());

    struct Step { Qt::Key key; int row; int column; };
    const Step steps[] = {
        {Qt::Key_Right, 1, ColRx}, {Qt::Key_Right, 1, ColTx}, {Qt::Key_Right, 1, ColDecode},
        {Qt::Key_Right, 1, ColEncode}, {Qt::Key_Right, 1, ColPower}, {Qt::Key_Down, 2, ColPower},
        {Qt::Key_Left, 2, ColEncode}, {Qt::Key_Up, 1, ColEncode}, {Qt::Key_Left, 1, ColDecode},
        {Qt::Key_Down, 2, ColDecode}, {Qt::Key_Tab, 2, ColEncode}, {Qt::Key_Tab, 2, ColPower},
        {Qt::Key_Up, 1, ColPower}, {Qt::Key_Backtab, 1, ColEncode}, {Qt::Key_End, 1, ColBusyLockout},
        {Qt::Key_Down, 2, ColBusyLockout}, {Qt::Key_Home, 2, ColChannel},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "key " << s.key << " to row " << s.row << " column " << s.column);
        pressOn(s.key);
        EXPECT_EQ(view->currentIndex(), Table().index(s.row - 1, s.column - 1));
        EXPECT_EQ(snapshot(), before);
    }

    // The wheel over a closed list scrolls nothing into it.
    view->setCurrentIndex(Table().index(0, ColPower - 1));
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Grid()->cbfsgl, &wheel);
    EXPECT_EQ(snapshot(), before);

    // Escape takes back what was typed into a tone cell.
    view->setCurrentIndex(Table().index(0, ColDecode - 1));
    QTest::keyClicks(QApplication::focusWidget(), "7");
    pressOn(Qt::Key_Escape);
    EXPECT_FALSE(Grid()->cbQT->isVisible());
    EXPECT_EQ(snapshot(), before);

    // A list opened with F4 (or Alt+Down) chooses.
    view->setCurrentIndex(Table().index(0, ColPower - 1));
    pressOn(Qt::Key_F4);
    ASSERT_TRUE(Grid()->cbfsgl->view()->isVisible());
    QTest::keyClick(Grid()->cbfsgl->view(), Qt::Key_Up);
    QTest::keyClick(Grid()->cbfsgl->view(), Qt::Key_Return);
    EXPECT_EQ(Table().Cell(1, ColPower).Fore, "Low");
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

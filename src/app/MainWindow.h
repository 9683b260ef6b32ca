#pragma once
// The program's main window: a multiple-document frame with the menu bar, the tool bar, the model
// and band line, the status bar and the channel grid window. Every menu item and tool button
// carries a command number (its "Tag"); DoCommand runs the command of a number.

#include "codeplug/RowCodec.h"
#include "print/PrintData.h"

#include <QMainWindow>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class THelpLauncher;
class TfChInfo;

enum TCommandTag {
    TagNew = 1,
    TagOpen = 2,
    TagSave = 3,
    TagSaveAs = 4,
    TagPrint = 7,
    TagPrintPreview = 8,
    TagModelInformation = 9,
    TagChannelEdit = 10,
    TagTestFrequency = 18,
    TagEmbeddedMessage = 19,
    TagRead = 20,
    TagWrite = 21,
    TagTestOnline = 22,
    TagCommunicationPort = 24,
    TagLanguage = 25,
    TagTreeView = 26,
    TagToolbar = 27,
    TagStatusBar = 28,
    TagCascade = 29,
    TagTileHorizontally = 30,
    TagTileVertically = 31,
    TagArrangeIcons = 32,
    TagCloseAll = 33,
    TagHelp = 34,
    TagAbout = 35,
    TagBatchChannelEdit = 36,
    TagFunctionSetting = 37,
};

class TfMainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMainFrm(QWidget* parent = nullptr);
    ~TfMainFrm() override;

    void DoCommand(int tag);
    void RefreshStatus();
    void NewCodeplug();
    void ShowChannelGrid();
    // Puts the channels of a completed read into the channel grid.
    void TakeStagedChannels(const std::vector<std::optional<TChannel>>& staged);
    // Opens a codeplug file given on the command line, dropped on the window or chosen from the
    // recent files: the save question first when modified, then the checks of Open.
    void OpenCodeplugFile(const QString& path);

    const QString& FileName() const { return m_fileName; }
    bool SingleModel() const { return m_singleModel; }
    TfChInfo* ChannelWindow() const { return m_channelWindow; }
    QAction* ActionOfTag(int tag) const;

    // The file dialogs, replaceable so tests can answer them. Each gives the chosen path, or an
    // empty text for Cancel.
    std::function<QString()> ChooseOpenFile;
    std::function<QString()> ChooseSaveFile;
    // Hands the printout to the print dialog or the preview window, replaceable so tests can
    // look at what a command prints.
    std::function<void(const TPrintData& data, bool preview)> ShowReport;

    // Components named as the language files know them.
    QToolBar* pBar;
    QToolBar* Panel5;
    QLabel* lMode;
    QLabel* stModel;
    QLabel* Label4;
    QLabel* stFreq;
    QLabel* lCom;
    QComboBox* cbFreq;
    QComboBox* cbCom;
    QLabel* MainBar[5];
    QAction* nCool;
    QAction* nBar;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildModelLine();
    void buildStatusBar();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, int tag,
                        const QKeySequence& shortcut = {}, bool visible = true);
    void FormShow();
    void applyLayoutBySingleModel();
    void openCodeplug();
    void loadCodeplug(const QString& path);
    // Puts path first in the recent files of the settings, or takes it out when it is not
    // usable, and shows the list.
    void rememberRecentFile(const QString& path, bool usable);
    // Shows the recent files of the settings in the File menu.
    void refreshRecentFiles();
    // True when the codeplug was written.
    bool saveCodeplug();
    void saveCodeplugAs();
    void modelInformation();
    // Opens the channel editor on the channel of the grid's current row.
    void channelEdit();
    void readFromRadio();
    void writeToRadio();
    void communicationPort();
    void languageFileSetup();
    // Prints or previews the codeplug as it is now.
    void PrintCodeplug(bool preview);
    // Asks "SaveProgram" when the codeplug is modified. True when the command may go on: nothing
    // to save, No, or Yes and the save went through; Cancel, a cancelled save dialog or a failed
    // save keep everything as it was.
    bool askToSave();
    // Empties the channels and resets the settings, without asking.
    void clearCodeplug();
    void tileChildWindows(Qt::Orientation stacking);
    void TimerTimer();

    QMdiArea* m_mdi;
    QMdiSubWindow* m_channelSubWindow = nullptr;
    TfChInfo* m_channelWindow = nullptr;
    THelpLauncher* m_help;
    QList<QAction*> m_recentFiles;
    QAction* m_recentSeparator = nullptr;
    QString m_fileName;
    bool m_singleModel = false;
    bool m_shown = false;
};

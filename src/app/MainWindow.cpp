#include "app/MainWindow.h"

#include "app/Artwork.h"
#include "app/HelpLauncher.h"
#include "app/MainWindowTexts.h"
#include "app/Startup.h"
#include "channels/BatchEditDialog.h"
#include "channels/ChannelEditDialog.h"
#include "channels/ChannelTable.h"
#include "channels/ChannelWindow.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/GlobalState.h"
#include "locale/AboutBox.h"
#include "locale/FileLocations.h"
#include "locale/TranslateForm.h"
#include "locale/LanguageDialog.h"
#include "locale/MsgBox.h"
#include "locale/SysInfo.h"
#include "print/PrintCommands.h"
#include "radio/ComPorts.h"
#include "radio/PortDialog.h"
#include "radio/ReadRadioDialog.h"
#include "radio/WriteRadioDialog.h"
#include "settings/EmbeddedMessageDialog.h"
#include "settings/FunctionSettingsDialog.h"
#include "settings/ModelDialog.h"
#include "settings/TestFrequencyDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

// Closing a child window only minimises it: the channel table lives as long as the program.
class TChildWindow final : public QMdiSubWindow {
public:
    using QMdiSubWindow::QMdiSubWindow;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        showMinimized();
    }
};

// The file dialog shows the text as it stands and takes the pattern from its parentheses.
const QString FileFilter = QStringLiteral("Data File(*.dat)");

} // namespace

TfMainFrm::TfMainFrm(QWidget* parent)
    : QMainWindow(parent)
    , m_help(new THelpLauncher(this))
{
    setObjectName(QString::fromLatin1(MainWindowFormName));
    setWindowTitle(QStringLiteral("TR6651"));
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setBackground(QBrush(BackgroundTile()));
    setCentralWidget(m_mdi);

    buildMenus();
    buildToolBar();
    buildModelLine();
    buildStatusBar();

    ChooseOpenFile = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(), FileFilter);
    };
    ChooseSaveFile = [this] {
        QFileDialog dialog(this, QString(), QString(), FileFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("dat"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    ShowReport = [this](const TPrintData& data, bool preview) {
        const QDateTime now = QDateTime::currentDateTime();
        if (preview) {
            TfPrintPreview previewWindow(data, now, this);
            previewWindow.exec();
        } else {
            PrintReport(this, data, now);
        }
    };

    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer"));
    connect(timer, &QTimer::timeout, this, &TfMainFrm::TimerTimer);
    timer->start(1000);
}

TfMainFrm::~TfMainFrm() = default;

QAction* TfMainFrm::addCommand(QMenu* menu, const char* name, const QString& caption, int tag,
                               const QKeySequence& shortcut, bool visible)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("Tag", tag);
    action->setShortcut(shortcut);
    action->setVisible(visible);
    menu->addAction(action);
    if (tag > 0 && tag != TagToolbar && tag != TagStatusBar && tag != TagTreeView)
        connect(action, &QAction::triggered, this, [this, tag] { DoCommand(tag); });
    return action;
}

void TfMainFrm::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto menu = [bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    const auto separator = [this](QMenu* m, const char* name, bool visible = true) {
        QAction* s = m->addSeparator();
        s->setObjectName(QString::fromLatin1(name));
        s->setVisible(visible);
    };

    QMenu* file = menu("nFile", tr("&File"));
    addCommand(file, "N1", tr("&New"), TagNew, QKeySequence(Qt::CTRL | Qt::Key_N));
    addCommand(file, "O1", tr("&Open"), TagOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    addCommand(file, "S2", tr("&Save"), TagSave, QKeySequence(Qt::CTRL | Qt::Key_S));
    addCommand(file, "A1", tr("Save &As"), TagSaveAs, QKeySequence(Qt::CTRL | Qt::Key_A));
    separator(file, "N11");
    addCommand(file, "P2", tr("&Print"), TagPrint, QKeySequence(Qt::CTRL | Qt::Key_P));
    addCommand(file, "V2", tr("Print Pre&view"), TagPrintPreview, QKeySequence(Qt::CTRL | Qt::Key_V));
    m_recentSeparator = file->addSeparator();
    m_recentSeparator->setObjectName(QStringLiteral("nRecentFiles"));
    for (int i = 0; i < RecentFileCount; ++i) {
        QAction* recent = file->addAction(QString());
        recent->setObjectName(QStringLiteral("nRecent%1").arg(i + 1));
        connect(recent, &QAction::triggered, this, [this, recent] { OpenCodeplugFile(recent->data().toString()); });
        m_recentFiles.append(recent);
    }
    refreshRecentFiles();
    separator(file, "N3");
    QAction* exit = addCommand(file, "nExit", tr("&Exit"), 0, QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menu("nEdit", tr("&Edit"));
    addCommand(edit, "E1", tr("&Channel Edit"), TagChannelEdit, QKeySequence(Qt::Key_F11));
    addCommand(edit, "E2", tr("&Batch Channel Edit"), TagBatchChannelEdit, QKeySequence(Qt::Key_F10));
    separator(edit, "D1");
    addCommand(edit, "E12", tr("Function &Setting"), TagFunctionSetting);
    separator(edit, "D5", false);
    addCommand(edit, "E10", tr("&Test Frequency"), TagTestFrequency, {}, false);
    addCommand(edit, "E11", tr("Embedded &Message"), TagEmbeddedMessage, {}, false);

    QMenu* program = menu("nProgram", tr("&Program"));
    addCommand(program, "R1", tr("&Read From Radio"), TagRead, QKeySequence(Qt::CTRL | Qt::Key_R));
    addCommand(program, "W2", tr("&Write To Radio"), TagWrite, QKeySequence(Qt::CTRL | Qt::Key_W));
    separator(program, "N2");
    addCommand(program, "T1", tr("&Test Online"), TagTestOnline, {}, false);

    QMenu* setup = menu("nSetup", tr("&Setup"));
    addCommand(setup, "N4", tr("&Model Information"), TagModelInformation);
    separator(setup, "N9");
    addCommand(setup, "C2", tr("&Communication Port"), TagCommunicationPort);
    addCommand(setup, "nLanguage", tr("Language File Setup"), TagLanguage);

    QMenu* view = menu("nView", tr("&View"));
    addCommand(view, "T4", tr("Tree &View"), TagTreeView, {}, false);
    separator(view, "N8", false);
    nCool = addCommand(view, "nCool", tr("&Toolbar"), TagToolbar);
    nBar = addCommand(view, "nBar", tr("&Status bar"), TagStatusBar);
    for (QAction* toggle : {nCool, nBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(nCool, &QAction::toggled, this, [this](bool on) { pBar->setVisible(on); });
    connect(nBar, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* window = menu("nWindow", tr("&Window"));
    window->menuAction()->setVisible(false);
    addCommand(window, "nC", tr("&Cascade"), TagCascade, {}, false);
    addCommand(window, "nH", tr("Tile Windows &Horizontally"), TagTileHorizontally, {}, false);
    addCommand(window, "nV", tr("Tile Windows &Vertically"), TagTileVertically, {}, false);
    addCommand(window, "npl", tr("&Arrange Icons"), TagArrangeIcons, {}, false);
    separator(window, "N13", false);
    addCommand(window, "nCloseAll", tr("Close All &Windows"), TagCloseAll, {}, false);

    QMenu* help = menu("nHelp", tr("&Help"));
    addCommand(help, "nHelpTopics", tr("&Help Topics"), TagHelp);
    separator(help, "N10");
    addCommand(help, "nAbout", tr("About..."), TagAbout);
}

void TfMainFrm::buildToolBar()
{
    pBar = new QToolBar(tr("Tool bar"), this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setMovable(false);
    pBar->setFloatable(false);
    pBar->setIconSize(QSize(16, 16));
    pBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, pBar);

    struct Button { const char* name; int tag; const char* hint; int glyph; bool dividerAfter; };
    const Button buttons[] = {
        {"tbNew", TagNew, "New", 0, false},
        {"tbOpen", TagOpen, "Open", 1, false},
        {"tbSave", TagSave, "Save", 3, true},
        {"ToolButton3", TagChannelEdit, "Channel Edit", 8, true},
        {"tbPrint", TagPrint, "Print", 2, true},
        {"tbRead", TagRead, "Read", 7, true},
        {"tbWrite", TagWrite, "Write", 5, true},
        {"tbHelp", TagHelp, "Help", 6, false},
    };
    for (const Button& b : buttons) {
        auto* action = new QAction(ToolGlyph(b.glyph), QString(), this);
        action->setObjectName(QString::fromLatin1(b.name));
        action->setProperty("Tag", b.tag);
        action->setProperty(ToolButtonProperty, true);
        action->setToolTip(QString::fromLatin1(b.hint));
        const int tag = b.tag;
        connect(action, &QAction::triggered, this, [this, tag] { DoCommand(tag); });
        pBar->addAction(action);
        if (b.dividerAfter)
            pBar->addSeparator();
    }
}

void TfMainFrm::buildModelLine()
{
    Panel5 = new QToolBar(tr("Model"), this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setMovable(false);
    Panel5->setFloatable(false);
    Panel5->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, Panel5);

    const auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, Panel5);
        l->setObjectName(QString::fromLatin1(name));
        l->setContentsMargins(8, 0, 2, 0);
        return l;
    };
    lMode = label(ModelLabelName, QString::fromLatin1(ModelLabelCaption));
    stModel = label("stModel", QStringLiteral("6651"));
    Label4 = label(BandLabelName, QString::fromLatin1(BandLabelCaption));
    stFreq = label("stFreq", QStringLiteral("067 - 072MHz"));
    lCom = label("lCom", tr("Port: "));
    for (QLabel* value : {stModel, stFreq}) {
        value->setFrameShape(QFrame::StyledPanel);
        value->setMinimumWidth(110);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
    }
    cbFreq = new QComboBox(Panel5);
    cbFreq->setObjectName(QStringLiteral("cbFreq"));
    cbCom = new QComboBox(this);
    cbCom->setObjectName(QStringLiteral("cbCom"));
    cbCom->hide();
    connect(cbFreq, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && m_shown) {
            stFreq->setText(text);
            SetBand(theAll(), text);
        }
    });

    Panel5->addWidget(lMode);
    Panel5->addWidget(stModel);
    Panel5->addWidget(lCom);
    Panel5->addWidget(Label4);
    Panel5->addWidget(stFreq);
    Panel5->addWidget(cbFreq);
}

void TfMainFrm::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("MainBar"));
    bar->setSizeGripEnabled(true);
    const int widths[5] = {50, 80, 120, 180, 200};
    for (int i = 0; i < 5; ++i) {
        MainBar[i] = new QLabel(bar);
        MainBar[i]->setFixedWidth(widths[i]);
        MainBar[i]->setFrameShape(QFrame::StyledPanel);
        MainBar[i]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(MainBar[i]);
    }
}

QAction* TfMainFrm::ActionOfTag(int tag) const
{
    for (QAction* action : findChildren<QAction*>())
        if (action->property("Tag").toInt() == tag && !action->property(ToolButtonProperty).toBool())
            return action;
    return nullptr;
}

void TfMainFrm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfMainFrm::FormShow()
{
    TALL& all = theAll();
    if (QAction* testOnline = ActionOfTag(TagTestOnline))
        testOnline->setVisible(all.TestOnline);
    const TMacType* first = theMacList().Items(0);
    SetCurrentModel(all, *first);
    all.BandText = first->DefaultBand;

    QStringList ports;
    ListComPorts(all.SettingsFolder, &ports);
    cbCom->clear();
    cbCom->addItems(ports);
    all.ComPort = all.ComPort.toUpper();
    if (!ports.contains(all.ComPort) && !ports.isEmpty())
        all.ComPort = ports.first();

    SetBand(all, all.BandText);
    m_fileName.clear();
    m_singleModel = theMacList().Count() == 1;
    if (all.LanguageIndex > 0)
        TranslateForm(this, all.LanguageName, true);
    setWindowTitle(all.AppTitle);
    applyLayoutBySingleModel();
    RefreshStatus();
    ShowChannelGrid();
    all.Modified = false;
}

void TfMainFrm::applyLayoutBySingleModel()
{
    for (const char* name : {"N4", "N9"})
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name)))
            action->setVisible(!m_singleModel);
    // Widgets in a tool bar are shown and hidden through their actions.
    for (QAction* action : Panel5->actions()) {
        QWidget* w = Panel5->widgetForAction(action);
        if (w == lMode)
            action->setVisible(!m_singleModel);
        else if (w == lCom || w == cbFreq)
            action->setVisible(m_singleModel);
    }
    if (m_singleModel && cbFreq->count() == 0 && theAll().CurModel) {
        // The band list of the single-model layout offers the model's own bands.
        cbFreq->addItems(theAll().CurModel->Bands);
    }
}

void TfMainFrm::RefreshStatus()
{
    const TALL& all = theAll();
    const QDateTime now = QDateTime::currentDateTime();
    MainBar[0]->clear();
    MainBar[1]->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
    MainBar[2]->setText(now.toString(QStringLiteral("HH:mm:ss")));
    MainBar[4]->clear();
    const QString file = m_fileName.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(m_fileName);
    if (!m_singleModel) {
        stModel->setText(all.ModelName);
        stFreq->setText(all.BandText);
        MainBar[3]->setText(lCom->text() + all.ComPort);
        setWindowTitle(all.AppTitle + file);
    } else {
        setWindowTitle(all.AppTitle + QStringLiteral("--") + all.ModelName + file);
        const int band = cbFreq->findText(all.BandText);
        cbFreq->setCurrentIndex(band >= 0 ? band : 0);
        stModel->setText(all.ComPort);
        MainBar[3]->clear();
    }
}

void TfMainFrm::TimerTimer()
{
    MainBar[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void TfMainFrm::ShowChannelGrid()
{
    if (!m_channelWindow) {
        m_channelWindow = new TfChInfo(theChannels());
        m_channelSubWindow = new TChildWindow(m_mdi);
        m_channelSubWindow->setWidget(m_channelWindow);
        m_channelSubWindow->setWindowIcon(ToolGlyph(8));
        m_mdi->addSubWindow(m_channelSubWindow);
        connect(m_channelWindow, &QWidget::windowTitleChanged, m_channelSubWindow, &QWidget::setWindowTitle);
        m_channelSubWindow->setWindowTitle(m_channelWindow->windowTitle());
        m_channelSubWindow->show();
        m_channelSubWindow->adjustSize();  // the columns' widths are known once it has shown
        return;
    }
    m_channelSubWindow->showNormal();
}

void TfMainFrm::DoCommand(int tag)
{
    if (m_channelWindow)
        m_channelWindow->EndEditing();
    switch (tag) {
    case TagNew: NewCodeplug(); break;
    case TagOpen: openCodeplug(); break;
    case TagSave: saveCodeplug(); break;
    case TagSaveAs: saveCodeplugAs(); break;
    case TagModelInformation: modelInformation(); break;
    case TagChannelEdit: channelEdit(); break;
    case TagBatchChannelEdit: {
        TfBBatchEdit dialog(theChannels(), this);
        dialog.exec();
        break;
    }
    case TagRead: readFromRadio(); break;
    case TagWrite: writeToRadio(); break;
    case TagCommunicationPort: communicationPort(); break;
    case TagLanguage: languageFileSetup(); break;
    case TagPrint: PrintCodeplug(false); break;
    case TagPrintPreview: PrintCodeplug(true); break;
    case TagFunctionSetting: {
        TfBFunSet settings(this);
        settings.exec();
        break;
    }
    case TagTestFrequency: {
        TfTestFrequency testFrequencies(this);
        testFrequencies.exec();
        break;
    }
    case TagEmbeddedMessage: {
        TfEmbeddedMessage message(this);
        message.exec();
        break;
    }
    case TagCascade: m_mdi->cascadeSubWindows(); break;
    case TagTileHorizontally: tileChildWindows(Qt::Vertical); break;
    case TagTileVertically: tileChildWindows(Qt::Horizontal); break;
    case TagArrangeIcons: break;  // the frame keeps minimised windows in a row by itself
    case TagCloseAll: {
        const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            (*it)->close();
        break;
    }
    case TagHelp: m_help->Open(theAll()); break;
    case TagAbout: {
        TfFrmAbout about(this);
        about.exec();
        break;
    }
    default: break;
    }
}

void TfMainFrm::PrintCodeplug(bool preview)
{
    const TALL& all = theAll();
    TPrintData data;
    SetPrintHeader(data, {all.AppTitle, lMode->text(), all.ModelName, {}, {}, Label4->text(), stFreq->text()});
    TPrint::AddFunctionRows(data, theLanguage());
    AppendChannelRows(data, theChannels(), theLanguage());
    ShowReport(data, preview);
}

void TfMainFrm::tileChildWindows(Qt::Orientation stacking)
{
    // Horizontal tiles lie one above the other across the whole width; vertical ones side by
    // side over the whole height.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (!window->isMinimized() && window->isVisible())
            windows.append(window);
    if (windows.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        if (stacking == Qt::Vertical) {
            const int height = area.height() / count;
            window->setGeometry(0, i * height, area.width(), height);
        } else {
            const int width = area.width() / count;
            window->setGeometry(i * width, 0, width, area.height());
        }
    }
}

bool TfMainFrm::askToSave()
{
    if (!theAll().Modified)
        return true;
    const TLanguage& language = theLanguage();
    switch (MsgBox(language.Confirmation, language.SaveProgram, MsgYesNoCancel)) {
    case MsgResultYes: return saveCodeplug();
    case MsgResultNo: return true;
    default: return false;
    }
}

void TfMainFrm::NewCodeplug()
{
    if (askToSave())
        clearCodeplug();
}

void TfMainFrm::clearCodeplug()
{
    ResetSettings(theFun(), theEnMsg());
    theChannels().ResetChannelRows();
    m_fileName.clear();
    RefreshStatus();
    theAll().Modified = false;
}

void TfMainFrm::openCodeplug()
{
    if (!askToSave())
        return;
    const QString path = ChooseOpenFile();
    if (!path.isEmpty())
        loadCodeplug(path);
}

void TfMainFrm::OpenCodeplugFile(const QString& path)
{
    if (askToSave())
        loadCodeplug(path);
}

void TfMainFrm::loadCodeplug(const QString& path)
{
    m_fileName = path;
    const bool opened = ReadCodeplugFile(path).Ok();
    if (!opened)
        m_fileName.clear();
    rememberRecentFile(path, opened);
    RefreshStatus();
}

void TfMainFrm::rememberRecentFile(const QString& path, bool usable)
{
    QStringList files = LoadRecentFiles(theAll());
    if (usable)
        files = WithRecentFile(files, path);
    else
        files.removeAll(QFileInfo(path).absoluteFilePath());
    // A list that cannot be kept is no reason to stop: the exit reports the settings file.
    SaveRecentFiles(theAll(), files);
    refreshRecentFiles();
}

void TfMainFrm::refreshRecentFiles()
{
    const QStringList files = LoadRecentFiles(theAll());
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        QAction* recent = m_recentFiles[i];
        recent->setVisible(i < files.size());
        recent->setData(files.value(i));
        // "&&" keeps an ampersand in a path from becoming a mnemonic.
        recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QString(files.value(i)).replace('&', QStringLiteral("&&"))));
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

namespace {

// The one .dat file a drag carries; empty for anything else.
QString draggedCodeplug(const QMimeData* data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void TfMainFrm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!draggedCodeplug(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TfMainFrm::dropEvent(QDropEvent* event)
{
    const QString path = draggedCodeplug(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The questions and messages come after the drag has ended, not inside it.
    QTimer::singleShot(0, this, [this, path] { OpenCodeplugFile(path); });
}

bool TfMainFrm::saveCodeplug()
{
    const bool chosenNow = m_fileName.isEmpty();
    if (chosenNow)
        m_fileName = ChooseSaveFile();
    const bool saved = !m_fileName.isEmpty() && WriteCodeplugFile(m_fileName).Ok();
    if (saved)
        rememberRecentFile(m_fileName, true);
    // The caption never names a file that was chosen but could not be written.
    if (!saved && chosenNow)
        m_fileName.clear();
    RefreshStatus();
    return saved;
}

void TfMainFrm::saveCodeplugAs()
{
    m_fileName.clear();
    saveCodeplug();
}

void TfMainFrm::modelInformation()
{
    TfModel dialog(this);
    dialog.exec();
    if (!dialog.Confirmed)
        return;
    TALL& all = theAll();
    const TMacType* model = theMacList().FindByName(dialog.cbCopmut->currentText());
    const QString band = dialog.cbPd->currentText();
    if ((!model || model == all.CurModel) && band == all.BandText)
        return;  // nothing to switch, so nothing to clear
    const TLanguage& language = theLanguage();
    if (all.Modified && MsgBox(language.Confirmation, language.ClearData, MsgYesNo) != MsgResultYes)
        return;
    // The save, when wanted, still writes the codeplug as it is, under its own model and band.
    if (!askToSave())
        return;
    if (model)
        SetCurrentModel(all, *model);
    SetBand(all, band);
    clearCodeplug();
}

void TfMainFrm::channelEdit()
{
    TfBInfoEdit dialog(theChannels(), this);
    if (m_channelWindow)
        dialog.StartChannel = m_channelWindow->CurrentChannel();
    dialog.exec();
}

void TfMainFrm::readFromRadio()
{
    // A completed read replaces the channels, so unsaved ones are offered for saving first.
    if (!askToSave())
        return;
    TfReadRadio dialog(this);
    dialog.exec();
    if (dialog.ReadSucceeded())
        TakeStagedChannels(dialog.StagedChannels());
    RefreshStatus();
}

void TfMainFrm::writeToRadio()
{
    TfWriteRadio dialog(this);
    dialog.exec();
    RefreshStatus();
}

void TfMainFrm::communicationPort()
{
    TfSetPort dialog(this);
    dialog.exec();
    RefreshStatus();
}

void TfMainFrm::languageFileSetup()
{
    TfSetLanguage dialog(this);
    dialog.exec();
    if (!dialog.LanguageChanged)
        return;
    TALL& all = theAll();
    LoadLanguage(theLanguage(), LanguageFolder(all, all.LanguageName), all.LanguageName);
    TranslateForm(this, all.LanguageName, true);
    RefreshStatus();
    if (m_channelWindow)
        m_channelWindow->RetranslateGrid();
}

void TfMainFrm::TakeStagedChannels(const std::vector<std::optional<TChannel>>& staged)
{
    theChannels().TakeStagedChannels(staged);
    m_fileName.clear();
    RefreshStatus();
}

void TfMainFrm::closeEvent(QCloseEvent* event)
{
    const TLanguage& language = theLanguage();
    if (MsgBox(language.Confirmation, language.ExitProgram, MsgYesNo) != MsgResultYes) {
        event->ignore();
        return;
    }
    if (!askToSave()) {
        event->ignore();
        return;
    }
    // The window closes even when the settings cannot be saved: they are not worth keeping the
    // program open for.
    QString error;
    if (!SaveSettingsAtShutdown(&error))
        MsgBox(language.Confirmation, language.SettingsSaveError.arg(error), MsgInformation);
    event->accept();
}

#pragma once
// Help: opens <HelpName>_<LanguageName>.chm from the first data folder holding it with the desktop's handler,
// and starts no second viewer while the first one is still open.

#include <QObject>
#include <QStringList>

class QProcess;
struct TALL;

class THelpLauncher : public QObject {
    Q_OBJECT
public:
    explicit THelpLauncher(QObject* parent = nullptr);

    // Opens the help file of the current language; a missing file is not reported.
    void Open(const TALL& all);

    // The viewer's command line with "%f" for the file; empty asks the desktop which program
    // opens help files. For tests and for users who want a particular viewer.
    void SetViewerCommand(const QStringList& command) { m_command = command; }

    bool ViewerRunning() const;

private:
    QStringList viewerCommand() const;

    QStringList m_command;
    QProcess* m_viewer = nullptr;
};

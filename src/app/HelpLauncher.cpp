#include "app/HelpLauncher.h"

#include "codeplug/CodeplugState.h"
#include "locale/FileLocations.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString HelpMimeType = QStringLiteral("application/vnd.ms-htmlhelp");

// The Exec line of the desktop entry that opens help files, with "%f" for the file.
QStringList desktopHandler()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), HelpMimeType});
    if (!query.waitForFinished(2000))
        return {};
    const QString entry = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (entry.isEmpty())
        return {};
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.startsWith("Exec="))
            continue;
        QStringList command = QProcess::splitCommand(QString::fromUtf8(line.mid(5)).trimmed());
        for (QString& part : command)
            part.replace(QRegularExpression(QStringLiteral("%[fFuU]")), QStringLiteral("%f"));
        command.removeIf([](const QString& part) { return part.startsWith('%') && part != QLatin1String("%f"); });
        if (!command.contains(QStringLiteral("%f")))
            command.append(QStringLiteral("%f"));
        return command;
    }
    return {};
}

} // namespace

THelpLauncher::THelpLauncher(QObject* parent)
    : QObject(parent)
{
}

bool THelpLauncher::ViewerRunning() const
{
    return m_viewer && m_viewer->state() != QProcess::NotRunning;
}

QStringList THelpLauncher::viewerCommand() const
{
    return m_command.isEmpty() ? desktopHandler() : m_command;
}

void THelpLauncher::Open(const TALL& all)
{
    if (ViewerRunning())
        return;
    const QString name = all.HelpName + '_' + all.LanguageName + QStringLiteral(".chm");
    const QString path = FolderHolding(all.DataFolders, name) + name;
    if (!QFile::exists(path))
        return;
    QStringList command = viewerCommand();
    if (command.isEmpty()) {
        // No viewer we can follow: hand the file to the desktop and let it decide.
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }
    command.replaceInStrings(QStringLiteral("%f"), path);
    delete m_viewer;
    m_viewer = new QProcess(this);
    m_viewer->setProgram(command.takeFirst());
    m_viewer->setArguments(command);
    m_viewer->start();
}

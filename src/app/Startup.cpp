#include "app/Startup.h"

#include "codeplug/GlobalState.h"
#include "locale/SysInfo.h"

#include <QCoreApplication>
#include <QDir>

void DataModuleCreate(const QString& appPath)
{
    DataModuleCreate(PortableLocations(appPath));
}

void DataModuleCreate(const TFileLocations& where)
{
    RecreateGlobalState();
    TALL& all = theAll();
    all.AppPath = where.ProgramFolder;
    all.SettingsFolder = where.SettingsFolder;
    all.DataFolders = where.DataFolders;
    all.TestOnline = false;
    theFrqList().FillInitial();
    theMacList().FillInitial();
    all.AppTitle = QStringLiteral("K-640");
    ResetSettings(theFun(), theEnMsg());
    LoadSysInfo(all);
    LoadLanguage(theLanguage(), LanguageFolder(all, all.LanguageName), all.LanguageName);
    all.GridFilling = false;
}

TFileLocations StartupFileLocations()
{
    const TFileLocations where = ProgramFileLocations(ProgramFolder());
    QString ignored;
    PrepareSettingsFile(where, ignored);
    return where;
}

QString CodeplugArgument(const QStringList& arguments)
{
    if (arguments.size() != 2 || arguments[1].startsWith('-'))
        return {};
    return arguments[1];
}

QString ProgramFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + '/';
}

bool SaveSettingsAtShutdown(QString* error)
{
    // The user's folder may be missing when nothing was shipped to make the file from.
    QDir().mkpath(theAll().SettingsFolder);
    return SaveSysInfo(theAll(), error);
}

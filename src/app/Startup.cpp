#include "app/Startup.h"

#include "codeplug/GlobalState.h"
#include "locale/SysInfo.h"

#include <QCoreApplication>
#include <QDir>

void DataModuleCreate(const QString& appPath)
{
    RecreateGlobalState();
    TALL& all = theAll();
    all.AppPath = appPath.endsWith('/') ? appPath : appPath + '/';
    all.TestOnline = false;
    theFrqList().FillInitial();
    theMacList().FillInitial();
    all.AppTitle = QStringLiteral("K-640");
    ResetSettings(theFun(), theEnMsg());
    LoadSysInfo(all);
    LoadLanguage(theLanguage(), all.AppPath, all.LanguageName);
    all.GridFilling = false;
}

QString ProgramFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + '/';
}

bool SaveSettingsAtShutdown(QString* error)
{
    return SaveSysInfo(theAll(), error);
}

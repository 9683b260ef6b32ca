#include "locale/FileLocations.h"

#include "codeplug/CodeplugState.h"
#include "codeplug/ReadFile.h"
#include "codeplug/ReplaceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString SettingsName = QStringLiteral("SysInfo.Ini");
const qint64 SettingsLimit = 1024 * 1024;  // the largest INI file the program reads

QString withSeparator(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    return clean.endsWith('/') ? clean : clean + '/';
}

} // namespace

TFileLocations PortableLocations(const QString& folder)
{
    const QString here = withSeparator(folder);
    return {here, here, {here}};
}

TFileLocations ChooseFileLocations(const QString& programFolder, const QString& userFolder,
                                   const std::function<bool(const QString&)>& writable)
{
    const QString program = withSeparator(programFolder);
    const bool holdsSettings = QFileInfo(program + SettingsName).isFile();
    if (holdsSettings && writable(program))
        return PortableLocations(program);
    const QString user = withSeparator(userFolder);
    TFileLocations where{program, user, {user}};
    // A read-only portable copy still ships its files beside the program.
    if (holdsSettings)
        where.DataFolders.append(program);
    where.DataFolders.append(withSeparator(program + QStringLiteral("../share/k640")));
    return where;
}

TFileLocations ProgramFileLocations(const QString& programFolder)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return ChooseFileLocations(programFolder, config + QStringLiteral("/k640"),
                               [](const QString& folder) { return QFileInfo(folder).isWritable(); });
}

bool PrepareSettingsFile(const TFileLocations& where, QString& reason)
{
    const QString target = where.SettingsFolder + SettingsName;
    if (QFileInfo::exists(target))
        return true;
    for (const QString& folder : where.DataFolders) {
        const QString shipped = folder + SettingsName;
        if (folder == where.SettingsFolder || !QFileInfo::exists(shipped))
            continue;
        QByteArray bytes;
        if (ReadRegularFile(shipped, SettingsLimit, bytes, reason) != TReadStatus::Read) {
            reason = QDir::toNativeSeparators(shipped) + QStringLiteral(": ") + reason;
            return false;
        }
        if (!QDir().mkpath(where.SettingsFolder)) {
            reason = QDir::toNativeSeparators(where.SettingsFolder) + QStringLiteral(": cannot create the folder");
            return false;
        }
        if (!ReplaceFileContent(target, bytes, reason)) {
            reason = QDir::toNativeSeparators(target) + QStringLiteral(": ") + reason;
            return false;
        }
        return true;
    }
    return true;  // nothing shipped: the built-in settings hold
}

QString FolderHolding(const QStringList& folders, const QString& fileName)
{
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + fileName))
            return folder;
    return folders.value(0);
}

QString LanguageFolder(const TALL& all, const QString& languageName)
{
    return FolderHolding(all.DataFolders, languageName + QStringLiteral(".Ini"));
}

#include "locale/SysInfo.h"

#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "codeplug/TextNumbers.h"
#include "locale/IniFile.h"
#include "locale/MessageTable.h"

#include <QFileInfo>
#include <limits>

namespace {

const QString Section = QStringLiteral("SysInfo");
const QString RecentSection = QStringLiteral("RecentFiles");

QString recentKey(int index)
{
    return QStringLiteral("File") + QString::number(index + 1);
}

QString sysInfoPath(const TALL& all)
{
    return all.SettingsFolder + QStringLiteral("SysInfo.Ini");
}

const QString DefaultLanguageList = QStringLiteral("Chinese|English");
const QString DefaultDisplayNames = QStringLiteral("中文|英文");

} // namespace

QStringList SplitBars(const QString& value)
{
    QStringList pieces;
    QString rest = value;
    while (!rest.isEmpty()) {
        const qsizetype bar = rest.indexOf('|');
        if (bar < 0) {
            pieces.append(rest);
            break;
        }
        pieces.append(rest.left(bar));
        rest = rest.mid(bar + 1);
    }
    return pieces;
}

void LoadSysInfo(TALL& all)
{
    const TIniFile file(sysInfoPath(all));
    ReportTooLargeFile(file, theLanguage());
    all.ComPort = file.ReadString(Section, QStringLiteral("Com"), QStringLiteral("Com1"));
    const QString defaultLanguage = file.ReadString(Section, QStringLiteral("DefaultLanguage"), QStringLiteral("0"));
    all.HelpName = file.ReadString(Section, QStringLiteral("Help"), QStringLiteral("QX"));
    all.LanguageIndex = ReadInteger(defaultLanguage).value_or(0);
    // PicIndex holds the number plus 1, so the largest integer counts as no number.
    const std::optional<int> picture = ReadInteger(file.ReadString(Section, QStringLiteral("PicID"), QStringLiteral("0")));
    all.PicIndex = picture && *picture < std::numeric_limits<int>::max() ? *picture + 1 : 1;

    // The piece at LanguageIndex; empty when the list runs out first or the index is negative.
    const QStringList names = SplitBars(file.ReadString(Section, QStringLiteral("Language"), DefaultLanguageList));
    all.LanguageName = all.LanguageIndex >= 0 && all.LanguageIndex < names.size() ? names[all.LanguageIndex] : QString();
}

bool SaveSysInfo(const TALL& all, QString* error)
{
    TIniFile file(sysInfoPath(all));
    return file.WriteString(Section, QStringLiteral("Com"), all.ComPort, error)
        && file.WriteString(Section, QStringLiteral("DefaultLanguage"), QString::number(all.LanguageIndex), error)
        && file.WriteString(Section, QStringLiteral("PicID"), QString::number(all.PicIndex - 1), error);
}

QStringList LoadRecentFiles(const TALL& all)
{
    const TIniFile file(sysInfoPath(all));
    QStringList files;
    for (int i = 0; i < RecentFileCount; ++i) {
        const QString path = file.ReadString(RecentSection, recentKey(i), QString());
        if (!path.isEmpty() && !files.contains(path))
            files.append(path);
    }
    return files;
}

bool SaveRecentFiles(const TALL& all, const QStringList& files, QString* error)
{
    TIniFile file(sysInfoPath(all));
    for (int i = 0; i < RecentFileCount; ++i)
        if (!file.WriteString(RecentSection, recentKey(i), files.value(i), error))
            return false;
    return true;
}

QStringList WithRecentFile(QStringList files, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    return files.mid(0, RecentFileCount);
}

void GetLanguageList(const TALL& all, QStringList& displayNames, QStringList& fileNames)
{
    const TIniFile file(sysInfoPath(all));
    fileNames.append(SplitBars(file.ReadString(Section, QStringLiteral("Language"), DefaultLanguageList)));
    displayNames.append(SplitBars(file.ReadString(Section, all.LanguageName, DefaultDisplayNames)));
}

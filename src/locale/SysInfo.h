#pragma once
// SysInfo.Ini in the settings folder: port, language, help file name and picture number.

#include <QString>
#include <QStringList>

struct TALL;

// Splits a "|"-separated value: two bars in a row give an empty piece, a trailing bar adds none,
// an empty value gives no piece.
QStringList SplitBars(const QString& value);

// Reads ComPort, LanguageIndex, HelpName, PicIndex and LanguageName from
// <SettingsFolder>SysInfo.Ini.
void LoadSysInfo(TALL& all);

// Writes Com, DefaultLanguage and PicID. On failure gives false and a reason naming the file.
bool SaveSysInfo(const TALL& all, QString* error = nullptr);

// The File menu lists this many recently opened or saved files.
constexpr int RecentFileCount = 4;
// Section [RecentFiles] of SysInfo.Ini, newest first.
QStringList LoadRecentFiles(const TALL& all);
// Writes the list at once, so it survives a crash. On failure gives false and a reason naming
// the file.
bool SaveRecentFiles(const TALL& all, const QStringList& files, QString* error = nullptr);
// files with path (made absolute) first, once, and at most RecentFileCount entries.
QStringList WithRecentFile(QStringList files, const QString& path);

// Appends the file names (key "Language") and the display names (the key named after the
// language in force) of the available languages.
void GetLanguageList(const TALL& all, QStringList& displayNames, QStringList& fileNames);

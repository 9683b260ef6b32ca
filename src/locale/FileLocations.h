#pragma once
// Where the program's own files are. A portable copy (its folder holds SysInfo.Ini and may be
// written: the build folder, a copy on a stick) keeps everything beside the program. An installed
// program, whose folder the user may not write, keeps SysInfo.Ini in the user's configuration
// folder, made from the shipped one at first start, and finds language files and help in the
// user's folder first, then in the shipped data folder share/k640 beside bin/.

#include <QString>
#include <QStringList>
#include <functional>

struct TALL;

struct TFileLocations {
    QString ProgramFolder;   // every folder here ends with a separator
    QString SettingsFolder;  // holds SysInfo.Ini, with its [Ports] entries
    QStringList DataFolders; // searched in order for language files and help
};

// Everything in one folder: a portable copy, and the tests.
TFileLocations PortableLocations(const QString& folder);

// The choice by the rules above. userFolder is the user's k640 configuration folder; writable
// says whether a folder may be written, apart from permissions alone since root may write
// anywhere.
TFileLocations ChooseFileLocations(const QString& programFolder, const QString& userFolder,
                                   const std::function<bool(const QString&)>& writable);

// For the real program: the user's folder is ~/.config/k640 (or $XDG_CONFIG_HOME/k640).
TFileLocations ProgramFileLocations(const QString& programFolder);

// When the settings folder holds no SysInfo.Ini yet, creates the folder and copies the first
// SysInfo.Ini found in the data folders into it. True when there is nothing to do or the copy
// is made; otherwise false with the reason.
bool PrepareSettingsFile(const TFileLocations& where, QString& reason);

// The first of folders holding fileName; the first folder when none does.
QString FolderHolding(const QStringList& folders, const QString& fileName);

// The data folder holding <languageName>.Ini.
QString LanguageFolder(const TALL& all, const QString& languageName);

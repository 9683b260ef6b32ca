#pragma once
// Start-up and shutdown of the state every program of the family shares (the window program, the
// command-line companion, the tests).

#include <QString>
#include <QStringList>

#include "locale/FileLocations.h"

// Builds the whole start-up state afresh, in its fixed order: state objects, band list, model
// catalog, function defaults, SysInfo.Ini, message table, with the files where `where` says.
void DataModuleCreate(const TFileLocations& where);
// The same with every file in appPath, the program's folder.
void DataModuleCreate(const QString& appPath);

// The file locations of the running program (portable or installed), with the user's settings
// file made at first start. A failure to make it is left for the save at shutdown to report.
TFileLocations StartupFileLocations();

// The file of "k640 FILE.dat", as the desktop starts the program for a file; empty without one.
// An option or more than one argument names no file to open.
QString CodeplugArgument(const QStringList& arguments);

// The folder of the running program, with a trailing separator.
QString ProgramFolder();

// Writes SysInfo.Ini at shutdown. On failure gives false and a reason naming the file.
bool SaveSettingsAtShutdown(QString* error = nullptr);

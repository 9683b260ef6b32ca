#pragma once
// Start-up and shutdown of the state every program of the family shares (the window program, the
// command-line companion, the tests).

#include <QString>

#include "locale/FileLocations.h"

// Builds the whole start-up state afresh, in its fixed order: state objects, band list, model
// catalog, function defaults, SysInfo.Ini, message table, with the files where `where` says.
void DataModuleCreate(const TFileLocations& where);
// The same with every file in appPath, the program's folder.
void DataModuleCreate(const QString& appPath);

// The file locations of the running program (portable or installed), with the user's settings
// file made at first start. A failure to make it is left for the save at shutdown to report.
TFileLocations StartupFileLocations();

// The folder of the running program, with a trailing separator.
QString ProgramFolder();

// Writes SysInfo.Ini at shutdown. On failure gives false and a reason naming the file.
bool SaveSettingsAtShutdown(QString* error = nullptr);

#pragma once
// Start-up and shutdown of the state every program of the family shares (the window program, the
// command-line companion, the tests).

#include <QString>

// Builds the whole start-up state afresh, in its fixed order: state objects, band list, model
// catalog, function defaults, SysInfo.Ini, message table. appPath is the program's folder.
void DataModuleCreate(const QString& appPath);

// The folder of the running program, with a trailing separator.
QString ProgramFolder();

// Writes SysInfo.Ini at shutdown. On failure gives false and a reason naming the file.
bool SaveSettingsAtShutdown(QString* error = nullptr);

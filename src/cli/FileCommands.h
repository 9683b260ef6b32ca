#pragma once
// The file commands of the command-line companion: dump, load, export and import.

#include "cli/CliCommand.h"

extern const TCliCommand DumpCommand;
extern const TCliCommand LoadCommand;
extern const TCliCommand ExportCommand;
extern const TCliCommand ImportCommand;

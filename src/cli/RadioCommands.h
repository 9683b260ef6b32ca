#pragma once
// The radio commands of the command-line companion: ports, read and write.

#include "cli/CliCommand.h"

extern const TCliCommand PortsCommand;
extern const TCliCommand ReadCommand;
extern const TCliCommand WriteCommand;

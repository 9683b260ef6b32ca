#pragma once
// k640-cli print: the printout of a codeplug file as a PDF document, without a display.

#include "cli/CliCommand.h"

extern const TCliCommand PrintCommand;

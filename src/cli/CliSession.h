#pragma once
// The state a command of the command-line companion runs on: the program's start-up state from
// its own folder, English messages whatever language files lie there, and every message box
// routed to standard error.

void StartCliSession();

#pragma once
// The process-wide state objects. One place owns them; code reaches them through these
// references. DataModuleCreate (app/Startup.h) builds them afresh, so a test can always start
// from fresh state.

#include "codeplug/CodeplugState.h"
#include "locale/MessageTable.h"
#include "settings/ModelCatalog.h"

class TChannelTable;

TALL& theAll();
TFun& theFun();
TEnMsg& theEnMsg();
TTestFre& theTestFre();
TMacList& theMacList();
TFrqList& theFrqList();
TLanguage& theLanguage();
// The channel table: the program's only store of memory channels.
TChannelTable& theChannels();

// Replaces every state object with a new, empty one (catalog and band list unfilled).
void RecreateGlobalState();

#include "codeplug/GlobalState.h"

#include "channels/ChannelTable.h"

#include <memory>

namespace {

struct TGlobalState {
    TMacList MacList;
    TALL All;
    TTestFre TestFre;
    TEnMsg EnMsg;
    TFun Fun;
    TFrqList FrqList;
    TLanguage Language;
    TChannelTable Channels{All};
};

std::unique_ptr<TGlobalState>& state()
{
    static std::unique_ptr<TGlobalState> instance = std::make_unique<TGlobalState>();
    return instance;
}

} // namespace

TALL& theAll() { return state()->All; }
TFun& theFun() { return state()->Fun; }
TEnMsg& theEnMsg() { return state()->EnMsg; }
TTestFre& theTestFre() { return state()->TestFre; }
TMacList& theMacList() { return state()->MacList; }
TFrqList& theFrqList() { return state()->FrqList; }
TLanguage& theLanguage() { return state()->Language; }
TChannelTable& theChannels() { return state()->Channels; }

void RecreateGlobalState()
{
    state() = std::make_unique<TGlobalState>();
}

#pragma once
// Fresh state for the channel editor's tests: the UHF model on band "450 - 470MHz", channel 1
// holding Stored, every other channel empty, nothing modified.

#include "channels/ChannelTable.h"
#include "support/FreshState.h"

class StoredChannelTest : public FreshStateTest {
protected:
    // A channel whose every field differs from a new channel's: low power, narrow, every flag
    // "Yes", both tones.
    inline static const TChannel Stored{460.0125, 465.0125, "67.0", "D023N", 0, 1, 0, 0, 0};

    void SetUp() override
    {
        FreshStateTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(UseModel("K-640(UHF)", "450 - 470MHz"));
        table().StoreChannel(1, Stored);
        theAll().Modified = false;
    }

    static TChannelTable& table() { return theChannels(); }
    static QString Fore(int channel, int column) { return table().Cell(channel, column).Fore; }
    static QString Back(int channel, int column) { return table().Cell(channel, column).Back; }
};

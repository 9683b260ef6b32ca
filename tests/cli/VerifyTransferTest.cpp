// Reading back a write, run unattended against the in-process radio: the verify reads the rows at
// the addresses written and names each one the radio does not hold.
#include "cli/UnattendedLink.h"
#include "cli/VerifyTransfer.h"

#include "channels/ChannelTable.h"
#include "codeplug/GlobalState.h"
#include "support/FakeSerialLink.h"
#include "support/FreshState.h"

#include <gtest/gtest.h>

namespace {

class VerifyTransferTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        ReceiveStateOf(TTransferKind::Read) = {};
        SetCurrentModel(theAll(), *theMacList().FindByCode("6641"));
        SetBand(theAll(), theAll().CurModel->DefaultBand);
        theChannels().ResetChannelRows();
        theChannels().StoreChannel(2, {462.5625, 467.5625, "67.0", "", 1, 0, 0, 1, 1});
        theEnMsg().Line1 = QStringLiteral("VERIFY");
    }
};

TEST_F(VerifyTransferTest, NamesEveryWrittenRowTheRadioDoesNotHold)
{
    const std::optional<std::vector<TWriteRow>> rows =
        BuildWriteRows(theAll(), theEnMsg(), theFun(), theFrqList(), theChannels());
    ASSERT_TRUE(rows);
    const size_t last = rows->size() - 1;
    struct Case {
        std::vector<size_t> altered;  // rows whose last byte the radio lost
        std::vector<size_t> differences;
    };
    const Case cases[] = {
        {{}, {}},
        {{0}, {0}},
        {{last, 2}, {2, last}},
        {{last}, {last}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.altered.size());
        TRadioEngine radio("6641");
        for (const TWriteRow& row : *rows)
            radio.SetRow(row.Address, row.Row);
        for (const size_t index : c.altered) {
            TRow row = (*rows)[index].Row;
            row.back() ^= 0x01;
            radio.SetRow((*rows)[index].Address, row);
        }

        auto port = std::make_unique<FakeSerialLink>(radio);
        const FakeSerialLink& line = *port;
        TVerifyTransfer verify(std::move(port), *rows);
        verify.Link().SetDevice(QStringLiteral("/dev/fake"));
        TUnattendedLink run(verify.Link(), false);
        ASSERT_EQ(run.Run(), TLinkOutcome::Done);
        EXPECT_EQ(line.OpenedDevice(), "/dev/fake");
        EXPECT_EQ(verify.Differences(), c.differences);
        ASSERT_EQ(verify.ReadBack().size(), rows->size());
    }
}

} // namespace

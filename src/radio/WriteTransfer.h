#pragma once
// Write to radio: the program's codeplug goes into the radio. The rows are built from the channel
// table, the message, the settings and the band on the user-interface thread before the worker
// starts; the worker only sends them.

#include "codeplug/RowCodec.h"
#include "radio/RadioLink.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct TALL;
struct TEnMsg;
struct TFun;
struct TMacType;
class TFrqList;
class TMacList;
class TChannelTable;

// How the radio's model compares with the current model.
enum TModelMatch {
    ModelRefused = 1,    // a catalog model with another channel count: ModError
    ModelSame = 2,       // the write goes on at once
    ModelForceable = 3,  // unknown code, or the same channel count: Modforce decides
};
TModelMatch MatchModel(const TMacList& catalog, const TMacType* current, const QString& radioCode);

struct TWriteRow {
    std::uint16_t Address = 0;
    std::uint8_t Command = 0;  // 'W', or 'Y' for settings row 2
    TRow Row{};

    bool operator==(const TWriteRow&) const = default;
};

// The rows of a write of the current model, in the order they travel; ChannelBits and ScanBits
// of all are rebuilt on the way. Nothing, and all unchanged, when an RX or TX text is not a
// number or there is no current model.
std::optional<std::vector<TWriteRow>> BuildWriteRows(TALL& all, const TEnMsg& message,
                                                     const TFun& fun, const TFrqList& bands,
                                                     const TChannelTable& channels);

class TWriteTransfer final : public TTransferHooks {
public:
    explicit TWriteTransfer(std::unique_ptr<TSerialLink> port);

    TRadioLink& Link() { return m_link; }

private:
    bool CheckIdent(const QString& ident) override;
    bool Run(TSendThread& worker) override;
    void Finish(bool completed) override;
    // A run that was cut short (Cancel, the window closed, a lost reply not retried) is told as a
    // partly written radio.
    void Closing() override;
    // User-interface thread: sends the end frame and tells the user, when a run has changed the
    // radio without completing.
    void TellPartlyWritten();

    std::optional<std::vector<TWriteRow>> m_rows;
    int m_progressMaximum = 0;
    // A row of the last run went out, and the run has not completed since. Set by the worker.
    std::atomic<bool> m_partlyWritten{false};
    TRadioLink m_link;  // last, so its worker has ended before the members above go
};

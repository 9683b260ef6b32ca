#pragma once
// Read from radio: the radio's whole memory becomes the program's codeplug. The model, message
// lines and settings go into the state as they arrive; the channels are staged and reach the
// channel table only after a complete read, when the main window takes them.

#include "codeplug/RowCodec.h"
#include "radio/MemoryMap.h"
#include "radio/RadioLink.h"

#include <memory>
#include <optional>
#include <vector>

struct TMacType;

class TReadTransfer final : public TTransferHooks {
public:
    explicit TReadTransfer(std::unique_ptr<TSerialLink> port);

    TRadioLink& Link() { return m_link; }
    // Set by a complete read; the main window then takes the staged channels.
    bool ReadSucceeded() const { return m_link.RunCompleted(); }
    // Entry k - 1 is channel k; empty where the radio holds no channel.
    const std::vector<std::optional<TChannel>>& StagedChannels() const { return m_staged; }

private:
    bool CheckIdent(const QString& ident) override;
    bool Run(TSendThread& worker) override;
    void Finish(bool completed) override;
    void StartRun(const TMacType& model);
    void ApplyRow(const TMapRow& place, const TRow& row);

    const TMacType* m_radioModel = nullptr;
    std::vector<std::optional<TChannel>> m_staged;
    TRadioLink m_link;  // last, so its worker has ended before the members above go
};

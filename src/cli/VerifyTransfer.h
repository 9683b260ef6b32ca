#pragma once
// Reading back what a write put into the radio: the rows at the addresses of the write, read with
// the read transfer's link, compared with the rows written.

#include "radio/RadioLink.h"
#include "radio/WriteTransfer.h"

#include <memory>
#include <vector>

class TVerifyTransfer final : public TTransferHooks {
public:
    TVerifyTransfer(std::unique_ptr<TSerialLink> port, std::vector<TWriteRow> written);

    TRadioLink& Link() { return m_link; }
    // After a complete run: the indices of the written rows that the radio does not hold.
    std::vector<size_t> Differences() const;
    const std::vector<TRow>& ReadBack() const { return m_readBack; }

private:
    // The write checked the model already; whatever answers now is read.
    bool CheckIdent(const QString&) override { return true; }
    bool Run(TSendThread& worker) override;
    void Finish(bool) override {}

    const std::vector<TWriteRow> m_written;
    // Filled by the worker; read only after it has ended.
    std::vector<TRow> m_readBack;
    TRadioLink m_link;  // last, so its worker has ended before the members above go
};

#include "cli/VerifyTransfer.h"

#include "radio/SendThread.h"

TVerifyTransfer::TVerifyTransfer(std::unique_ptr<TSerialLink> port, std::vector<TWriteRow> written)
    : m_written(std::move(written))
    , m_link(ReadLinkVariant, *this, std::move(port))
{
}

std::vector<size_t> TVerifyTransfer::Differences() const
{
    std::vector<size_t> differences;
    for (size_t index = 0; index < m_written.size(); ++index) {
        if (index >= m_readBack.size() || m_readBack[index] != m_written[index].Row)
            differences.push_back(index);
    }
    return differences;
}

bool TVerifyTransfer::Run(TSendThread& worker)
{
    m_readBack.clear();
    if (!worker.ExchangeAck())
        return false;
    worker.SetProgressMaximum(static_cast<int>(m_written.size()));
    for (const TWriteRow& written : m_written) {
        TRow row;
        if (!worker.ReadRow(written.Address, row))
            return false;
        m_readBack.push_back(row);
    }
    worker.SendEnd();
    worker.FillProgress();
    return true;
}

#pragma once
// "Read data From radio": reads the radio's whole memory into the codeplug. The model, settings and
// message go into the program's state as they arrive; after a complete read the dialog says so and
// closes itself, and the caller takes the staged channels.

#include "radio/ReadTransfer.h"
#include "radio/TransferDialog.h"

class TfReadRadio : public TTransferDialog {
    Q_OBJECT
public:
    explicit TfReadRadio(QWidget* parent = nullptr);

    // Read by the caller after the dialog has closed.
    bool ReadSucceeded() const { return m_transfer.ReadSucceeded(); }
    const std::vector<std::optional<TChannel>>& StagedChannels() const
    {
        return m_transfer.StagedChannels();
    }

private:
    TReadTransfer m_transfer;
};

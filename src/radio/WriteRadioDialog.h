#pragma once
// "Write data to radio": writes the codeplug into the radio. The dialog stays open after a write,
// so that one radio after the other can be written.

#include "radio/TransferDialog.h"
#include "radio/WriteTransfer.h"

class TfWriteRadio : public TTransferDialog {
    Q_OBJECT
public:
    explicit TfWriteRadio(QWidget* parent = nullptr);

private:
    TWriteTransfer m_transfer;
};

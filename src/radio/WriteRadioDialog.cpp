#include "radio/WriteRadioDialog.h"

#include "radio/QtSerialLink.h"

TfWriteRadio::TfWriteRadio(QWidget* parent)
    : TTransferDialog(parent, QStringLiteral("fWriteRadio"), QStringLiteral("Write data to radio")),
      m_transfer(std::make_unique<TQtSerialLink>())
{
    AttachLink(m_transfer.Link());
}

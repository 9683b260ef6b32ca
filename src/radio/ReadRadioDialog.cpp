#include "radio/ReadRadioDialog.h"

#include "radio/QtSerialLink.h"

TfReadRadio::TfReadRadio(QWidget* parent)
    : TTransferDialog(parent, QStringLiteral("fReadRadio"), QStringLiteral("Read data From radio")),
      m_transfer(std::make_unique<TQtSerialLink>())
{
    AttachLink(m_transfer.Link());
}

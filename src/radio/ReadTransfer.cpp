#include "radio/ReadTransfer.h"

#include "codeplug/GlobalState.h"
#include "locale/MsgBox.h"
#include "radio/SendThread.h"

namespace {

// The rows read against this maximum are six more than the channels; the bar fills early.
constexpr int ProgressRowsBeyondChannels = 6;

} // namespace

TReadTransfer::TReadTransfer(std::unique_ptr<TSerialLink> port)
    : m_link(ReadLinkVariant, *this, std::move(port))
{
}

bool TReadTransfer::CheckIdent(const QString& ident)
{
    m_radioModel = theMacList().FindByCode(IdentModelCode(ident));
    if (!m_radioModel) {
        ShowLinkMessage(theLanguage().ModError, MsgInformation);
        return false;
    }
    return true;
}

bool TReadTransfer::Run(TSendThread& worker)
{
    const TMacType& model = *m_radioModel;
    if (!worker.ExchangeAck())
        return false;
    worker.PostToUi([this, &model] { StartRun(model); });
    worker.SetProgressMaximum(model.ChannelCount + ProgressRowsBeyondChannels);
    for (const TMapRow& place : MemoryMap(model.ChannelCount, model.GapRows, false)) {
        TRow row;
        if (!worker.ReadRow(place.Address, row))
            return false;
        worker.PostToUi([this, place, row] { ApplyRow(place, row); });
    }
    worker.SendEnd();
    worker.FillProgress();
    return true;
}

void TReadTransfer::StartRun(const TMacType& model)
{
    SetCurrentModel(theAll(), model);
    m_staged.assign(static_cast<size_t>(model.ChannelCount), std::nullopt);
}

void TReadTransfer::ApplyRow(const TMapRow& place, const TRow& row)
{
    switch (place.Kind) {
    case TRowKind::Channel: {
        TChannel channel;
        if (TBWriteRead::DecodeChannel(row, channel))
            m_staged[static_cast<size_t>(place.Index - 1)] = channel;
        break;
    }
    case TRowKind::Message: {
        const QString text = TBWriteRead::DecodeMessage(row);
        QString& line = place.Index < 2 ? theEnMsg().Line1 : theEnMsg().Line2;
        line = place.Index % 2 == 0 ? text : line + text;
        break;
    }
    case TRowKind::Settings1:
        TBWriteRead::DecodeSettings1(row, theFun());
        break;
    case TRowKind::Band: {
        // A code the catalog does not hold would make a codeplug that cannot be opened again;
        // the identified model stays, and a write puts a sound band row back.
        QString modelCode;
        const int bandCode = TBWriteRead::DecodeBand(row, modelCode);
        if (theMacList().FindByCode(modelCode))
            theAll().ModelCode = modelCode;
        SetBand(theAll(), theFrqList().TextOf(bandCode));
        break;
    }
    case TRowKind::Settings2:
        TBWriteRead::DecodeSettings2(row, theFun());
        break;
    case TRowKind::First:
    case TRowKind::Bitmap:
        break;
    }
}

void TReadTransfer::Finish(bool completed)
{
    if (!completed)
        return;  // the failure has been reported; what was read so far stays
    ShowLinkMessage(theLanguage().ReadOk, MsgInformation);
    ClampSettings(theFun());
    theAll().Modified = true;
    m_link.StartCloseTime();
}

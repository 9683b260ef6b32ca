#include "radio/WriteTransfer.h"

#include "channels/ChannelTable.h"
#include "codeplug/GlobalState.h"
#include "locale/MsgBox.h"
#include "radio/MemoryMap.h"
#include "radio/SendThread.h"

namespace {

constexpr std::uint8_t WriteCommand = 0x57;
constexpr std::uint8_t SettingsWriteCommand = 0x59;
constexpr int MessageRowCharacters = 16;
constexpr int ChannelsWithoutBitmaps = 16;

int ProgressMaximum(int channelCount)
{
    return channelCount + (channelCount <= ChannelsWithoutBitmaps ? 6 : 10);
}

struct TChannelFlags {
    QString InUse;
    QString Scan;
};

// The row of one channel; nothing when its RX or TX text is not a number.
std::optional<TRow> ChannelRow(const TChannelTable& channels, int channel, TChannelFlags& flags)
{
    TRow row;
    TChannel values;
    const TChannelRead read = channel <= channels.ChannelCount()
                                  ? channels.ReadChannel(channel, values)
                                  : TChannelRead::Empty;
    switch (read) {
    case TChannelRead::Invalid:
        return std::nullopt;
    case TChannelRead::Empty:
        flags.InUse += QLatin1Char('0');
        flags.Scan += QLatin1Char('0');
        TBWriteRead::BlankRow(row);
        return row;
    case TChannelRead::Channel:
        break;
    }
    flags.InUse += QLatin1Char('1');
    flags.Scan += QLatin1Char(values.ScanAdd == 1 ? '1' : '0');
    TBWriteRead::EncodeChannel(row, values);
    return row;
}

} // namespace

TModelMatch MatchModel(const TMacList& catalog, const TMacType* current, const QString& radioCode)
{
    const TMacType* radio = catalog.FindByCode(radioCode);
    if (!radio)
        return ModelForceable;
    if (current && radio->Code == current->Code)
        return ModelSame;
    if (current && radio->ChannelCount == current->ChannelCount)
        return ModelForceable;
    return ModelRefused;
}

std::optional<std::vector<TWriteRow>> BuildWriteRows(TALL& all, const TEnMsg& message,
                                                     const TFun& fun, const TFrqList& bands,
                                                     const TChannelTable& channels)
{
    if (!all.CurModel)
        return std::nullopt;
    const int channelCount = all.CurModel->ChannelCount;
    const QString messageParts[MessageRowCount] = {
        message.Line1.left(MessageRowCharacters),
        message.Line1.mid(MessageRowCharacters, MessageRowCharacters),
        message.Line2.left(MessageRowCharacters),
        message.Line2.mid(MessageRowCharacters, MessageRowCharacters),
    };

    std::vector<TWriteRow> rows;
    TChannelFlags flags;
    for (const TMapRow& place : MemoryMap(channelCount, all.CurModel->GapRows,
                                          channelCount > ChannelsWithoutBitmaps)) {
        TWriteRow& out = rows.emplace_back(TWriteRow{place.Address, WriteCommand, {}});
        switch (place.Kind) {
        case TRowKind::First:
            TBWriteRead::BlankRow(out.Row);
            break;
        case TRowKind::Channel: {
            const std::optional<TRow> row = ChannelRow(channels, place.Index, flags);
            if (!row)
                return std::nullopt;
            out.Row = *row;
            break;
        }
        case TRowKind::Message:
            TBWriteRead::EncodeMessage(out.Row, messageParts[place.Index]);
            break;
        case TRowKind::Settings1:
            TBWriteRead::EncodeSettings1(out.Row, fun);
            break;
        case TRowKind::Band:
            TBWriteRead::EncodeBand(out.Row, bands.CodeOf(all.BandText), all.ModelCode);
            break;
        case TRowKind::Settings2:
            out.Command = SettingsWriteCommand;
            TBWriteRead::EncodeSettings2(out.Row, fun);
            break;
        case TRowKind::Bitmap: {
            const QString& bits = place.Index < 2 ? flags.InUse : flags.Scan;
            TBWriteRead::EncodeBitmap(out.Row,
                                      bits.mid(BitmapFlagsPerRow * (place.Index % 2), BitmapFlagsPerRow));
            break;
        }
        }
    }
    all.ChannelBits = flags.InUse;
    all.ScanBits = flags.Scan;
    return rows;
}

TWriteTransfer::TWriteTransfer(std::unique_ptr<TSerialLink> port)
    : m_link(WriteLinkVariant, *this, std::move(port))
{
}

bool TWriteTransfer::CheckIdent(const QString& ident)
{
    switch (MatchModel(theMacList(), theAll().CurModel, IdentModelCode(ident))) {
    case ModelRefused:
        ShowLinkMessage(theLanguage().ModError, MsgInformation);
        return false;
    case ModelForceable:
        if (ShowLinkMessage(theLanguage().Modforce, MsgYesNo) != MsgResultYes)
            return false;
        break;
    case ModelSame:
        break;
    }
    // A cell that is no number fails the run before anything is written.
    m_rows = BuildWriteRows(theAll(), theEnMsg(), theFun(), theFrqList(), theChannels());
    m_progressMaximum = theAll().CurModel ? ProgressMaximum(theAll().CurModel->ChannelCount) : 0;
    return true;
}

bool TWriteTransfer::Run(TSendThread& worker)
{
    if (!m_rows || !worker.ExchangeAck())
        return false;
    worker.SetProgressMaximum(m_progressMaximum);
    for (const TWriteRow& row : *m_rows) {
        // From the first frame on, the radio holds neither its old codeplug nor this one.
        m_partlyWritten = true;
        if (!worker.WriteRow(row.Address, row.Row, row.Command)) {
            // Runs before the link reports the failure; dropped when the run was stopped.
            worker.PostToUi([this] { TellPartlyWritten(); });
            return false;
        }
    }
    m_partlyWritten = false;
    worker.SendEnd();
    worker.FillProgress();
    return true;
}

void TWriteTransfer::TellPartlyWritten()
{
    if (!m_partlyWritten.exchange(false))
        return;
    m_link.SendEndFrame();
    ShowLinkMessage(theLanguage().PartlyWritten, MsgInformation);
    // This message says what the link's own failure message would; it takes its place.
    ReceiveStateOf(TTransferKind::Write).ErrorShown = true;
}

void TWriteTransfer::Closing()
{
    TellPartlyWritten();
}

void TWriteTransfer::Finish(bool completed)
{
    if (completed) {
        ShowLinkMessage(theLanguage().WriteOk, MsgInformation);
        m_link.SetProgress(0);
    }
    m_link.SetOkEnabled(true);
}

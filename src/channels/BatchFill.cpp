#include "channels/BatchFill.h"

#include "channels/ChannelTable.h"
#include "channels/Frequency.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "codeplug/TextNumbers.h"
#include "locale/MsgBox.h"

#include <algorithm>

namespace {

bool BeyondModel(const TALL& all, double mhz)
{
    return mhz > all.ModelMaxFreq || mhz < all.ModelMinFreq;
}

} // namespace

const QStringList& BatchSteps()
{
    static const QStringList steps = {QStringLiteral("25.0"), QStringLiteral("12.5"),
                                      QStringLiteral("6.25"), QStringLiteral("5.00")};
    return steps;
}

bool ValidateBatch(const TALL& all, const TBatchInput& input)
{
    const TLanguage& language = theLanguage();
    const std::optional<double> rx = ReadFrequency(input.Rx);
    const std::optional<double> tx = ReadFrequency(input.Tx);
    if (!rx || !tx) {
        MsgBox(language.Caution, language.ErrRange, MsgInformation);
        return false;
    }
    if (input.AllChannels)
        return true;
    if (input.From > input.To) {
        MsgBox(language.Confirmation, language.FChBigT, MsgInformation);
        return false;
    }
    if (BeyondModel(all, *rx) || BeyondModel(all, *tx)) {
        MsgBox(language.Caution, language.ErrRange, MsgInformation);
        return false;
    }
    return true;
}

void FillChannels(TChannelTable& table, TALL& all, const TBatchInput& input)
{
    std::optional<double> rx = ReadFrequency(input.Rx);
    std::optional<double> tx = ReadFrequency(input.Tx);
    const std::optional<double> stepKHz = ReadDecimal(input.Step);
    if (!rx || !tx || !stepKHz)
        return;
    const double step = (input.Descending ? -*stepKHz : *stepKHz) / 1000.0;
    const int first = input.AllChannels ? 1 : std::max(1, input.From);
    const int last = input.AllChannels ? table.ChannelCount() : std::min(input.To, table.ChannelCount());

    TChannelTable::BulkUpdate bulk(table);
    TChannel values = input.Values;
    for (int channel = first; channel <= last; ++channel) {
        // The running values themselves are held, so a run that reached a limit stays there.
        rx = std::clamp(*rx, all.ModelMinFreq, all.ModelMaxFreq);
        tx = std::clamp(*tx, all.ModelMinFreq, all.ModelMaxFreq);
        values.Rx = SnapFrequency(*rx);
        values.Tx = SnapFrequency(*tx);
        table.StoreChannel(channel, values);
        all.Modified = true;
        *rx += step;
        *tx += step;
    }
}

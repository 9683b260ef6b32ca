#include "channels/ChannelTextValues.h"

#include "channels/ChannelTable.h"
#include "channels/Frequency.h"
#include "codeplug/CodeplugState.h"

namespace {

QString Megahertz(double mhz)
{
    return QString::number(mhz, 'g', 10);
}

std::optional<double> Frequency(const QString& text, const TALL& all, QString& reason)
{
    const std::optional<double> mhz = ReadFrequency(text);
    if (!mhz)
        reason = QStringLiteral("\"%1\" is not a frequency in MHz").arg(text);
    else if (*mhz > all.ModelMaxFreq)
        reason = QStringLiteral("%1 is above the model's upper limit %2").arg(text, Megahertz(all.ModelMaxFreq));
    else if (*mhz < all.ModelMinFreq)
        reason = QStringLiteral("%1 is below the model's lower limit %2").arg(text, Megahertz(all.ModelMinFreq));
    else
        return SnapFrequency(*mhz);
    return std::nullopt;
}

// Empty for the None text.
std::optional<QString> Tone(const QString& text, const QString& none, QString& reason)
{
    if (text == none)
        return QString();
    if (!text.isEmpty() && ToneBoxText(text, none) == text)
        return text;
    reason = QStringLiteral("\"%1\" is not a tone: use %2, a CTCSS tone such as 67.0 or a DCS code such as D023N")
                 .arg(text, none);
    return std::nullopt;
}

std::optional<int> ListItem(const QString& text, const QStringList& items, QString& reason)
{
    const qsizetype index = items.indexOf(text);
    if (index >= 0)
        return int(index);
    reason = QStringLiteral("\"%1\" is not one of %2").arg(text, items.join(QStringLiteral(", ")));
    return std::nullopt;
}

} // namespace

std::optional<TChannel> ReadChannelTexts(const TChannelTextOf& textOf, const TALL& all,
                                         const TChannelTexts& texts, const TChannelFault& fault)
{
    bool failed = false;
    // Each rule's value, or its fallback after the fault has been reported.
    const auto take = [&](int column, const auto& value, const QString& reason, auto fallback) {
        if (value)
            return *value;
        fault(column, reason);
        failed = true;
        return fallback;
    };
    TChannel channel;
    QString reason;
    const QString rx = textOf(ColRx);
    if (rx.isEmpty()) {
        fault(ColRx, QStringLiteral("a channel needs an RX frequency"));
        failed = true;
    } else {
        channel.Rx = take(ColRx, Frequency(rx, all, reason), reason, 0.0);
    }
    const QString tx = textOf(ColTx);
    if (!tx.isEmpty())
        channel.Tx = take(ColTx, Frequency(tx, all, reason), reason, 0.0);
    channel.Decode = take(ColDecode, Tone(textOf(ColDecode), texts.None, reason), reason, QString());
    channel.Encode = take(ColEncode, Tone(textOf(ColEncode), texts.None, reason), reason, QString());
    for (auto [column, member] : {std::pair{ColPower, &TChannel::Power}, {ColBandwidth, &TChannel::Bandwidth},
                                  {ColScanAdd, &TChannel::ScanAdd}, {ColBeatShift, &TChannel::BeatShift},
                                  {ColBusyLockout, &TChannel::BusyLockout}})
        channel.*member = take(column, ListItem(textOf(column), texts.ItemsOf(column), reason), reason, 0);
    if (failed)
        return std::nullopt;
    return channel;
}

#include "cli/CodeplugJson.h"

#include "channels/ChannelTable.h"
#include "codeplug/CodeplugState.h"

#include <QStringList>

namespace {

QString JsonString(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': quoted += QStringLiteral("\\\""); break;
        case '\\': quoted += QStringLiteral("\\\\"); break;
        case '\n': quoted += QStringLiteral("\\n"); break;
        case '\r': quoted += QStringLiteral("\\r"); break;
        case '\t': quoted += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    return quoted + u'"';
}

// {"key": value, ...} from pairs whose values are already JSON.
QString JsonObject(const QList<std::pair<QString, QString>>& members)
{
    QStringList written;
    for (const auto& [key, value] : members)
        written.append(JsonString(key) + QStringLiteral(": ") + value);
    return u'{' + written.join(QStringLiteral(", ")) + u'}';
}

QString JsonArray(const QStringList& values)
{
    return u'[' + values.join(QStringLiteral(", ")) + u']';
}

QString ChannelJson(const TChannelTable& table, int channel)
{
    const auto text = [&](int column) { return JsonString(table.Cell(channel, column).Fore); };
    return JsonObject({
        {QStringLiteral("channel"), QString::number(channel)},
        {QStringLiteral("rx"), text(ColRx)},
        {QStringLiteral("tx"), text(ColTx)},
        {QStringLiteral("decode"), text(ColDecode)},
        {QStringLiteral("encode"), text(ColEncode)},
        {QStringLiteral("power"), text(ColPower)},
        {QStringLiteral("bandwidth"), text(ColBandwidth)},
        {QStringLiteral("scanAdd"), text(ColScanAdd)},
        {QStringLiteral("beatShift"), text(ColBeatShift)},
        {QStringLiteral("busyLockout"), text(ColBusyLockout)},
    });
}

} // namespace

QByteArray CodeplugJson(const TALL& all, const TFun& fun, const TEnMsg& message, const TChannelTable& table)
{
    QList<std::pair<QString, QString>> settings;
    for (const TFunField& field : FunFields)
        settings.append({QString::fromLatin1(field.Name), QString::number(fun.*field.Member)});
    QStringList channels;
    for (int channel = 1; channel <= table.ChannelCount(); ++channel)
        if (table.HoldsChannel(channel))
            channels.append(ChannelJson(table, channel));
    const QString json = JsonObject({
        {QStringLiteral("model"), JsonString(all.ModelName)},
        {QStringLiteral("modelCode"), JsonString(all.ModelCode)},
        {QStringLiteral("band"), JsonString(all.BandText)},
        {QStringLiteral("stamp"), JsonString(all.FileStamp)},
        {QStringLiteral("settings"), JsonObject(settings)},
        {QStringLiteral("message"), JsonArray({JsonString(message.Line1), JsonString(message.Line2)})},
        {QStringLiteral("channels"), JsonArray(channels)},
    });
    return json.toUtf8();
}

#include "cli/CodeplugJson.h"

#include "channels/ChannelTable.h"
#include "channels/ChannelTextValues.h"
#include "codeplug/GlobalState.h"
#include "settings/MessageText.h"
#include "settings/ModelCatalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

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

const char* const ChannelNumberKey = "channel";

// The key of each channel column after the channel number, in the order they are written.
struct TChannelKey {
    const char* Key;
    int Column;
};
const TChannelKey ChannelKeys[] = {
    {"rx", ColRx}, {"tx", ColTx}, {"decode", ColDecode}, {"encode", ColEncode}, {"power", ColPower},
    {"bandwidth", ColBandwidth}, {"scanAdd", ColScanAdd}, {"beatShift", ColBeatShift},
    {"busyLockout", ColBusyLockout},
};

const char* const DocumentKeys[] = {"model", "modelCode", "band", "stamp", "settings", "message", "channels"};

QString ChannelJson(const TChannelTable& table, int channel)
{
    QList<std::pair<QString, QString>> members{{QString::fromLatin1(ChannelNumberKey), QString::number(channel)}};
    for (const TChannelKey& key : ChannelKeys)
        members.append({QString::fromLatin1(key.Key), JsonString(table.Cell(channel, key.Column).Fore)});
    return JsonObject(members);
}

// Reads one document, adding a fault for each bad value.
class TDocumentReader {
public:
    TDocumentReader(const TChannelTexts& texts, TCodeplugDocument& document)
        : m_texts(texts), m_document(document)
    {
    }

    void Read(const QJsonObject& root)
    {
        QStringList known;
        for (const char* key : DocumentKeys)
            known.append(QString::fromLatin1(key));
        refuseUnknownKeys(root, QString(), known);
        const std::optional<TALL> limits = modelAndBand(root);
        settings(root.value(QLatin1String("settings")));
        message(root.value(QLatin1String("message")));
        if (limits)
            channels(root.value(QLatin1String("channels")), *limits);
        else if (!root.contains(QLatin1String("channels")))
            fault(QStringLiteral("channels"), QStringLiteral("missing"));
    }

private:
    void fault(const QString& place, const QString& reason)
    {
        m_document.Faults.append(place + QStringLiteral(": ") + reason);
    }

    static QString member(const QString& place, const QString& key)
    {
        return place.isEmpty() ? key : place + u'.' + key;
    }

    void refuseUnknownKeys(const QJsonObject& object, const QString& place, const QStringList& known)
    {
        for (const QString& key : object.keys())
            if (!known.contains(key))
                fault(member(place, key), QStringLiteral("unknown key"));
    }

    // The text at the place; nothing, after its fault, when it is missing or not a text.
    std::optional<QString> text(const QJsonValue& value, const QString& place)
    {
        if (value.isString())
            return value.toString();
        fault(place, value.isUndefined() ? QStringLiteral("missing") : QStringLiteral("must be a text in quotes"));
        return std::nullopt;
    }

    std::optional<int> integer(const QJsonValue& value, const QString& place)
    {
        const double number = value.toDouble(0.5);
        if (value.isDouble() && std::floor(number) == number && std::fabs(number) <= 1e9)
            return int(number);
        fault(place, value.isUndefined() ? QStringLiteral("missing") : QStringLiteral("must be a whole number"));
        return std::nullopt;
    }

    // The model's limits and the band's edges, when both are known.
    std::optional<TALL> modelAndBand(const QJsonObject& root)
    {
        const std::optional<QString> name = text(root.value(QLatin1String("model")), QStringLiteral("model"));
        const std::optional<QString> code = text(root.value(QLatin1String("modelCode")), QStringLiteral("modelCode"));
        const std::optional<QString> band = text(root.value(QLatin1String("band")), QStringLiteral("band"));
        if (!name)
            return std::nullopt;
        const TMacType* model = theMacList().FindByName(*name);
        if (!model) {
            QStringList names;
            theMacList().FillNames(names);
            fault(QStringLiteral("model"), QStringLiteral("\"%1\" is not a model of the catalog: %2")
                                               .arg(*name, names.join(QStringLiteral(", "))));
            return std::nullopt;
        }
        if (code && *code != model->Code)
            fault(QStringLiteral("modelCode"), QStringLiteral("\"%1\" is not the code of %2, which is %3")
                                                   .arg(*code, model->Name, model->Code));
        if (!band)
            return std::nullopt;
        m_document.Band = model->OfferedBand(*band);
        if (m_document.Band.isEmpty()) {
            fault(QStringLiteral("band"), QStringLiteral("%1 has no band \"%2\"; its bands are %3")
                                              .arg(model->Name, *band, model->Bands.join(QStringLiteral(", "))));
            return std::nullopt;
        }
        m_document.Model = model;
        TALL limits;
        SetCurrentModel(limits, *model);
        SetBand(limits, m_document.Band);
        return limits;
    }

    void settings(const QJsonValue& value)
    {
        const QString place = QStringLiteral("settings");
        if (!value.isObject()) {
            fault(place, value.isUndefined() ? QStringLiteral("missing") : QStringLiteral("must be an object"));
            return;
        }
        const QJsonObject object = value.toObject();
        QStringList known;
        for (const TFunField& field : FunFields)
            known.append(QString::fromLatin1(field.Name));
        refuseUnknownKeys(object, place, known);
        for (const TFunField& field : FunFields) {
            const QString at = member(place, QString::fromLatin1(field.Name));
            const std::optional<int> number = integer(object.value(QLatin1String(field.Name)), at);
            if (number && !field.InRange(*number))
                fault(at, QStringLiteral("%1 is outside %2 to %3").arg(*number).arg(field.Low).arg(field.High));
            else if (number)
                m_document.Fun.*field.Member = *number;
        }
    }

    void message(const QJsonValue& value)
    {
        const QString place = QStringLiteral("message");
        const QJsonArray lines = value.toArray();
        if (!value.isArray() || lines.size() != 2) {
            fault(place, value.isUndefined() ? QStringLiteral("missing") : QStringLiteral("must be a list of two texts"));
            return;
        }
        QString* targets[] = {&m_document.Message.Line1, &m_document.Message.Line2};
        for (int index = 0; index < 2; ++index) {
            const QString at = place + QStringLiteral("[%1]").arg(index);
            const std::optional<QString> line = text(lines[index], at);
            if (!line)
                continue;
            if (const QString why = MessageLineFault(*line); !why.isEmpty())
                fault(at, why);
            else
                *targets[index] = *line;
        }
    }

    void channels(const QJsonValue& value, const TALL& limits)
    {
        const QString place = QStringLiteral("channels");
        if (!value.isArray()) {
            fault(place, value.isUndefined() ? QStringLiteral("missing") : QStringLiteral("must be a list"));
            return;
        }
        m_document.Channels.assign(size_t(limits.ChannelCount), std::nullopt);
        m_seen.assign(size_t(limits.ChannelCount), false);
        const QJsonArray list = value.toArray();
        for (qsizetype index = 0; index < list.size(); ++index)
            channel(list[index], place + QStringLiteral("[%1]").arg(index), limits);
    }

    void channel(const QJsonValue& value, const QString& place, const TALL& limits)
    {
        if (!value.isObject()) {
            fault(place, QStringLiteral("must be an object"));
            return;
        }
        const QJsonObject object = value.toObject();
        const QString numberKey = QString::fromLatin1(ChannelNumberKey);
        int number = 0;  // stays 0 when the channel's number is unusable
        if (const std::optional<int> read = integer(object.value(numberKey), member(place, numberKey))) {
            if (*read < 1 || *read > limits.ChannelCount)
                fault(member(place, numberKey),
                      QStringLiteral("channel %1 is outside 1 to %2").arg(*read).arg(limits.ChannelCount));
            else if (m_seen[size_t(*read - 1)])
                fault(member(place, numberKey), QStringLiteral("channel %1 appears twice").arg(*read));
            else
                number = *read;
        }
        if (number > 0)
            m_seen[size_t(number - 1)] = true;
        QStringList known{numberKey};
        for (const TChannelKey& key : ChannelKeys)
            known.append(QString::fromLatin1(key.Key));
        refuseUnknownKeys(object, place, known);

        bool complete = true;
        QString texts[ChannelColumnCount + 1];
        for (const TChannelKey& key : ChannelKeys) {
            const std::optional<QString> cell = text(object.value(QLatin1String(key.Key)), member(place, QString::fromLatin1(key.Key)));
            complete = complete && cell;
            texts[key.Column] = cell.value_or(QString()).trimmed();
        }
        if (!complete)
            return;
        const auto keyOf = [](int column) {
            return QString::fromLatin1(std::find_if(std::begin(ChannelKeys), std::end(ChannelKeys),
                                                    [&](const TChannelKey& k) { return k.Column == column; })->Key);
        };
        const std::optional<TChannel> values = ReadChannelTexts(
            [&](int column) { return texts[column]; }, limits, m_texts,
            [&](int column, const QString& reason) { fault(member(place, keyOf(column)), reason); });
        if (number > 0 && values)
            m_document.Channels[size_t(number - 1)] = values;
    }

    const TChannelTexts& m_texts;
    TCodeplugDocument& m_document;
    std::vector<bool> m_seen;  // by channel number - 1
};

// "line 3, column 14" of a parse error: the parser's offset lies just past the character it
// could not take.
QString LineAndColumn(const QByteArray& json, int offset)
{
    const QByteArray before = json.left(std::max(offset - 1, 0));
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return QStringLiteral("line %1, column %2").arg(before.count('\n') + 1).arg(before.size() - lineStart + 1);
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

TCodeplugDocument ReadCodeplugJson(const QByteArray& json, const TChannelTexts& texts)
{
    TCodeplugDocument document;
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        document.Faults.append(LineAndColumn(json, error.offset) + QStringLiteral(": malformed JSON: ")
                               + error.errorString());
    } else if (!parsed.isObject()) {
        document.Faults.append(QStringLiteral("the document: must be an object { ... }"));
    } else {
        TDocumentReader(texts, document).Read(parsed.object());
    }
    return document;
}

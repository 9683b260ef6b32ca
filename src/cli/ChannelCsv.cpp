#include "cli/ChannelCsv.h"

#include "channels/ChannelTable.h"
#include "channels/ChannelTextValues.h"
#include "cli/CsvText.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/TextNumbers.h"

namespace {

// Reads one channel line, adding each fault to the errors.
class TLineReader {
public:
    TLineReader(const TCsvRecord& record, const TALL& all, const TChannelTexts& texts,
                std::vector<TCsvError>& errors)
        : m_record(record), m_all(all), m_texts(texts), m_errors(errors)
    {
        for (const QString& field : record.Fields)
            m_values.append(field.trimmed());
    }

    bool Failed() const { return m_failed; }
    const QString& Value(int column) const { return m_values[column - 1]; }

    void Error(int column, const QString& reason)
    {
        m_errors.push_back({m_record.Line, m_texts.Titles.value(column - 1, QString::number(column)), reason});
        m_failed = true;
    }

    std::optional<int> ChannelNumber()
    {
        const std::optional<int> number = ReadInteger(Value(ColChannel));
        if (!number) {
            Error(ColChannel, QStringLiteral("\"%1\" is not a channel number").arg(Value(ColChannel)));
            return std::nullopt;
        }
        if (*number < 1 || *number > m_all.ChannelCount) {
            Error(ColChannel, QStringLiteral("channel %1 is outside 1 to %2").arg(*number).arg(m_all.ChannelCount));
            return std::nullopt;
        }
        return number;
    }

    // The channel of a line that holds an RX frequency.
    std::optional<TChannel> Channel()
    {
        return ReadChannelTexts([this](int column) { return Value(column); }, m_all, m_texts,
                                [this](int column, const QString& reason) { Error(column, reason); });
    }

private:
    const TCsvRecord& m_record;
    const TALL& m_all;
    const TChannelTexts& m_texts;
    std::vector<TCsvError>& m_errors;
    QStringList m_values;
    bool m_failed = false;
};

void CheckHeader(const TCsvRecord& header, const TChannelTexts& texts, std::vector<TCsvError>& errors)
{
    for (int column = 1; column <= ChannelColumnCount; ++column) {
        const QString& title = texts.Titles[column - 1];
        if (column > header.Fields.size())
            errors.push_back({header.Line, title, QStringLiteral("missing from the header line")});
        else if (header.Fields[column - 1].trimmed() != title)
            errors.push_back({header.Line, title, QStringLiteral("the header line reads \"%1\" here")
                                                      .arg(header.Fields[column - 1].trimmed())});
    }
    for (int column = ChannelColumnCount + 1; column <= header.Fields.size(); ++column)
        errors.push_back({header.Line, QString::number(column), QStringLiteral("the header line has more than ten columns")});
}

// The shape of a line: every quote closed, exactly ten fields.
bool CheckShape(const TCsvRecord& record, const TChannelTexts& texts, std::vector<TCsvError>& errors)
{
    const auto columnName = [&](int column) { return texts.Titles.value(column - 1, QString::number(column)); };
    if (record.UnterminatedField >= 0) {
        errors.push_back({record.Line, columnName(record.UnterminatedField + 1), QStringLiteral("a quote is never closed")});
        return false;
    }
    const int count = int(record.Fields.size());
    if (count < ChannelColumnCount)
        errors.push_back({record.Line, columnName(count + 1), QStringLiteral("missing: the line has %1 of ten fields").arg(count)});
    else if (count > ChannelColumnCount)
        errors.push_back({record.Line, columnName(ChannelColumnCount + 1), QStringLiteral("the line has %1 fields, ten expected").arg(count)});
    return count == ChannelColumnCount;
}

} // namespace

QString FormatCsvError(const QString& fileName, const TCsvError& error)
{
    return QStringLiteral("%1:%2: column %3: %4").arg(fileName).arg(error.Line).arg(error.Column, error.Reason);
}

QString ChannelTableCsv(const TChannelTable& table)
{
    QString csv = CsvLine(table.Texts().Titles) + u'\n';
    for (int channel = 1; channel <= table.ChannelCount(); ++channel) {
        QStringList fields{QString::number(channel)};
        const bool holds = table.HoldsChannel(channel);
        for (int column = ColRx; column <= ColBusyLockout; ++column)
            fields.append(holds ? table.Cell(channel, column).Fore : QString());
        csv += CsvLine(fields) + u'\n';
    }
    return csv;
}

TChannelImport ReadChannelCsv(const QString& text, const TALL& all, const TChannelTexts& texts)
{
    TChannelImport result;
    result.Channels.resize(size_t(std::max(all.ChannelCount, 0)));
    const std::vector<TCsvRecord> records = ParseCsv(text);
    if (records.empty()) {
        result.Errors.push_back({1, texts.Titles[0], QStringLiteral("the header line is missing")});
        return result;
    }
    CheckHeader(records.front(), texts, result.Errors);

    std::vector<int> lineOfChannel(result.Channels.size() + 1, 0);
    for (size_t index = 1; index < records.size(); ++index) {
        const TCsvRecord& record = records[index];
        if (!CheckShape(record, texts, result.Errors))
            continue;
        TLineReader line(record, all, texts, result.Errors);
        const std::optional<int> number = line.ChannelNumber();
        if (number && lineOfChannel[size_t(*number)] != 0) {
            line.Error(ColChannel, QStringLiteral("channel %1 appears twice, first on line %2")
                                       .arg(*number).arg(lineOfChannel[size_t(*number)]));
        } else if (number) {
            lineOfChannel[size_t(*number)] = record.Line;
        }

        if (line.Value(ColRx).isEmpty()) {
            for (int column = ColTx; column <= ColBusyLockout; ++column)
                if (!line.Value(column).isEmpty())
                    line.Error(column, QStringLiteral("a channel without RX frequency holds no other values"));
            continue;
        }
        const std::optional<TChannel> channel = line.Channel();
        if (number && !line.Failed())
            result.Channels[size_t(*number - 1)] = channel;
    }
    return result;
}

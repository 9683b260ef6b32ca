#include "cli/CsvText.h"

namespace {

constexpr QChar Quote = u'"';
constexpr QChar Separator = u',';

// Splits one line. Blanks before an opening quote are dropped; a quoted field runs to its closing
// quote, and whatever follows that quote up to the next separator is kept with it.
TCsvRecord ParseLine(const QString& line, int lineNumber)
{
    TCsvRecord record;
    record.Line = lineNumber;
    qsizetype i = 0;
    while (true) {
        QString field;
        qsizetype start = i;
        while (start < line.size() && line[start] == u' ')
            ++start;
        if (start < line.size() && line[start] == Quote) {
            i = start + 1;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == Quote) {
                    if (i + 1 < line.size() && line[i + 1] == Quote) {
                        field += Quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += line[i++];
            }
            if (!closed)
                record.UnterminatedField = int(record.Fields.size());
        }
        while (i < line.size() && line[i] != Separator)
            field += line[i++];
        record.Fields.append(field);
        if (i >= line.size())
            break;
        ++i;  // the separator
    }
    return record;
}

bool NeedsQuotes(const QString& field)
{
    return field.contains(Separator) || field.contains(Quote) || field.contains(u'\n')
        || field.contains(u'\r') || field != field.trimmed();
}

} // namespace

std::vector<TCsvRecord> ParseCsv(const QString& text)
{
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    std::vector<TCsvRecord> records;
    const QStringList lines = body.split(u'\n');
    for (int index = 0; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        records.push_back(ParseLine(line, index + 1));
    }
    return records;
}

QString CsvLine(const QStringList& fields)
{
    QStringList written;
    for (const QString& field : fields) {
        if (NeedsQuotes(field))
            written.append(Quote + QString(field).replace(Quote, QStringLiteral("\"\"")) + Quote);
        else
            written.append(field);
    }
    return written.join(Separator);
}

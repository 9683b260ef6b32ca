#pragma once
// CSV text as spreadsheets write it: comma-separated fields, one record per line (LF or CRLF),
// fields in double quotes where they hold commas or quotes, a quote inside doubled.

#include <QString>
#include <QStringList>
#include <vector>

struct TCsvRecord {
    int Line = 0;              // 1-based line number in the text
    QStringList Fields;        // unquoted, blanks kept
    int UnterminatedField = -1;  // index of a field whose opening quote is never closed
};

// The records of the text, blank lines left out. A byte order mark at the start is ignored.
std::vector<TCsvRecord> ParseCsv(const QString& text);

// One line of fields, each quoted only when it needs to be, without the line end.
QString CsvLine(const QStringList& fields);

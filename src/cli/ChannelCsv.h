#pragma once
// The channel table as CSV, for people who keep codeplugs in version control: a header line of
// the ten column titles, then one line per channel with the texts the grid shows. Reading checks
// every line against the current model and collects every fault; it changes nothing itself.

#include "codeplug/RowCodec.h"

#include <QString>
#include <optional>
#include <vector>

struct TALL;
struct TChannelTexts;
class TChannelTable;

struct TCsvError {
    int Line = 0;
    QString Column;  // the column's title, or its number beyond the tenth
    QString Reason;
};

// "FILE:LINE: column NAME: reason".
QString FormatCsvError(const QString& fileName, const TCsvError& error);

// Header line, then channels 1 to N; an empty channel is its number and nine empty fields.
QString ChannelTableCsv(const TChannelTable& table);

struct TChannelImport {
    std::vector<std::optional<TChannel>> Channels;  // entry k - 1 is channel k; empty when absent
    std::vector<TCsvError> Errors;                  // in line order
};

// Channel lines may come in any order and may be left out; each channel's texts pass the rules
// of channels/ChannelTextValues.h.
TChannelImport ReadChannelCsv(const QString& text, const TALL& all, const TChannelTexts& texts);

#pragma once
// The cells of a channel row as texts, comparable and printable in test expectations.

#include "channels/ChannelTable.h"

#include <QStringList>
#include <ostream>

// Display and value texts of columns 1 to 10.
struct TRowTexts {
    QStringList Fore;
    QStringList Back;
    bool operator==(const TRowTexts&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TRowTexts& row)
{
    return out << row.Fore.join('|').toStdString() << " / " << row.Back.join('|').toStdString();
}

inline TRowTexts RowTexts(const TChannelTable& table, int channel)
{
    TRowTexts row;
    for (int column = 1; column <= ChannelColumnCount; ++column) {
        row.Fore << table.Cell(channel, column).Fore;
        row.Back << table.Cell(channel, column).Back;
    }
    return row;
}

// The rows of channels 1 to ChannelCount.
inline std::vector<TRowTexts> AllRowTexts(const TChannelTable& table)
{
    std::vector<TRowTexts> rows;
    for (int channel = 1; channel <= table.ChannelCount(); ++channel)
        rows.push_back(RowTexts(table, channel));
    return rows;
}

#pragma once
// What a frequency typed into the test frequency table becomes. An empty entry leaves the cell
// empty. A number passes the limit rule of every frequency (beyond the model's limits the band
// edge replaces it with "ErrRange", outside the band it stays with "OutRange") and is written with
// five decimals; it is not moved onto the raster. Text that is not a number is refused with
// "ErrRange": then nothing is given and the cell keeps its text.

#include <QString>
#include <optional>

struct TALL;

std::optional<QString> TestFrequencyEntryText(const TALL& all, const QString& entered);

// A design text's line break marks ("#10#13" as they stand in the text) as line breaks.
QString WithLineBreaks(const QString& designText);

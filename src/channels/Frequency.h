#pragma once
// Frequencies: texts with five decimals of MHz, the 5 kHz / 6.25 kHz raster, and the check
// against the model's limits and the band's edges.

#include <QString>
#include <optional>

struct TALL;

// Moves a frequency (MHz) down onto the 5 kHz raster when its 100 Hz and 10 Hz digits are zero,
// otherwise onto the 6.25 kHz raster. A frequency already on its raster comes back unchanged.
double SnapFrequency(double mhz);

// "462.56250": five decimals, "." as decimal point, no grouping.
QString FrequencyText(double mhz);

// A frequency text read back; nothing when it is not a number.
std::optional<double> ReadFrequency(const QString& text);

// The limit rule: beyond the model's limits the nearer band edge replaces the value ("ErrRange");
// inside them but outside the band the value stays ("OutRange"). At most one message, shown with
// MsgBox under the "Caution" title.
double CheckFrequency(const TALL& all, double mhz);

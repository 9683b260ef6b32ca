#include "channels/Frequency.h"
// PLACEHOLDER: to be replaced by the real implementation.
double SnapFrequency(double mhz) { return mhz; }
QString FrequencyText(double mhz) { return QString::number(mhz, 'f', 5); }
std::optional<double> ReadFrequency(const QString&) { return std::nullopt; }
double CheckFrequency(const TALL&, double mhz) { return mhz; }

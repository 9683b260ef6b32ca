#include "channels/Frequency.h"

#include "channels/DecimalRounding.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "codeplug/TextNumbers.h"
#include "locale/MsgBox.h"

#include <cmath>

namespace {

constexpr double UnitsPerMHz = 100000.0;  // the memory format's resolution: 10 Hz
constexpr qint64 FiveKHzStep = 500;
constexpr qint64 SixPointTwoFiveKHzStep = 625;
// Beyond this many 10 Hz units a double no longer holds whole numbers; no radio gets there.
constexpr double LargestUnits = 1e15;

} // namespace

double SnapFrequency(double mhz)
{
    const double units = RoundScaledDecimal(mhz * UnitsPerMHz);
    if (!std::isfinite(units) || std::fabs(units) > LargestUnits)
        return mhz;

    // The raster is chosen by the 7th and 8th digit from the left of the unit count: below
    // 1000 MHz the 100 Hz and 10 Hz digits. A negative value, which no caller should pass, is
    // treated like its magnitude.
    const qint64 magnitude = static_cast<qint64>(std::fabs(units));
    const QString digits = QString::number(magnitude).rightJustified(8, '0');
    const bool onWholeHundredHz = digits[6] == '0' && digits[7] == '0';
    const qint64 step = onWholeHundredHz ? FiveKHzStep : SixPointTwoFiveKHzStep;
    const qint64 remainder = magnitude % step;
    if (remainder == 0)
        return mhz;
    return std::copysign(static_cast<double>(magnitude - remainder) / UnitsPerMHz, mhz);
}

QString FrequencyText(double mhz)
{
    // Formatted from the rounded count of 10 Hz units, as the raster rule counts them: a value a
    // hair below a half (400.014995, which the rule takes as 400.01500) would otherwise be
    // formatted from its binary double, off the raster. QString::number always writes "." and
    // never groups digits, whatever the locale.
    const double units = RoundScaledDecimal(mhz * UnitsPerMHz);
    return QString::number(std::isfinite(units) ? units / UnitsPerMHz : mhz, 'f', 5);
}

std::optional<double> ReadFrequency(const QString& text)
{
    return ReadDecimal(text);
}

double CheckFrequency(const TALL& all, double mhz)
{
    const TLanguage& language = theLanguage();
    if (mhz > all.ModelMaxFreq || mhz < all.ModelMinFreq) {
        const double bandEdge = mhz > all.ModelMaxFreq ? all.BandMaxFreq : all.BandMinFreq;
        MsgBox(language.Caution, language.ErrRange, MsgInformation);
        return bandEdge;
    }
    if (mhz > all.BandMaxFreq || mhz < all.BandMinFreq)
        MsgBox(language.Caution, language.OutRange, MsgInformation);
    return mhz;
}

#include "channels/DecimalRounding.h"

#include <cmath>

double RoundScaledDecimal(double scaled)
{
    // Far below the double's precision limit one millionth of a unit is noise of the
    // multiplication, never a digit the user typed.
    constexpr double hair = 1e-6;
    // From 2^52 on every double is whole already, and adding a half would itself round.
    constexpr double wholeFrom = 4503599627370496.0;
    const double magnitude = std::fabs(scaled);
    if (!std::isfinite(scaled) || magnitude >= wholeFrom)
        return scaled;
    return std::copysign(std::floor(magnitude + 0.5 + hair), scaled);
}

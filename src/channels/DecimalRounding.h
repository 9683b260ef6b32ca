#pragma once
// Rounding of values that were typed as decimals.

// Rounds a value scaled to whole units of its last kept decimal (MHz × 100000, Hz × 10) to the
// nearest whole number, a half away from zero. The product of a typed decimal can land a hair
// beside the half it stands for (140.000005 × 100000 gives 14000000.4999…); such a hair counts
// as the half, as it would on paper.
double RoundScaledDecimal(double scaled);
